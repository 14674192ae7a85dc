// The engine has one observer slot. The additions put this fan-out in it, and
// it hands every moment on to each follower (the records, and whatever else
// follows the game) in the order they joined. Followers only look: none of
// them changes the game.
#pragma once

#include <vector>

#include "engine/game_observer.h"

namespace companion {

class game_followers final : public game_observer {
public:
    void follow(game_observer& follower) { followers_.push_back(&follower); }

    void turn_started() override {
        for (game_observer* f : followers_) f->turn_started();
    }
    void dice_rolled() override {
        for (game_observer* f : followers_) f->dice_rolled();
    }
    void busted() override {
        for (game_observer* f : followers_) f->busted();
    }
    void chose(const choice& taken) override {
        for (game_observer* f : followers_) f->chose(taken);
    }
    void stopped() override {
        for (game_observer* f : followers_) f->stopped();
    }
    void player_won() override {
        for (game_observer* f : followers_) f->player_won();
    }

private:
    std::vector<game_observer*> followers_;
};

}  // namespace companion
