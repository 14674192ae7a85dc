// The one game of the run: seats, progress, the turn's markers, the dice, the
// offered choices and the phase of the turn; the rules; the reaction to every
// input; and, as its members, the painting of the board (board_view/).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/choice.h"
#include "engine/dice_generator.h"
#include "engine/first_seat_choice.h"
#include "engine/game_observer.h"
#include "platform/window.h"

class engine_game_view;

struct column_row {
    std::int32_t column, left, top, gap, height;
};
extern const std::array<column_row, 13> column_table;

struct marker {
    std::uint32_t column = 0;  // 0: the slot is free
    std::uint32_t position = 0;
    friend bool operator==(const marker&, const marker&) = default;
};

// The board view's colours and drawing objects, made once at start-up.
struct palette {
    platform::brush background, board, white, black, highlight;
    std::array<platform::brush, 4> players;
    platform::pen black_pen;
};

enum game_state_value : std::int32_t { playing = 0, no_game = 2 };
enum phase_value : std::int32_t { roll_or_stop = 0, choosing = 1 };

// Where the platform services come from; the engine draws, sounds and pauses through them.
struct devices {
    platform::graphics* graphics = nullptr;
    platform::sound* sound = nullptr;
    platform::clock* clock = nullptr;
};

class game_engine {
public:
    game_engine();
    virtual ~game_engine();
    game_engine(const game_engine&) = delete;
    game_engine& operator=(const game_engine&) = delete;

    // ---- Set-up by the shell --------------------------------------------------------------
    void set_window(platform::window* w) { window = w; }
    void set_devices(const devices& d) { devices_ = d; }
    void seed_dice(std::uint32_t seed) { random.seed(seed); }
    // Where the dice stand: seed_dice() with it goes on with the same future rolls.
    std::uint32_t dice_state() const { return random.state(); }
    void create_drawing_objects();
    void delete_drawing_objects();
    // The brushes and pen made at start-up (the Windows window class erases with the background brush).
    const palette& drawing_objects() const { return palette_; }
    void new_game(std::uint32_t players, std::uint32_t target);

    // ---- Input --------------------------------------------------------------------------
    void handle_click(int x, int y);
    void handle_enter();
    void handle_digit(int n);
    void request_roll();
    void handle_stop_key();
    // ---- Computer seats at quick pace ---------------------------------------------------------
    // The input operations above never run a quick computer's steps themselves:
    // whoever drives the program runs them, one at a time, so that a desktop can
    // serve its window between two steps.
    //
    // A step is due when the status panel has been painted for it and the
    // position, as it stands at this moment, still calls for it: a game in
    // progress, a quick computer to move, the run not ending.
    bool computer_step_due() const;
    // Performs one due step; false when none was due.
    bool run_computer_step();
    // Performs due steps until none is due: a human seat, a slow computer, a
    // computer answer that changed nothing, or the end of the run. Re-entrant
    // calls (a repaint inside a step) return at once, so the outermost call keeps
    // the loop going and the stack does not grow with the number of steps or games.
    void run_computer_steps();

    // ---- Painting (board_view/) ----------------------------------------------------------
    void paint_empty_square(int left, int top);
    void paint_column_label(int column, int left, int top);
    void paint_board();
    void paint_player_square(int player, int left, int top, int k, int n);
    void paint_column(int column);
    void paint_all_columns();
    void paint_markers();
    void paint_dice();
    void paint_die_pips(platform::canvas& dc, platform::point die, int value);
    void paint_status_panel();
    void paint_active_player();
    void paint_sorry_notice(platform::canvas& dc);
    // An empty square where square `level` of the column is.
    void erase_square(std::uint32_t column, std::uint32_t level);
    void paint_all();
    void roll_dice_animated();
    void flash_sorry();

    // ---- Rules (engine/) -------------------------------------------------------------------
    void find_choices();
    bool make_legal(choice& c, bool& split) const;
    bool fit_markers(choice& c, bool& split) const;
    bool column_blocked(std::uint32_t column) const;
    bool has_marker(std::uint32_t column) const;
    void roll();
    void stop();
    void apply_choice(std::size_t index);
    void place_marker(std::uint32_t column);
    void commit_markers();
    void clear_markers(bool erase);
    struct victory {
        bool won = false;
        bool play_again = false;
    };
    victory check_victory();
    void computer_step();

    // ---- State, read directly by the board view, the view and the shell --------------------
    std::unique_ptr<engine_game_view> view;
    std::uint32_t columns_to_win = 3;
    std::uint32_t current_player = 0;
    std::array<std::int32_t, 4> dice{};
    std::vector<std::array<std::uint32_t, 13>> progress;
    std::array<marker, 3> markers{};
    platform::window* window = nullptr;
    std::uint32_t player_count = 0;
    std::uint32_t rolls_this_turn = 0;
    std::int32_t game_state = no_game;
    std::int32_t phase = roll_or_stop;
    std::array<platform::rect, 64> button_rects{};
    choice_set choices;

    // Unset in the desktop program.
    game_observer* observer = nullptr;
    // Set by the rotating start (companion/start_rotation.h); unset, seat 0 starts.
    first_seat_choice* start_choice = nullptr;

private:
    bool current_seat_is_human() const;
    void remember_roll_click(platform::point p);
    bool second_click_of_roll(platform::point p) const;
    bool is_quick_computer_turn() const;
    void pass_turn();
    void allocate_progress(std::uint32_t players);
    void free_progress();
    std::unique_ptr<platform::canvas> get_canvas();

    dice_generator random;
    devices devices_;
    palette palette_;
    // The panel has been painted for a quick computer's step that has not run yet.
    bool panel_awaits_step = false;
    bool running_computer_steps = false;
    // The bust notice stands in the panel's place for its second.
    bool sorry_showing = false;
    // The click that last rolled, with the desktop's time of it.
    struct click {
        bool valid = false;
        std::uint32_t time = 0;
        platform::point at{};
    } roll_click;
    bool quit_posted = false;
};
