#include "strategy/race_estimate.h"

#include <algorithm>
#include <cmath>

#include "strategy/dice_multiset.h"

double column_chance(int column) {
    static const auto chances = [] {
        std::array<double, 13> c{};
        for (const auto& roll : all_rolls()) {
            const auto& d = roll.dice;
            std::array<bool, 13> offered{};
            for (int i = 0; i < 4; ++i)
                for (int j = i + 1; j < 4; ++j) offered[std::size_t(d[i] + d[j])] = true;
            for (int k = 2; k <= 12; ++k)
                if (offered[std::size_t(k)]) c[std::size_t(k)] += roll.weight / 1296.0;
        }
        return c;
    }();
    return chances[std::size_t(column)];
}

race_standing race_after(const game_snapshot& s, bool bank, int columns_to_win, const race_parameters& p) {
    int progress[5][13];
    std::copy(&s.progress[0][0], &s.progress[0][0] + 5 * 13, &progress[0][0]);
    const int me = s.current_player;
    if (bank) {
        for (const auto& m : s.markers) {
            if (m.column == 0) break;
            progress[me][m.column] = m.position;
        }
    }
    std::array<bool, 13> closed{};
    std::array<int, 5> claimed{};
    for (int c = 2; c <= 12; ++c)
        for (int seat = 0; seat < s.seats; ++seat)
            if (progress[seat][c] == height_of(c)) {
                closed[std::size_t(c)] = true;
                ++claimed[std::size_t(seat)];
            }

    race_standing r;
    for (int seat = 0; seat < s.seats; ++seat) {
        const int need = columns_to_win - claimed[std::size_t(seat)];
        if (need <= 0) {
            r.turns_to_win[std::size_t(seat)] = 0.0;
            continue;
        }
        // The columns it can still claim, cheapest first: each costs the
        // appearances of its sum it takes to climb the rest of the way.
        std::array<double, 11> costs{};
        int open = 0;
        for (int c = 2; c <= 12; ++c)
            if (!closed[std::size_t(c)])
                costs[std::size_t(open++)] = (height_of(c) - progress[seat][c]) / column_chance(c);
        if (open < need) {
            r.turns_to_win[std::size_t(seat)] = far_away;
            continue;
        }
        std::partial_sort(costs.begin(), costs.begin() + need, costs.begin() + open);
        double sum = 0.0;
        for (int i = 0; i < need; ++i) sum += costs[std::size_t(i)];
        r.turns_to_win[std::size_t(seat)] = sum / p.columns_per_turn;
    }

    const double mine = r.turns_to_win[std::size_t(me)];
    r.won = mine == 0.0;
    if (r.won) {
        r.win_chance = 1.0;
        return r;
    }
    // Against each opponent a race of random walks: the lead in turns against
    // the spread that the turns still to play leave.
    double chance = 1.0;
    for (int seat = 0; seat < s.seats; ++seat) {
        if (seat == me) continue;
        const double theirs = r.turns_to_win[std::size_t(seat)];
        const double lead = theirs - p.tempo - mine;
        const double z = p.sharpness * lead / std::sqrt(theirs + mine + 1.0);
        chance *= 1.0 / (1.0 + std::exp(-z));
    }
    r.win_chance = chance;
    return r;
}
