// The hint's advice for worked positions, its exact count of busting rolls,
// and proof that asking for it changes no game.
#include "companion/hint.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "companion/roll_odds.h"
#include "players/engine_game_view.h"
#include "strategy/computer_level.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/quick_table.h"

namespace {

using platform::answer;

class hint : public engine_fixture {
protected:
    // A person (seat 0) to move after a roll this turn, nothing claimed, no progress.
    void person_to_move(std::vector<marker> ms) {
        settings().seat_is_human = {true, false, false, false};
        settings().player_names = {"Ben", "Ana", "", ""};
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

// The advice for positions where the numbers are known and the right answer
// is clear; where the standard computer would answer otherwise, one more line
// says so, and only then.
TEST_F(hint, tells_the_advice_in_plain_words_with_the_numbers_behind_it) {
    struct position {
        const char* what;
        std::vector<marker> markers;
        std::vector<std::pair<int, int>> progress;  // (seat, column) claimed
        std::vector<const char*> parts;
        std::vector<const char*> absent;
    };
    const position positions[] = {
        {"the turn's start: no roll-or-stop question",
         {},
         {},
         {"Roll: at the start of a turn there is nothing at risk yet.",
          "Chance that the next roll offers no move: 0.0% (0 of 1296 rolls)."},
         {"Stop", "standard"}},
        {"three low markers out",
         {{2, 1}, {3, 1}, {12, 1}},
         {},
         {"Chance that the next roll offers no move: 56.2% (728 of 1296 rolls).",
          "At stake this turn: 3 squares, lost if the next roll offers no move.",
          "Rolling on, the chance to claim a column this turn: 7.1%."},
         {"needs one more column"}},
        {"the middle columns",
         {{7, 5}, {6, 4}, {8, 4}},
         {},
         {"8.0% (104 of 1296 rolls)", "At stake this turn: 13 squares", "this turn: 47.1%."},
         {}},
        {"a stop that wins",
         {{3, 5}},
         {{0, 2}, {0, 12}},
         {"Stop now.\n", "At stake this turn: 5 squares", "Stopping now wins the game."},
         {"Rolling on", "needs one more column"}},
        {"a marker on a top square",
         {{7, 13}, {6, 3}},
         {},
         {"At stake this turn: 16 squares", "Stopping now claims column 7."},
         {"Rolling on"}},
        {"an opponent one column from winning while we are far behind",
         {{6, 3}, {8, 2}},
         {{1, 2}, {1, 12}},
         {"Roll again.\n", "0.2% (2 of 1296 rolls)", "At stake this turn: 5 squares",
          "Ana needs one more column and can win on their next turn: keep rolling."},
         {}},
    };
    for (const position& p : positions) {
        SCOPED_TRACE(p.what);
        person_to_move(p.markers);
        if (p.markers.empty()) engine.rolls_this_turn = 0;
        for (auto [seat, column] : p.progress) engine.progress[seat][column] = column_table[column].height;
        const std::string text = companion::advice(engine);
        for (const char* part : p.parts)
            EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
        for (const char* part : p.absent)
            EXPECT_EQ(text.find(part), std::string::npos) << part << " in\n" << text;
        if (p.markers.empty()) continue;
        const bool standard_stops = engine.view->should_stop() != 0;
        const bool expert_stops = text.rfind("Stop now.", 0) == 0;
        EXPECT_TRUE(expert_stops || text.rfind("Roll again.", 0) == 0) << text;
        const char* other = standard_stops ? "The standard computer would stop here."
                                           : "The standard computer would roll again.";
        EXPECT_EQ(text.find(other) != std::string::npos, standard_stops != expert_stops) << text;
    }
}

TEST_F(hint, says_what_the_standard_computer_would_do_where_it_differs) {
    // Three markers low in the short columns: the standard rule stops here.
    person_to_move({{2, 1}, {3, 1}, {12, 1}});
    ASSERT_NE(engine.view->should_stop(), 0);
    const std::string text = companion::advice(engine);
    if (text.rfind("Stop now.", 0) == 0) {
        EXPECT_EQ(text.find("The standard computer"), std::string::npos) << text;
    } else {
        EXPECT_NE(text.find("\nThe standard computer would stop here."), std::string::npos) << text;
    }
}

TEST_F(hint, a_choice_names_the_move_and_each_moves_chance_to_claim_a_column) {
    person_to_move({});
    engine.dice = {1, 2, 3, 4};
    engine.find_choices();
    engine.phase = choosing;
    const std::string text = companion::advice(engine);
    expect_advice(
        {"Each move's chance to claim a column this turn:\n3 and 7: 25.4%\n4 and 6: 30.3%\nDouble 5: 27.9%"});
    const bool takes_standards = text.rfind("Take 4 and 6.", 0) == 0;
    EXPECT_EQ(takes_standards, text.find("The standard computer would take 4 and 6.") == std::string::npos)
        << text;

    person_to_move({{6, 3}, {7, 2}, {8, 5}});
    engine.dice = {1, 5, 1, 1};
    engine.find_choices();
    engine.phase = choosing;
    expect_advice({"Take 6.\n\nIt is the only move this roll offers."});
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
// Each seat's computer at its own level.
class seats_at_levels final : public seat_player_maker {
public:
    explicit seats_at_levels(std::vector<computer_level> levels) : levels_(std::move(levels)) {}
    bool wants_new_players() override { return false; }
    std::unique_ptr<game_player> make_player(int seat) override {
        return make_computer_player(levels_[std::size_t(seat)]);
    }

private:
    std::vector<computer_level> levels_;
};

std::string play(std::uint32_t seats, std::uint32_t seed, int games, bool ask,
                 std::vector<computer_level> levels = {}) {
    quick_table t(seats, games);
    game_engine& engine = t.engine;
    seats_at_levels maker(levels);
    if (!levels.empty()) engine.view->player_maker = &maker;
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
    engine.view->player_maker = nullptr;
    return t.log.text;
}

// The sanitizers make the program about ten times slower: there a share of
// the games looks for memory faults, and the plain build plays them all.
#ifdef ZARVELIN_SANITIZED
constexpr int games_per_table = 10, games_per_mix = 2;
#else
constexpr int games_per_table = 70, games_per_mix = 20;
#endif

TEST(hint_neutrality, asking_at_every_step_leaves_every_game_as_it_was) {
    for (std::uint32_t seats = 2; seats <= 4; ++seats) {
        SCOPED_TRACE(seats);
        const std::string without = play(seats, 9000 + seats, games_per_table, false);
        EXPECT_EQ(play(seats, 9000 + seats, games_per_table, true), without);
    }
}

TEST(hint_neutrality, games_with_easy_and_expert_seats_are_left_as_they_were_too) {
    using enum computer_level;
    const std::vector<computer_level> mixes[] = {
        {easy, expert}, {expert, standard, easy}, {expert, expert, easy, standard}};
    for (const auto& levels : mixes) {
        const auto seats = std::uint32_t(levels.size());
        SCOPED_TRACE(seats);
        const std::string without = play(seats, 7000 + seats, games_per_mix, false, levels);
        EXPECT_EQ(play(seats, 7000 + seats, games_per_mix, true, levels), without);
    }
}

}  // namespace
