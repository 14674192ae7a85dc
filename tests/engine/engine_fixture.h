// A game engine on the headless platform, with helpers to arrange positions
// and rolls.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"

class engine_fixture : public ::testing::Test {
protected:
    engine_fixture() {
        settings() = game_settings{};
        settings().player_names = {"Player 1", "Player 2", "Player 3", "Player 4"};
        settings().seat_is_human = {true, true, true, true};
        engine.set_devices({&graphics, &sound, &clock});
        engine.create_drawing_objects();
        engine.set_window(&window);
        window.on_paint = [this] {
            engine.paint_all();
            engine.run_computer_steps();
        };
    }
    ~engine_fixture() override { engine.delete_drawing_objects(); }

    // A new game with every record cleared afterwards.
    void start(std::uint32_t players, std::uint32_t target = 3) {
        engine.new_game(players, target);
        forget();
    }
    void forget() {
        window.drawing.clear();
        window.boxes.clear();
        sound.played.clear();
        clock.sleeps.clear();
    }

    // Arrange the markers of the current turn (column, position pairs).
    void place(std::vector<marker> ms) {
        engine.markers = {};
        for (std::size_t i = 0; i < ms.size(); ++i) engine.markers[i] = ms[i];
    }

    std::vector<choice> choices_for(std::array<int, 4> dice) {
        engine.dice = dice;
        engine.find_choices();
        return {engine.choices.begin(), engine.choices.end()};
    }

    // Seeds the generator so that the next roll comes up with these dice.
    void next_roll_is(std::array<int, 4> wanted) {
        for (std::uint32_t seed = 1;; ++seed) {
            dice_generator g;
            g.seed(seed);
            std::array<int, 4> roll{};
            for (int frame = 0; frame < 7; ++frame)
                for (auto& d : roll) d = g.die();
            if (roll == wanted) {
                engine.seed_dice(seed);
                return;
            }
        }
    }

    headless::headless_window window;
    headless::headless_graphics graphics;
    headless::headless_sound sound;
    headless::virtual_clock clock;
    game_engine engine;
};

inline std::vector<choice> list(std::initializer_list<choice> cs) { return cs; }
