// The score sheet in words: a turn's line of the log, the chance of a bust as
// a player reads it, the heading, the kind of player in a seat, and the whole
// log as a text file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "companion/score_sheet.h"

namespace companion {

// "person" or "computer"; the one place that says what plays a seat.
std::string seat_kind(std::uint32_t seat);

// Of the 1296 rolls, busts as a percentage: whole percents, tenths below one.
std::string chance_text(int busts);

// "First to claim 3 columns".
std::string sheet_heading(std::uint32_t target);

// The line of turn `number` (from 1) in phrases, to be joined by "; " or
// wrapped between them: who and how many rolls, each move with the chance of a
// bust when the player rolled on, and how the turn ended.
std::vector<std::string> turn_phrases(const sheet_turn& turn, std::size_t number, const std::string& name);
std::string turn_line(const sheet_turn& turn, std::size_t number, const std::string& name);

// The saved log: the heading, the seats and one line per turn.
std::string log_text(const score_sheet& sheet);

}  // namespace companion
