// The look-ahead written the plain way, straight from the rules: copies of the
// snapshot at every level, the move rules of the snapshot, maps for the tables.
// The fast search must agree with it bit for bit.
#pragma once

#include <algorithm>
#include <array>
#include <map>

#include "strategy/dice_multiset.h"
#include "strategy/game_snapshot.h"

class reference_search {
public:
    // Odds of the snapshot's position, in the snapshot's own situation.
    float completion_odds(game_snapshot s) {
        std::array<std::array<int, 2>, 3> key{};
        for (int i = 0; i < 3; ++i)
            key[std::size_t(i)] = {s.markers[std::size_t(i)].column, s.markers[std::size_t(i)].position};
        std::sort(key.begin(), key.end(), [](auto& x, auto& y) { return x[0] > y[0]; });
        for (auto& m : key)
            if (m[0] != 0 && m[1] == height_of(m[0])) return 1.0f;
        if (auto found = table.find(key); found != table.end()) return found->second;
        game_snapshot q = s;
        float acc = 0.0f;
        for (dice_multiset d; !d.done(); d.next()) {
            q.list_choices(d.dice());
            if (q.choice_count == 0) continue;
            const int k = pick(q);
            q.make_move(k);
            const float v = completion_odds(q);
            q.unmake_move(k);
            acc = float(double(acc) + double(d.weight()) * double(v));
        }
        const float odds = acc * 0.000771604944f;
        table[key] = odds;
        return odds;
    }

    int pick(game_snapshot& q) {
        if (q.choice_count == 1) return 0;
        float best = -1.0f;
        int k = 0;
        for (int i = 0; i < q.choice_count; ++i) {
            q.make_move(i);
            const float v = completion_odds(q);
            q.unmake_move(i);
            if (v > best) {
                best = v;
                k = i;
            }
        }
        return k;
    }

    double guided_gain(const game_snapshot& s) {
        game_snapshot q = s;
        double total = 0.0;
        for (dice_multiset d; !d.done(); d.next()) {
            q.list_choices(d.dice());
            if (q.choice_count == 0) continue;
            const int k = pick(q);
            q.make_move(k);
            total += double(d.weight()) * turn_progress(q);
            q.unmake_move(k);
        }
        return total * 0.0007716049382716049 - turn_progress(s);
    }

private:
    // Valid for one situation (claimed columns and the player's progress).
    std::map<std::array<std::array<int, 2>, 3>, float> table;
};
