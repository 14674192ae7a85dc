#include "strategy/computer_level.h"

#include "strategy/easy_player.h"
#include "strategy/expert_player.h"
#include "strategy/s5_player.h"

namespace {
constexpr std::string_view names[] = {"easy", "standard", "expert"};
}

std::string_view level_name(computer_level level) { return names[int(level)]; }

std::optional<computer_level> level_from_name(std::string_view name) {
    for (int i = 0; i < 3; ++i)
        if (name == names[i]) return computer_level(i);
    return std::nullopt;
}

std::unique_ptr<game_player> make_computer_player(computer_level level) {
    switch (level) {
    case computer_level::easy:
        return std::make_unique<easy_player>();
    case computer_level::expert:
        return std::make_unique<expert_player>();
    case computer_level::standard:
        break;
    }
    return std::make_unique<s5_player>();
}
