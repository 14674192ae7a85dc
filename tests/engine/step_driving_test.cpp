// Who runs a quick computer's steps, and when: one at a time from the driver's
// loop, only while the position calls for one, with the same game whatever
// the loop serves between two steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "players/engine_game_view.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/game_log.h"
#include "tests/engine/quick_table.h"
#include "tools/arena_match.h"

namespace {

using platform::answer;

// Seat 1, a computer, is about to bank its third column: the Victory box
// comes, and the main window is repainted while it is open.
class victory_repaint : public engine_fixture {
protected:
    void win_with_repaint_during_the_box(bool seat_1_human, int pace) {
        settings().seat_is_human = {seat_1_human, false, false, false};
        settings().computer_pace = pace;
        start(2);
        engine.current_player = 1;
        engine.progress[1][2] = 3;
        engine.progress[1][12] = 3;
        engine.markers[0] = {3, 5};  // on the top square of column 3
        engine.rolls_this_turn = 1;
        window.answerer = [this](const headless::message_box_call& box) {
            EXPECT_EQ(box.caption, "Victory");
            window.on_paint();
            return answer::yes;
        };
        // The panel as the end of seat 0's turn leaves it; then the computer's step.
        engine.paint_status_panel();
        if (pace == 0) engine.handle_click(5, 5);
        engine.run_computer_steps();
    }
};

TEST_F(victory_repaint, the_new_game_waits_for_a_person_or_a_slow_computer_in_seat_1) {
    struct seat_case {
        const char* who;
        bool human;
        int pace;
    };
    for (const seat_case& c : {seat_case{"a person", true, 1}, seat_case{"a slow computer", false, 0}}) {
        SCOPED_TRACE(c.who);
        win_with_repaint_during_the_box(c.human, c.pace);
        ASSERT_EQ(window.boxes.size(), 1u);
        EXPECT_EQ(engine.current_player, 0u);
        EXPECT_EQ(engine.rolls_this_turn, 0u);
        EXPECT_TRUE(clock.sleeps.empty()) << "no roll animation";
        EXPECT_FALSE(engine.computer_step_due());
    }
}

// All the steps in one call, as the match runner runs them.
std::string chain_in_one_call(std::uint32_t seats, int games, std::uint32_t seed) {
    quick_table t(seats, games);
    t.engine.seed_dice(seed);
    t.engine.new_game(seats, 3);
    t.engine.run_computer_steps();
    EXPECT_TRUE(t.window.quit_posted);
    return t.log.text;
}

// One step per turn of a loop that, between two steps, repaints the window and
// feeds it clicks, Enter and keys that a quick computer's turn ignores.
std::string one_step_per_loop_turn(std::uint32_t seats, int games, std::uint32_t seed) {
    quick_table t(seats, games);
    t.engine.seed_dice(seed);
    t.engine.new_game(seats, 3);
    int turn = 0;
    do {
        ++turn;
        if (turn % 3 == 0) t.window.on_paint();
        t.engine.handle_click(430 + turn % 90, 300 + turn % 120);
        if (turn % 5 == 0) t.engine.handle_enter();
        if (turn % 7 == 0) t.engine.request_roll();
        t.engine.handle_digit(1 + turn % 9);
        t.engine.handle_stop_key();
    } while (t.engine.run_computer_step());
    EXPECT_TRUE(t.window.quit_posted);
    return t.log.text;
}

TEST(step_driving, one_step_per_loop_turn_plays_the_same_games_as_one_call) {
    for (std::uint32_t seats = 2; seats <= 4; ++seats) {
        SCOPED_TRACE(seats);
        const std::uint32_t seed = 1000 + seats;
        const std::string chained = chain_in_one_call(seats, 20, seed);
        EXPECT_EQ(one_step_per_loop_turn(seats, 20, seed), chained);
        EXPECT_EQ(std::count(chained.begin(), chained.end(), 'w'), 20);
    }
}

// The winners and turn counts the match runner prints, read off a log.
std::string summary(const std::string& log) {
    std::string out;
    int game = 0, turns = 0;
    std::size_t at = 0;
    while (at < log.size()) {
        const std::size_t end = log.find('\n', at);
        const std::string line = log.substr(at, end - at);
        at = end + 1;
        if (line.rfind("turn ", 0) == 0) ++turns;
        if (line.rfind("won ", 0) != 0) continue;
        char text[64];
        std::snprintf(text, sizeof text, "game %d: winner %c turns %d\n", ++game, 'A' + std::atoi(&line[4]),
                      turns);
        out += text;
        turns = 0;
    }
    return out;
}

TEST(step_driving, one_step_per_loop_turn_gives_the_match_runners_games) {
    for (std::uint32_t seats = 2; seats <= 4; ++seats) {
        SCOPED_TRACE(seats);
        arena_options options;
        options.seats = seats;
        options.games = 15;
        options.seed = 77 + seats;
        char* text = nullptr;
        std::size_t size = 0;
        std::FILE* out = open_memstream(&text, &size);
        run_match(options, out);
        std::fclose(out);
        const std::string runner(text, size);
        std::free(text);
        EXPECT_EQ(summary(one_step_per_loop_turn(seats, 15, options.seed)), runner);
    }
}

// The number of seats changes at New Game: the players are made anew, every
// game is played out, and the last game is the one a new run would play.
TEST(step_driving, changing_the_number_of_seats_rebuilds_the_players) {
    // Victory boxes are answered Yes; each game is followed to its first win.
    const auto play_one_game = [](quick_table& t, std::uint32_t seats) {
        t.log.text.clear();
        t.log.games = 0;
        t.engine.seed_dice(500 + seats);
        t.engine.new_game(seats, 3);
        while (t.log.games == 0 && t.engine.run_computer_step()) {
        }
        return t.log.games == 1;
    };
    std::string last_game;
    {
        quick_table t(2, INT_MAX);
        for (std::uint32_t seats : {2u, 4u, 3u}) {
            SCOPED_TRACE(seats);
            const game_player* before = t.engine.view->player_count() ? t.engine.view->player(0) : nullptr;
            EXPECT_TRUE(play_one_game(t, seats));
            EXPECT_EQ(t.engine.view->player_count(), int(seats));
            EXPECT_NE(t.engine.view->player(0), before);
        }
        last_game = t.log.text;
    }
    quick_table fresh(3, INT_MAX);
    EXPECT_TRUE(play_one_game(fresh, 3));
    EXPECT_EQ(fresh.log.text, last_game);
}

}  // namespace
