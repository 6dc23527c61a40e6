// Configuration files from the operator's side: the dialogs, and that loading touches
// the records only.
#include <filesystem>

#include "files/project_dir.h"
#include "settings/records.h"
#include "settings/settings_file_ops.h"
#include "settings/settings_files.h"
#include "transfer_fixture.h"

namespace {

using ui::PopupKind;

settings::SetImage pattern(unsigned char seed) {
    settings::SetImage image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(seed + i * 7);
    return image;
}

class ConfigurationFiles : public ConnectedTransferTest {
  protected:
    void expect_dialog(const ui::PopupRecord& dialog, const std::string& title, ui::FileMode mode) {
        EXPECT_EQ(dialog.file.title, title);
        EXPECT_EQ(dialog.file.file_spec, "*.cfg");
        EXPECT_EQ(dialog.file.mode, mode);
        EXPECT_EQ(dialog.file.start_folder, files::join_path(folder.path(), "Config"));
        EXPECT_TRUE(dialog.file.restrict_extension);
        EXPECT_TRUE(dialog.file.allow_new_folders);
    }
};

TEST_F(ConfigurationFiles, SaveAndLoadMoveTheRecordsOnly) {
    settings::SetImage saved = pattern(3);
    settings::apply_set(saved);
    std::string path = files::join_path(folder.path(), "Config", "messplatz.cfg");
    backend.answer_file(path);
    ASSERT_EQ(settings::save_configuration_to_hard_disc(), 1);
    EXPECT_EQ(read_bytes(path), std::string(saved.begin(), saved.end()));

    settings::apply_set(pattern(9));
    backend.answer_file(path);
    ASSERT_EQ(settings::load_configuration_from_hard_disc(), 1);

    EXPECT_EQ(settings::capture_set(), saved);
    EXPECT_EQ(files::file_name, path);
    EXPECT_TRUE(log().empty());
    auto dialogs = popups(PopupKind::FileSelection);
    ASSERT_EQ(dialogs.size(), 2u);
    expect_dialog(dialogs[0], "Speichern der Konfiguration", ui::FileMode::Save);
    expect_dialog(dialogs[1], "Laden der Konfiguration", ui::FileMode::Load);
    EXPECT_TRUE(popups(PopupKind::Message).empty());
}

TEST_F(ConfigurationFiles, CancelledDialogsAndShortFilesChangeNothing) {
    settings::SetImage before = pattern(5);
    settings::apply_set(before);
    std::string path = folder.file("kurz.cfg");
    write_bytes(path, std::string(3899, '\x22'));

    backend.cancel_file();
    EXPECT_EQ(settings::load_configuration_from_hard_disc(), -1);
    backend.cancel_file();
    EXPECT_EQ(settings::save_configuration_to_hard_disc(), -1);
    backend.answer_file(path);
    EXPECT_EQ(settings::load_configuration_from_hard_disc(), -1);

    EXPECT_EQ(settings::capture_set(), before);
    EXPECT_EQ(read_bytes(path).size(), 3899u);
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(popups(PopupKind::Message).size(), 1u);
}

}  // namespace
