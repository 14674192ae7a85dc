// PROVISIONAL: stand-ins for the easy and expert players, so that the Game menu,
// the remembered level and their tests have players that decide differently
// from the standard one. The real easy and expert players replace this file;
// the names and the standard level below stay as they are.
#include "strategy/computer_level.h"

#include <array>

#include "strategy/game_snapshot.h"
#include "strategy/s5_player.h"

namespace {

constexpr std::array<std::string_view, 3> names{"easy", "standard", "expert"};

// Moves as the standard player; only the roll-or-stop answer differs.
class stand_in_player final : public game_player {
public:
    explicit stand_in_player(computer_level level) : level_(level) {}

    int wants_to_stop() override {
        // The easy stand-in banks after every move; the expert stand-in rolls on
        // until a marker stands on a top square, then asks the standard rule.
        if (level_ == computer_level::easy) return 1;
        if (topped_markers(game_snapshot::take()) == 0) return 0;
        return moves_.wants_to_stop();
    }
    int choose_column() override { return moves_.choose_column(); }
    const char* name() override { return level_ == computer_level::easy ? "easy" : "expert"; }

private:
    computer_level level_;
    s5_player moves_;
};

}  // namespace

std::string_view level_name(computer_level level) { return names[std::size_t(level)]; }

std::optional<computer_level> level_from_name(std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return computer_level(i);
    return std::nullopt;
}

std::unique_ptr<game_player> make_computer_player(computer_level level) {
    if (level == computer_level::standard) return std::make_unique<s5_player>();
    return std::make_unique<stand_in_player>(level);
}
