// Help > Hint is greyed, and its key does nothing, while no hint can be given:
// before the first game and on a computer's turn. It follows the game to
// notice when that changes.
#pragma once

#include <optional>

#include "engine/game_observer.h"
#include "platform/companion_services.h"

class game_engine;

namespace companion {

class hint_item final : public game_observer {
public:
    hint_item(const game_engine& engine, platform::companion_services& host) : engine_(engine), host_(host) {}

    // Greys or enables the item when what it should show has changed.
    void update();

    void turn_started() override { update(); }
    void dice_rolled() override {}
    void busted() override {}
    void chose(const choice&) override {}
    void stopped() override {}
    void player_won() override {}

private:
    const game_engine& engine_;
    platform::companion_services& host_;
    std::optional<bool> shown_;
};

}  // namespace companion
