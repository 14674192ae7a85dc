// What a saved game must be to be played on: a position the rules can reach
// in a game still in progress, with the seats the set-up dialog can make.
#include <algorithm>

#include "companion/saved_game.h"

namespace companion {

namespace {

constexpr std::size_t longest_name = 255;  // what the set-up dialog keeps
constexpr std::uint32_t most_turns = 1000000;
// Every roll of a turn but a bust moves a marker up: a turn has far fewer.
constexpr std::uint32_t most_rolls = 100;

std::uint32_t height(std::uint32_t column) { return std::uint32_t(column_table[column].height); }

// The set-up dialog's rule: at least one column, and (columns - 1) x seats at most 10.
bool columns_fit(std::uint32_t columns, std::size_t seats) {
    return columns >= 1 && columns <= 11 && std::uint64_t(columns - 1) * seats <= 10;
}

std::string seats_fault(const saved_game& g) {
    if (g.seats.size() < 2 || g.seats.size() > 4) return "a game has 2 to 4 seats";
    for (const saved_seat& seat : g.seats) {
        if (seat.name.size() > longest_name) return "a name is longer than the set-up dialog keeps";
        if (seat.human != seat.level.empty()) return "a seat's level does not fit its player";
    }
    if (g.computer_pace != 0 && g.computer_pace != 1) return "the computer's pace is neither quick nor slow";
    if (!columns_fit(g.columns_to_win, g.seats.size()) || !columns_fit(g.players_made_for, g.seats.size()))
        return "the columns to win do not fit the seats";
    return {};
}

std::string progress_fault(const saved_game& g) {
    if (g.progress.size() != g.seats.size()) return "the progress does not match the seats";
    for (std::uint32_t c = 2; c <= 12; ++c) {
        int holders = 0, owners = 0;
        for (const auto& row : g.progress) {
            if (row[c] > height(c)) return "progress above the top of column " + std::to_string(c);
            holders += row[c] > 0;
            owners += row[c] == height(c);
        }
        if (owners > 0 && holders > 1) return "column " + std::to_string(c) + " is claimed and still shared";
    }
    for (const auto& row : g.progress) {
        if (row[0] != 0 || row[1] != 0) return "progress outside the columns";
        std::uint32_t claimed = 0;
        for (std::uint32_t c = 2; c <= 12; ++c) claimed += row[c] == height(c);
        if (claimed >= g.columns_to_win) return "the game has been won already";
    }
    return {};
}

std::string markers_fault(const saved_game& g) {
    const auto& mine = g.progress[g.current_player];
    bool free_seen = false;
    for (std::size_t i = 0; i < 3; ++i) {
        const marker& m = g.markers[i];
        if (m.column == 0) {
            if (m.position != 0) return "a free marker with a square";
            free_seen = true;
            continue;
        }
        if (free_seen) return "the markers in use are not the first ones";
        if (m.column < 2 || m.column > 12) return "a marker outside the columns";
        for (std::size_t j = 0; j < i; ++j)
            if (g.markers[j].column == m.column) return "two markers in one column";
        if (m.position <= mine[m.column] || m.position > height(m.column))
            return "a marker off the squares it can stand on";
        for (const auto& row : g.progress)
            if (row[m.column] == height(m.column)) return "a marker in a claimed column";
    }
    return {};
}

std::string turn_fault(const saved_game& g) {
    const bool rolled =
        std::all_of(g.dice.begin(), g.dice.end(), [](std::int32_t d) { return d >= 1 && d <= 6; });
    const bool unrolled = std::all_of(g.dice.begin(), g.dice.end(), [](std::int32_t d) { return d == 0; });
    if (g.rolls_this_turn > most_rolls) return "too many rolls in one turn";
    if (g.phase == choosing) {
        if (g.rolls_this_turn == 0 || !rolled) return "a choice is awaited without a roll";
    } else if (g.phase == roll_or_stop) {
        if ((g.rolls_this_turn == 0) != (g.markers[0].column == 0))
            return "the markers do not match the rolls of the turn";
        if (!rolled && !unrolled) return "dice that are not dice";
    } else {
        return "an unknown phase";
    }
    // A round runs from the seat that began the game: the seats from it up to
    // the one to move have begun one turn more than the rest.
    const auto seats = std::uint32_t(g.seats.size());
    const std::uint32_t round = g.turns[g.current_player];
    if (round < 1 || round > most_turns) return "the count of turns is out of range";
    const std::uint32_t first = first_seat(g);
    const std::uint32_t last_of_round = (g.current_player + seats - first) % seats;
    for (std::uint32_t seat = 0; seat < 4; ++seat) {
        const std::uint32_t expected = seat >= seats                                 ? 0
                                       : (seat + seats - first) % seats <= last_of_round ? round
                                                                                         : round - 1;
        if (g.turns[seat] != expected) return "the counts of turns do not match whose turn it is";
    }
    return {};
}

}  // namespace

std::uint32_t first_seat(const saved_game& g) {
    const auto seats = std::uint32_t(g.seats.size());
    if (seats == 0 || g.current_player >= seats) return 0;
    std::uint32_t seat = g.current_player;
    for (std::uint32_t step = 1; step < seats; ++step) {
        const std::uint32_t before = (seat + seats - 1) % seats;
        if (g.turns[before] != g.turns[g.current_player]) break;
        seat = before;
    }
    return seat;
}

std::string position_fault(const saved_game& g) {
    std::string fault = seats_fault(g);
    if (fault.empty() && g.current_player >= g.seats.size()) fault = "the seat to move does not play";
    if (fault.empty()) fault = progress_fault(g);
    if (fault.empty()) fault = markers_fault(g);
    if (fault.empty()) fault = turn_fault(g);
    return fault;
}

std::uint32_t turn_number(const saved_game& g) {
    std::uint32_t turns = 0;
    for (const std::uint32_t t : g.turns) turns += t;
    return turns;
}

std::string seat_names_text(const saved_game& g) {
    // The panel shows a computer seat without its name: the computer seats are
    // counted after the people, who are named in seat order.
    std::vector<std::string> parts;
    std::size_t computers = 0;
    for (const saved_seat& seat : g.seats) {
        if (seat.human)
            parts.push_back(seat.name);
        else
            ++computers;
    }
    constexpr const char* counted[] = {"", "the computer", "two computers", "three computers",
                                       "four computers"};
    if (computers > 0) parts.push_back(counted[computers]);
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

}  // namespace companion
