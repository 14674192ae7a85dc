#include "strategy/last_columns_play.h"

#include <algorithm>

#include "strategy/dice_multiset.h"

last_columns_play::last_columns_play(const game_snapshot& s, int columns_to_win, const race_parameters& race)
    : start(s), columns_to_win(columns_to_win), race(race) {
    busted = win_chance_after(s, false, columns_to_win, race);
    int cells = 1;
    for (int i = 0; i < 3; ++i) {
        columns[i] = s.markers[i].column;
        lowest[i] = s.markers[i].position;
        span[i] = height_of(columns[i]) - lowest[i] + 1;
        cells *= span[i];
    }
    values.assign(std::size_t(cells), -1.0);
    rolled.assign(std::size_t(cells), -1.0);
    // The moves are listed once, for the markers where they stand: higher up
    // a roll moves the same columns, a double that would pass the top stops on
    // it, and a column topped meanwhile is closed (its part of a move is lost).
    game_snapshot stand_in = s;
    for (const auto& roll : all_rolls()) {
        stand_in.list_choices(roll.dice);
        roll_steps r{roll.weight, 0, {}};
        for (int k = 0; k < stand_in.choice_count; ++k) {
            std::array<int, 3> steps{};
            for (const std::uint32_t c : {stand_in.choices[k].first, stand_in.choices[k].second})
                for (int i = 0; i < 3; ++i)
                    if (c != 0 && columns[i] == int(c)) ++steps[i];
            r.steps[std::size_t(r.count++)] = steps;
        }
        rolls.push_back(r);
    }
}

int last_columns_play::index(const std::array<int, 3>& p) const {
    return ((p[0] - lowest[0]) * span[1] + (p[1] - lowest[1])) * span[2] + (p[2] - lowest[2]);
}

double last_columns_play::bank_value(const std::array<int, 3>& positions) {
    game_snapshot q = start;
    for (int i = 0; i < 3; ++i) q.markers[i].position = positions[i];
    return win_chance_after(q, true, columns_to_win, race);
}

double last_columns_play::roll_value(const std::array<int, 3>& p) {
    double& cell = rolled[std::size_t(index(p))];
    if (cell >= 0.0) return cell;
    double total = 0.0;
    for (const roll_steps& r : rolls) {
        double best = -1.0;
        for (int k = 0; k < r.count; ++k) {
            std::array<int, 3> next = p;
            bool moved = false;
            for (int i = 0; i < 3; ++i) {
                const int h = height_of(columns[i]);
                if (r.steps[k][i] == 0 || p[i] == h) continue;
                next[i] = std::min(h, p[i] + r.steps[k][i]);
                moved = true;
            }
            if (moved) best = std::max(best, value(next));
        }
        total += r.weight * (best < 0.0 ? busted : best);
    }
    cell = total / 1296.0;
    return cell;
}

double last_columns_play::value(const std::array<int, 3>& p) {
    double& cell = values[std::size_t(index(p))];
    if (cell >= 0.0) return cell;
    const double bank = bank_value(p);
    cell = bank >= 1.0 ? bank : std::max(bank, roll_value(p));
    return cell;
}

bool last_columns_play::covers(const game_snapshot& s) const {
    if (s.current_player != start.current_player || s.seats != start.seats) return false;
    for (int seat = 0; seat < s.seats; ++seat)
        for (int c = 2; c <= 12; ++c)
            if (s.progress[seat][c] != start.progress[seat][c]) return false;
    for (int i = 0; i < 3; ++i)
        if (s.markers[i].column != columns[i] || s.markers[i].position < lowest[i]) return false;
    return true;
}
