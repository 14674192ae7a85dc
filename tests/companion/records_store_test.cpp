// The records file on disk: counted at each victory, by one running copy at a
// time, and a damaged file set aside, never lost, its good lines kept, with a
// message for the player.
#include "companion/records_store.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "companion/atomic_file.h"
#include "tests/companion/temp_folder.h"

namespace {

using companion::player_record;
using companion::records;

TEST(records_store, counts_every_victory_in_the_file) {
    temp_folder folder;
    std::string message;
    ASSERT_TRUE(companion::record_game(folder.path, {"Ann", "Bob"}, 0, 11, message)) << message;
    ASSERT_TRUE(companion::record_game(folder.path, {"Ann", "Bob", "Cy"}, 2, 8, message)) << message;
    EXPECT_EQ(message, "");

    records table;
    ASSERT_TRUE(companion::load_records(folder.path, table, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(table, (records{{"Ann", {2, 1, 11}}, {"Bob", {2, 0, {}}}, {"Cy", {1, 1, 8}}}));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"records.lock", "records.txt"}));
}

// Two running copies of the program, each winning fifty games at the same time:
// every game is counted once.
TEST(records_store, two_processes_recording_at_once_count_every_game) {
    temp_folder folder;
    constexpr int games = 50;
    pid_t children[2];
    for (pid_t& child : children) {
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::string message;
            for (int game = 0; game < games; ++game) {
                if (!companion::record_game(folder.path, {"Ann", "Bob"}, 0, 9, message)) _exit(1);
            }
            _exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    records table;
    std::string message;
    ASSERT_TRUE(companion::load_records(folder.path, table, message)) << message;
    EXPECT_EQ(table, (records{{"Ann", {2 * games, 2 * games, 9}}, {"Bob", {2 * games, 0, {}}}}));
}

TEST(records_store, no_file_yet_means_no_records) {
    temp_folder folder;
    records table{{"stale", {}}};
    std::string message = "stale";
    EXPECT_TRUE(companion::load_records(folder.path, table, message));
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(message, "");
}

TEST(records_store, a_damaged_file_keeps_its_good_lines_and_a_copy_of_itself) {
    temp_folder folder;
    const std::string damaged = "# Zarvelin records 1\n5 2 14 Ann\n3 x - Cy\n4 1 7 Dee\n3 0 - Bo";
    folder.write("records.txt", damaged);
    std::string message;
    ASSERT_TRUE(companion::record_game(folder.path, {"Ann", "Bob"}, 1, 9, message));
    EXPECT_EQ(message,
              "These lines of the records file could not be read and were dropped:\n"
              "line 3: games played and won must be whole numbers\n"
              "line 5: cut short (no end of line)\n"
              "Every other record is kept. The file as it was is kept as\n" +
                  companion::path_text(folder / "records.txt.corrupt-1"));
    EXPECT_EQ(folder.read("records.txt.corrupt-1"), damaged);
    records table;
    ASSERT_TRUE(companion::load_records(folder.path, table, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(table, (records{{"Ann", {6, 2, 14}}, {"Bob", {1, 1, 9}}, {"Dee", {4, 1, 7}}}));

    // A second damaged file takes the next name: the first one set aside stays
    // as it was. Showing the records mends the file too, and says so.
    std::string garbage;
    for (int line = 0; line < 12; ++line) garbage += "garbage\n";
    folder.write("records.txt", garbage);
    ASSERT_TRUE(companion::load_records(folder.path, table, message));
    EXPECT_TRUE(table.empty());
    EXPECT_NE(message.find("line 10: not a record line\nand 2 more\n"), std::string::npos) << message;
    EXPECT_NE(message.find("records.txt.corrupt-2"), std::string::npos) << message;
    EXPECT_EQ(folder.read("records.txt.corrupt-1"), damaged);
    EXPECT_EQ(folder.read("records.txt.corrupt-2"), garbage);
    EXPECT_EQ(folder.read("records.txt"), companion::format_records({}));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"records.lock", "records.txt",
                                                        "records.txt.corrupt-1", "records.txt.corrupt-2"}));
}

TEST(records_store, a_file_past_the_bound_is_set_aside_whole_and_its_good_start_kept) {
    temp_folder folder;
    const std::string huge =
        "# Zarvelin records 1\n5 2 14 Ann\n" + std::string(companion::records_file_limit, '#');
    folder.write("records.txt", huge);
    records table;
    std::string message;
    ASSERT_TRUE(companion::load_records(folder.path, table, message));
    EXPECT_EQ(message.rfind("These lines of the records file could not be read and were dropped:\n"
                            "the file is larger than 4 MiB",
                            0),
              0u)
        << message;
    EXPECT_EQ(table, (records{{"Ann", {5, 2, 14}}}));
    EXPECT_EQ(folder.read("records.txt.corrupt-1"), huge);
    EXPECT_EQ(folder.read("records.txt"), companion::format_records(table));
}

TEST(records_store, records_that_cannot_be_read_or_written_are_left_alone_and_the_game_not_recorded) {
    temp_folder folder;
    std::filesystem::create_directory(folder / "records.txt");
    std::string message;
    EXPECT_FALSE(companion::record_game(folder.path, {"Ann", "Bob"}, 0, 5, message));
    EXPECT_EQ(message, "The records could not be read: cannot read " +
                           companion::path_text(folder / "records.txt") + ": it is not a file.");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"records.lock", "records.txt"}));

    EXPECT_FALSE(companion::record_game(folder / "missing", {"Ann", "Bob"}, 0, 5, message));
    EXPECT_EQ(message.rfind("This game could not be recorded: cannot open the lock", 0), 0u) << message;
}

}  // namespace
