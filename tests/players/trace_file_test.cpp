#include "players/trace_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Each test runs in its own empty directory.
class trace_file_opener : public ::testing::Test {
protected:
    trace_file_opener() : home(fs::current_path()) {
        dir = fs::path(testing::TempDir()) / ("trace_file_" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
    }
    ~trace_file_opener() override {
        fs::current_path(home);
        fs::remove_all(dir);
    }
    static std::string contents(const char* name) {
        std::ifstream file(name);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    // Opens vl_out.txt as the trace does and writes `text` to it; false when refused.
    static bool write(bool append, const char* text, std::string& why) {
        std::FILE* file = open_trace_file("vl_out.txt", append, why);
        if (file == nullptr) return false;
        std::fputs(text, file);
        return std::fclose(file) == 0;
    }

    fs::path home, dir;
};

}  // namespace

TEST_F(trace_file_opener, creates_empties_and_appends_to_a_plain_file) {
    std::string why;
    ASSERT_TRUE(write(true, "first\n", why)) << why;
    ASSERT_TRUE(write(true, "second\n", why)) << why;
    EXPECT_EQ(contents("vl_out.txt"), "first\nsecond\n");
    ASSERT_TRUE(write(false, "new\n", why)) << why;
    EXPECT_EQ(contents("vl_out.txt"), "new\n");
    EXPECT_EQ(why, "");
}

TEST_F(trace_file_opener, refuses_links_and_what_is_not_a_plain_file_and_leaves_them_be) {
    { std::ofstream("kept.txt") << "keep\n"; }
    int reader = -1;  // a pipe with a reader would take the text
    const struct {
        const char* what;
        std::function<void()> make;
        const char* says;
    } places[] = {
        {"a link to a file", [] { fs::create_symlink("kept.txt", "vl_out.txt"); },
         "vl_out.txt is a symbolic link: not followed"},
        {"a link to nothing", [] { fs::create_symlink("made.txt", "vl_out.txt"); },
         "vl_out.txt is a symbolic link: not followed"},
        {"a link to a folder", [] { fs::create_symlink(".", "vl_out.txt"); },
         "vl_out.txt is a symbolic link: not followed"},
        {"a second name of a file", [] { fs::create_hard_link("kept.txt", "vl_out.txt"); },
         "vl_out.txt has other names (hard links): not written"},
        {"a folder", [] { fs::create_directory("vl_out.txt"); }, "cannot open vl_out.txt: "},
        {"a pipe with a reader",
         [&reader] {
             ASSERT_EQ(mkfifo("vl_out.txt", 0600), 0);
             reader = open("vl_out.txt", O_RDONLY | O_NONBLOCK);
         },
         "vl_out.txt is not a plain file"},
    };
    for (const auto& place : places) {
        for (const bool append : {false, true}) {
            SCOPED_TRACE(std::string(place.what) + (append ? ", appending" : ", emptying"));
            fs::remove_all("vl_out.txt");
            place.make();
            std::string why;
            EXPECT_FALSE(write(append, "lost\n", why));
            EXPECT_EQ(why.rfind(place.says, 0), 0u) << why;
            if (reader != -1) {
                char got;
                EXPECT_EQ(read(reader, &got, 1), 0);  // nothing came through
                close(reader);
                reader = -1;
            }
        }
    }
    EXPECT_EQ(contents("kept.txt"), "keep\n");
    EXPECT_FALSE(fs::exists("made.txt"));
}
