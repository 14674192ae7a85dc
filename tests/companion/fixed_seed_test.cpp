// ZARVELIN_SEED: a decimal seed below 2^32, or the clock with a message.
#include "companion/fixed_seed.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(fixed_seed, takes_a_decimal_seed_and_refuses_anything_else_saying_so) {
    const struct {
        const char* text;
        std::optional<std::uint32_t> seed;
    } cases[] = {{"42", 42},         {"0", 0},   {"4294967295", 4294967295u},
                 {"4294967296", {}}, {"-1", {}}, {"", {}},
                 {"12x", {}},        {" 1", {}}, {"+3", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        setenv("ZARVELIN_SEED", c.text, 1);
        std::string error;
        EXPECT_EQ(companion::seed_from_environment(error), c.seed);
        EXPECT_EQ(error.empty(), c.seed.has_value()) << error;
    }
    unsetenv("ZARVELIN_SEED");
    std::string error;
    EXPECT_EQ(companion::seed_from_environment(error), std::nullopt);
    EXPECT_TRUE(error.empty());
}

}  // namespace
