#include "tools/soak_options.h"

#include "tools/decimal_option.h"

const char* const soak_usage = "usage: zarvelin-soak [--events N] [--seed S]";

std::optional<soak_options> parse_soak_options(int argc, const char* const* argv, std::uint64_t default_seed,
                                               std::string& error) {
    soak_options options;
    options.seed = default_seed;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        std::uint64_t* target = option == "--events" ? &options.events
                                : option == "--seed" ? &options.seed
                                                     : nullptr;
        if (target == nullptr) {
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
        *target = *value;
    }
    if (options.events == 0) {
        error = "--events: at least 1";
        return std::nullopt;
    }
    return options;
}
