// Nothing lost: the game in progress is saved in the user's folder after
// every move, so that closing the window, a kill or a power cut leaves it to
// be resumed at the next start. It follows the game as an observer and only
// looks; a finished game leaves nothing behind.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "engine/game_observer.h"

class game_engine;

namespace companion {

class computer_levels;
class player_files;
class score_sheet;
class start_rotation;

class game_keeper final : public game_observer {
public:
    // What the additions keep of a game beside the engine: the turns the
    // records count, the computer's level, the rotating start and the sheet's log.
    struct game_parts {
        player_files& files;
        computer_levels& levels;
        start_rotation& rotation;
        score_sheet& sheet;
    };
    game_keeper(game_engine& engine, const game_parts& parts) : engine_(engine), parts_(parts) {}

    // At the start, before the first set-up dialog: offers the saved game, if
    // there is one, and true when it was taken up and is now on the board. A
    // declined game is set aside; a damaged one too, with a word on what is wrong.
    bool offer_resume();

    // Spans one window message. A roll's outcome is only settled once the
    // engine has set the phase it leads to, which it does after telling its
    // observers; it is saved when the message that rolled is done. A quick
    // computer rolls between messages: its roll is saved with the choice that
    // follows it, and a kill in between resumes before the roll, with the
    // same dice still to come.
    class message_span {
    public:
        explicit message_span(game_keeper& keeper) : keeper_(keeper) { ++keeper_.depth_; }
        ~message_span();
        message_span(const message_span&) = delete;
        message_span& operator=(const message_span&) = delete;

    private:
        game_keeper& keeper_;
    };

    void turn_started() override { save(); }
    void dice_rolled() override { roll_unsaved_ = true; }
    // The turn passes next, and with it the game is saved.
    void busted() override { roll_unsaved_ = false; }
    void chose(const choice&) override { save(); }
    void stopped() override {}
    void player_won() override;

private:
    void save();
    const std::filesystem::path& folder();
    void tell(const std::string& message);

    game_engine& engine_;
    game_parts parts_;
    std::optional<std::filesystem::path> folder_;
    int depth_ = 0;
    bool roll_unsaved_ = false;
    bool save_failed_ = false;
};

}  // namespace companion
