#include "companion/fixed_seed.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace companion {

std::optional<std::uint32_t> seed_from_environment(std::string& error) {
    const char* text = std::getenv("ZARVELIN_SEED");
    if (!text) return std::nullopt;
    const char* end = text + std::strlen(text);
    std::uint32_t seed = 0;
    const auto [stop, fault] = std::from_chars(text, end, seed);
    if (text == end || *text == '-' || fault != std::errc() || stop != end) {
        error = "ZARVELIN_SEED=" + std::string(text) +
                " is not a number from 0 to 4294967295; the clock seeds the dice";
        return std::nullopt;
    }
    return seed;
}

}  // namespace companion
