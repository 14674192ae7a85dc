#include "tools/arena_match.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/game_engine.h"
#include "engine/game_observer.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"
#include "players/engine_game_view.h"
#include "players/text_ui.h"

namespace {

void note_fault(arena_result& result, const std::string& fault) {
    if (result.fault.empty()) result.fault = fault;
}

std::string lost_game_lines(int error) {
    return std::string("cannot write the game lines: ") + std::strerror(error);
}

// Counts turns, busts and winners, and raises the trace's events in the engine's order.
class match_observer final : public game_observer {
public:
    match_observer(game_engine& engine, bool rotate_start, text_ui* trace, std::FILE* out, arena_result& result)
        : engine(engine), rotate_start(rotate_start), trace(trace), out(out), result(result) {}

    void turn_started() override {
        // A new game starts with seat 0. Taking turns starting, the runner
        // hands its first turn on to the seat after the last game's first,
        // before anything of the turn has happened.
        if (turns == 0 && rotate_start) engine.current_player = std::uint32_t(result.games) % engine.player_count;
        ++turns;
        ++result.seats[engine.current_player].turns;
        if (!trace) return;
        trace->turn_started();
        trace->show_board();
    }
    void dice_rolled() override {
        if (trace) trace->dice_rolled();
    }
    void busted() override {
        ++result.seats[engine.current_player].busts;
        if (trace) trace->busted();
    }
    void chose(const choice& taken) override {
        if (trace) trace->chose(taken);
    }
    void stopped() override {
        if (trace) trace->stopped();
    }
    void player_won() override {
        if (trace) trace->player_won();
        ++result.games;
        ++result.seats[engine.current_player].wins;
        if (std::fprintf(out, "game %d: winner %c turns %d\n", result.games,
                         char('A' + engine.current_player), turns) < 0)
            note_fault(result, lost_game_lines(errno));
        if (trace) note_fault(result, trace->trace_fault());
        turns = 0;
    }

private:
    game_engine& engine;
    bool rotate_start;
    text_ui* trace;
    std::FILE* out;
    arena_result& result;
    int turns = 0;
};

void set_up_quick_computers(const arena_options& options) {
    game_settings& s = settings();
    s = game_settings{};
    s.setup_player_count = options.seats;
    s.setup_columns_to_win = std::int32_t(options.columns_to_win);
    s.computer_pace = 1;
    for (std::size_t seat = 0; seat < 4; ++seat) {
        s.seat_is_human[seat] = false;
        s.player_names[seat] = "Player " + std::to_string(seat + 1);
    }
}

}  // namespace

arena_result run_match(const arena_options& options, std::FILE* out, const player_maker& make_player) {
    arena_result result;
    result.seats.resize(options.seats);
    // The trace outlives the engine, whose view writes to it.
    std::optional<text_ui> trace;
    if (options.trace) {
        trace.emplace(false, true, false);  // empties vl_out.txt
        note_fault(result, trace->trace_fault());
        if (!result.fault.empty()) return result;
    }
    set_up_quick_computers(options);

    headless::headless_window window(false);
    headless::headless_graphics graphics;
    headless::headless_sound sound(false);
    headless::virtual_clock clock(false);
    std::vector<std::unique_ptr<game_player>> players;
    std::vector<game_player*> seats;
    game_engine engine;
    engine.set_devices({&graphics, &sound, &clock});
    engine.create_drawing_objects();
    engine.set_window(&window);
    window.on_paint = [&engine] {
        engine.paint_all();
        engine.run_computer_steps();
    };
    window.answerer = [&result, &options](const headless::message_box_call&) {
        const bool more = std::uint32_t(result.games) < options.games && result.fault.empty();
        return more ? platform::answer::yes : platform::answer::no;
    };
    if (trace) engine.view->set_ui(&*trace);  // the strategy's lists of choices go to the trace too

    // The seats' players, made as the view makes them at the first game, each
    // timed; the view then keeps them for every game.
    engine.columns_to_win = options.columns_to_win;
    for (std::uint32_t seat = 0; seat < options.seats; ++seat) {
        players.push_back(std::make_unique<timed_player>(make_player(options.level_of(seat)), result.seats[seat].timing));
        seats.push_back(players.back().get());
    }
    engine.view->set_players(seats.data(), int(seats.size()));

    match_observer observer(engine, options.rotate_start, trace ? &*trace : nullptr, out, result);
    engine.observer = &observer;
    engine.seed_dice(options.seed);
    engine.new_game(options.seats, options.columns_to_win);  // runs the whole match
    result.finished = window.quit_posted;

    engine.observer = nullptr;
    engine.delete_drawing_objects();
    for (const seat_tally& seat : result.seats) {
        result.timing.decisions += seat.timing.decisions;
        result.timing.slowest = std::max(result.timing.slowest, seat.timing.slowest);
    }
    if (std::fflush(out) != 0) note_fault(result, lost_game_lines(errno));
    if (trace) note_fault(result, trace->trace_fault());
    return result;
}
