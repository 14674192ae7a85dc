#include "strategy/game_snapshot.h"

#include <limits>

#include "players/vl_game.h"
#include "strategy/dice_multiset.h"

namespace {
constexpr double one_in_1296 = 0.0007716049382716049;
}

game_snapshot game_snapshot::take() {
    vl_game& view = *vl_game::instance();
    game_snapshot s;
    s.current_player = view.current_player();
    for (int i = 0; i < 3; ++i) s.markers[i] = {view.marker_column(i), view.marker_position(i)};
    s.seats = view.player_count();
    for (int column = 2; column <= 12; ++column)
        for (int seat = 0; seat < s.seats; ++seat) s.progress[seat][column] = view.progress(seat, column);
    for (int i = 0; i < 4; ++i) {
        const int die = view.die(i);
        s.dice[i] = die < 1 || die > 6 ? 1 : die;  // before the first roll the view reports 0
    }
    if (s.seats >= 1) s.list_choices(s.dice);
    return s;
}

bool game_snapshot::is_column_claimed(int column) const {
    const int h = height_of(column);
    for (int seat = 0; seat < seats; ++seat)
        if (progress[seat][column] == h) return true;
    for (const auto& m : markers) {
        if (m.column == 0) break;
        if (m.column == column && m.position == h) return true;
    }
    return false;
}

int game_snapshot::marker_slot(int column) const {
    for (int i = 0; i < 3; ++i)
        if (markers[i].column == column || markers[i].column == 0) return i;
    return 3;
}

void game_snapshot::list_choices(const std::array<int, 4>& four_dice) { choice_lister(*this).list(*this, four_dice); }

choice_lister::choice_lister(const game_snapshot& s) {
    for (int column = 2; column <= 12; ++column) {
        closed[column] = s.is_column_claimed(column);
        const int a = s.marker_slot(column);
        slot[column] = a;
        if (a == 3) continue;
        const int p = s.markers[a].position > 0 ? s.markers[a].position : s.own_progress(column);
        double_fits[column] = p + 2 <= height_of(column);
    }
}

void choice_lister::list(game_snapshot& s, const std::array<int, 4>& four_dice) const {
    static constexpr int pairs[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    s.dice = four_dice;
    auto& partner = s.partner;
    const auto& dice = s.dice;
    for (int column = 2; column <= 12; ++column) partner[column] = -1;
    const int total = dice[0] + dice[1] + dice[2] + dice[3];
    for (const auto& pair : pairs) {
        const int sum = dice[pair[0]] + dice[pair[1]];
        if (partner[sum] != -1 || closed[sum]) continue;
        const int a = slot[sum];
        if (a == 3) continue;
        const int e = total - sum;
        if (e == sum) {
            partner[sum] = double_fits[sum] ? sum : 0;  // a double past the top is played as a single
        } else if (closed[e]) {
            partner[sum] = 0;
        } else if (const int b = slot[e]; b == 3) {
            partner[sum] = 0;
        } else if (a == 2 && b == 2) {
            // Two new columns and one free marker: either, not both.
            partner[sum] = 0;
            partner[e] = 0;
        } else {
            partner[sum] = e;
            partner[e] = sum;
        }
    }
    s.choice_count = 0;
    for (int column = 2; column <= 12; ++column) {
        if (partner[column] == 0)
            s.choices[s.choice_count++] = {std::uint32_t(column), 0};
        else if (partner[column] >= column)
            s.choices[s.choice_count++] = {std::uint32_t(column), std::uint32_t(partner[column])};
    }
}

void game_snapshot::make_move(int index) {
    const choice& c = choices[index];
    for (const std::uint32_t column : {c.first, c.second}) {
        if (column == 0) continue;
        auto& m = markers[marker_slot(int(column))];
        if (m.column == int(column)) {
            ++m.position;
        } else {
            m.column = int(column);
            m.position = own_progress(int(column)) + 1;
        }
    }
}

void game_snapshot::unmake_move(int index) {
    const choice& c = choices[index];
    for (const std::uint32_t column : {c.second, c.first}) {
        if (column == 0) continue;
        auto& m = markers[marker_slot(int(column))];
        if (--m.position == own_progress(int(column))) m = {};
    }
}

int claimed_columns(const game_snapshot& s) {
    int claimed = 0;
    for (int c = 2; c <= 12; ++c)
        if (s.own_progress(c) == height_of(c)) ++claimed;
    return claimed;
}

int topped_markers(const game_snapshot& s) {
    int topped = 0;
    for (const auto& m : s.markers) {
        if (m.column == 0) break;
        if (m.position == height_of(m.column)) ++topped;
    }
    return topped;
}

double turn_progress(const game_snapshot& s) {
    // The shares of a column's height, divided once: the stop rules ask for
    // them on every move of every roll.
    static const auto share = [] {
        std::array<std::array<double, 14>, 13> table{};
        for (int column = 2; column <= 12; ++column)
            for (int squares = 0; squares <= height_of(column); ++squares)
                table[std::size_t(column)][std::size_t(squares)] = double(squares) / double(height_of(column));
        return table;
    }();
    double sum = 0.0;
    for (const auto& m : s.markers) {
        if (m.column == 0) break;
        const int squares = m.position - s.own_progress(m.column);
        const int h = height_of(m.column);
        sum += squares >= 0 && squares <= h ? share[std::size_t(m.column)][std::size_t(squares)]
                                            : double(squares) / double(h);
    }
    return sum;
}

double greedy_gain(const game_snapshot& s) { return greedy_gain_until(s, std::numeric_limits<double>::infinity()); }

double greedy_gain_until(const game_snapshot& s, double bound) {
    const double before = turn_progress(s);
    game_snapshot q = s;
    const choice_lister lister(q);
    double total = 0.0;
    for (const auto& roll : all_rolls()) {
        lister.list(q, roll.dice);
        if (q.choice_count == 0) continue;
        double best = 0.0;
        for (int i = 0; i < q.choice_count; ++i) {
            q.make_move(i);
            const double t = turn_progress(q);
            if (best < t) best = t;
            q.unmake_move(i);
        }
        total += double(roll.weight) * best;
        // Every roll adds to the sum, and the rounded steps below keep the order:
        // past the bound, the rest of the rolls cannot bring the gain back under it.
        if (total * one_in_1296 - before > bound) break;
    }
    return total * one_in_1296 - before;
}
