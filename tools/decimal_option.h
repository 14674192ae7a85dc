// An option's value on a tool's command line: plain decimal digits only, no
// sign, no blanks, no suffix; nothing when the text is anything else or too large.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>

inline std::optional<std::uint64_t> decimal_option(const char* text) {
    const char* end = text + std::strlen(text);
    std::uint64_t value = 0;
    const auto [stop, fault] = std::from_chars(text, end, value);
    if (text == end || *text == '+' || *text == '-' || fault != std::errc() || stop != end)
        return std::nullopt;
    return value;
}
