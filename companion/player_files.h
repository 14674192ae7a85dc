// What the program keeps of its players between runs, in the user's folder:
// the set-up the dialog carries from game to game, with the sound switch, and
// the records of every finished game. It follows the game as an observer to
// count each seat's turns and to record each victory.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "companion/computer_levels.h"
#include "companion/settings_file.h"
#include "engine/game_observer.h"

class game_engine;

namespace companion {

class player_files final : public game_observer {
public:
    // The levels say which level the computer seats of a finished game played.
    player_files(game_engine& engine, const computer_levels& levels) : engine_(engine), levels_(levels) {}

    // The remembered set-up into the run's settings; the menus' switches (sound,
    // level, taking turns to start) as they were left.
    saved_setup restore_setup();
    // The run's settings are remembered, with the menus' switches as menus has them.
    void remember_setup(const saved_setup& menus);
    // The score sheet's window: as restore_setup found it, and as remember_setup keeps it.
    bool score_sheet_open() const { return score_sheet_open_; }
    void set_score_sheet_open(bool open) { score_sheet_open_ = open; }
    // A game starts from the set-up dialog: its turns count from nothing.
    void count_turns_afresh() { turns_ = {}; }
    // The turns each seat has begun in this game; a resumed game counts on from its own.
    const std::array<std::uint32_t, 4>& turns() const { return turns_; }
    void count_turns_from(const std::array<std::uint32_t, 4>& turns) { turns_ = turns; }
    // The records, best first, as a table for a fixed-width font.
    std::string records_text();

    void turn_started() override;
    void dice_rolled() override {}
    void busted() override {}
    void chose(const choice&) override {}
    void stopped() override {}
    void player_won() override;

private:
    // The user's folder; empty when there is none, said once on standard error.
    const std::filesystem::path& folder();
    void tell(const std::string& message);

    game_engine& engine_;
    const computer_levels& levels_;
    std::optional<std::filesystem::path> folder_;
    std::array<std::uint32_t, 4> turns_{};
    bool score_sheet_open_ = false;
};

}  // namespace companion
