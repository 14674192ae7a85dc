// The score sheet follows a scripted game, turn by turn: the log's lines, the
// standings and the race, the chance of a bust at each decision as the hint
// counts it, and the sheet as text lines and back.
#include "companion/score_sheet.h"

#include <gtest/gtest.h>

#include "companion/game_followers.h"
#include "companion/roll_odds.h"
#include "companion/score_sheet_text.h"
#include "companion/score_sheet_view.h"
#include "tests/engine/engine_fixture.h"

namespace {

using companion::score_sheet;
using companion::sheet_turn;
using companion::turn_end;

// Counted here without the engine: with three markers none of them on top and
// no column claimed, a roll offers a move only when a pair adds up to one of them.
int busts_with_three_markers(std::array<int, 3> columns) {
    int busts = 0;
    for (int roll = 0; roll < 1296; ++roll) {
        std::array<int, 4> d{1 + roll % 6, 1 + roll / 6 % 6, 1 + roll / 36 % 6, 1 + roll / 216};
        bool move = false;
        for (int s : {d[0] + d[1], d[2] + d[3], d[0] + d[2], d[1] + d[3], d[0] + d[3], d[1] + d[2]})
            for (int c : columns) move = move || s == c;
        busts += !move;
    }
    return busts;
}

class score_sheet_game : public engine_fixture {
protected:
    score_sheet_game() {
        engine.observer = &sheet;
        window.answers = {platform::answer::no};  // to the victory question
    }
    void roll(std::array<int, 4> dice) {
        next_roll_is(dice);
        engine.request_roll();
    }
    // Takes the offered choice with these columns.
    void take(choice wanted) {
        std::size_t i = 0;
        for (const auto& c : engine.choices) {
            if (c == wanted) return engine.apply_choice(i);
            ++i;
        }
        FAIL() << "not offered: " << wanted.first << "," << wanted.second;
    }
    std::string line(std::size_t t) const {
        const sheet_turn& turn = sheet.turns()[t];
        return companion::turn_line(turn, t + 1, settings().player_names[turn.seat]);
    }

    // Two people, two columns to win: a pass, a stop, a stop, a bust, and a
    // claim of two columns that wipes the other seat out of them and wins.
    void play_scripted_game() {
        start(2, 2);
        engine.handle_stop_key();  // turn 1, Player 1
        roll({1, 1, 6, 6});        // turn 2, Player 2
        take({2, 12});
        engine.handle_stop_key();
        roll({1, 1, 6, 6});  // turn 3, Player 1
        take({2, 12});
        roll({1, 1, 6, 6});
        take({2, 12});
        engine.handle_stop_key();
        roll({1, 1, 6, 6});  // turn 4, Player 2
        take({7, 7});
        roll({1, 1, 6, 6});
        take({2, 12});
        roll({2, 2, 3, 3});  // 4, 5 and 6: nothing for 2, 7 or 12
        roll({1, 1, 6, 6});  // turn 5, Player 1
        take({2, 12});
        engine.handle_stop_key();
    }

    score_sheet sheet{engine};
};

TEST_F(score_sheet_game, logs_each_turn_in_words_with_the_bust_chance_at_each_decision) {
    play_scripted_game();
    const int at_2_7_12 = busts_with_three_markers({2, 7, 12});
    ASSERT_EQ(sheet.turns().size(), 5u);
    EXPECT_EQ(sheet.turns()[3].moves[1].busts_ahead, at_2_7_12);
    const std::string risk = companion::chance_text(at_2_7_12);
    const std::vector<std::string> expected{
        "Turn 1, Player 1: 0 rolls; passed without rolling.",
        "Turn 2, Player 2: 1 roll; took 2 to square 1 and 12 to square 1; stopped with a 0% chance of a bust "
        "ahead, banking 2 at square 1 and 12 at square 1.",
        "Turn 3, Player 1: 2 rolls; took 2 to square 1 and 12 to square 1; rolled on at 0%, took 2 to square "
        "2 "
        "and 12 to square 2; stopped with a 0% chance of a bust ahead, banking 2 at square 2 and 12 at "
        "square 2.",
        "Turn 4, Player 2: 3 rolls; took 7 twice, to square 2; rolled on at 0%, took 2 to square 2 and 12 to "
        "square 2; rolled on at " +
            risk + " and busted.",
        // Both markers on top and a slot free: only 1,1,1,1 and 6,6,6,6 offer nothing, 2 of 1296.
        "Turn 5, Player 1: 1 roll; took 2 to square 3 and 12 to square 3; stopped with a 0.2% chance of a "
        "bust "
        "ahead, banking 2 at square 3 and 12 at square 3, claiming columns 2 and 12; won the game.",
    };
    for (std::size_t t = 0; t < expected.size(); ++t) EXPECT_EQ(line(t), expected[t]) << "turn " << t + 1;
    EXPECT_EQ(
        companion::log_text(sheet),
        "Zarvelin score sheet. First to claim 2 columns.\nSeat 1: Player 1 (person)\n"
        "Seat 2: Player 2 (person)\n\n" +
            [&] {
                std::string all;
                for (const auto& l : expected) all += l + "\n";
                return all;
            }());
}

TEST_F(score_sheet_game, the_bust_chance_is_the_hints_own_count_of_the_position) {
    play_scripted_game();
    // The position of turn 4 after its second move, set up afresh.
    start(2, 2);
    engine.current_player = 1;
    engine.progress[1][2] = engine.progress[1][12] = 1;
    place({{7, 2}, {2, 2}, {12, 2}});
    EXPECT_EQ(sheet.turns().size(), 1u);  // the new game began a new sheet
    EXPECT_EQ(companion::count_busts(engine).busts, busts_with_three_markers({2, 7, 12}));
}

TEST_F(score_sheet_game, standings_and_race_follow_the_claims_that_wipe_the_others_out) {
    play_scripted_game();
    const auto rows = sheet.standings();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].claimed, 2u);
    EXPECT_EQ(rows[0].columns, (std::vector<std::uint32_t>{2, 12}));
    EXPECT_EQ(rows[0].squares_to_climb, 0u);
    EXPECT_EQ(rows[0].turns, 3u);
    EXPECT_EQ(rows[0].busts, 0u);
    EXPECT_TRUE(rows[0].leads);
    // Player 2's squares in 2 and 12 were wiped: columns 3 and 11, five squares each, are nearest their tops.
    EXPECT_EQ(rows[1].claimed, 0u);
    EXPECT_EQ(rows[1].squares_to_climb, 10u);
    EXPECT_EQ(rows[1].turns, 2u);
    EXPECT_EQ(rows[1].busts, 1u);
    EXPECT_FALSE(rows[1].leads);

    // At the start, then after each turn: a third of each of two columns is
    // two thirds of a column; the claim wipes Player 2 back to nothing.
    const auto series = sheet.race_series();
    const double third = 1.0 / 3;
    const std::vector<double> player_1{0, 0, 0, 4 * third, 4 * third, 2};
    const std::vector<double> player_2{0, 0, 2 * third, 2 * third, 2 * third, 0};
    ASSERT_EQ(series.size(), 2u);
    ASSERT_EQ(series[0].size(), player_1.size());
    ASSERT_EQ(series[1].size(), player_2.size());
    for (std::size_t t = 0; t < player_1.size(); ++t) {
        EXPECT_DOUBLE_EQ(series[0][t], player_1[t]) << "after turn " << t;
        EXPECT_DOUBLE_EQ(series[1][t], player_2[t]) << "after turn " << t;
    }
}

// The race as drawn: one band per seat and turn in the seat's colour, from
// nothing at the chart's left to the target line at its right for the winner,
// and back to nothing for the seat whose columns the winner claimed.
TEST_F(score_sheet_game, the_chart_draws_each_seats_race_up_to_the_target_line) {
    play_scripted_game();
    companion::score_sheet_view view(sheet, engine.drawing_objects());
    window.drawing.clear();
    view.paint(*window.get_canvas(), 0);
    std::vector<std::string> player_1, player_2;
    for (const std::string& d : window.drawing) {
        if (d.rfind("fill_polygon ", 0) != 0) continue;
        if (d.ends_with("brush=00b400")) player_1.push_back(d);
        if (d.ends_with("brush=0000ff")) player_2.push_back(d);
    }
    // Turns 0 to 5 across x 46..604; the values 0 to 2 columns from y 260 up to the target at 152.
    ASSERT_EQ(player_1.size(), 5u);
    ASSERT_EQ(player_2.size(), 5u);
    EXPECT_EQ(player_1.front(), "fill_polygon 46,259 157,259 157,262 46,262 brush=00b400");
    EXPECT_EQ(player_1.back(), "fill_polygon 492,187 604,151 604,154 492,190 brush=00b400");
    EXPECT_EQ(player_2.back(), "fill_polygon 492,223 604,259 604,262 492,226 brush=0000ff");
    EXPECT_NE(
        std::find(window.drawing.begin(), window.drawing.end(), "fill_rect 45,152,605,153 brush=a00000"),
        window.drawing.end());
}

// After every moment the sheet paints the log's newest rows as they are made
// afresh from all the turns: the rows it keeps between paints are never stale.
class painted_log_check final : public game_observer {
public:
    painted_log_check(const score_sheet& sheet, const palette& colours, headless::headless_window& window)
        : sheet_(sheet), view_(sheet, colours), window_(window) {}

    void turn_started() override { check(); }
    void dice_rolled() override { check(); }
    void busted() override { check(); }
    void chose(const choice&) override { check(); }
    void stopped() override { check(); }
    void player_won() override { check(); }
    int checks = 0;

private:
    void check() {
        ++checks;
        std::vector<std::string> expected;
        for (const auto& row : companion::log_rows(sheet_, companion::score_sheet_view::row_characters))
            expected.push_back(row.text);
        const std::size_t shown =
            std::size_t((view_.scrolled_band().bottom - view_.scrolled_band().top) / view_.line);
        if (expected.size() > shown) expected.erase(expected.begin(), expected.end() - std::ptrdiff_t(shown));
        EXPECT_EQ(view_.scrolled_height(), int(companion::log_rows(sheet_, 80).size()) * view_.line);
        window_.drawing.clear();
        view_.paint(*window_.get_canvas(), std::max(0, view_.scrolled_height() - int(shown) * view_.line));
        std::vector<std::string> painted;
        const std::string band_top = "," + std::to_string(view_.scrolled_band().top);
        for (const std::string& d : window_.drawing) {
            // draw_text left,top,right,bottom "text": the rows are those drawn inside the band.
            int left = 0, top = 0;
            if (std::sscanf(d.c_str(), "draw_text %d,%d", &left, &top) != 2 ||
                top < view_.scrolled_band().top)
                continue;
            const auto open = d.find('"'), close = d.rfind('"');
            painted.push_back(d.substr(open + 1, close - open - 1));
        }
        EXPECT_EQ(painted, expected) << "after " << sheet_.turns().size() << " turns";
    }

    const score_sheet& sheet_;
    companion::score_sheet_view view_;
    headless::headless_window& window_;
};

TEST_F(score_sheet_game, the_painted_log_shows_the_newest_rows_after_every_moment) {
    settings().player_names[1] = "a name long enough to make the rows of this player's turns wrap sooner";
    headless::headless_window canvas_window;
    painted_log_check checker(sheet, engine.drawing_objects(), canvas_window);
    companion::game_followers both;
    both.follow(sheet);
    both.follow(checker);
    engine.observer = &both;
    play_scripted_game();
    play_scripted_game();  // a new game: a new sheet
    EXPECT_GT(checker.checks, 40);
}

TEST(race_measure, counts_claims_and_the_best_open_columns_up_to_the_target) {
    std::vector<companion::seat_progress> p(2, companion::seat_progress{});
    p[0][7] = 13;  // claimed
    p[0][6] = 11;  // claimed
    p[0][5] = 3;   // 3 of 9
    p[0][4] = 7;   // 7 of 7 would be a claim; 6 of 7 is not
    p[0][4] = 6;
    p[1][8] = 11;  // Player 2's claim closes column 8
    p[0][8] = 0;
    EXPECT_DOUBLE_EQ(companion::race_measure(p, 0, 3), 2 + 6.0 / 7);
    EXPECT_DOUBLE_EQ(companion::race_measure(p, 0, 4), 2 + 6.0 / 7 + 3.0 / 9);
    EXPECT_DOUBLE_EQ(companion::race_measure(p, 0, 2), 2);
    EXPECT_DOUBLE_EQ(companion::race_measure(p, 1, 3), 1);
}

TEST(chance_text, reads_as_whole_percents_and_tenths_below_one) {
    const std::pair<int, const char*> cases[] = {{0, "0%"},  {1, "0.1%"},  {12, "0.9%"},
                                                 {13, "1%"}, {531, "41%"}, {1296, "100%"}};
    for (auto [busts, text] : cases) EXPECT_EQ(companion::chance_text(busts), text) << busts;
}

TEST_F(score_sheet_game, saved_lines_restore_the_same_sheet_and_damage_is_refused) {
    play_scripted_game();
    const auto lines = sheet.save_lines();
    score_sheet again{engine};
    ASSERT_TRUE(again.restore_lines(lines));
    EXPECT_EQ(again.turns(), sheet.turns());
    EXPECT_EQ(again.seats(), 2u);
    EXPECT_EQ(again.target(), 2u);
    EXPECT_EQ(again.save_lines(), lines);

    const std::vector<std::vector<std::string>> damaged{
        {},
        {"sheet 5 3"},
        {"sheet 2 2", "turn 2 1 stopped 0 0"},               // no such seat
        {"sheet 2 2", "turn 0 1 stopped 0 1 13 0 1 0 0"},    // no column 13
        {"sheet 2 2", "turn 0 1 stopped 0 1 2 0 4 0 0"},     // column 2 has 3 squares
        {"sheet 2 2", "turn 0 1 stopped 0 1 2 0 1 0 1297"},  // more busts than rolls
        {"sheet 2 2", "turn 0 1 ended 0 0"},
        {"sheet 2 2", "turn 0 1 playing 0 0", "turn 1 0 passed 0 0"},  // a turn after one unfinished
        {"sheet 2 2", "turn 0 1 busted 0 0 extra"},
    };
    for (const auto& bad : damaged) {
        EXPECT_FALSE(again.restore_lines(bad)) << (bad.size() > 1 ? bad[1] : "");
        EXPECT_EQ(again.turns(), sheet.turns());
    }
}

}  // namespace
