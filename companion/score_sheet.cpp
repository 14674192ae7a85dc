#include "companion/score_sheet.h"

#include <algorithm>
#include <sstream>

#include "companion/roll_odds.h"
#include "engine/game_engine.h"

namespace companion {

namespace {

std::uint32_t height(std::uint32_t column) { return std::uint32_t(column_table[column].height); }

bool claimed_by_anyone(const std::vector<seat_progress>& progress, std::uint32_t column) {
    return std::any_of(progress.begin(), progress.end(),
                       [&](const seat_progress& p) { return p[column] == height(column); });
}

std::uint32_t claimed_columns(const seat_progress& p) {
    std::uint32_t n = 0;
    for (std::uint32_t c = 2; c <= 12; ++c) n += p[c] == height(c);
    return n;
}

// The columns a turn's stop banks, each with the square its marker reached.
void bank(std::vector<seat_progress>& progress, const sheet_turn& turn) {
    auto& mine = progress[turn.seat];
    for (const sheet_move& m : turn.moves) {
        mine[m.first] = m.first_square;
        if (m.second != 0) mine[m.second] = m.second_square;
    }
    for (std::uint32_t c = 2; c <= 12; ++c) {
        if (mine[c] != height(c)) continue;
        for (std::uint32_t seat = 0; seat < progress.size(); ++seat)
            if (seat != turn.seat) progress[seat][c] = 0;
    }
}

const char* end_word(turn_end end) {
    switch (end) {
        case turn_end::passed:
            return "passed";
        case turn_end::stopped:
            return "stopped";
        case turn_end::busted:
            return "busted";
        default:
            return "playing";
    }
}

bool end_of_word(const std::string& word, turn_end& end) {
    for (turn_end e : {turn_end::playing, turn_end::passed, turn_end::stopped, turn_end::busted}) {
        if (word == end_word(e)) {
            end = e;
            return true;
        }
    }
    return false;
}

bool valid_square(std::uint32_t column, std::uint32_t square, bool may_be_empty) {
    if (column == 0) return may_be_empty && square == 0;
    return column >= 2 && column <= 12 && square >= 1 && square <= height(column);
}

// One turn's line of the saved list, read back; false when anything is off.
bool parse_turn(const std::string& line, std::uint32_t seats, sheet_turn& turn) {
    std::istringstream in(line);
    std::string tag, end;
    int won = 0;
    std::size_t moves = 0;
    if (!(in >> tag >> turn.seat >> turn.rolls >> end >> won >> moves) || tag != "turn") return false;
    if (turn.seat >= seats || !end_of_word(end, turn.end) || (won != 0 && won != 1) || moves > turn.rolls)
        return false;
    turn.won = won == 1;
    for (std::size_t i = 0; i < moves; ++i) {
        sheet_move m;
        if (!(in >> m.first >> m.second >> m.first_square >> m.second_square >> m.busts_ahead)) return false;
        if (!valid_square(m.first, m.first_square, false) || !valid_square(m.second, m.second_square, true) ||
            m.busts_ahead < 0 || m.busts_ahead > roll_count::rolls)
            return false;
        turn.moves.push_back(m);
    }
    std::string rest;
    return !(in >> rest);
}

}  // namespace

double race_measure(const std::vector<seat_progress>& progress, std::uint32_t seat, std::uint32_t target) {
    const seat_progress& mine = progress[seat];
    const std::uint32_t claimed = claimed_columns(mine);
    if (claimed >= target) return target;
    std::vector<double> climbed;
    for (std::uint32_t c = 2; c <= 12; ++c)
        if (!claimed_by_anyone(progress, c)) climbed.push_back(double(mine[c]) / height(c));
    std::sort(climbed.begin(), climbed.end(), std::greater<>());
    climbed.resize(std::min<std::size_t>(climbed.size(), target - claimed));
    double race = claimed;
    for (double f : climbed) race += f;
    return race;
}

std::vector<seat_progress> replay_progress(const std::vector<sheet_turn>& turns, std::uint32_t seats,
                                           std::size_t turn_count) {
    std::vector<seat_progress> progress(seats, seat_progress{});
    for (std::size_t t = 0; t < turn_count && t < turns.size(); ++t)
        if (turns[t].end == turn_end::stopped) bank(progress, turns[t]);
    return progress;
}

std::vector<seat_standing> score_sheet::standings() const {
    const auto progress = replay_progress(turns_, seats_, turns_.size());
    std::vector<seat_standing> rows(seats_);
    for (std::uint32_t seat = 0; seat < seats_; ++seat) {
        seat_standing& row = rows[seat];
        for (std::uint32_t c = 2; c <= 12; ++c)
            if (progress[seat][c] == height(c)) row.columns.push_back(c);
        row.claimed = std::uint32_t(row.columns.size());
        // The squares left in the open columns that are nearest their tops, as many as it still needs.
        std::vector<std::uint32_t> left;
        for (std::uint32_t c = 2; c <= 12; ++c)
            if (!claimed_by_anyone(progress, c)) left.push_back(height(c) - progress[seat][c]);
        std::sort(left.begin(), left.end());
        const std::size_t needed = row.claimed >= target_ ? 0 : target_ - row.claimed;
        for (std::size_t i = 0; i < needed && i < left.size(); ++i) row.squares_to_climb += left[i];
        row.race = race_measure(progress, seat, target_);
    }
    for (const sheet_turn& turn : turns_) {
        if (turn.end == turn_end::playing) continue;
        ++rows[turn.seat].turns;
        rows[turn.seat].busts += turn.end == turn_end::busted;
    }
    // Every seat at the best measure leads; nobody does before anyone has climbed.
    double best = 0;
    for (const auto& row : rows) best = std::max(best, row.race);
    for (auto& row : rows) row.leads = best > 0 && row.race == best;
    return rows;
}

std::vector<std::vector<double>> score_sheet::race_series() const {
    std::vector<std::vector<double>> series(seats_, std::vector<double>{0.0});
    std::vector<seat_progress> progress(seats_, seat_progress{});
    for (const sheet_turn& turn : turns_) {
        if (turn.end == turn_end::playing) break;
        if (turn.end == turn_end::stopped) bank(progress, turn);
        for (std::uint32_t seat = 0; seat < seats_; ++seat)
            series[seat].push_back(race_measure(progress, seat, target_));
    }
    return series;
}

// ---- Following the game ----------------------------------------------------------------

void score_sheet::turn_started() {
    if (fresh_) {
        fresh_ = false;
        seats_ = engine_.player_count;
        target_ = engine_.columns_to_win;
        turns_.clear();
        ++generation_;
    }
    sheet_turn turn;
    turn.seat = engine_.current_player;
    turns_.push_back(turn);
    changed();
}

void score_sheet::dice_rolled() {
    if (turns_.empty()) return;
    ++turns_.back().rolls;
    changed();
}

void score_sheet::busted() {
    if (turns_.empty()) return;
    turns_.back().end = turn_end::busted;
    changed();
}

void score_sheet::chose(const choice& taken) {
    if (turns_.empty()) return;
    sheet_move m{taken.first, taken.second};
    for (const marker& k : engine_.markers) {
        if (k.column == taken.first) m.first_square = k.position;
        if (taken.second != 0 && k.column == taken.second) m.second_square = k.position;
    }
    // The position the player now decides in: roll on, or stop.
    m.busts_ahead = count_busts(engine_).busts;
    turns_.back().moves.push_back(m);
    changed();
}

void score_sheet::stopped() {
    if (turns_.empty()) return;
    sheet_turn& turn = turns_.back();
    turn.end = turn.rolls == 0 ? turn_end::passed : turn_end::stopped;
    changed();
}

void score_sheet::player_won() {
    if (!turns_.empty()) turns_.back().won = true;
    // The sheet keeps the finished game until the next one starts.
    fresh_ = true;
    changed();
}

// ---- As text lines ---------------------------------------------------------------------

std::vector<std::string> score_sheet::save_lines() const {
    const auto numbers = [](std::string line, std::initializer_list<std::size_t> ns) {
        for (std::size_t n : ns) line.append(" ").append(std::to_string(n));
        return line;
    };
    std::vector<std::string> lines{numbers("sheet", {seats_, target_})};
    for (const sheet_turn& turn : turns_) {
        std::string line = numbers("turn", {turn.seat, turn.rolls});
        line.append(" ").append(end_word(turn.end));
        line = numbers(line, {turn.won ? 1u : 0u, turn.moves.size()});
        for (const sheet_move& m : turn.moves)
            line = numbers(line,
                           {m.first, m.second, m.first_square, m.second_square, std::size_t(m.busts_ahead)});
        lines.push_back(line);
    }
    return lines;
}

bool score_sheet::restore_lines(const std::vector<std::string>& lines) {
    if (lines.empty()) return false;
    std::istringstream head(lines[0]);
    std::string tag, rest;
    std::uint32_t seats = 0, target = 0;
    if (!(head >> tag >> seats >> target) || tag != "sheet" || (head >> rest)) return false;
    if (seats < 2 || seats > 4 || target < 1 || target > 11) return false;
    std::vector<sheet_turn> turns;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        sheet_turn turn;
        if (!parse_turn(lines[i], seats, turn)) return false;
        // Only the last turn may still be going on.
        if (!turns.empty() && turns.back().end == turn_end::playing) return false;
        turns.push_back(turn);
    }
    seats_ = seats;
    target_ = target;
    turns_ = std::move(turns);
    ++generation_;
    // The game goes on from here: its next turn belongs to this sheet.
    fresh_ = false;
    changed();
    return true;
}

}  // namespace companion
