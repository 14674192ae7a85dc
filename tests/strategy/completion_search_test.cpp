#include "strategy/completion_search.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "tests/strategy/reference_search.h"

namespace {

// Nothing claimed, nobody has progress: the situation every game starts in.
game_snapshot fresh_game(int seats = 2) {
    game_snapshot s;
    s.seats = seats;
    return s;
}

game_snapshot with_markers(game_snapshot s, const std::vector<std::array<int, 2>>& markers) {
    int slot = 0;
    for (const auto& m : markers) s.markers[std::size_t(slot++)] = {m[0], m[1]};
    return s;
}

std::string printed(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(v));
    return text;
}

struct opening_case {
    std::vector<std::array<int, 2>> markers;
    const char* odds;
};

}  // namespace

TEST(completion_search, opening_values_recomputed_print_as_listed) {
    const std::vector<opening_case> cases = {
        {{}, "0.308905"},
        {{{2, 2}}, "0.554426"},
        {{{3, 2}}, "0.294099"},
        {{{4, 2}}, "0.321716"},
        {{{5, 2}}, "0.279411"},
        {{{6, 2}}, "0.334719"},
        {{{7, 2}}, "0.321663"},
        {{{8, 2}}, "0.334719"},
        {{{9, 2}}, "0.279411"},
        {{{10, 2}}, "0.321716"},
        {{{11, 2}}, "0.294099"},
        {{{12, 2}}, "0.554426"},
        {{{3, 1}, {2, 1}}, "0.170858"},
        {{{4, 1}, {2, 1}}, "0.226162"},
        {{{4, 1}, {3, 1}}, "0.124081"},
        {{{5, 1}, {2, 1}}, "0.234376"},
        {{{5, 1}, {3, 1}}, "0.12183"},
        {{{5, 1}, {4, 1}}, "0.163207"},
        {{{6, 1}, {2, 1}}, "0.330502"},
        {{{6, 1}, {3, 1}}, "0.201092"},
        {{{6, 1}, {4, 1}}, "0.302694"},
        {{{6, 1}, {5, 1}}, "0.23876"},
        {{{7, 1}, {2, 1}}, "0.346886"},
        {{{7, 1}, {3, 1}}, "0.253651"},
        {{{7, 1}, {4, 1}}, "0.286267"},
        {{{7, 1}, {5, 1}}, "0.289461"},
        {{{7, 1}, {6, 1}}, "0.328262"},
        {{{8, 1}, {2, 1}}, "0.355864"},
        {{{8, 1}, {3, 1}}, "0.255848"},
        {{{8, 1}, {4, 1}}, "0.31798"},
        {{{8, 1}, {5, 1}}, "0.296422"},
        {{{8, 1}, {6, 1}}, "0.346244"},
        {{{8, 1}, {7, 1}}, "0.328262"},
        {{{9, 1}, {2, 1}}, "0.256048"},
        {{{9, 1}, {3, 1}}, "0.184508"},
        {{{9, 1}, {4, 1}}, "0.251088"},
        {{{9, 1}, {5, 1}}, "0.188625"},
        {{{9, 1}, {6, 1}}, "0.296422"},
        {{{9, 1}, {7, 1}}, "0.289461"},
        {{{9, 1}, {8, 1}}, "0.23876"},
        {{{10, 1}, {2, 1}}, "0.255162"},
        {{{10, 1}, {3, 1}}, "0.188323"},
        {{{10, 1}, {4, 1}}, "0.277516"},
        {{{10, 1}, {5, 1}}, "0.251088"},
        {{{10, 1}, {6, 1}}, "0.31798"},
        {{{10, 1}, {7, 1}}, "0.286267"},
        {{{10, 1}, {8, 1}}, "0.302694"},
        {{{10, 1}, {9, 1}}, "0.163207"},
        {{{11, 1}, {2, 1}}, "0.195203"},
        {{{11, 1}, {3, 1}}, "0.125907"},
        {{{11, 1}, {4, 1}}, "0.188323"},
        {{{11, 1}, {5, 1}}, "0.184508"},
        {{{11, 1}, {6, 1}}, "0.255849"},
        {{{11, 1}, {7, 1}}, "0.253652"},
        {{{11, 1}, {8, 1}}, "0.201092"},
        {{{11, 1}, {9, 1}}, "0.121829"},
        {{{11, 1}, {10, 1}}, "0.124081"},
        {{{12, 1}, {2, 1}}, "0.251178"},
        {{{12, 1}, {3, 1}}, "0.195203"},
        {{{12, 1}, {4, 1}}, "0.255162"},
        {{{12, 1}, {5, 1}}, "0.256048"},
        {{{12, 1}, {6, 1}}, "0.355864"},
        {{{12, 1}, {7, 1}}, "0.346886"},
        {{{12, 1}, {8, 1}}, "0.330502"},
        {{{12, 1}, {9, 1}}, "0.234376"},
        {{{12, 1}, {10, 1}}, "0.226162"},
        {{{12, 1}, {11, 1}}, "0.170858"},
    };
    ASSERT_EQ(cases.size(), 67u);
    completion_search listed(fresh_game());
    completion_search recomputed(fresh_game());
    recomputed.reset_tables(fresh_game(), false);
    for (const auto& c : cases) {
        const game_snapshot s = with_markers(fresh_game(), c.markers);
        EXPECT_EQ(printed(recomputed.completion_odds(s)), c.odds)
            << s.markers[0].column << "," << s.markers[1].column;
        EXPECT_EQ(printed(listed.completion_odds(s)), c.odds);
    }
}

TEST(completion_search, looks_up_topped_and_listed_positions_without_computing) {
    completion_search search(fresh_game());
    EXPECT_EQ(search.completion_odds(with_markers(fresh_game(), {{7, 13}, {4, 1}})), 1.0f);
    EXPECT_EQ(search.completion_odds(with_markers(fresh_game(), {{2, 3}, {4, 1}, {6, 1}})), 1.0f);
    EXPECT_EQ(search.completion_odds(fresh_game()), 0.308905f);
    EXPECT_EQ(search.completion_odds(with_markers(fresh_game(), {{7, 2}})), 0.321663f);
    EXPECT_EQ(search.completion_odds(with_markers(fresh_game(), {{8, 1}, {6, 1}})), 0.346244f);
}

TEST(completion_search, progress_resets_the_table_without_the_opening_values) {
    completion_search search(fresh_game());
    game_snapshot s = fresh_game();
    s.progress[0][5] = 1;
    search.refresh_context(s);
    EXPECT_EQ(search.context()[3], 1);
    EXPECT_EQ(search.two_marker_cell(7, 2, 0, 0), completion_search::not_computed);
    EXPECT_EQ(search.two_marker_cell(0, 0, 0, 0), completion_search::not_computed);
    EXPECT_NE(search.odds(with_markers(s, {{7, 2}})), 0.321663f);
}

TEST(completion_search, context_counts_claims_of_any_seat_and_topped_markers) {
    completion_search search(fresh_game());
    game_snapshot s = fresh_game(3);
    s.current_player = 1;
    s.progress[1][4] = 3;
    s.progress[2][9] = 9;  // another seat's claim closes the column
    s.progress[1][9] = 4;
    s = with_markers(s, {{12, 3}, {4, 5}});
    search.refresh_context(s);
    const std::array<int, 11> expected = {0, 0, 3, 0, 0, 0, 0, 9, 0, 0, 3};
    EXPECT_EQ(search.context(), expected);
}

TEST(completion_search, three_markers_leave_the_table_alone) {
    completion_search search(fresh_game());
    game_snapshot s = with_markers(fresh_game(), {{4, 1}, {6, 1}, {8, 1}});
    s.progress[0][5] = 2;  // a changed context that would otherwise reset the table
    search.refresh_context(s);
    EXPECT_EQ(search.two_marker_cell(7, 2, 0, 0), 0.321663f);
    EXPECT_EQ(search.context()[3], 0);
}

TEST(completion_search, shared_table_is_built_once_and_released_with_the_last_search) {
    const int before = completion_search::search_count();
    {
        completion_search first(fresh_game());
        completion_search second(fresh_game());
        EXPECT_EQ(completion_search::search_count(), before + 2);
        ASSERT_NE(completion_search::pwca(), nullptr);
        // Every code belongs to one square of one column; codes 94 and 95 and
        // unused combinations stay marked as no position.
        const float* pwca = completion_search::pwca();
        EXPECT_EQ(pwca[9216 * 80 + 96 * 16 + 0], completion_search::not_computed);  // 7@0, 3@0, 2@0
        EXPECT_EQ(pwca[9216 * 94 + 96 * 16 + 0], completion_search::no_position);
        EXPECT_EQ(pwca[9216 * completion_search::marker_code(12, 3) +
                       96 * completion_search::marker_code(4, 1) + completion_search::marker_code(3, 1)],
                  1.0f);
    }
    if (before == 0) {
        EXPECT_EQ(completion_search::pwca(), nullptr);
    }
}

TEST(completion_search, marker_codes_pack_two_columns_per_block) {
    EXPECT_EQ(completion_search::marker_code(2, 0), 0);
    EXPECT_EQ(completion_search::marker_code(2, 3), 3);
    EXPECT_EQ(completion_search::marker_code(8, 11), 4);
    EXPECT_EQ(completion_search::marker_code(8, 0), 15);
    EXPECT_EQ(completion_search::marker_code(7, 13), 93);
    EXPECT_EQ(completion_search::marker_code(12, 0), 79);
}

TEST(completion_search, building_the_shared_table_reports_no_clash) {
    if (completion_search::search_count() != 0) GTEST_SKIP() << "shared table already built";
    testing::internal::CaptureStdout();
    { completion_search search(fresh_game()); }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(completion_search, reopen_topped_enters_the_column_afresh) {
    game_snapshot s = fresh_game();
    s.current_player = 1;
    s.progress[1][7] = 6;
    s = with_markers(s, {{4, 3}, {7, 13}, {10, 2}});
    completion_search::reopen_topped(s);
    EXPECT_EQ(s.markers[1].position, 1);
    EXPECT_EQ(s.progress[1][7], 0);
    EXPECT_EQ(s.markers[0].position, 3);
    EXPECT_EQ(s.markers[2].position, 2);
}

// A situation somewhere in a game: seats with progress and claims, the
// current player's markers somewhere above its progress.
game_snapshot random_position(std::mt19937& rng) {
    game_snapshot s = fresh_game(int(rng() % 3) + 2);
    s.current_player = int(rng() % unsigned(s.seats));
    for (int seat = 0; seat < s.seats; ++seat)
        for (int c = 2; c <= 12; ++c) {
            const unsigned roll = rng() % 10;
            s.progress[seat][c] = roll < 6   ? 0
                                  : roll < 9 ? int(rng() % unsigned(height_of(c)))
                                             : height_of(c);
        }
    for (int c = 2; c <= 12; ++c) {  // a claimed column wipes the others out
        for (int seat = 0; seat < s.seats; ++seat)
            if (s.progress[seat][c] == height_of(c))
                for (int other = 0; other < s.seats; ++other)
                    if (other != seat) s.progress[other][c] = 0;
    }
    const int wanted = int(rng() % 4);
    for (int slot = 0, tries = 0; slot < wanted && tries < 50; ++tries) {
        const int c = int(rng() % 11) + 2;
        if (s.is_column_claimed(c) || s.marker_slot(c) != slot) continue;
        const int from = s.own_progress(c) + 1;
        s.markers[std::size_t(slot++)] = {c, from + int(rng() % unsigned(height_of(c) - from + 1))};
    }
    std::array<int, 4> dice{};
    for (auto& d : dice) d = int(rng() % 6) + 1;
    s.list_choices(dice);
    return s;
}

TEST(completion_search, agrees_bit_for_bit_with_the_plain_search) {
    std::mt19937 rng(20240611);
    completion_search search(fresh_game());
    for (int n = 0; n < 100; ++n) {
        const game_snapshot s = random_position(rng);
        reference_search plain;
        SCOPED_TRACE(n);
        EXPECT_EQ(search.odds(s), plain.completion_odds(s));
        EXPECT_EQ(search.guided(s), plain.guided_gain(s));
        EXPECT_EQ(search.greedy_until(s, std::numeric_limits<double>::infinity()), greedy_gain(s));
        if (s.choice_count > 0) {
            game_snapshot reopened = s;
            completion_search::reopen_topped(reopened);
            reference_search plain_reopened;
            EXPECT_EQ(search.best_choice(s), plain_reopened.pick(reopened));
        }
    }
}

TEST(completion_search, best_choice_evaluates_no_single_move_and_breaks_ties_early) {
    game_snapshot s = fresh_game();
    s.progress[0][5] = 1;  // nothing listed in advance for this situation
    completion_search search(s);
    s.list_choices({1, 1, 1, 1});
    ASSERT_EQ(s.choice_count, 1);
    EXPECT_EQ(search.best_choice(s), 0);
    EXPECT_EQ(search.two_marker_cell(2, 2, 0, 0), completion_search::not_computed);

    // Both moves top a column: odds 1 each, the first listed wins.
    s = with_markers(fresh_game(), {{3, 4}, {4, 6}, {12, 1}});
    s.list_choices({1, 2, 3, 6});
    ASSERT_EQ(s.choice_count, 2);
    EXPECT_EQ(search.best_choice(s), 0);
}
