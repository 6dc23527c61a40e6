#include <gtest/gtest.h>

#include <cstring>

#include "test_files.h"
#include "settings/com_setup.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "settings_fixture.h"

namespace {

using namespace std::string_literals;

class ComSetupTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        files::curr_dir = folder.path();
        rec::com = rec::Com{};
    }
    std::string com_file() const { return folder.file("Com.stp"); }
    static std::string image() {
        return std::string(reinterpret_cast<const char*>(&rec::com), sizeof rec::com);
    }
    ScratchFolder folder;
};

TEST_F(ComSetupTest, RoundTripKeepsFieldsAndReservedBytes) {
    rec::com.interface = 1;
    rec::com.com_port = 2;
    rec::com.gpib_address = 17;
    rec::com.baud_rate = 9600;
    std::memset(rec::com.reserved_12, 0xC3, sizeof rec::com.reserved_12);
    rec::com.print_orientation = 2;
    rec::com.print_x_resolution = 300;
    rec::com.reserved_52[3] = 0x7E;
    std::string saved = image();

    ASSERT_EQ(settings::save_com_setup(), 1);
    EXPECT_EQ(read_bytes(com_file()), saved);
    rec::com = rec::Com{};
    ASSERT_EQ(settings::load_com_setup(), 1);
    EXPECT_EQ(image(), saved);
    EXPECT_TRUE(backend.popups().empty());
}

TEST_F(ComSetupTest, ShortFileReplacesOnlyItsLeadingBytes) {
    rec::com.print_orientation = 2;
    rec::com.print_x_resolution = 300;
    rec::com.print_y_resolution = 300;
    std::string before = image();
    std::string file = "\x01\x00\x03\x00\x05\x00\x00\x00\x80\x25"s;  // RS-232, COM3, 9600 cut
    write_bytes(com_file(), file);

    ASSERT_EQ(settings::load_com_setup(), 1);
    EXPECT_EQ(rec::com.interface, 1);
    EXPECT_EQ(rec::com.com_port, 3);
    EXPECT_EQ(rec::com.gpib_address, 5);
    EXPECT_EQ(image().substr(0, 10), file);
    EXPECT_EQ(image().substr(10), before.substr(10));
}

TEST_F(ComSetupTest, MissingFileIsSilent) {
    rec::com.baud_rate = 19200;
    EXPECT_EQ(settings::load_com_setup(), -1);
    EXPECT_EQ(rec::com.baud_rate, 19200);
    EXPECT_TRUE(backend.popups().empty());
}

TEST_F(ComSetupTest, UnwritableFolderNamesTheBareFile) {
    files::curr_dir = folder.file("fehlt");
    rec::com.baud_rate = 38400;
    EXPECT_EQ(settings::save_com_setup(), -1);
    EXPECT_EQ(only_popup().title, "Fehler-Meldung :");
    EXPECT_EQ(only_popup().text, "Kann Datei : Com.stp nicht öffnnen");
    EXPECT_EQ(rec::com.baud_rate, 38400);
}

}  // namespace
