// What a killed run left in the user's folder goes at the next start; what a
// running copy is writing, and what is not ours, stays.
#include "companion/stale_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/companion/temp_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(stale_files, only_our_own_old_new_copies_are_removed) {
    temp_folder folder;
    temp_folder elsewhere;
    elsewhere.write("kept.txt.tmp-Ab12Cd", "someone else's");
    const struct {
        const char* name;
        bool old;
        bool removed;
    } files[] = {
        {"records.txt.tmp-Ab12Cd", true, true},    // as mkstemp names it
        {"settings.txt.tmp-4711", true, true},     // as the Windows program names it
        {"records.txt.tmp-Xy34Zw", false, false},  // a running copy's write in flight
        {"records.txt", true, false},
        {"records.txt.corrupt-1", true, false},
        {"notes.tmp-a b", true, false},
        {".tmp-abcdef", true, false},
        {"records.txt.tmp-", true, false},
    };
    const auto long_ago = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const auto& file : files) {
        folder.write(file.name, "copy");
        if (file.old) fs::last_write_time(folder / file.name, long_ago);
    }
    fs::create_symlink(elsewhere / "kept.txt.tmp-Ab12Cd", folder / "linked.txt.tmp-Ab12Cd");
    fs::create_directory(folder / "folder.txt.tmp-Ab12Cd");

    EXPECT_EQ(companion::remove_stale_copies(folder.path), 2);
    std::vector<std::string> left{"folder.txt.tmp-Ab12Cd", "linked.txt.tmp-Ab12Cd"};
    for (const auto& file : files) {
        if (!file.removed) left.push_back(file.name);
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(folder.names(), left);
    EXPECT_EQ(elsewhere.read("kept.txt.tmp-Ab12Cd"), "someone else's");
    EXPECT_EQ(companion::remove_stale_copies(folder / "missing"), 0);
}

}  // namespace
