// Every moment of a game as a line of text, with the dice of each roll and the
// seat to move: two runs that log the same text played the same game.
#pragma once

#include <string>

#include "engine/game_engine.h"
#include "engine/game_observer.h"

class game_log final : public game_observer {
public:
    explicit game_log(const game_engine& engine) : engine(engine) {}

    void turn_started() override { line("turn " + seat()); }
    void dice_rolled() override {
        std::string dice;
        for (int d : engine.dice) dice += std::to_string(d);
        line("roll " + dice);
    }
    void busted() override { line("bust"); }
    void chose(const choice& taken) override {
        line("choose " + std::to_string(taken.first) + "," + std::to_string(taken.second));
    }
    void stopped() override { line("stop"); }
    void player_won() override {
        ++games;
        line("won " + seat());
    }

    std::string text;
    int games = 0;

private:
    std::string seat() const { return std::to_string(engine.current_player); }
    void line(const std::string& s) { text += s + "\n"; }
    const game_engine& engine;
};
