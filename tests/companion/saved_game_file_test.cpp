// The saved game's file: a whole game reads back as it was written; anything
// else (cut short, garbled, hostile, of another version) is refused with what
// is wrong, and set aside, never deleted.
#include "companion/saved_game_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/companion/temp_folder.h"

namespace {

// Ana to choose after her first roll against the computer, in the game's second round.
companion::saved_game a_game() {
    companion::saved_game g;
    g.seats = {{true, "", "Ana"}, {false, "standard", "Ben\\the=bot"}};
    g.columns_to_win = 3;
    g.players_made_for = 4;
    g.current_player = 0;
    g.rolls_this_turn = 1;
    g.phase = choosing;
    g.dice = {1, 3, 4, 6};
    g.progress = {{}, {}};
    g.progress[0][7] = 4;
    g.progress[1][2] = 3;  // claimed
    g.turns = {2, 1, 0, 0};
    g.dice_state = 4000000000u;
    g.sheet_lines = {"turn 1\tAna 7,7", ""};
    return g;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(saved_game_file, a_game_reads_back_as_it_was_written) {
    temp_folder folder;
    std::string error;
    ASSERT_TRUE(companion::save_game_file(folder.path, a_game(), error)) << error;
    companion::saved_game read;
    std::string message;
    EXPECT_EQ(companion::load_saved_game(folder.path, read, message), companion::saved_game_found::readable);
    EXPECT_EQ(read, a_game());
    EXPECT_EQ(message, "");
    EXPECT_EQ(companion::turn_number(read), 3u);
    EXPECT_EQ(companion::seat_names_text(read), "Ana and the computer");
}

TEST(saved_game_file, no_file_is_no_game) {
    temp_folder folder;
    companion::saved_game read;
    std::string message;
    EXPECT_EQ(companion::load_saved_game(folder.path, read, message), companion::saved_game_found::none);
    EXPECT_EQ(message, "");
}

struct damage_case {
    const char* name;
    std::function<std::string(const std::string&)> damage;
    const char* said;  // part of what the message says is wrong
};

const std::string cut_name(300, 'x');

const damage_case damage_cases[] = {
    {"empty", [](const std::string&) { return std::string(); }, "not a saved game"},
    {"cut_in_half", [](const std::string& t) { return t.substr(0, t.size() / 2); }, "cut short"},
    {"without_its_end", [](const std::string& t) { return replaced(t, "end\n", ""); }, "ends too early"},
    {"of_a_later_version", [](const std::string& t) { return replaced(t, "game 1\n", "game 2\n"); },
     "another version"},
    {"not_a_game_at_all",
     [](const std::string&) {
         return std::string(
             "\x7f"
             "ELF\x02\x01\x01");
     },
     "not a saved game"},
    {"a_word_for_a_number", [](const std::string& t) { return replaced(t, "pace 1", "pace one"); },
     "not a number"},
    {"a_number_too_large", [](const std::string& t) { return replaced(t, "4000000000", "40000000000"); },
     "not a number"},
    {"a_negative_seat",
     [](const std::string& t) { return replaced(t, "current-player 0", "current-player -1"); },
     "not a number"},
    {"a_missing_value", [](const std::string& t) { return replaced(t, "dice 1 3 4 6", "dice 1 3 4"); },
     "should hold 4 values"},
    {"five_seats", [](const std::string& t) { return replaced(t, "seats 2", "seats 5"); }, "2 to 4 seats"},
    {"an_unknown_level", [](const std::string& t) { return replaced(t, "standard", "grandmaster"); },
     "unknown level"},
    {"a_name_longer_than_the_dialog_keeps",
     [](const std::string& t) { return replaced(t, "person Ana", "person " + cut_name); }, "longer"},
    {"a_damaged_escape", [](const std::string& t) { return replaced(t, "Ana", "A\\q"); }, "name is damaged"},
    {"progress_above_the_top",
     [](const std::string& t) { return replaced(t, "progress 0 0 0 0 0 4", "progress 0 0 0 0 0 14"); },
     "above the top"},
    {"a_claimed_column_still_shared",
     [](const std::string& t) { return replaced(t, "progress 0 0 0 0 0 4", "progress 1 0 0 0 0 4"); },
     "claimed and still shared"},
    {"a_game_already_won",
     [](const std::string& t) { return replaced(t, "progress 3 0 0", "progress 3 5 7"); }, "won already"},
    {"markers_not_the_first_slots",
     [](const std::string& t) { return replaced(t, "markers 0 0 0 0 0 0", "markers 0 0 6 1 0 0"); },
     "not the first"},
    {"a_marker_below_its_progress",
     [](const std::string& t) { return replaced(t, "markers 0 0 0 0 0 0", "markers 7 4 0 0 0 0"); },
     "off the squares"},
    {"a_marker_in_a_claimed_column",
     [](const std::string& t) { return replaced(t, "markers 0 0 0 0 0 0", "markers 2 1 0 0 0 0"); },
     "claimed column"},
    {"a_die_of_seven", [](const std::string& t) { return replaced(t, "dice 1 3 4 6", "dice 1 3 4 7"); },
     "without a roll"},
    {"a_choice_before_any_roll",
     [](const std::string& t) { return replaced(t, "rolls-this-turn 1", "rolls-this-turn 0"); },
     "without a roll"},
    {"turns_that_do_not_fit_the_seat",
     [](const std::string& t) { return replaced(t, "turns 2 1 0 0", "turns 2 0 0 0"); }, "counts of turns"},
    {"a_lying_count_of_sheet_lines",
     [](const std::string& t) { return replaced(t, "sheet-lines 2", "sheet-lines 4000000000"); },
     "expected sheet"},
    {"more_after_the_end", [](const std::string& t) { return t + "seats 2\n"; }, "more follows"},
    {"larger_than_a_mebibyte",
     [](const std::string& t) { return replaced(t, "\n", "\n#" + std::string(2 << 20, ' ') + "\n"); },
     "1 MiB"},
};

class damaged_file : public ::testing::TestWithParam<damage_case> {};

TEST_P(damaged_file, is_refused_with_what_is_wrong_and_set_aside) {
    temp_folder folder;
    const std::string bytes = GetParam().damage(companion::format_saved_game(a_game()));
    folder.write(companion::saved_game_file_name, bytes);
    companion::saved_game read;
    std::string message;
    EXPECT_EQ(companion::load_saved_game(folder.path, read, message), companion::saved_game_found::set_aside);
    EXPECT_NE(message.find(GetParam().said), std::string::npos) << message;
    EXPECT_NE(message.find("saved-game.txt.damaged-1"), std::string::npos) << message;
    EXPECT_EQ(folder.names(), std::vector<std::string>{"saved-game.txt.damaged-1"});
    EXPECT_EQ(folder.read("saved-game.txt.damaged-1"), bytes);
}

INSTANTIATE_TEST_SUITE_P(saved_game_file, damaged_file, ::testing::ValuesIn(damage_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(saved_game_file, what_is_set_aside_never_replaces_what_was_set_aside_before) {
    temp_folder folder;
    folder.write("saved-game.txt.damaged-1", "older");
    folder.write("saved-game.txt", "garbage");
    companion::saved_game read;
    std::string message;
    EXPECT_EQ(companion::load_saved_game(folder.path, read, message), companion::saved_game_found::set_aside);
    EXPECT_EQ(folder.read("saved-game.txt.damaged-1"), "older");
    EXPECT_EQ(folder.read("saved-game.txt.damaged-2"), "garbage");
}

TEST(saved_game_file, a_folder_in_its_place_is_set_aside_too) {
    temp_folder folder;
    std::filesystem::create_directory(folder / "saved-game.txt");
    companion::saved_game read;
    std::string message;
    EXPECT_EQ(companion::load_saved_game(folder.path, read, message), companion::saved_game_found::set_aside);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "saved-game.txt.damaged-1"));
}

}  // namespace
