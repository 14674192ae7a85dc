#include "companion/records_table.h"

#include <algorithm>
#include <vector>

#include "companion/escaped_text.h"

namespace companion {

namespace {

constexpr std::size_t widest_name = 24;  // characters

using entry = records::value_type;

bool better(const entry* a, const entry* b) {
    if (a->second.won != b->second.won) return a->second.won > b->second.won;
    const auto& turns_a = a->second.fewest_turns;
    const auto& turns_b = b->second.fewest_turns;
    if (turns_a != turns_b) return turns_a && (!turns_b || *turns_a < *turns_b);
    return a->first < b->first;
}

// Characters, not bytes: the bytes that do not continue a UTF-8 sequence.
std::size_t width_of(std::string_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }));
}

std::string shown_name(const std::string& name) {
    if (name.empty()) return "(no name)";
    std::string text = escape_text(name);
    if (width_of(text) <= widest_name) return text;
    std::size_t end = 0;
    for (std::size_t kept = 0; kept < widest_name - 3; ++kept) {
        do ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80);
    }
    return text.substr(0, end) + "...";
}

std::string padded(const std::string& text, std::size_t width, bool right) {
    const std::string spaces(width - std::min(width, width_of(text)), ' ');
    return right ? spaces + text : text + spaces;
}

}  // namespace

std::string records_table(const records& table) {
    if (table.empty()) return "No games have been recorded yet.";

    std::vector<const entry*> order;
    for (const entry& e : table) order.push_back(&e);
    std::sort(order.begin(), order.end(), better);

    // The name and who plays it stand left, the numbers right.
    std::vector<std::vector<std::string>> rows{{"Player", "Kind", "Played", "Won", "Fewest turns"}};
    for (const entry* e : order) {
        const player_record& r = e->second;
        rows.push_back({shown_name(e->first.name), std::string(kind_text(e->first.kind)),
                        std::to_string(r.played), std::to_string(r.won),
                        r.fewest_turns ? std::to_string(*r.fewest_turns) : "-"});
    }
    constexpr std::size_t columns = 5, left_columns = 2;
    std::vector<std::size_t> widths(columns, 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < columns; ++i) widths[i] = std::max(widths[i], width_of(row[i]));
    }
    std::string text;
    for (const auto& row : rows) {
        if (!text.empty()) text += '\n';
        text += padded(row[0], widths[0], false);
        for (std::size_t i = 1; i < columns; ++i) text += "  " + padded(row[i], widths[i], i >= left_columns);
    }
    return text;
}

}  // namespace companion
