#include "companion/player_files.h"

#include <cstdio>
#include <vector>

#include "companion/records_store.h"
#include "companion/records_table.h"
#include "companion/settings_file.h"
#include "companion/stale_files.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/user_files.h"

namespace companion {

const std::filesystem::path& player_files::folder() {
    if (!folder_) {
        std::string error;
        folder_ = platform::user_files_folder(error);
        if (folder_->empty())
            std::fprintf(stderr, "zarvelin: nothing is remembered between runs: %s\n", error.c_str());
        else
            remove_stale_copies(*folder_);
    }
    return *folder_;
}

void player_files::tell(const std::string& message) {
    if (message.empty() || !engine_.window) return;
    engine_.window->message_box(message, "Records", platform::buttons::ok, platform::icon::warning);
}

saved_setup player_files::restore_setup() {
    if (folder().empty()) return {};
    std::vector<std::string> ignored;
    const saved_setup setup = load_setup(folder(), ignored);
    for (const std::string& line : ignored) std::fprintf(stderr, "zarvelin: %s\n", line.c_str());
    companion::restore_setup(setup, settings());
    score_sheet_open_ = setup.score_sheet;
    return setup;
}

void player_files::remember_setup(const saved_setup& menus) {
    if (folder().empty()) return;
    saved_setup setup = setup_of(settings(), menus.sound);
    setup.level = menus.level;
    setup.take_turns_starting = menus.take_turns_starting;
    setup.score_sheet = score_sheet_open_;
    std::string error;
    if (!save_setup(folder(), setup, error))
        std::fprintf(stderr, "zarvelin: the set-up is not remembered: %s\n", error.c_str());
}

std::string player_files::records_text() {
    if (folder().empty()) return "No records are kept: this user has no folder for them.";
    records table;
    std::string message;
    load_records(folder(), table, message);
    tell(message);
    return records_table(table);
}

void player_files::turn_started() {
    if (engine_.current_player < turns_.size()) ++turns_[engine_.current_player];
}

void player_files::player_won() {
    const std::uint32_t winner = engine_.current_player;
    const std::uint32_t turns = turns_[winner];
    // Yes starts the next game at once: its turns count from nothing.
    turns_ = {};
    if (folder().empty()) return;
    std::vector<player_key> seats;
    for (std::uint32_t seat = 0; seat < engine_.player_count; ++seat)
        seats.emplace_back(settings().player_names[seat],
                           kind_of_seat(settings().seat_is_human[seat], levels_.in_play()));
    std::string message;
    record_game(folder(), seats, winner, turns, message);
    tell(message);
}

}  // namespace companion
