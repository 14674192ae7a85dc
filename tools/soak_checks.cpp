#include "tools/soak_checks.h"

#include <algorithm>

#include "board_view/layout.h"
#include "engine/game_settings.h"

namespace {

std::uint32_t height(std::uint32_t column) { return std::uint32_t(column_table[column].height); }

std::string text_of(const platform::rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::uint32_t claimed_columns(const game_engine& e, std::uint32_t seat) {
    std::uint32_t claimed = 0;
    for (std::uint32_t c = 2; c <= 12; ++c) claimed += e.progress[seat][c] == height(c);
    return claimed;
}

bool quick_computer_to_move(const game_engine& e) {
    return e.game_state == playing && !settings().seat_is_human[e.current_player] &&
           settings().computer_pace == 1;
}

std::string check_markers(const game_engine& e) {
    const auto& mine = e.progress[e.current_player];
    bool free_seen = false;
    for (std::size_t i = 0; i < e.markers.size(); ++i) {
        const marker& m = e.markers[i];
        const std::string which = "marker " + std::to_string(i);
        if (m.column == 0) {
            if (m.position != 0) return which + " is free but stands at " + std::to_string(m.position);
            free_seen = true;
            continue;
        }
        if (free_seen) return which + " is in use after a free slot";
        if (m.column < 2 || m.column > 12) return which + " is in column " + std::to_string(m.column);
        const std::string where =
            which + " in column " + std::to_string(m.column) + " at " + std::to_string(m.position);
        if (m.position <= mine[m.column])
            return where + " is not above the seat's progress " + std::to_string(mine[m.column]);
        if (m.position > height(m.column)) return where + " is past the top";
        for (std::size_t j = 0; j < i; ++j)
            if (e.markers[j].column == m.column)
                return where + " shares its column with marker " + std::to_string(j);
        for (std::uint32_t seat = 0; seat < e.player_count; ++seat)
            if (e.progress[seat][m.column] == height(m.column))
                return where + " is in a column seat " + std::to_string(seat) + " claimed";
    }
    if (e.rolls_this_turn == 0 && e.markers[0].column != 0)
        return "markers stand before the turn's first roll";
    return {};
}

std::string check_progress(const game_engine& e) {
    if (e.progress.size() != e.player_count)
        return "progress holds " + std::to_string(e.progress.size()) + " rows for " +
               std::to_string(e.player_count) + " seats";
    for (std::uint32_t c = 2; c <= 12; ++c) {
        int claimers = 0, others = 0;
        for (std::uint32_t seat = 0; seat < e.player_count; ++seat) {
            const std::uint32_t p = e.progress[seat][c];
            if (p > height(c))
                return "seat " + std::to_string(seat) + " stands at " + std::to_string(p) + " in column " +
                       std::to_string(c);
            claimers += p == height(c);
            others += p != 0 && p != height(c);
        }
        if (claimers > 1 || (claimers == 1 && others > 0))
            return "column " + std::to_string(c) + " is claimed and holds another seat's progress";
    }
    return {};
}

std::string check_turn(const game_engine& e) {
    if (e.player_count < 2 || e.player_count > 4)
        return "the game has " + std::to_string(e.player_count) + " seats";
    if (e.current_player >= e.player_count)
        return "the turn is with seat " + std::to_string(e.current_player) + " of " +
               std::to_string(e.player_count);
    if (e.phase != roll_or_stop && e.phase != choosing) return "phase " + std::to_string(e.phase);
    if (e.phase == choosing && (e.choices.empty() || e.rolls_this_turn == 0))
        return "choosing with no choice or before a roll";
    if (e.phase != choosing) return {};
    for (const choice& c : e.choices) {
        const auto bad = [&e](std::uint32_t column) {
            return column < 2 || column > 12 || e.column_blocked(column);
        };
        if (bad(c.first) || (c.second != 0 && bad(c.second)))
            return "the choice \"" + caption(c) + "\" names a column that cannot be entered";
    }
    return {};
}

}  // namespace

std::string check_position(const game_engine& e) {
    if (e.game_state != playing) return "no game is in progress";
    for (auto check : {check_turn, check_progress, check_markers}) {
        std::string fault = check(e);
        if (!fault.empty()) return fault;
    }
    return {};
}

std::string check_no_unseen_win(const game_engine& e) {
    for (std::uint32_t seat = 0; seat < e.player_count; ++seat)
        if (claimed_columns(e, seat) >= e.columns_to_win)
            return "seat " + std::to_string(seat) + " holds " + std::to_string(claimed_columns(e, seat)) +
                   " columns and the game goes on";
    return {};
}

std::string check_victory_box(const game_engine& e, const std::string& text) {
    for (std::uint32_t seat = 0; seat < e.player_count; ++seat) {
        if (claimed_columns(e, seat) < e.columns_to_win) continue;
        if (text == settings().player_names[seat] + " has won!\nDo you want to play again?") return {};
    }
    return "a Victory box for no seat that holds " + std::to_string(e.columns_to_win) + " columns";
}

std::string check_buttons(const game_engine& e, const std::vector<drawn_button>& panel) {
    std::vector<drawn_button> used;
    if (e.phase == choosing) {
        std::size_t i = 0;
        for (const choice& c : e.choices) used.push_back({e.button_rects[i++], caption(c)});
    } else {
        used.push_back({e.button_rects[0], "Roll"});
        if (e.rolls_this_turn > 0) used.push_back({e.button_rects[1], "Stop"});
    }
    std::sort(used.begin(), used.end(),
              [](const drawn_button& a, const drawn_button& b) { return a.box.top < b.box.top; });
    if (used == panel) return {};
    std::string fault = "the input hit-tests";
    for (const auto& b : used) fault += " [" + text_of(b.box) + " \"" + b.label + "\"]";
    fault += " but the panel drew";
    for (const auto& b : panel) fault += " [" + text_of(b.box) + " \"" + b.label + "\"]";
    return fault;
}

std::string check_due_step(const game_engine& e) {
    const bool due = e.computer_step_due();
    const bool called_for = quick_computer_to_move(e);
    if (due && !called_for) return "a computer step is due that the position does not call for";
    // Nothing else would run it: at quick pace the computer's turn ignores clicks and keys.
    if (!due && called_for) return "a quick computer is to move and no step is due";
    return {};
}

std::string check_new_game(const game_engine& e, std::uint32_t first_seat) {
    const game_settings& s = settings();
    if (e.game_state != playing || e.player_count != s.setup_player_count ||
        e.columns_to_win != std::uint32_t(s.setup_columns_to_win))
        return "the new game does not have the set-up's seats and columns";
    for (const auto& row : e.progress)
        for (std::uint32_t p : row)
            if (p != 0) return "the new game starts with progress";
    if (e.current_player != first_seat || e.rolls_this_turn != 0 || e.markers[0].column != 0 ||
        e.phase != roll_or_stop)
        return "the new game does not start with seat " + std::to_string(first_seat) + "'s first roll";
    return {};
}
