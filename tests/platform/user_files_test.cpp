// Where the user's files live on Linux, and renaming that never replaces.
#include "platform/user_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/companion/temp_folder.h"

namespace {

// Sets an environment variable (or removes it) for one test, then restores it.
class scoped_env {
public:
    scoped_env(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~scoped_env() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

unsigned mode_of(const std::filesystem::path& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

TEST(user_files, live_in_the_xdg_config_folder_made_private_to_the_user) {
    temp_folder home;
    const scoped_env xdg("XDG_CONFIG_HOME", (home / "deep" / "config").c_str());
    std::string error;
    EXPECT_EQ(platform::user_files_folder(error), home / "deep" / "config" / "zarvelin") << error;
    EXPECT_EQ(mode_of(home / "deep"), 0700u);
    EXPECT_EQ(mode_of(home / "deep" / "config" / "zarvelin"), 0700u);

    // An existing folder is used as its owner left it.
    std::filesystem::permissions(home / "deep" / "config" / "zarvelin", std::filesystem::perms(0755));
    EXPECT_EQ(platform::user_files_folder(error), home / "deep" / "config" / "zarvelin") << error;
    EXPECT_EQ(mode_of(home / "deep" / "config" / "zarvelin"), 0755u);
}

TEST(user_files, default_to_dot_config_in_the_home_folder) {
    temp_folder home;
    const scoped_env home_env("HOME", home.path.c_str());
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        SCOPED_TRACE(xdg ? xdg : "unset");
        const scoped_env xdg_env("XDG_CONFIG_HOME", xdg);
        std::string error;
        EXPECT_EQ(platform::user_files_folder(error), home / ".config" / "zarvelin") << error;
        EXPECT_EQ(mode_of(home / ".config"), 0700u);
    }
}

TEST(user_files, a_file_in_place_of_the_folder_is_reported) {
    temp_folder home;
    home.write("zarvelin", "not a folder");
    const scoped_env xdg("XDG_CONFIG_HOME", home.path.c_str());
    std::string error = "";
    EXPECT_EQ(platform::user_files_folder(error), std::filesystem::path());
    EXPECT_EQ(error, "cannot use the folder " + (home / "zarvelin").string() + ": Not a directory");
}

TEST(user_files, a_folder_others_can_write_into_is_refused_with_the_reason) {
    temp_folder home;
    const scoped_env xdg("XDG_CONFIG_HOME", home.path.c_str());
    const std::filesystem::path folder = home / "zarvelin";
    std::filesystem::create_directory(folder);
    const struct {
        const char* what;
        unsigned mode;
        bool foreign;
        const char* says;
    } cases[] = {
        {"open to everyone", 0777, false, " can be written by other users, so it is not used"},
        {"open to the group", 0770, false, " can be written by other users, so it is not used"},
        {"another user's", 0700, true, " belongs to another user, so it is not used"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(chmod(folder.c_str(), c.mode), 0);
        // Made another user's by giving it away, or, without the right to,
        // by standing a link to the root's folder in its place.
        if (c.foreign && geteuid() == 0) {
            ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
        }
        if (c.foreign && geteuid() != 0) {
            std::filesystem::remove(folder);
            std::filesystem::create_directory_symlink("/", folder);
        }
        std::string error;
        EXPECT_EQ(platform::user_files_folder(error), std::filesystem::path());
        EXPECT_EQ(error.rfind("the folder " + folder.string() + c.says, 0), 0u) << error;
    }
}

TEST(user_files, rename_without_replacing_keeps_a_file_already_there) {
    temp_folder folder;
    folder.write("a", "first");
    folder.write("b", "second");
    std::string error;
    EXPECT_FALSE(platform::rename_without_replacing(folder / "a", folder / "b", error));
    EXPECT_EQ(error, "cannot rename to " + (folder / "b").string() + ": File exists");
    EXPECT_EQ(folder.read("a"), "first");
    EXPECT_EQ(folder.read("b"), "second");

    EXPECT_TRUE(platform::rename_without_replacing(folder / "a", folder / "c", error)) << error;
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(folder.read("c"), "first");
}

}  // namespace
