#include <gtest/gtest.h>

#include <climits>

#include "instrument/readout_buffers.h"
#include "ui/scripted_backend.h"

namespace {

class ReadoutBuffersTest : public ::testing::Test {
  protected:
    void SetUp() override { ui::set_backend(&backend); }
    void TearDown() override { ui::set_backend(nullptr); }

    const ui::PopupRecord& only_popup() const {
        EXPECT_EQ(backend.popups().size(), 1u);
        static const ui::PopupRecord none;
        return backend.popups().empty() ? none : backend.popups().front();
    }

    ui::ScriptedBackend backend;
};

TEST_F(ReadoutBuffersTest, HoldsOneZeroedEntryPerValueOfTheRange) {
    instrument::DatalogReadout readout;
    ASSERT_TRUE(readout.allocate(5, 7));
    EXPECT_TRUE(readout.dl_buffers_allocated());
    EXPECT_EQ(readout.dl_mem_counts(), 3);
    EXPECT_EQ(readout.first_value(), 5);
    ASSERT_EQ(readout.dl_data().size(), 3u);
    ASSERT_EQ(readout.dl_num_value().size(), 3u);
    for (const auto& entry : readout.dl_data()) {
        EXPECT_STREQ(entry.date, "");
        EXPECT_STREQ(entry.value, "");
    }

    ASSERT_TRUE(readout.allocate(1, 0));  // an empty block
    EXPECT_TRUE(readout.dl_data().empty());
    readout.release();
    EXPECT_FALSE(readout.dl_buffers_allocated());
    EXPECT_EQ(readout.dl_mem_counts(), 0);
    EXPECT_TRUE(backend.popups().empty());
}

class ImpossibleRange : public ReadoutBuffersTest,
                        public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(ImpossibleRange, IsReportedAndReleasesTheLastReadOut) {
    instrument::DatalogReadout readout;
    ASSERT_TRUE(readout.allocate(1, 10));
    EXPECT_FALSE(readout.allocate(GetParam().first, GetParam().second));
    EXPECT_FALSE(readout.dl_buffers_allocated());
    EXPECT_EQ(readout.dl_mem_counts(), 0);
    EXPECT_EQ(only_popup().title, "Fehler-Meldung :");
    EXPECT_EQ(only_popup().text, "Kann keinen Speicher zuweisen");
}

INSTANTIATE_TEST_SUITE_P(Ranges, ImpossibleRange,
                         ::testing::Values(std::pair{7, 5}, std::pair{1, INT_MAX},
                                           std::pair{INT_MIN, INT_MAX}));

}  // namespace
