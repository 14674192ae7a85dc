// The match runner's command line:
//   zarvelin-arena [--seats N] [--columns-to-win K] [--games G] [--seed S] [--trace]
//                  [--levels L1,L2,...] [--rotate-start]
//   zarvelin-arena --resume-check [--columns-to-win K] [--games G] [--seed S]
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "strategy/computer_level.h"

struct arena_options {
    std::uint32_t seats = 2;
    std::uint32_t columns_to_win = 3;
    std::uint32_t games = 1;
    std::uint32_t seed = 0;
    bool trace = false;
    bool resume_check = false;  // saved and resumed games against uninterrupted ones
    std::vector<computer_level> levels;  // one per seat; a seat not listed plays standard
    bool rotate_start = false;           // each game starts with the seat after the last game's first

    computer_level level_of(std::size_t seat) const {
        return seat < levels.size() ? levels[seat] : computer_level::standard;
    }
};

// The options, or the reason they are refused in `error`. `default_seed` is
// taken when no --seed is given.
std::optional<arena_options> parse_arena_options(int argc, const char* const* argv,
                                                 std::uint32_t default_seed, std::string& error);

extern const char* const arena_usage;
