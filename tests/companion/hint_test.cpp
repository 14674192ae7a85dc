// The hint's advice for worked positions, its exact count of busting rolls,
// and proof that asking for it changes no game.
#include "companion/hint.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "companion/roll_odds.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/quick_table.h"

namespace {

using platform::answer;

class hint : public engine_fixture {
protected:
    // A person (seat 0) to move after a roll this turn, nothing claimed, no progress.
    void person_to_move(std::vector<marker> ms) {
        settings().seat_is_human = {true, false, false, false};
        start(2);
        place(ms);
        engine.rolls_this_turn = 1;
    }
    void expect_advice(std::initializer_list<const char*> parts) {
        const std::string text = companion::advice(engine);
        for (const char* part : parts)
            EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
    }
};

TEST_F(hint, worked_stop_decisions_give_the_strategys_answer_and_numbers) {
    person_to_move({{4, 1}, {6, 1}});
    expect_advice({"would roll again", "0.2606", "above 0.03"});
    person_to_move({{7, 5}, {6, 4}, {8, 4}});
    expect_advice({"would roll again", "0.0262", "0.0250"});
    person_to_move({{2, 2}, {12, 2}, {7, 6}});
    expect_advice({"would roll again", "-0.2569", "55.0%", "above 20.0%"});
    person_to_move({{2, 1}, {3, 1}, {12, 1}});
    expect_advice({"would stop now", "-0.3598", "-0.3601", "7.1%"});
}

TEST_F(hint, a_choice_names_the_move_with_the_best_odds_and_lists_them_all) {
    person_to_move({});
    engine.dice = {1, 2, 3, 4};
    engine.find_choices();
    engine.phase = choosing;
    expect_advice({"would take 4 and 6", "3 and 7: 25.4%", "4 and 6: 30.3%", "Double 5: 27.9%"});
}

TEST_F(hint, the_stop_that_wins_and_the_turn_start_are_told_plainly) {
    person_to_move({{3, 5}});
    engine.progress[0][2] = 3;
    engine.progress[0][12] = 3;
    expect_advice({"would stop now", "win the game"});
    person_to_move({});
    engine.rolls_this_turn = 0;
    expect_advice({"would roll again", "0.0% (0 of 1296 rolls)", "nothing to lose"});
}

// A roll busts when none of its three pairings names a column that can still take a
// move: with all three markers out, only their columns, unless topped.
int independent_busts(std::set<int> open) {
    int busts = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            for (int c = 1; c <= 6; ++c)
                for (int d = 1; d <= 6; ++d) {
                    const int sums[6] = {a + b, c + d, a + c, b + d, a + d, b + c};
                    bool move = false;
                    for (int s : sums) move = move || open.count(s) > 0;
                    busts += !move;
                }
    return busts;
}

TEST_F(hint, the_bust_count_is_exact_over_the_1296_rolls_and_touches_nothing) {
    struct odds_case {
        std::vector<marker> markers;
        std::set<int> open;
    };
    const odds_case cases[] = {
        {{{6, 1}, {7, 1}, {8, 1}}, {6, 7, 8}},
        {{{2, 1}, {3, 1}, {12, 1}}, {2, 3, 12}},
        {{{4, 3}, {7, 13}, {10, 2}}, {4, 10}},  // column 7 topped: no more moves there
    };
    for (const odds_case& c : cases) {
        person_to_move(c.markers);
        engine.dice = {6, 5, 4, 3};
        engine.find_choices();
        const auto choices = engine.choices;
        const auto count = companion::count_busts(engine);
        EXPECT_EQ(count.busts, independent_busts(c.open));
        EXPECT_EQ(engine.dice, (std::array<int, 4>{6, 5, 4, 3}));
        EXPECT_EQ(engine.choices, choices);
        EXPECT_TRUE(window.drawing.empty());
    }
    EXPECT_EQ(independent_busts({6, 7, 8}), 104);  // the well-known 8%
}

TEST_F(hint, is_offered_only_on_a_persons_turn_of_a_game_in_progress) {
    settings().seat_is_human = {true, false, false, false};
    EXPECT_FALSE(companion::hint_available(engine));  // no game yet
    start(2);
    EXPECT_TRUE(companion::hint_available(engine));
    engine.current_player = 1;
    EXPECT_FALSE(companion::hint_available(engine));
}

// Games between quick computers, played one step per loop turn, with the
// advice of the seat to move asked before every step and without.
std::string play(std::uint32_t seats, std::uint32_t seed, int games, bool ask) {
    quick_table t(seats, games);
    game_engine& engine = t.engine;
    engine.seed_dice(seed);
    engine.new_game(seats, 3);
    int asked = 0;
    while (engine.computer_step_due()) {
        if (ask) {
            companion::advice(engine);
            ++asked;
        }
        engine.run_computer_step();
    }
    if (ask) {
        EXPECT_GT(asked, games * 10);
    }
    return t.log.text;
}

TEST(hint_neutrality, asking_at_every_step_leaves_every_game_as_it_was) {
    int games = 0;
    for (std::uint32_t seats = 2; seats <= 4; ++seats) {
        SCOPED_TRACE(seats);
        const int n = 70;
        const std::string without = play(seats, 9000 + seats, n, false);
        EXPECT_EQ(play(seats, 9000 + seats, n, true), without);
        games += n;
    }
    EXPECT_GE(games, 200);
}

}  // namespace
