// ZARVELIN_SEED=n starts the run's dice from n instead of the clock, so that a
// run can be played again the same: for a test, or for a bug report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace companion {

// The seed the environment asks for; nothing when it asks for none. A value
// that is not a decimal number below 2^32 asks for none, and error says so.
std::optional<std::uint32_t> seed_from_environment(std::string& error);

}  // namespace companion
