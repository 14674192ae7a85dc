// The remembered set-up file: what comes back from good, damaged and hostile
// files, names byte for byte, and the file on disk.
#include "companion/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "companion/atomic_file.h"
#include "engine/game_settings.h"
#include "tests/companion/temp_folder.h"

namespace {

using companion::saved_setup;
using namespace std::string_literals;

struct setup_case {
    const char* what;
    std::string text;
    saved_setup expected;
    std::vector<std::string> complaints;  // each complaint starts with one of these, in order
};

std::string garbage_lines(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "garbage\n";
    return text;
}

const std::string long_name(300, 'a');
const std::string long_utf8_name = [] {
    std::string text;
    for (int i = 0; i < 150; ++i) text += "\xc3\xa9";  // é: 300 bytes, 2 per character
    return text;
}();

const setup_case setup_cases[] = {
    {"every value good",
     "players=4\ncolumns_to_win=2\nname_1=Ann\nname_2=Bo\nname_3=Cy\nname_4=Di\nsound=off\n",
     {.player_count = 4, .columns_to_win = 2, .player_names = {"Ann", "Bo", "Cy", "Di"}, .sound = false},
     {}},
    {"the Game menu's choices",
     "computer=expert\ntake_turns_starting=on\n",
     {.level = computer_level::expert, .take_turns_starting = true},
     {}},
    {"a level or switch the program never writes",
     "computer=hard\ncomputer=Expert\ntake_turns_starting=yes\ncomputer=easy\n",
     {.level = computer_level::easy},
     {"line 1: computer=hard is not easy, standard or expert", "line 2: computer=Expert",
      "line 3: take_turns_starting=yes is not on or off"}},
    {"empty", "", {}, {}},
    {"the score sheet open, and a bad value for it",
     "score_sheet=open\nscore_sheet=shut\n",
     {.score_sheet = true},
     {"line 2: a second score_sheet"}},
    {"a bad score sheet value", "score_sheet=yes\n", {}, {"line 1: score_sheet=yes is not open or closed"}},
    {"comments, blank lines and CRLF line ends",
     "# note\r\n\r\nplayers=3\r\nname_1=Ann\r\n",
     {.player_count = 3, .player_names = {"Ann", "Player 2", "Player 3", "Player 4"}},
     {}},
    {"truncated mid-line",
     "players=3\ncolumns_to_win=2\nname_1=Ali",
     {.player_count = 3, .columns_to_win = 2},
     {"line 3: cut short"}},
    {"binary garbage",
     "\x7f"
     "ELF\x02\x01\0\0=\xff\xfe\n\x89PNG\r\n\x1a\n\0\0\0\rIHDR\n\xde\xad"s,
     {},
     {"line 1: unknown key", "line 2: not a key=value", "line 3: not a key=value", "line 4: not a key=value",
      "line 5: cut short"}},
    {"out-of-range numbers",
     "players=5\nplayers=1\nplayers=-3\nplayers= 3\nplayers=99999999999999999999\ncolumns_to_win=0\n"
     "columns_to_win=7\nsound=yes\n",
     {},
     {"line 1: players=5 is not 2, 3 or 4", "line 2: players=1", "line 3: players=-3", "line 4: players= 3",
      "line 5: players=9999", "line 6: columns_to_win=0 is not a number from 1 to 6",
      "line 7: columns_to_win=7", "line 8: sound=yes is not on or off"}},
    {"columns to win beyond what the seats allow",
     "columns_to_win=4\nplayers=4\n",
     {.player_count = 4},
     {"line 1: columns_to_win=4 is too many for 4 players"}},
    {"columns to win checked against the seats given later",
     "columns_to_win=6\nplayers=2\n",
     {.columns_to_win = 6},
     {}},
    {"unknown keys",
     "colour=red\nPlayers=4\nplayers =4\nplayers=3\n",
     {.player_count = 3},
     {"line 1: unknown key colour", "line 2: unknown key Players", "line 3: unknown key players "}},
    {"duplicated keys: the first good one counts",
     "players=3\nplayers=4\nname_1=A\nname_1=B\nsound=no\nsound=off\n",
     {.player_count = 3, .player_names = {"A", "Player 2", "Player 3", "Player 4"}, .sound = false},
     {"line 2: a second players", "line 4: a second name_1", "line 5: sound=no"}},
    {"a second columns to win counts when the first does not fit the seats",
     "players=4\ncolumns_to_win=5\ncolumns_to_win=3\ncolumns_to_win=2\n",
     {.player_count = 4, .columns_to_win = 3},
     {"line 2: columns_to_win=5 is too many for 4 players", "line 4: a second columns_to_win"}},
    {"a byte-order mark before the first key, as Notepad writes it",
     "\xEF\xBB\xBFplayers=3\r\ncolumns_to_win=2\r\n",
     {.player_count = 3, .columns_to_win = 2},
     {}},
    {"bad escapes and raw control bytes in names",
     "name_1=a\\qb\nname_2=ends\\\nname_3=tab\there\nname_4=\\x4\n",
     {},
     {"line 1: name_1 has a bad escape", "line 2: name_2", "line 3: name_3", "line 4: name_4"}},
    {"names longer than the dialog keeps are cut there",
     "name_1=" + long_name + "\nname_2=" + long_utf8_name + "\n",
     {.player_names = {long_name.substr(0, 255), long_utf8_name.substr(0, 254), "Player 3", "Player 4"}},
     {"line 1: name_1 is longer than 255 bytes, cut", "line 2: name_2 is longer than 255 bytes, cut"}},
    {"thousands of bad lines: the first twenty are told",
     "players=3\n" + garbage_lines(5000),
     {.player_count = 3},
     {"line 2: not a key=value",
      "line 3:",
      "line 4:",
      "line 5:",
      "line 6:",
      "line 7:",
      "line 8:",
      "line 9:",
      "line 10:",
      "line 11:",
      "line 12:",
      "line 13:",
      "line 14:",
      "line 15:",
      "line 16:",
      "line 17:",
      "line 18:",
      "line 19:",
      "line 20:",
      "line 21:",
      "and 4980 more lines ignored"}},
};

TEST(settings_file, reads_every_good_value_and_tells_what_it_ignored) {
    for (const setup_case& c : setup_cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> ignored;
        EXPECT_EQ(companion::parse_setup(c.text, ignored), c.expected);
        ASSERT_EQ(ignored.size(), c.complaints.size()) << ::testing::PrintToString(ignored);
        for (std::size_t i = 0; i < ignored.size(); ++i) {
            EXPECT_EQ(ignored[i].rfind(c.complaints[i], 0), 0u) << ignored[i];
        }
    }
}

TEST(settings_file, writes_a_file_a_person_can_read) {
    const saved_setup setup{
        .player_count = 3, .columns_to_win = 4, .player_names = {"Ann", "a=b", "", "x\\y"}};
    EXPECT_EQ(companion::format_setup(setup),
              "# Zarvelin: the set-up of the last game started, offered again at the next start.\n"
              "# One key=value a line. A name is everything after the first '=', spaces included;\n"
              "# a backslash starts an escape: \\\\ \\n \\r \\t \\0 \\xHH.\n"
              "players=3\ncolumns_to_win=4\nname_1=Ann\nname_2=a=b\nname_3=\nname_4=x\\\\y\nsound=on\n"
              "computer=standard\ntake_turns_starting=off\nscore_sheet=closed\n");
}

TEST(settings_file, names_come_back_byte_for_byte) {
    std::string low, high;
    for (int byte = 0; byte < 128; ++byte) low += char(byte);
    for (int byte = 128; byte < 256; ++byte) high += char(byte);
    const saved_setup names[] = {
        {.player_names = {"=", "a=b=c", "  spaced  ", "\\n is not a newline"}},
        {.player_names = {"Zoë", "Ωμέγα", "日本語の名前", "🎲 dice"}},
        {.player_names = {"line\nbreak", "cr\rlf\r\n", "nul\0inside"s, "\\\\\\"}},
        {.player_names = {low, high, "\t", ""}},
    };
    for (const saved_setup& setup : names) {
        const std::string text = companion::format_setup(setup);
        std::vector<std::string> ignored;
        EXPECT_EQ(companion::parse_setup(text, ignored), setup) << text;
        EXPECT_TRUE(ignored.empty()) << ::testing::PrintToString(ignored);
    }
}

TEST(settings_file, saved_set_up_loads_again_and_a_missing_file_gives_the_defaults) {
    temp_folder folder;
    std::vector<std::string> ignored;
    EXPECT_EQ(companion::load_setup(folder.path, ignored), saved_setup{});
    EXPECT_TRUE(ignored.empty());

    const saved_setup setup{.player_count = 4, .columns_to_win = 1, .player_names = {"A", "B=", " C ", "Dé"}};
    std::string error;
    ASSERT_TRUE(companion::save_setup(folder.path, setup, error)) << error;
    EXPECT_EQ(companion::load_setup(folder.path, ignored), setup);
    EXPECT_TRUE(ignored.empty());
    EXPECT_EQ(folder.names(), std::vector<std::string>{"settings.txt"});
}

TEST(settings_file, a_huge_or_unreadable_file_gives_the_defaults_for_what_is_bad) {
    temp_folder folder;
    folder.write("settings.txt", "players=3\n" + std::string(1 << 20, 'x') + "\n");
    std::vector<std::string> ignored;
    EXPECT_EQ(companion::load_setup(folder.path, ignored), saved_setup{.player_count = 3});
    ASSERT_EQ(ignored.size(), 2u);
    const std::string file = companion::path_text(folder / "settings.txt");
    EXPECT_EQ(ignored[0], file + ": larger than 64 KiB; only its start was read");
    EXPECT_EQ(ignored[1], file + ": line 2: cut short (no end of line), ignored");

    std::filesystem::remove(folder / "settings.txt");
    std::filesystem::create_directory(folder / "settings.txt");
    ignored.clear();
    EXPECT_EQ(companion::load_setup(folder.path, ignored), saved_setup{});
    ASSERT_EQ(ignored.size(), 1u);
    EXPECT_EQ(ignored[0], "cannot read " + file + ": it is not a file; the set-up starts from the defaults");
}

TEST(settings_file, carries_the_values_the_dialog_keeps_between_games) {
    game_settings settings;
    settings.setup_player_count = 3;
    settings.setup_columns_to_win = 4;
    settings.player_names = {"A", "B", "C", "D"};
    const saved_setup setup = companion::setup_of(settings, false);
    EXPECT_EQ(setup, (saved_setup{3, 4, {"A", "B", "C", "D"}, false}));

    game_settings restored;
    restored.computer_pace = 0;
    companion::restore_setup(setup, restored);
    EXPECT_EQ(restored.setup_player_count, 3u);
    EXPECT_EQ(restored.setup_columns_to_win, 4);
    EXPECT_EQ(restored.player_names, settings.player_names);
    EXPECT_EQ(restored.computer_pace, 0);
}

}  // namespace
