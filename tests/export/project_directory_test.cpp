// Which folder becomes the project directory, and that it gets the export formats.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "export/project_directory.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

class ProjectDirectory : public ::testing::Test {
  protected:
    void SetUp() override { ::unsetenv("OHM7416_HOME"); }

    // A program folder <prefix>/bin, optionally with <prefix>/share/ohm7416 beside it.
    std::string program_folder(const std::string& prefix, bool with_share) {
        fs::path bin = fs::path(folder.path()) / prefix / "bin";
        fs::create_directories(bin);
        if (with_share) fs::create_directories(bin.parent_path() / "share" / "ohm7416");
        return bin.string();
    }

    std::string choose(const std::string& home, const std::string& executable_dir) {
        std::string error;
        std::string chosen =
            exporting::choose_project_directory(home, executable_dir, folder.file("user"), error);
        EXPECT_EQ(error, "");
        return chosen;
    }

    ScratchFolder folder;
};

TEST_F(ProjectDirectory, AnInstalledProgramKeepsItsFilesInTheUsersFolder) {
    std::string installed = program_folder("usr", true);
    std::string build_tree = program_folder("build", true);
    write_bytes(folder.file("build/CMakeCache.txt"), "");
    std::string loose_copy = program_folder("kopie", false);

    EXPECT_EQ(choose("", installed), folder.file("user")) << "even where it may write";
    EXPECT_EQ(choose("", build_tree), build_tree);
    EXPECT_EQ(choose("", loose_copy), loose_copy);
    EXPECT_EQ(choose(folder.file("eigen"), installed), folder.file("eigen"));
    ::setenv("OHM7416_HOME", folder.file("umgebung").c_str(), 1);
    EXPECT_EQ(choose("", build_tree), folder.file("umgebung"));
    ::unsetenv("OHM7416_HOME");
    EXPECT_TRUE(fs::is_directory(folder.file("user/format.for"))) << "seeded when chosen";
}

// Sets an environment variable for the scope and puts the old value back.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        if (old) old_ = old;
        ::setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(ProjectDirectory, TheUsersFolderFollowsTheDesktopsDataHome) {
    ScopedVariable home("HOME", "/home/pruefer");
    {
        ScopedVariable data_home("XDG_DATA_HOME", "/srv/daten");
        EXPECT_EQ(exporting::user_data_directory(), "/srv/daten/ohm7416");
    }
    // Not absolute: ignored, as the desktop does.
    ScopedVariable data_home("XDG_DATA_HOME", "relativ");
    EXPECT_EQ(exporting::user_data_directory(), "/home/pruefer/.local/share/ohm7416");
}

}  // namespace
