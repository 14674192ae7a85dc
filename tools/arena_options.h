// The match runner's command line:
//   zarvelin-arena [--seats N] [--columns-to-win K] [--games G] [--seed S] [--trace]
//   zarvelin-arena --resume-check [--columns-to-win K] [--games G] [--seed S]
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct arena_options {
    std::uint32_t seats = 2;
    std::uint32_t columns_to_win = 3;
    std::uint32_t games = 1;
    std::uint32_t seed = 0;
    bool trace = false;
    bool resume_check = false;  // saved and resumed games against uninterrupted ones
};

// The options, or the reason they are refused in `error`. `default_seed` is
// taken when no --seed is given.
std::optional<arena_options> parse_arena_options(int argc, const char* const* argv,
                                                 std::uint32_t default_seed, std::string& error);

extern const char* const arena_usage;
