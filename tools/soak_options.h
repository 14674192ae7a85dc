// The soak driver's command line:
//   zarvelin-soak [--events N] [--seed S]
#pragma once

#include <optional>
#include <string>

#include "tools/soak_run.h"

// The options, or the reason they are refused in `error`. `default_seed` is
// taken when no --seed is given.
std::optional<soak_options> parse_soak_options(int argc, const char* const* argv, std::uint64_t default_seed,
                                               std::string& error);

extern const char* const soak_usage;
