#include "companion/score_sheet_text.h"

#include <cmath>
#include <cstdio>

#include "companion/roll_odds.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"

namespace companion {

namespace {

std::string number(std::uint32_t n) { return std::to_string(n); }

// "a 41% chance", "an 8% chance", "an 11% chance".
std::string with_article(const std::string& percent) {
    const bool vowel = percent[0] == '8' || percent == "11%" || percent == "18%";
    return (vowel ? "an " : "a ") + percent;
}

std::string move_text(const sheet_move& m) {
    if (m.second == 0) return "took " + number(m.first) + " to square " + number(m.first_square);
    if (m.second == m.first) return "took " + number(m.first) + " twice, to square " + number(m.first_square);
    return "took " + number(m.first) + " to square " + number(m.first_square) + " and " + number(m.second) +
           " to square " + number(m.second_square);
}

std::string list_text(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

// "banking 7 at square 6 and 9 at square 3, claiming column 9"
std::string banked_text(const sheet_turn& turn) {
    std::vector<std::uint32_t> columns;
    std::array<std::uint32_t, 13> square{};
    for (const sheet_move& m : turn.moves) {
        for (auto [c, s] : {std::pair{m.first, m.first_square}, std::pair{m.second, m.second_square}}) {
            if (c == 0) continue;
            if (square[c] == 0) columns.push_back(c);
            square[c] = s;
        }
    }
    std::vector<std::string> banked, claimed;
    for (std::uint32_t c : columns) {
        banked.push_back(number(c) + " at square " + number(square[c]));
        if (square[c] == std::uint32_t(column_table[c].height)) claimed.push_back(number(c));
    }
    std::string text = "banking " + list_text(banked);
    if (!claimed.empty())
        text += (claimed.size() == 1 ? ", claiming column " : ", claiming columns ") + list_text(claimed);
    return text;
}

}  // namespace

std::string seat_kind(std::uint32_t seat) { return settings().seat_is_human[seat] ? "person" : "computer"; }

std::string chance_text(int busts) {
    const double percent = 100.0 * busts / roll_count::rolls;
    char text[16];
    if (busts > 0 && percent < 0.95)
        std::snprintf(text, sizeof text, "%.1f%%", percent);
    else
        std::snprintf(text, sizeof text, "%d%%", int(std::lround(percent)));
    return text;
}

std::string sheet_heading(std::uint32_t target) {
    return "First to claim " + number(target) + (target == 1 ? " column" : " columns");
}

std::vector<std::string> turn_phrases(const sheet_turn& turn, std::size_t n, const std::string& name) {
    std::vector<std::string> phrases{"Turn " + std::to_string(n) + ", " + name + ": " + number(turn.rolls) +
                                     (turn.rolls == 1 ? " roll" : " rolls")};
    for (std::size_t i = 0; i < turn.moves.size(); ++i) {
        const std::string move = move_text(turn.moves[i]);
        phrases.push_back(
            i == 0 ? move : "rolled on at " + chance_text(turn.moves[i - 1].busts_ahead) + ", " + move);
    }
    const int ahead = turn.moves.empty() ? 0 : turn.moves.back().busts_ahead;
    switch (turn.end) {
        case turn_end::passed:
            phrases.push_back("passed without rolling");
            break;
        case turn_end::busted:
            phrases.push_back(turn.moves.empty() ? "busted on the first roll"
                                                 : "rolled on at " + chance_text(ahead) + " and busted");
            break;
        case turn_end::stopped:
            phrases.push_back("stopped with " + with_article(chance_text(ahead)) +
                              " chance of a bust ahead, " + banked_text(turn));
            break;
        case turn_end::playing:
            break;
    }
    if (turn.won) phrases.push_back("won the game");
    return phrases;
}

std::string turn_line(const sheet_turn& turn, std::size_t n, const std::string& name) {
    std::string line;
    for (const std::string& phrase : turn_phrases(turn, n, name)) line += (line.empty() ? "" : "; ") + phrase;
    return line + (turn.end == turn_end::playing ? "" : ".");
}

std::string log_text(const score_sheet& sheet) {
    std::string text = "Zarvelin score sheet. " + sheet_heading(sheet.target()) + ".\n";
    for (std::uint32_t seat = 0; seat < sheet.seats(); ++seat)
        text += "Seat " + number(seat + 1) + ": " + settings().player_names[seat] + " (" + seat_kind(seat) +
                ")\n";
    text += "\n";
    const auto& turns = sheet.turns();
    for (std::size_t i = 0; i < turns.size(); ++i)
        text += turn_line(turns[i], i + 1, settings().player_names[turns[i].seat]) + "\n";
    return text;
}

}  // namespace companion
