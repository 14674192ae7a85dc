// Writing a file in one step or not at all, and reading one with a bound.
#include "companion/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <string>
#include <vector>

#include "tests/companion/temp_folder.h"

namespace {

TEST(atomic_file, replaces_the_whole_file_privately_leaving_nothing_else) {
    temp_folder folder;
    folder.write("file.txt", "old contents, longer than the new\n");
    std::string error;
    ASSERT_TRUE(companion::write_file_atomically(folder / "file.txt", "new\n", error)) << error;
    EXPECT_EQ(folder.read("file.txt"), "new\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"file.txt"});
    struct stat st;
    ASSERT_EQ(stat((folder / "file.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// A full disk, as the writer sees it: writes past the file size limit fail.
class file_size_limit {
public:
    explicit file_size_limit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~file_size_limit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit old_;
    void (*old_handler_)(int);
};

TEST(atomic_file, a_failed_write_leaves_the_old_file_whole_and_says_why) {
    temp_folder folder;
    folder.write("file.txt", "old\n");
    std::string error;
    {
        file_size_limit full_disk(1000);
        EXPECT_FALSE(companion::write_file_atomically(folder / "file.txt", std::string(5000, 'x'), error));
    }
    EXPECT_EQ(error.rfind("cannot write " + companion::path_text(folder / "file.txt.tmp-"), 0), 0u) << error;
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(folder.read("file.txt"), "old\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"file.txt"});

    // The swap itself refused: a folder stands where the file should go.
    std::filesystem::create_directories(folder / "taken" / "inside");
    EXPECT_FALSE(companion::write_file_atomically(folder / "taken", "new\n", error));
    EXPECT_EQ(error.rfind("cannot replace " + companion::path_text(folder / "taken"), 0), 0u) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken" / "inside"));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"file.txt", "taken"}));

    // No folder to write in, or a file in place of the folder.
    EXPECT_FALSE(companion::write_file_atomically(folder / "missing" / "file.txt", "new\n", error));
    EXPECT_FALSE(companion::write_file_atomically(folder / "file.txt" / "file.txt", "new\n", error));
    EXPECT_EQ(folder.read("file.txt"), "old\n");
}

TEST(atomic_file, reads_no_more_than_the_bound) {
    temp_folder folder;
    folder.write("ten", "0123456789");
    folder.write("empty", "");
    std::filesystem::create_directory(folder / "folder");
    const struct {
        const char* name;
        std::size_t limit;
        companion::bounded_read::outcome_kind outcome;
        std::string bytes;
    } cases[] = {
        {"ten", 10, companion::bounded_read::whole, "0123456789"},
        {"ten", 9, companion::bounded_read::too_large, "012345678"},
        {"ten", 0, companion::bounded_read::too_large, ""},
        {"empty", 0, companion::bounded_read::whole, ""},
        {"missing", 10, companion::bounded_read::missing, ""},
        {"folder", 10, companion::bounded_read::failed, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " with a bound of " + std::to_string(c.limit));
        const companion::bounded_read read = companion::read_file_bounded(folder / c.name, c.limit);
        EXPECT_EQ(read.outcome, c.outcome);
        EXPECT_EQ(read.bytes, c.bytes);
        EXPECT_EQ(read.error.empty(), c.outcome != companion::bounded_read::failed) << read.error;
    }
}

}  // namespace
