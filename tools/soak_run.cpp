#include "tools/soak_run.h"

#include <functional>
#include <string>
#include <vector>

#include "companion/additions.h"
#include "companion/program_window.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"
#include "shell/desktop.h"
#include "shell/main_window_proc.h"
#include "shell/program.h"
#include "shell/shell_values.h"
#include "shell/window_messages.h"
#include "tools/soak_additions.h"
#include "tools/soak_checks.h"
#include "tools/soak_dialogs.h"
#include "tools/soak_memory.h"
#include "tools/soak_panel.h"
#include "tools/soak_resume.h"

namespace {

using platform::answer;

// What lasts from one start of the program to the next.
struct soak_state {
    soak_state(const soak_options& o, const std::function<void(const soak_report&)>& p)
        : options(o), progress(p), random(o.seed), played(std::size_t(seat_mix_count())) {
        report.mixes = seat_mix_count();
    }

    // Keeps the first break only.
    void fail(const std::string& fault) {
        if (report.fault.empty() && !fault.empty())
            report.fault = fault + " (seed " + std::to_string(options.seed) + ", event " +
                           std::to_string(report.events) + ")";
    }
    bool broken() const { return !report.fault.empty(); }
    bool done() const { return broken() || report.events >= options.events; }

    const soak_options& options;
    const std::function<void(const soak_report&)>& progress;
    soak_random random;
    soak_report report;
    std::vector<std::uint64_t> played;  // games started, by seat mix
    heap_watch heap;
};

// One start of the program: the desktop it runs on, whose message loop feeds it.
class soak_program final : public shell::desktop {
public:
    soak_program(soak_state& state, game_engine& engine) : s(state), engine(engine) {
        window.on_paint = [this] { repaint(); };
        window.on_dialog = [this](platform::dialog_template which) { run_dialog(which); };
        window.answerer = [this](const headless::message_box_call& box) { return answer_box(box); };
        window.drawing.reserve(kept_lines);
        patient = s.random.chance(60);
    }

    // ---- The desktop ------------------------------------------------------------------------
    bool raise_running_copy() override { return false; }
    bool read_screen_size(int& width, int& height) override {
        width = 1024, height = 768;
        return true;
    }
    std::string load_quit_prompt() override { return shell::quit_prompt_text; }
    bool load_accelerators() override { return true; }
    devices engine_devices() override { return {&graphics, &sound, &clock}; }
    bool register_window_class() override { return true; }
    platform::window* create_main_window() override { return &program_window; }
    void mark_running_instance() override {}
    bool has_menu() override { return true; }
    void show_main_window() override {}
    bool resume_unfinished_game() override;
    int run_message_loop(game_engine& e) override;
    void show_error(std::string_view text) override { s.fail("the start failed: " + std::string(text)); }

    int live_drawing_objects() const { return graphics.live_objects; }
    // The program was killed: nothing of it ran to its end.
    bool killed = false;

private:
    // The window's messages pass through the additions, as in the desktop programs.
    void repaint() { additions.window_proc(msg::wm_paint, 0, 0); }
    void send(std::uint32_t message, std::uintptr_t wparam = 0, std::intptr_t lparam = 0) {
        additions.window_proc(message, wparam, lparam);
    }
    void deliver_input();
    void click_somewhere();
    void run_dialog(platform::dialog_template which);
    answer answer_box(const headless::message_box_call& box);
    void after_event();

    // Now and then a start whose player quits nothing for hundreds of games,
    // so that growth from game to game within one start shows.
    bool staying() const { return patient && games_here < 500; }

    // The drawing record's room stays the same from event to event, so that it
    // does not show as growth of the program's memory.
    static constexpr std::size_t kept_lines = 8192;

    soak_state& s;
    game_engine& engine;
    headless::headless_window window;
    headless::headless_graphics graphics;
    headless::headless_sound sound{false};
    headless::virtual_clock clock{false};
    soak_services services;
    companion::additions additions{engine, services, sound};
    companion::program_window program_window{window, additions};
    std::vector<drawn_button> panel;  // the buttons the panel last drew
    int mix = -1;                     // the seat mix of the game in progress
    bool game_started = false;        // since the last event
    std::uint32_t last_seats = 0;     // of the game before
    std::uint64_t last_sets = 0;      // the sets of players made by the game before
    int last_first = -1;              // the seat that started the game before; -1: none yet
    std::uint64_t games_here = 0;     // since this start
    bool patient = false;
};

int soak_program::run_message_loop(game_engine&) {
    // The entry sequence seeded the dice with the clock; no die has been rolled
    // yet, so seeding them here again makes the whole run follow the soak's seed.
    engine.seed_dice(std::uint32_t(s.random.next()));
    after_event();
    while (!window.quit_posted && !s.done() && !killed) {
        ++s.report.events;
        deliver_input();
        if (killed) break;
        after_event();
        // The desktop's loop runs a due step once the window is served; here
        // the next input sometimes comes first.
        if (!window.quit_posted && engine.computer_step_due() && s.random.chance(875)) {
            engine.run_computer_step();
            ++s.report.steps;
            after_event();
        }
        if (s.report.events % 4096 == 0) s.progress(s.report);
    }
    return window.exit_code;
}

void soak_program::deliver_input() {
    const std::uint32_t r = s.random.below(10000);
    if (r < 3300) {
        click_somewhere();
    } else if (r < 4700) {
        send(msg::wm_char, '1' + s.random.below(9));
    } else if (r < 5900) {
        send(msg::wm_char, s.random.chance(500) ? '\r' : ' ');
    } else if (r < 6700) {
        send(msg::wm_char, s.random.chance(500) ? 'R' : 'r');
    } else if (r < 7500) {
        send(msg::wm_char, s.random.chance(500) ? 'S' : 's');
    } else if (r < 7800) {
        send(msg::wm_char, s.random.chance(300) ? '0' : s.random.below(256));
    } else if (r < 9400) {
        repaint();
    } else if (r < 9700) {
        s.fail(deliver_addition_input(s.random, engine, additions));
    } else if (r < 9830) {
        send(msg::wm_command, msg::cmd_about);  // F1
    } else if (r < 9880) {
        send(msg::wm_command, msg::cmd_new_game);  // F2
    } else if (r < 9895) {
        send(msg::wm_command, msg::cmd_exit);
    } else if (r < 9910) {
        send(msg::wm_syscommand, msg::sc_close | s.random.below(16));  // the close box, Alt+F4
    } else if (r >= 9990 && r < 9999) {
        killed = true;  // at once, as a kill or a power cut: only the saved file is left
    } else if (r < 9999) {
        // Messages and commands the program passes on or ignores.
        const std::uint32_t others[] = {msg::wm_syscommand, msg::wm_command, 0x0200, msg::wm_close};
        send(others[s.random.below(4)], s.random.below(0x10000));
    } else if (!staying()) {
        send(msg::wm_destroy);  // the window destroyed from outside
    }
}

// On a button the panel drew, or anywhere, the window or beyond it; either button.
void soak_program::click_somewhere() {
    int x = int(s.random.below(528)), y = int(s.random.below(430));
    if (!panel.empty() && s.random.chance(700)) {
        const platform::rect& b = panel[s.random.below(std::uint32_t(panel.size()))].box;
        // Edges included: right and bottom are just outside.
        x = b.left - 1 + int(s.random.below(std::uint32_t(b.right - b.left + 2)));
        y = b.top - 1 + int(s.random.below(std::uint32_t(b.bottom - b.top + 2)));
    } else if (s.random.chance(50)) {
        x = int(s.random.below(0x10000)), y = int(s.random.below(0x10000));
    }
    send(s.random.chance(800) ? msg::wm_lbuttondown : msg::wm_rbuttondown, 0, msg::make_point_lparam(x, y));
}

// The start takes up the game a killed or closed start left, or sets it aside.
bool soak_program::resume_unfinished_game() {
    std::string fault;
    const auto saved = saved_game_in_folder(fault);
    s.fail(fault);
    if (!additions.resume_unfinished_game()) return false;
    if (!saved) s.fail("a game was resumed from a file that cannot be read");
    if (!s.broken()) s.fail(check_resumed(engine, *saved));
    ++s.report.resumes;
    last_seats = engine.player_count;
    last_sets = additions.player_sets_made();
    if (saved) last_first = int(companion::first_seat(*saved));
    return true;
}

void soak_program::run_dialog(platform::dialog_template which) {
    const owner_repaint owner = [this] { repaint(); };
    if (which == platform::dialog_template::about) {
        s.fail(play_about_dialog(s.random, owner));
        return;
    }
    // Every mix as likely as any other, so that a long run plays them all.
    mix = int(s.random.below(std::uint32_t(s.played.size())));
    s.fail(play_setup_dialog(s.random, seat_mix_number(mix), owner));
    game_started = true;
}

answer soak_program::answer_box(const headless::message_box_call& box) {
    while (s.random.chance(300)) repaint();
    const auto pick = [this](std::uint32_t per_mille, answer a, answer b) {
        return s.random.chance(per_mille) ? a : b;
    };
    if (box.caption == "Victory") {
        s.fail(check_victory_box(engine, box.text));
        const answer a = staying() ? answer::yes : pick(850, answer::yes, answer::no);
        game_started = a == answer::yes;
        return a;
    }
    if (box.caption == "Confirm Restart" || box.caption == "Confirm Quit") {
        if (engine.game_state != playing || box.text != shell::quit_prompt_text ||
            box.buttons != platform::buttons::ok_cancel)
            s.fail("a \"" + box.caption + "\" box out of place");
        if (box.caption == "Confirm Quit" && staying()) return answer::cancel;
        return pick(box.caption == "Confirm Restart" ? 600 : 300, answer::ok, answer::cancel);
    }
    if (box.caption == "Are You Sure?") {
        bool on_top = false;
        for (const marker& m : engine.markers)
            on_top = on_top || (m.column != 0 && m.position == std::uint32_t(column_table[m.column].height));
        if (!settings().seat_is_human[engine.current_player] || engine.phase != roll_or_stop ||
            engine.markers[2].column == 0 || !on_top)
            s.fail("\"Are you sure you want to roll?\" asked out of place");
        return pick(500, answer::yes, answer::no);
    }
    if (box.caption == "Resume Game") return pick(800, answer::yes, answer::no);
    if (is_addition_box(box.caption)) {
        s.fail(check_addition_box(engine, box.caption));
        return answer::ok;
    }
    s.fail("an unexpected box \"" + box.caption + "\"");
    return answer::no;
}

void soak_program::after_event() {
    if (auto drawn = last_drawn_panel(window.drawing)) panel = std::move(*drawn);
    // The window keeps a record of everything; the soak has read it.
    window.drawing.clear();
    if (window.drawing.capacity() > kept_lines) {
        std::vector<std::string>().swap(window.drawing);
        window.drawing.reserve(kept_lines);
        patient = s.random.chance(60);
    }
    window.boxes.clear();
    window.dialogs.clear();
    if (game_started) {
        game_started = false;
        ++s.report.games;
        ++games_here;
        // A resumed game's next game has a mix no set-up dialog of this start chose.
        if (mix >= 0 && s.played[std::size_t(mix)]++ == 0) ++s.report.mixes_played;
        // Taking turns to start: the seat after the last game's first.
        const std::uint32_t first_seat = additions.take_turns_starting() && last_first >= 0
                                             ? std::uint32_t(last_first + 1) % engine.player_count
                                             : 0;
        s.fail(check_new_game(engine, first_seat));
        last_first = int(engine.current_player);
        // The engine makes the players anew for another number of seats, and
        // for another level of the computer.
        const bool fresh_players =
            engine.player_count != last_seats || additions.player_sets_made() != last_sets;
        last_seats = engine.player_count;
        last_sets = additions.player_sets_made();
        std::uint32_t players = std::uint32_t(additions.level_in_play()) << 4;
        for (std::uint32_t seat = 0; seat < engine.player_count; ++seat)
            if (!settings().seat_is_human[seat]) players |= 1u << seat;
        s.fail(s.heap.game_started(engine.player_count, players, fresh_players));
    }
    if (window.quit_posted || s.broken()) return;
    // In this order: the later checks read the seat to move that the first one vouches for.
    const std::function<std::string()> checks[] = {
        [this] { return check_position(engine); },
        [this] { return check_no_unseen_win(engine); },
        [this] { return check_buttons(engine, panel); },
        [this] { return check_due_step(engine); },
    };
    for (const auto& check : checks) {
        s.fail(check());
        if (s.broken()) return;
    }
}

}  // namespace

soak_report run_soak(const soak_options& options, const std::function<void(const soak_report&)>& progress) {
    soak_state state(options, progress);
    while (!state.done()) {
        // Each start begins from the defaults, as a new process does.
        settings() = game_settings{};
        shell::quit_prompt.clear();
        game_engine engine;
        soak_program program(state, engine);
        ++state.report.runs;
        const int status = shell::run_program(program, engine);
        if (state.broken()) break;
        if (status != 0) state.fail("the program ended with status " + std::to_string(status));
        if (program.live_drawing_objects() != 0)
            state.fail(std::to_string(program.live_drawing_objects()) +
                       " drawing objects outlive the program");
    }
    state.report.memory = state.heap.summary();
    return state.report;
}
