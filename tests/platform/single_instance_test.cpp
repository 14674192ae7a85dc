// The Linux program's running-copy guard, without a display: the private
// folder and lock file whatever stands in their place, a later copy's request,
// and the copies that start anyway when the guard cannot work.
#include "platform/fltk/single_instance.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "platform/fltk/private_folder.h"

namespace {

namespace fs = std::filesystem;
using fltk_backend::single_instance;
using namespace std::chrono_literals;

constexpr uid_t other_user = 65534;
// Entries of another user can only be made by root; elsewhere those cases are left out.
const bool can_chown = geteuid() == 0;

class marker_test : public testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/zarvelin-marker-test.XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        root_ = name;
        cache_ = root_ / "cache";
        folder_ = cache_ / "zarvelin";
        outside_ = root_ / "outside";
        fs::create_directory(outside_);
        write(outside_ / "keep.txt", "kept");
    }
    void TearDown() override { fs::remove_all(root_); }

    static void write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }
    static std::string read(const fs::path& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static struct stat lstat_of(const fs::path& path) {
        struct stat st {};
        EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
        return st;
    }
    static void chown_to_other(const fs::path& path) { ASSERT_EQ(lchown(path.c_str(), other_user, -1), 0); }

    // The outside folder and its file as they were made.
    void expect_outside_untouched() {
        EXPECT_EQ(read(outside_ / "keep.txt"), "kept");
        EXPECT_EQ(fs::directory_iterator(outside_)->path().filename(), "keep.txt");
        EXPECT_EQ(std::distance(fs::directory_iterator(outside_), {}), 1);
    }

    single_instance copy(std::chrono::milliseconds bound = 2s) { return single_instance(folder_, bound); }

    fs::path root_, cache_, folder_, outside_;
};

// Serves `holder` until the later copy's request has been answered.
bool raise_while_serving(single_instance& holder, single_instance& later, int& raised) {
    auto asked = std::async(std::launch::async, [&] { return later.raise_running_copy(); });
    while (asked.wait_for(0ms) != std::future_status::ready) {
        pollfd ready{holder.request_fd(), POLLIN, 0};
        if (poll(&ready, 1, 10) == 1) holder.serve([&] { ++raised; });
    }
    return asked.get();
}

int connect_to(const fs::path& socket_path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket_path.c_str());
    EXPECT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    return fd;
}

TEST_F(marker_test, the_folder_is_the_users_own_whatever_stood_there) {
    struct place {
        const char* what;
        std::function<void()> make;
        bool other_user;
    };
    const std::vector<place> places = {
        {"nothing, the cache folder neither", [] {}, false},
        {"our folder, open to others",
         [&] {
             fs::create_directories(folder_);
             fs::permissions(folder_, fs::perms(0755));
         },
         false},
        {"a symlink to another folder",
         [&] {
             fs::create_directories(cache_);
             fs::create_directory_symlink(outside_, folder_);
         },
         false},
        {"a plain file",
         [&] {
             fs::create_directories(cache_);
             write(folder_, "x");
         },
         false},
        {"another user's empty folder",
         [&] {
             fs::create_directories(folder_);
             chown_to_other(folder_);
         },
         true},
    };
    for (const place& p : places) {
        SCOPED_TRACE(p.what);
        if (p.other_user && !can_chown) continue;
        fs::remove_all(cache_);
        p.make();
        std::string problem;
        const int fd = fltk_backend::open_private_folder(folder_, problem);
        ASSERT_GE(fd, 0) << problem;
        close(fd);
        const struct stat st = lstat_of(folder_);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_uid, geteuid());
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        expect_outside_untouched();
    }
}

TEST_F(marker_test, another_users_folder_with_content_is_refused_and_left_alone) {
    if (!can_chown) GTEST_SKIP() << "only root can make another user's folder";
    fs::create_directories(folder_);
    write(folder_ / "theirs", "theirs");
    chown_to_other(folder_);
    std::string problem;
    EXPECT_EQ(fltk_backend::open_private_folder(folder_, problem), -1);
    EXPECT_NE(problem.find("belongs to another user"), std::string::npos) << problem;
    EXPECT_EQ(read(folder_ / "theirs"), "theirs");
}

TEST_F(marker_test, the_lock_file_is_a_regular_file_of_ours_and_a_good_one_is_kept) {
    struct place {
        const char* what;
        std::function<void()> make;
        bool other_user;
    };
    const fs::path lock = folder_ / "running.lock";
    const std::vector<place> places = {
        {"nothing", [] {}, false},
        {"a symlink to a file elsewhere", [&] { fs::create_symlink(outside_ / "keep.txt", lock); }, false},
        {"a dangling symlink", [&] { fs::create_symlink(outside_ / "made.txt", lock); }, false},
        {"an empty folder", [&] { fs::create_directory(lock); }, false},
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(lock.c_str(), 0600), 0); }, false},
        {"another user's file",
         [&] {
             write(lock, "");
             chown_to_other(lock);
         },
         true},
    };
    for (const place& p : places) {
        SCOPED_TRACE(p.what);
        if (p.other_user && !can_chown) continue;
        fs::remove_all(folder_);
        std::string problem;
        const int folder = fltk_backend::open_private_folder(folder_, problem);
        ASSERT_GE(folder, 0) << problem;
        p.make();
        const int fd = fltk_backend::open_private_file(folder, "running.lock", problem);
        ASSERT_GE(fd, 0) << problem;
        const struct stat st = lstat_of(lock);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_uid, geteuid());
        expect_outside_untouched();

        // Opened again, the same file: a lock another copy holds is never replaced.
        const int again = fltk_backend::open_private_file(folder, "running.lock", problem);
        EXPECT_EQ(lstat_of(lock).st_ino, st.st_ino);
        close(again);
        close(fd);
        close(folder);
    }
}

TEST(marker_folder_path, is_in_the_cache_folder_of_the_user) {
    const passwd* entry = getpwuid(geteuid());
    ASSERT_NE(entry, nullptr);
    const std::string own_home = entry->pw_dir;
    struct row {
        const char* cache_home;
        const char* home;
        std::string folder;
    };
    for (const row& r : std::vector<row>{
             {"/c", "/h", "/c/zarvelin"},
             {"relative", "/h", "/h/.cache/zarvelin"},
             {nullptr, "/h", "/h/.cache/zarvelin"},
             {"", "relative", own_home + "/.cache/zarvelin"},
             {nullptr, nullptr, own_home + "/.cache/zarvelin"},
         }) {
        EXPECT_EQ(fltk_backend::marker_folder_path(r.cache_home, r.home), r.folder)
            << (r.cache_home ? r.cache_home : "(unset)") << ", " << (r.home ? r.home : "(unset)");
    }
}

TEST_F(marker_test, a_later_copy_raises_the_running_one_and_steps_aside) {
    single_instance first = copy();
    ASSERT_FALSE(first.raise_running_copy());
    ASSERT_GE(first.request_fd(), 0);
    int raised = 0;
    for (int later_copies = 1; later_copies <= 2; ++later_copies) {
        single_instance later = copy();
        EXPECT_TRUE(raise_while_serving(first, later, raised));
        EXPECT_EQ(raised, later_copies);
        EXPECT_EQ(later.request_fd(), -1);
    }
}

TEST_F(marker_test, clients_that_say_nothing_neither_block_nor_crowd_out_a_request) {
    single_instance first = copy();
    ASSERT_FALSE(first.raise_running_copy());
    std::vector<int> silent;
    for (int i = 0; i < 40; ++i) silent.push_back(connect_to(folder_ / "window.sock"));
    int raised = 0;
    first.serve([&] { ++raised; });  // returns at once: nothing has been said
    EXPECT_EQ(raised, 0);
    single_instance later = copy();
    EXPECT_TRUE(raise_while_serving(first, later, raised));
    EXPECT_EQ(raised, 1);
    for (int fd : silent) close(fd);
}

TEST_F(marker_test, the_next_copy_takes_over_at_once_from_what_an_ended_copy_left) {
    const fs::path sock = folder_ / "window.sock";
    struct left {
        const char* what;
        std::function<void()> make;
    };
    const std::vector<left> leftovers = {
        {"a socket nobody listens on",
         [&] {
             const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::snprintf(address.sun_path, sizeof address.sun_path, "%s", sock.c_str());
             ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
             close(fd);
         }},
        {"a symlink to a file elsewhere", [&] { fs::create_symlink(outside_ / "keep.txt", sock); }},
        {"a plain file", [&] { write(sock, "x"); }},
        {"an empty folder", [&] { fs::create_directory(sock); }},
    };
    for (const left& l : leftovers) {
        SCOPED_TRACE(l.what);
        {
            // A copy that ends normally takes its socket with it; a killed one leaves it.
            single_instance ended = copy();
            ASSERT_FALSE(ended.raise_running_copy());
        }
        l.make();
        single_instance next = copy(200ms);
        ASSERT_FALSE(next.raise_running_copy());
        ASSERT_GE(next.request_fd(), 0);
        expect_outside_untouched();
        single_instance later = copy();
        int raised = 0;
        EXPECT_TRUE(raise_while_serving(next, later, raised));
    }
}

TEST_F(marker_test, copies_start_anyway_where_the_guard_cannot_work) {
    struct fault {
        const char* what;
        std::function<void()> make;
        const char* said;
        bool other_user;
    };
    int held_lock = -1;
    const std::vector<fault> faults = {
        {"a holder of the lock that never answers",
         [&] {
             fs::create_directories(folder_);
             held_lock = open((folder_ / "running.lock").c_str(), O_RDWR | O_CREAT, 0600);
             ASSERT_EQ(flock(held_lock, LOCK_EX), 0);
         },
         "does not answer", false},
        {"a cache path that is a file", [&] { write(cache_, "x"); }, "not checking", false},
        {"another user's folder with content",
         [&] {
             fs::create_directories(folder_);
             write(folder_ / "theirs", "");
             chown_to_other(folder_);
         },
         "belongs to another user", true},
    };
    for (const fault& f : faults) {
        SCOPED_TRACE(f.what);
        if (f.other_user && !can_chown) continue;
        fs::remove_all(cache_);
        f.make();
        single_instance stalled = copy(100ms);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(stalled.raise_running_copy());
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(f.said), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        if (held_lock >= 0) close(held_lock);
        held_lock = -1;
    }
    // No home folder at all.
    single_instance homeless("", 100ms);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(homeless.raise_running_copy());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no home folder"), std::string::npos);
}

}  // namespace
