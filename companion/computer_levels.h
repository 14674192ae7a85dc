// The computer's level, chosen in the Game menu: the computer seats' players
// are made for it when a game starts, so a change reaches the next game and
// never the one under way. At the standard level every seat gets the described
// player and keeps it from game to game, as without any level at all.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "players/seat_player_maker.h"
#include "strategy/computer_level.h"

namespace companion {

class computer_levels final : public seat_player_maker {
public:
    void choose(computer_level level) { chosen_ = level; }
    // A resumed game goes on at the level it was played at, whatever the menu
    // says now: the players made next are made for it, once.
    void resume_at(computer_level level) { resumed_ = level; }
    computer_level chosen() const { return chosen_; }
    // The level the computer seats of the game under way play.
    computer_level in_play() const { return made_ ? made_->level : computer_level::standard; }

    // How many times the seats' players have been made, for the soak's heap readings.
    std::uint64_t sets_made() const { return sets_made_; }

    bool wants_new_players() override;
    std::unique_ptr<game_player> make_player(int seat) override;

private:
    // What the seats' players were made for. Which seats are computers matters
    // only away from the standard level, where a person's seat keeps the
    // described player and a computer's gets the level's.
    struct players_for {
        computer_level level;
        std::array<bool, 4> computers;
        bool operator==(const players_for&) const = default;
    };
    players_for wanted(computer_level level) const;

    computer_level chosen_ = computer_level::standard;
    std::optional<computer_level> resumed_;
    std::optional<players_for> made_;
    std::uint64_t sets_made_ = 0;
};

}  // namespace companion
