// The serial layer's reading on a real pseudo-terminal: what arrives in one piece is read
// at once and handed out over the following reads, and a flush drops what was not taken.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "platform/serial_port.h"

namespace {

constexpr int kPort = 9;

class SerialPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(::grantpt(master_), 0);
        ASSERT_EQ(::unlockpt(master_), 0);
        std::string slave = ::ptsname(master_);
        ASSERT_EQ(platform::OpenComConfig(kPort, slave.c_str(), 38400, 0, 8, 1, 512, 512), 0);
        ASSERT_EQ(platform::SetComTime(kPort, 0.2), 0);
    }
    void TearDown() override {
        platform::CloseCom(kPort);
        ::close(master_);
    }

    // The instrument's side sends `bytes` and they are waiting at the port.
    void arrive(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::usleep(20000);
    }

    std::string read_term(int count, int terminator = 0x03) {
        char buffer[64] = {};
        int n = platform::ComRdTerm(kPort, buffer, count, terminator);
        return n >= 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string("error");
    }

    int master_ = -1;
};

TEST_F(SerialPortTest, BytesThatArriveTogetherAreHandedOutOverTheFollowingReads) {
    arrive(
        "\x06\x02"
        "1.0OHM\r\n\x03\x04\x02"
        "next\x03");

    EXPECT_EQ(platform::ComRdByte(kPort), 0x06);
    EXPECT_EQ(platform::ComRdByte(kPort), 0x02);
    EXPECT_EQ(read_term(60), "1.0OHM\r\n");
    EXPECT_EQ(platform::GetRs232Err(), 0);
    EXPECT_EQ(platform::ComRdByte(kPort), 0x04);
    EXPECT_EQ(read_term(2), "\x02n") << "a read up to a count leaves the rest";
    EXPECT_EQ(read_term(60), "ext");
    EXPECT_EQ(platform::ComRdByte(kPort), platform::kRs232TimeOut);
}

TEST_F(SerialPortTest, AnAnswerCutByTheTimeOutKeepsWhatCameAndReportsTheTimeOut) {
    arrive("partial");
    EXPECT_EQ(read_term(60), "partial");
    EXPECT_EQ(platform::GetRs232Err(), platform::kRs232TimeOut);
    arrive("rest\x03");
    EXPECT_EQ(read_term(60), "rest") << "a later read starts where the line is";
}

TEST_F(SerialPortTest, FlushDropsBytesAlreadyReadButNotTaken) {
    arrive("\x06garbage\x03more");
    EXPECT_EQ(platform::ComRdByte(kPort), 0x06);
    EXPECT_EQ(platform::FlushInQ(kPort), 0);
    EXPECT_EQ(platform::ComRdByte(kPort), platform::kRs232TimeOut);
    arrive("\x04");
    EXPECT_EQ(platform::ComRdByte(kPort), 0x04);
}

TEST_F(SerialPortTest, ReopeningThePortDropsWhatTheLastConnectionLeft) {
    arrive("\x06left over");
    EXPECT_EQ(platform::ComRdByte(kPort), 0x06);
    std::string slave = ::ptsname(master_);
    ASSERT_EQ(platform::CloseCom(kPort), 0);
    ASSERT_EQ(platform::OpenComConfig(kPort, slave.c_str(), 38400, 0, 8, 1, 512, 512), 0);
    ASSERT_EQ(platform::SetComTime(kPort, 0.2), 0);
    EXPECT_EQ(platform::ComRdByte(kPort), platform::kRs232TimeOut);
}

}  // namespace
