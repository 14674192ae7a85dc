// Games between quick computers on the headless platform, drawing and
// recording nothing, each moment logged; the victory question is answered Yes
// until a number of games have been won, then No.
#pragma once

#include <cstdint>

#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/game_log.h"

struct quick_table {
    quick_table(std::uint32_t seats, int games) : seats(seats) {
        settings() = game_settings{};
        settings().player_names = {"Player 1", "Player 2", "Player 3", "Player 4"};
        settings().seat_is_human = {false, false, false, false};
        engine.set_devices({&graphics, &sound, &clock});
        engine.create_drawing_objects();
        engine.set_window(&window);
        engine.observer = &log;
        window.on_paint = [this] { engine.paint_all(); };
        window.answerer = [this, games](const headless::message_box_call&) {
            return log.games < games ? platform::answer::yes : platform::answer::no;
        };
    }
    ~quick_table() { engine.delete_drawing_objects(); }
    quick_table(const quick_table&) = delete;
    quick_table& operator=(const quick_table&) = delete;

    headless::headless_window window{false};
    headless::headless_graphics graphics;
    headless::headless_sound sound{false};
    headless::virtual_clock clock{false};
    game_engine engine;
    game_log log{engine};
    std::uint32_t seats;
};
