// A move offered after a roll: one or two columns; second is 0 for a single.
#pragma once

#include <cstdint>
#include <set>
#include <string>

struct choice {
    std::uint32_t first = 0;
    std::uint32_t second = 0;

    // A pair keeps its smaller column first; a single is left alone.
    choice normalize() const {
        if (second != 0 && second < first) return {second, first};
        return *this;
    }
    friend bool operator==(const choice&, const choice&) = default;
};

// The button text of a choice.
std::string caption(const choice& c);

// Ordered by first column; a choice whose first column is already present is not added.
struct by_first_column {
    bool operator()(const choice& a, const choice& b) const { return a.first < b.first; }
};
using choice_set = std::set<choice, by_first_column>;
