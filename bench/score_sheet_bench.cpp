// What the score sheet adds to a step of the game: following a move (the bust
// count over 1296 rolls for the decision that comes next) and repainting the
// whole sheet after a long game, on a canvas that draws nothing. Both must stay
// well inside a frame (16 ms), so that the sheet never holds up a step.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "companion/game_followers.h"
#include "companion/score_sheet.h"
#include "companion/score_sheet_view.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"
#include "platform/null_canvas.h"

namespace {

struct quick_computers {
    quick_computers() {
        settings() = game_settings{};
        settings().seat_is_human = {false, false, false, false};
        engine.set_devices({&graphics, &sound, &clock});
        engine.create_drawing_objects();
        engine.set_window(&window);
        window.on_paint = [this] {
            engine.paint_all();
            engine.run_computer_steps();
        };
    }
    ~quick_computers() { engine.delete_drawing_objects(); }

    headless::headless_window window{false};
    headless::headless_graphics graphics;
    headless::headless_sound sound{false};
    headless::virtual_clock clock{false};
    game_engine engine;
};

// Three markers on 2, 7 and 12 just placed: the count runs over every roll.
void sheet_follows_a_move(benchmark::State& state) {
    quick_computers q;
    q.engine.new_game(2, 3);
    companion::score_sheet sheet(q.engine);
    sheet.turn_started();
    q.engine.markers = {marker{2, 2}, marker{12, 2}, marker{7, 6}};
    for (auto _ : state) {
        sheet.turn_started();
        sheet.chose({7, 0});
    }
}
BENCHMARK(sheet_follows_a_move)->Unit(benchmark::kMicrosecond);

// A four-seat game between computers, its turns repeated to make a sheet of
// 20, 200 or 1000 turns, painted as it stands with the newest line in view.
void sheet_repaint_after_a_game(benchmark::State& state) {
    quick_computers q;
    companion::score_sheet sheet(q.engine);
    companion::game_followers followers;
    followers.follow(sheet);
    q.engine.observer = &followers;
    q.engine.seed_dice(7);
    q.engine.new_game(4, 3);  // the victory question is answered No: one game
    q.engine.observer = nullptr;
    // Its turns over and over, for a sheet as long as state.range(0) turns.
    const auto game = sheet.save_lines();
    std::vector<std::string> lines{game[0]};
    while (lines.size() <= std::size_t(state.range(0)))
        lines.insert(lines.end(), game.begin() + 1, game.end());
    lines.resize(std::size_t(state.range(0)) + 1);
    sheet.restore_lines(lines);
    companion::score_sheet_view view(sheet, q.engine.drawing_objects());
    platform::null_canvas nothing;
    const int bottom = std::max(0, view.scrolled_height() - 13 * view.scroll_step());
    for (auto _ : state) view.paint(nothing, bottom);
    state.counters["turns"] = double(sheet.turns().size());
}
BENCHMARK(sheet_repaint_after_a_game)->Arg(20)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
