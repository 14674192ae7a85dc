// The additions a player meets in the desktop programs: How to Play, the hint,
// choosing with the arrow keys, the sound switch, the remembered set-up and
// the records. They stand between the desktop's window and the described
// routing, which they leave as it is: a message that is not theirs goes on to
// shell::main_window_proc unchanged. While they exist they follow the game as
// the engine's observer, through one fan-out.
#pragma once

#include <cstdint>

#include "companion/computer_levels.h"
#include "companion/game_followers.h"
#include "companion/hint_item.h"
#include "companion/game_keeper.h"
#include "companion/keyboard_selection.h"
#include "companion/player_files.h"
#include "companion/start_rotation.h"
#include "companion/score_sheet.h"
#include "companion/score_sheet_view.h"
#include "platform/companion_services.h"
#include "shell/main_window_proc.h"

class game_engine;

namespace platform {
class sound;
}

namespace companion {

class additions {
public:
    additions(game_engine& engine, platform::companion_services& host, platform::sound& sound);
    ~additions();
    additions(const additions&) = delete;
    additions& operator=(const additions&) = delete;

    // Every message of the main window: the additions' own, then the described routing.
    shell::proc_result window_proc(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);

    // Around every set-up dialog: the remembered set-up before the run's first,
    // and after each, when a game starts, the set-up remembered.
    void before_setup();
    void after_setup();
    // At the start, in place of the first set-up dialog and its new game: the
    // unfinished game of an earlier run, when there is one and the player takes it up.
    bool resume_unfinished_game();

    bool sound_on() const { return sound_on_; }
    // The Game menu's choices; each reaches the next game.
    computer_level level() const { return levels_.chosen(); }
    // The level the computer seats of the game under way play.
    computer_level level_in_play() const { return levels_.in_play(); }
    bool take_turns_starting() const { return rotation_.on(); }
    std::uint64_t player_sets_made() const { return levels_.sets_made(); }

private:
    void how_to_play();
    void hint();
    void show_records();
    void switch_sound(bool on);
    void choose_level(computer_level level);
    void take_turns_starting(bool on);
    void remember_setup();
    void show_score_sheet(bool shown);
    void save_log();

    game_engine& engine_;
    platform::companion_services& host_;
    platform::sound& sound_;
    keyboard_selection selection_;
    player_files files_;
    game_followers followers_;
    computer_levels levels_;
    start_rotation rotation_;
    hint_item hint_item_;
    score_sheet sheet_;
    score_sheet_view sheet_view_;
    game_keeper keeper_;
    bool sheet_shown_ = false;
    bool sound_on_ = true;
    bool restored_ = false;
};

}  // namespace companion
