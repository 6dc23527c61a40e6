#include <gtest/gtest.h>

#include "test_files.h"
#include "settings/records.h"
#include "settings/settings_files.h"
#include "settings_fixture.h"

namespace {

class SettingsFilesTest : public SettingsTest {
  protected:
    ScratchFolder folder;
};

TEST_F(SettingsFilesTest, ConfigurationRoundTripKeepsEveryByte) {
    settings::SetImage original = noise(7);
    settings::apply_set(original);
    std::string path = folder.file("messplatz.cfg");
    ASSERT_EQ(settings::write_configuration_file(path), 1);
    std::string written = read_bytes(path);
    ASSERT_EQ(written.size(), 3900u);
    EXPECT_EQ(written, std::string(original.begin(), original.end()));

    settings::apply_set(noise(8));
    ASSERT_EQ(settings::read_configuration_file(path), 1);
    EXPECT_EQ(settings::capture_set(), original);

    ASSERT_EQ(settings::write_configuration_file(path), 1);
    EXPECT_EQ(read_bytes(path), written);
    EXPECT_TRUE(backend.popups().empty());
    EXPECT_EQ(folder.entry_count(), 1u);  // no temporary file left behind
    EXPECT_EQ(backend.busy_events(), (std::vector<bool>{true, false, true, false, true, false}));
}

class DamagedConfiguration : public SettingsFilesTest,
                             public ::testing::WithParamInterface<std::size_t> {};

TEST_P(DamagedConfiguration, IsRefusedAndChangesNothing) {
    std::string path = folder.file("kaputt.cfg");
    write_bytes(path, std::string(GetParam(), '\x5A'));
    settings::SetImage before = noise(3);
    settings::apply_set(before);

    EXPECT_EQ(settings::read_configuration_file(path), -1);
    EXPECT_EQ(settings::capture_set(), before);
    EXPECT_EQ(only_popup().title, "Fehler-Meldung :");
    EXPECT_EQ(only_popup().text, "Die Datei : " + path +
                                     " ist keine vollständige Konfigurationsdatei.\n"
                                     "Eine Konfigurationsdatei ist genau 3900 Bytes lang.\n"
                                     "Es wurde nichts geladen.");
}

INSTANTIATE_TEST_SUITE_P(Lengths, DamagedConfiguration,
                         ::testing::Values(0u, 1u, 3899u, 3901u, 124800u));

TEST_F(SettingsFilesTest, UnreadableFilesAreRefusedAndChangeNothing) {
    settings::SetImage before = noise(4);
    settings::apply_set(before);

    std::string missing = folder.file("fehlt.cfg");
    EXPECT_EQ(settings::read_configuration_file(missing), -1);
    EXPECT_EQ(backend.popups().back().text, "Kann Datei : " + missing + " nicht öffnnen");

    EXPECT_EQ(settings::read_configuration_file(folder.path()), -1);  // a folder
    EXPECT_EQ(backend.popups().back().text,
              "Fehler beim Lesen der Datei : " + folder.path() + "\nEs wurde nichts geladen.");
    EXPECT_EQ(settings::capture_set(), before);
}

TEST_F(SettingsFilesTest, SaveWhereNoFileCanBeReportsTheOpenFailure) {
    for (std::string path : {folder.file("gibt/es/nicht.cfg"), folder.path()}) {
        backend.clear_records();
        EXPECT_EQ(settings::write_configuration_file(path), -1);
        EXPECT_EQ(only_popup().title, "Fehler-Meldung :");
        EXPECT_EQ(only_popup().text, "Kann Datei : " + path + " nicht öffnnen");
    }
    EXPECT_EQ(folder.entry_count(), 0u);
}

TEST_F(SettingsFilesTest, FailedWriteKeepsThePreviousFileWhole) {
    std::string path = folder.file("alt.cfg");
    settings::apply_set(noise(5));
    ASSERT_EQ(settings::write_configuration_file(path), 1);
    std::string previous = read_bytes(path);

    settings::apply_set(noise(6));
    {
        FileSizeLimit limit(1000);
        EXPECT_EQ(settings::write_configuration_file(path), -1);
    }
    EXPECT_EQ(read_bytes(path), previous);
    EXPECT_EQ(folder.entry_count(), 1u);
    EXPECT_EQ(only_popup().text, "Fehler beim Schreiben der Datei : " + path +
                                     "\nDie Datei wurde nicht gespeichert, eine frühere Fassung "
                                     "bleibt erhalten.");
}

TEST_F(SettingsFilesTest, BackupHoldsThirtyTwoSetsInOrder) {
    std::string path = folder.file("alle.bak");
    settings::BackupFileWriter writer;
    ASSERT_EQ(writer.open(path), 1);
    for (int i = 0; i < settings::BACKUP_SETS; ++i) {
        settings::apply_set(noise(100 + i));
        ASSERT_EQ(writer.write_set(settings::capture_set()), 1);
    }
    ASSERT_EQ(writer.commit(), 1);
    std::string bytes = read_bytes(path);
    ASSERT_EQ(bytes.size(), 124800u);
    settings::SetImage set_17 = noise(117);
    EXPECT_EQ(bytes.substr(3900 * 17, 3900), std::string(set_17.begin(), set_17.end()));

    settings::SetImage records = noise(9);
    settings::apply_set(records);
    settings::BackupFileReader reader;
    ASSERT_EQ(reader.open(path), 1);
    EXPECT_EQ(settings::capture_set(), records);  // reading touches no record
    for (int i : {0, 1, 30, 31}) EXPECT_EQ(reader.set(i), noise(100 + i)) << "set " << i;
    EXPECT_TRUE(backend.popups().empty());
}

TEST_F(SettingsFilesTest, IncompleteBackupIsNeitherWrittenNorRead) {
    std::string path = folder.file("halb.bak");
    write_bytes(path, "frühere Datei");
    settings::BackupFileWriter writer;
    ASSERT_EQ(writer.open(path), 1);
    for (int i = 0; i < 31; ++i) writer.write_set(settings::capture_set());
    EXPECT_EQ(writer.commit(), -1);
    EXPECT_EQ(read_bytes(path), "frühere Datei");
    EXPECT_EQ(folder.entry_count(), 1u);
    ASSERT_EQ(backend.popups().size(), 1u);

    write_bytes(path, std::string(3900 * 31, '\0'));
    settings::BackupFileReader reader;
    EXPECT_EQ(reader.open(path), -1);
    EXPECT_EQ(backend.popups().back().text,
              "Die Datei : " + path +
                  " ist keine vollständige Backup-Datei.\n"
                  "Eine Backup-Datei ist genau 124800 Bytes lang.\nEs wurde nichts geladen.");
}

}  // namespace
