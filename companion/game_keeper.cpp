#include "companion/game_keeper.h"

#include <cstdio>

#include "companion/atomic_file.h"
#include "companion/computer_levels.h"
#include "companion/game_restore.h"
#include "companion/player_files.h"
#include "companion/saved_game_file.h"
#include "companion/score_sheet.h"
#include "companion/start_rotation.h"
#include "engine/game_engine.h"
#include "platform/user_files.h"

namespace companion {

game_keeper::message_span::~message_span() {
    if (--keeper_.depth_ == 0 && keeper_.roll_unsaved_) keeper_.save();
}

const std::filesystem::path& game_keeper::folder() {
    // The remembered set-up says once when the user has no folder.
    if (!folder_) {
        std::string ignored;
        folder_ = platform::user_files_folder(ignored);
    }
    return *folder_;
}

void game_keeper::tell(const std::string& message) {
    std::fprintf(stderr, "zarvelin: %s\n", message.c_str());
#ifdef _WIN32
    // Nobody reads standard error on Windows: the player learns there why the game did not come back.
    if (engine_.window)
        engine_.window->message_box(message, "Resume Game", platform::buttons::ok, platform::icon::warning);
#endif
}

bool game_keeper::offer_resume() {
    if (folder().empty()) return false;
    saved_game game;
    std::string message;
    const saved_game_found found = load_saved_game(folder(), game, message);
    if (!message.empty()) tell(message);
    if (found != saved_game_found::readable) return false;

    const std::string question = "Resume the unfinished game of " + seat_names_text(game) + ", turn " +
                                 std::to_string(turn_number(game)) + "?";
    if (engine_.window->message_box(question, "Resume Game", platform::buttons::yes_no,
                                    platform::icon::question) != platform::answer::yes) {
        std::string error;
        if (set_saved_game_aside(folder(), "declined", error).empty())
            tell("The saved game could not be set aside: " + error + ".");
        return false;
    }
    parts_.files.count_turns_from(game.turns);
    for (const saved_seat& seat : game.seats)
        if (!seat.human) parts_.levels.resume_at(level_from_name(seat.level).value_or(computer_level::standard));
    std::string why;
    if (restore_game(engine_, game, why)) {
        parts_.rotation.resumed(first_seat(game));
        // The log goes on where it stood; one that does not fit the game starts afresh.
        if (!parts_.sheet.restore_lines(game.sheet_lines)) parts_.sheet.start_afresh();
        return true;
    }
    std::string error;
    const auto aside = set_saved_game_aside(folder(), "damaged", error);
    tell("The saved game cannot be resumed (" + why + ")" +
         (aside.empty() ? "." : ", so it was kept as\n" + path_text(aside) + "\nand a new game starts."));
    return false;
}

void game_keeper::save() {
    roll_unsaved_ = false;
    if (engine_.game_state != playing || folder().empty()) return;
    std::string error;
    saved_game game = capture_game(engine_, parts_.files.turns(), players_made_for(engine_));
    for (saved_seat& seat : game.seats)
        if (!seat.human) seat.level = level_name(parts_.levels.in_play());
    game.sheet_lines = parts_.sheet.save_lines();
    if (save_game_file(folder(), game, error)) {
        save_failed_ = false;
        return;
    }
    // Once a failure, not at every move.
    if (!save_failed_) std::fprintf(stderr, "zarvelin: the game is not saved: %s\n", error.c_str());
    save_failed_ = true;
}

void game_keeper::player_won() {
    roll_unsaved_ = false;
    if (!folder().empty()) forget_saved_game(folder());
}

}  // namespace companion
