// What a person waits for after pressing H: the advice on rolling or stopping
// (the bust count over 1296 rolls and the look-ahead's numbers) and on a choice.
#include <benchmark/benchmark.h>

#include "companion/hint.h"
#include "companion/roll_odds.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"

namespace {

struct person_to_move {
    person_to_move() {
        settings() = game_settings{};
        settings().seat_is_human = {true, false, false, false};
        engine.set_devices({&graphics, &sound, &clock});
        engine.create_drawing_objects();
        engine.set_window(&window);
        engine.new_game(2, 3);
        engine.rolls_this_turn = 1;
    }
    ~person_to_move() { engine.delete_drawing_objects(); }

    headless::headless_window window{false};
    headless::headless_graphics graphics;
    headless::headless_sound sound{false};
    headless::virtual_clock clock{false};
    game_engine engine;
};

// Markers on squares 2 of columns 2 and 12 and 6 of column 7: every test of the
// stop rule is reached, the look-ahead's odds included.
void hint_roll_or_stop(benchmark::State& state) {
    person_to_move p;
    p.engine.markers = {marker{2, 2}, marker{12, 2}, marker{7, 6}};
    for (auto _ : state) benchmark::DoNotOptimize(companion::advice(p.engine));
}
BENCHMARK(hint_roll_or_stop)->Unit(benchmark::kMillisecond);

void hint_choice(benchmark::State& state) {
    person_to_move p;
    p.engine.markers = {marker{6, 3}};
    p.engine.dice = {1, 2, 3, 4};
    p.engine.find_choices();
    p.engine.phase = choosing;
    for (auto _ : state) benchmark::DoNotOptimize(companion::advice(p.engine));
}
BENCHMARK(hint_choice)->Unit(benchmark::kMillisecond);

void bust_count(benchmark::State& state) {
    person_to_move p;
    p.engine.markers = {marker{6, 1}, marker{7, 1}, marker{8, 1}};
    for (auto _ : state) benchmark::DoNotOptimize(companion::count_busts(p.engine));
}
BENCHMARK(bust_count)->Unit(benchmark::kMicrosecond);

}  // namespace
