#include "strategy/race_estimate.h"

#include <algorithm>
#include <cmath>

#include "strategy/dice_multiset.h"

namespace {

// Turns looked ahead; a race still open after them counts as lost.
constexpr int horizon = 48;

// A seat's columns still to claim, each with its chance of being claimed in a
// turn, cheapest first.
struct seat_race {
    int need = 0;
    std::array<double, 11> chance{};
    bool hopeless = false;
};

// done[n]: the chance that the seat has claimed all it needs within n of its turns.
std::array<double, horizon + 1> finish_curve(const seat_race& r) {
    std::array<double, horizon + 1> done{};
    if (r.hopeless) return done;
    // stages[i]: the chance of having claimed exactly i of the columns needed.
    std::array<double, 12> stages{};
    stages[0] = 1.0;
    for (int n = 1; n <= horizon; ++n) {
        for (int i = r.need - 1; i >= 0; --i) {
            const double moved = stages[std::size_t(i)] * r.chance[std::size_t(i)];
            stages[std::size_t(i)] -= moved;
            stages[std::size_t(i + 1)] += moved;
        }
        done[std::size_t(n)] = stages[std::size_t(r.need)];
    }
    return done;
}

// The current player's row of progress with the markers banked on it.
void bank_markers(const game_snapshot& s, int (&row)[13]) {
    for (const auto& m : s.markers) {
        if (m.column == 0) break;
        row[m.column] = m.position;
    }
}

}  // namespace

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
    if (bank) bank_markers(s, progress[me]);
    std::array<bool, 13> closed{};
    std::array<int, 5> claimed{};
    for (int c = 2; c <= 12; ++c)
        for (int seat = 0; seat < s.seats; ++seat)
            if (progress[seat][c] == height_of(c)) {
                closed[std::size_t(c)] = true;
                ++claimed[std::size_t(seat)];
            }

    race_standing r;
    std::array<seat_race, 5> races{};
    for (int seat = 0; seat < s.seats; ++seat) {
        seat_race& race = races[std::size_t(seat)];
        race.need = std::max(0, columns_to_win - claimed[std::size_t(seat)]);
        std::array<double, 11> costs{};
        int open = 0;
        for (int c = 2; c <= 12; ++c)
            if (!closed[std::size_t(c)])
                costs[std::size_t(open++)] = (height_of(c) - progress[seat][c]) / column_chance(c);
        if (open < race.need) {
            race.hopeless = true;
            continue;
        }
        std::partial_sort(costs.begin(), costs.begin() + race.need, costs.begin() + open);
        for (int i = 0; i < race.need; ++i)
            race.chance[std::size_t(i)] = std::exp(-std::pow(costs[std::size_t(i)] / p.appearances_per_claim, p.claim_exponent));
        r.next_turn_win[std::size_t(seat)] = race.need == 1 ? race.chance[0] : 0.0;
    }
    if (races[std::size_t(me)].need == 0) {
        r.won = true;
        r.win_chance = 1.0;
        return r;
    }

    // We win at our n-th turn from now if we finish then and no opponent has
    // finished in the n turns each of them plays before it.
    const auto mine = finish_curve(races[std::size_t(me)]);
    std::array<double, horizon + 1> others_open;
    others_open.fill(1.0);
    for (int seat = 0; seat < s.seats; ++seat) {
        if (seat == me) continue;
        const auto theirs = finish_curve(races[std::size_t(seat)]);
        for (int n = 0; n <= horizon; ++n) others_open[std::size_t(n)] *= 1.0 - theirs[std::size_t(n)];
    }
    double chance = 0.0;
    for (int n = 1; n <= horizon; ++n)
        chance += (mine[std::size_t(n)] - mine[std::size_t(n - 1)]) * others_open[std::size_t(n)];
    r.win_chance = chance;
    return r;
}

race_features race_features_of(const game_snapshot& s, const race_parameters& p, bool mover_is_expert) {
    const double formula = race_after(s, false, 3, p).win_chance;
    return describe_race(s.progress, s.current_player, 1 - s.current_player, formula, mover_is_expert);
}

double win_chance_after(const game_snapshot& s, bool bank, int columns_to_win, const race_parameters& p) {
    if (!p.learned || s.seats != 2 || columns_to_win != 3) return race_after(s, bank, columns_to_win, p).win_chance;
    game_snapshot q = s;
    const int me = s.current_player;
    if (bank) bank_markers(s, q.progress[me]);
    q.markers = {};
    int claimed = 0;
    for (int c = 2; c <= 12; ++c) claimed += q.progress[me][c] == height_of(c);
    if (claimed >= columns_to_win) return 1.0;
    q.current_player = 1 - me;
    return 1.0 - p.learned->chance(race_features_of(q, p, false));
}
