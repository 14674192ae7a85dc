// The records: counting games, the file format read line by line, and the table
// the player sees.
#include "companion/records_file.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "companion/records_table.h"

namespace {

using companion::player_key;
using companion::player_record;
using companion::records;
using namespace std::string_literals;

constexpr std::uint32_t most = std::numeric_limits<std::uint32_t>::max();

const std::string file_start =
    "# Zarvelin records 2\n"
    "# One player a line: games played, games won, fewest turns to a win (\"-\" before\n"
    "# the first win), who plays (person, or the computer: easy, standard, expert),\n"
    "# then the name as typed; a backslash starts an escape: \\\\ \\n \\r \\t \\0 \\xHH.\n";

using companion::player_kind;
const player_key expert_bob{"Bob", player_kind::expert_computer};
const player_key easy_bob{"Bob", player_kind::easy_computer};

TEST(records_file, counts_each_game_for_every_name_at_the_table) {
    records table;
    companion::count_game(table, {"Ann", "Bob"}, 1, 12);
    EXPECT_EQ(table, (records{{"Ann", {1, 0, {}}}, {"Bob", {1, 1, 12}}}));

    companion::count_game(table, {"Ann", "Bob", "Cy"}, 0, 9);
    companion::count_game(table, {"Bob", "Ann"}, 0, 15);  // a slower win keeps the fewest turns
    EXPECT_EQ(table, (records{{"Ann", {3, 1, 9}}, {"Bob", {3, 2, 12}}, {"Cy", {1, 0, {}}}}));

    // Two seats of one name are one player in one game.
    companion::count_game(table, {"Cy", "Cy", "Cy"}, 2, 20);
    EXPECT_EQ(table["Cy"], (player_record{2, 1, 20}));

    // A winner who is no seat counts nothing; counts stop at their largest.
    companion::count_game(table, {"Ann"}, 1, 3);
    table["Max"] = {most, most - 1, 7};
    companion::count_game(table, {"Max", "Max"}, 0, 8);
    companion::count_game(table, {"Max"}, 0, 8);
    EXPECT_EQ(table["Ann"], (player_record{3, 1, 9}));
    EXPECT_EQ(table["Max"], (player_record{most, most, 7}));
}

TEST(records_file, keeps_a_computers_games_apart_from_a_persons_of_the_same_name_and_per_level) {
    records table;
    companion::count_game(table, {"Bob", expert_bob}, 1, 10);
    companion::count_game(table, {"Bob", easy_bob}, 0, 12);
    companion::count_game(table, {expert_bob, expert_bob}, 0, 9);  // one player, both seats
    EXPECT_EQ(table, (records{{"Bob", {2, 1, 12}}, {easy_bob, {1, 0, {}}}, {expert_bob, {2, 2, 9}}}));

    EXPECT_EQ(companion::format_records(table),
              file_start + "2 1 12 person Bob\n1 0 - easy Bob\n2 2 9 expert Bob\n");
    records back;
    std::vector<std::string> dropped;
    ASSERT_TRUE(companion::parse_records(companion::format_records(table), back, dropped))
        << ::testing::PrintToString(dropped);
    EXPECT_EQ(back, table);

    EXPECT_EQ(companion::kind_of_seat(true, computer_level::expert), player_kind::person);
    EXPECT_EQ(companion::kind_of_seat(false, computer_level::standard), player_kind::standard_computer);
}

TEST(records_file, a_file_from_before_the_levels_reads_as_before_its_lines_peoples) {
    records table;
    std::vector<std::string> dropped;
    ASSERT_TRUE(
        companion::parse_records("# Zarvelin records 1\n5 2 14 Ann\n3 0 - expert Bob\n", table, dropped))
        << ::testing::PrintToString(dropped);
    EXPECT_EQ(table, (records{{"Ann", {5, 2, 14}}, {"expert Bob", {3, 0, {}}}}));
}

TEST(records_file, writes_one_readable_line_a_player_and_reads_it_back_exactly) {
    const records table{{"Ann", {5, 2, 14}}, {"Player 2", {3, 0, {}}}, {"", {1, 1, most}}};
    EXPECT_EQ(companion::format_records(table),
              file_start + "1 1 4294967295 person \n5 2 14 person Ann\n3 0 - person Player 2\n");

    std::string low, high;
    for (int byte = 0; byte < 128; ++byte) low += char(byte);
    for (int byte = 128; byte < 256; ++byte) high += char(byte);
    const records names{{"a=b", {1, 0, {}}},     {"  spaced  ", {2, 1, 5}},    {"Zoë 日本 🎲", {1, 0, {}}},
                        {"nul\0x"s, {1, 0, {}}}, {"line\r\nbreak", {4, 4, 1}}, {low, {1, 0, {}}},
                        {high, {1, 0, {}}},      {"1 2 3 4", {most, 0, {}}}};
    records back;
    std::vector<std::string> dropped;
    ASSERT_TRUE(companion::parse_records(companion::format_records(names), back, dropped))
        << ::testing::PrintToString(dropped);
    EXPECT_EQ(back, names);
}

TEST(records_file, reads_comments_blank_lines_and_crlf_as_a_person_may_leave_them) {
    records table;
    std::vector<std::string> dropped;
    ASSERT_TRUE(
        companion::parse_records("# Zarvelin records 2\r\n\r\n# mine\r\n2 1 9 person  Ann\r\n", table, dropped))
        << ::testing::PrintToString(dropped);
    EXPECT_EQ(table, (records{{" Ann", {2, 1, 9}}}));
    ASSERT_TRUE(companion::parse_records("# Zarvelin records 2\n", table, dropped));
    EXPECT_TRUE(table.empty());
}

TEST(records_file, a_damaged_line_is_dropped_saying_where_and_every_good_line_kept) {
    const records ann{{"Ann", {5, 2, 14}}};
    const struct {
        const char* what;
        std::string text;
        records kept;
        std::vector<std::string> dropped;  // each starts so, in order
    } cases[] = {
        {"empty", "", {}, {"the file is empty"}},
        {"another file", "players=2\n", {}, {"line 1: not a records file"}},
        {"binary garbage",
         "\x7f"
         "ELF\x02\x01\0\0\xff\n\x89PNG\r\n"s,
         {},
         {"line 1: not a records file", "line 2: not a record line"}},
        {"no signature line before the records",
         "5 2 14 Ann\n1 0 - Bob\n",
         {{"Bob", {1, 0, {}}}},
         {"line 1: not a records file"}},
        {"truncated mid-line",
         file_start + "5 2 14 person Ann\n3 0 - person Pla",
         ann,
         {"line 6: cut short (no end of line)"}},
        {"truncated in the numbers", file_start + "5 2 14 person Ann\n3 0\n", ann, {"line 6: not a record line"}},
        {"a missing name separator", file_start + "5 2 14\n5 2 14 person Ann\n", ann, {"line 5: not a record line"}},
        {"a negative count",
         file_start + "-5 2 14 person Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: games played and won must be whole"}},
        {"a count past 32 bits",
         file_start + "4294967296 2 14 person Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: games played and won"}},
        {"letters for a count",
         file_start + "5 two 14 person Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: games played and won"}},
        {"two spaces between counts",
         file_start + "5  2 14 person Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: games played and won"}},
        {"letters for the turns",
         file_start + "5 2 x person Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: the fewest turns must be a whole number"}},
        {"more wins than games",
         file_start + "2 3 14 person Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: more games won than played"}},
        {"turns without a win",
         file_start + "2 0 14 person Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: the fewest turns must be given for a winner"}},
        {"a win without turns",
         file_start + "2 1 - person Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: the fewest turns must be given for a winner"}},
        {"a bad escape",
         file_start + "2 1 3 person B\\qob\n5 2 14 person Ann\n",
         ann,
         {"line 5: a bad escape or a control character"}},
        {"a raw control byte",
         file_start + "2 1 3 person B\tob\n5 2 14 person Ann\n",
         ann,
         {"line 5: a bad escape or a control character"}},
        {"a kind the program never writes",
         file_start + "2 1 3 robot Bob\n5 2 14 person Ann\n",
         ann,
         {"line 5: who plays must be person, easy, standard or expert"}},
        {"no kind", file_start + "2 1 3 Bob\n5 2 14 person Ann\n", ann, {"line 5: not a record line"}},
        {"one name twice: the first counts",
         file_start + "5 2 14 person Ann\n1 0 - person Bob\n4 0 - person Ann\n",
         {{"Ann", {5, 2, 14}}, {"Bob", {1, 0, {}}}},
         {"line 7: a second record for the same name"}},
        {"several bad lines among good ones",
         file_start + "x\n5 2 14 person Ann\ny\n1 0 - person Bob\nz",
         {{"Ann", {5, 2, 14}}, {"Bob", {1, 0, {}}}},
         {"line 5: not a record line", "line 7: not a record line", "line 9: cut short"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        records table{{"stale", {1, 0, {}}}};
        std::vector<std::string> dropped{"stale"};
        EXPECT_FALSE(companion::parse_records(c.text, table, dropped));
        EXPECT_EQ(table, c.kept);
        ASSERT_EQ(dropped.size(), c.dropped.size()) << ::testing::PrintToString(dropped);
        for (std::size_t i = 0; i < dropped.size(); ++i)
            EXPECT_EQ(dropped[i].rfind(c.dropped[i], 0), 0u) << dropped[i];
    }
}

TEST(records_table, shows_the_best_first_under_headings) {
    const records table{{"Bob", {9, 3, 20}},       {"Ann", {4, 3, 20}},
                        {"Zoë", {12, 3, 11}},      {"Cy", {2, 0, {}}},
                        {"", {1, 0, {}}},          {"Dee", {100000, 5, 30}},
                        {"tab\there", {1, 0, {}}}, {"Ωμέγα Ωμέγα Ωμέγα Ωμέγα Ωμέγα", {1, 0, {}}},
                        {expert_bob, {9, 3, 20}}};
    EXPECT_EQ(companion::records_table(table),
              "Player                    Kind             Played  Won  Fewest turns\n"
              "Dee                       person           100000    5            30\n"
              "Zoë                       person               12    3            11\n"
              "Ann                       person                4    3            20\n"
              "Bob                       person                9    3            20\n"
              "Bob                       expert computer       9    3            20\n"
              "(no name)                 person                1    0             -\n"
              "Cy                        person                2    0             -\n"
              "tab\\there                 person                1    0             -\n"
              "Ωμέγα Ωμέγα Ωμέγα Ωμέ...  person                1    0             -");
    EXPECT_EQ(companion::records_table({}), "No games have been recorded yet.");
}

}  // namespace
