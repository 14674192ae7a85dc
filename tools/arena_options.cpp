#include "tools/arena_options.h"

#include <limits>
#include <string_view>

#include "tools/decimal_option.h"

const char* const arena_usage =
    "usage: zarvelin-arena [--seats N] [--columns-to-win K] [--games G] [--seed S] [--trace]\n"
    "                      [--levels L1,L2,...] [--rotate-start]   (levels: easy, standard, expert)\n"
    "       zarvelin-arena --resume-check [--columns-to-win K] [--games G] [--seed S]";

namespace {

// "expert,standard": one level per seat, each named exactly.
bool parse_levels(std::string_view text, std::vector<computer_level>& levels, std::string& error) {
    levels.clear();
    for (;;) {
        const auto comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        const auto level = level_from_name(name);
        if (!level) {
            error = "--levels: '" + std::string(name) + "' is not a level (easy, standard or expert)";
            return false;
        }
        levels.push_back(*level);
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace

std::optional<arena_options> parse_arena_options(int argc, const char* const* argv,
                                                 std::uint32_t default_seed, std::string& error) {
    arena_options options;
    options.seed = default_seed;
    struct numeric {
        const char* name;
        std::uint32_t* value;
        std::uint64_t low, high;
    };
    const numeric numerics[] = {
        {"--seats", &options.seats, 2, 4},
        {"--columns-to-win", &options.columns_to_win, 1, std::numeric_limits<std::uint32_t>::max()},
        {"--games", &options.games, 1, std::numeric_limits<std::int32_t>::max()},
        {"--seed", &options.seed, 0, std::numeric_limits<std::uint32_t>::max()},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--trace") {
            options.trace = true;
            continue;
        }
        if (option == "--resume-check") {
            options.resume_check = true;
            continue;
        }
        if (option == "--rotate-start") {
            options.rotate_start = true;
            continue;
        }
        if (option == "--levels") {
            if (i + 1 == argc) {
                error = option + " needs a value";
                return std::nullopt;
            }
            if (!parse_levels(argv[++i], options.levels, error)) return std::nullopt;
            continue;
        }
        const numeric* match = nullptr;
        for (const auto& n : numerics)
            if (option == n.name) match = &n;
        if (match == nullptr) {
            error = "unknown option '" + option + "'";
            return std::nullopt;
        }
        if (i + 1 == argc) {
            error = option + " needs a value";
            return std::nullopt;
        }
        const char* text = argv[++i];
        const auto value = decimal_option(text);
        if (!value) {
            error = option + ": '" + text + "' is not a whole number";
            return std::nullopt;
        }
        if (*value < match->low || *value > match->high) {
            error = option + ": " + text + " is out of range (" + std::to_string(match->low) + " to " +
                    std::to_string(match->high) + ")";
            return std::nullopt;
        }
        *match->value = std::uint32_t(*value);
    }
    // The set-up dialog's rule: the seats together must not need more than the eleven columns.
    if (std::uint64_t(options.columns_to_win - 1) * options.seats > 10) {
        error = "--columns-to-win: " + std::to_string(options.columns_to_win) + " is too many for " +
                std::to_string(options.seats) + " seats ((K-1)*N must be at most 10)";
        return std::nullopt;
    }
    if (!options.levels.empty() && options.levels.size() != options.seats) {
        error = "--levels: " + std::to_string(options.levels.size()) + " levels for " +
                std::to_string(options.seats) + " seats (one per seat)";
        return std::nullopt;
    }
    return options;
}
