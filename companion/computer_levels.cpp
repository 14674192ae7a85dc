#include "companion/computer_levels.h"

#include "engine/game_settings.h"
#include "strategy/s5_player.h"

namespace companion {

computer_levels::players_for computer_levels::wanted(computer_level level) const {
    players_for p{level, {}};
    if (level == computer_level::standard) return p;
    for (std::size_t seat = 0; seat < p.computers.size(); ++seat)
        p.computers[seat] = !settings().seat_is_human[seat];
    return p;
}

bool computer_levels::wants_new_players() { return made_ && *made_ != wanted(chosen_); }

std::unique_ptr<game_player> computer_levels::make_player(int seat) {
    // The seats are made in order, all of them, for one wish.
    if (seat == 0) {
        made_ = wanted(resumed_.value_or(chosen_));
        resumed_.reset();
        ++sets_made_;
    }
    if (made_->computers[std::size_t(seat)]) return make_computer_player(made_->level);
    return std::make_unique<s5_player>();
}

}  // namespace companion
