// Turning four dice into the moves on offer.
#include <cstdio>

#include "engine/game_engine.h"

std::string caption(const choice& c) {
    char text[32];
    if (c.first == c.second)
        std::snprintf(text, sizeof text, "Double %u", c.first);
    else if (c.second != 0)
        std::snprintf(text, sizeof text, "%u and %u", c.first, c.second);
    else
        std::snprintf(text, sizeof text, "%u", c.first);
    return text;
}

bool game_engine::has_marker(std::uint32_t column) const {
    for (const auto& m : markers)
        if (m.column == column) return true;
    return false;
}

bool game_engine::column_blocked(std::uint32_t column) const {
    const auto height = std::uint32_t(column_table[column].height);
    for (const auto& m : markers)
        if (m.column == column) return m.position == height;
    for (const auto& row : progress)
        if (row[column] == height) return true;
    return false;
}

bool game_engine::fit_markers(choice& c, bool& split) const {
    int in_use = 0;
    for (const auto& m : markers) in_use += m.column != 0;
    const bool a = has_marker(c.first);
    const bool b = has_marker(c.second);
    if (in_use == 3) {
        if (a && b) return true;
        if (a) {
            c.second = 0;
            return true;
        }
        if (b) {
            c = {c.second, 0};
            return true;
        }
        return false;
    }
    // With one marker left, two new columns cannot both be entered: offer each alone.
    if (in_use == 2 && !a && !b && c.first != c.second) split = true;
    return true;
}

bool game_engine::make_legal(choice& c, bool& split) const {
    if (!fit_markers(c, split)) return false;
    if (column_blocked(c.first)) {
        if (c.second == 0 || column_blocked(c.second)) return false;
        c = {c.second, 0};
    } else if (c.second != 0 && column_blocked(c.second)) {
        c.second = 0;
    }
    return true;
}

void game_engine::find_choices() {
    choices.clear();
    const auto& d = dice;
    const choice pairings[3] = {
        {std::uint32_t(d[0] + d[1]), std::uint32_t(d[2] + d[3])},
        {std::uint32_t(d[0] + d[2]), std::uint32_t(d[1] + d[3])},
        {std::uint32_t(d[0] + d[3]), std::uint32_t(d[1] + d[2])},
    };
    for (const auto& pairing : pairings) {
        choice c = pairing.normalize();
        bool split = false;
        if (!make_legal(c, split)) continue;
        if (split && c.second != 0) {
            choices.insert(choice{c.second, 0});
            choices.insert(choice{c.first, 0});
        } else {
            choices.insert(c.normalize());
        }
    }
}
