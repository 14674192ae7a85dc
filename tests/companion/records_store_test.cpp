// The records file on disk: counted at each victory, and a damaged file set
// aside, never lost, with a message for the player.
#include "companion/records_store.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(folder.names(), std::vector<std::string>{"records.txt"});
}

TEST(records_store, no_file_yet_means_no_records) {
    temp_folder folder;
    records table{{"stale", {}}};
    std::string message = "stale";
    EXPECT_TRUE(companion::load_records(folder.path, table, message));
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(message, "");
}

TEST(records_store, a_damaged_file_is_set_aside_and_new_records_started) {
    temp_folder folder;
    const std::string damaged = "# Zarvelin records 1\n5 2 14 Ann\n3 0 - Bo";
    folder.write("records.txt", damaged);
    std::string message;
    ASSERT_TRUE(companion::record_game(folder.path, {"Ann", "Bob"}, 1, 9, message));
    EXPECT_EQ(message,
              "The records file was damaged (line 3: cut short (no end of line)), so it was kept as\n" +
                  companion::path_text(folder / "records.txt.corrupt-1") + "\nand new records were started.");
    EXPECT_EQ(folder.read("records.txt.corrupt-1"), damaged);

    // A second damaged file takes the next name: the first one set aside stays as it was.
    folder.write("records.txt", "garbage\n");
    records table;
    ASSERT_TRUE(companion::load_records(folder.path, table, message));
    EXPECT_TRUE(table.empty());
    EXPECT_NE(message.find("records.txt.corrupt-2"), std::string::npos) << message;
    EXPECT_EQ(folder.read("records.txt.corrupt-1"), damaged);
    EXPECT_EQ(folder.read("records.txt.corrupt-2"), "garbage\n");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"records.txt.corrupt-1", "records.txt.corrupt-2"}));
}

TEST(records_store, a_file_past_the_bound_is_set_aside_as_damaged) {
    temp_folder folder;
    folder.write("records.txt", std::string(companion::records_file_limit + 1, '#'));
    records table;
    std::string message;
    ASSERT_TRUE(companion::load_records(folder.path, table, message));
    EXPECT_EQ(message.rfind("The records file was damaged (larger than 4 MiB)", 0), 0u) << message;
    EXPECT_EQ(folder.names(), std::vector<std::string>{"records.txt.corrupt-1"});
}

TEST(records_store, records_that_cannot_be_read_or_written_are_left_alone_and_the_game_not_recorded) {
    temp_folder folder;
    std::filesystem::create_directory(folder / "records.txt");
    std::string message;
    EXPECT_FALSE(companion::record_game(folder.path, {"Ann", "Bob"}, 0, 5, message));
    EXPECT_EQ(message, "The records could not be read: cannot read " +
                           companion::path_text(folder / "records.txt") + ": it is not a file.");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"records.txt"});

    EXPECT_FALSE(companion::record_game(folder / "missing", {"Ann", "Bob"}, 0, 5, message));
    EXPECT_EQ(message.rfind("This game could not be recorded: cannot create a file beside", 0), 0u)
        << message;
}

}  // namespace
