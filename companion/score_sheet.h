// The score sheet: every turn of the game in progress as it was played (who,
// how many rolls, each move and the squares it reached, the chance of a bust
// the player faced at each roll-or-stop decision, and how the turn ended),
// and from that the standings and the race over the turns. It follows the game
// as one of the additions' followers and only reads the engine: counting the
// chance of a bust puts the dice and the choices back as they were.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/game_observer.h"

class game_engine;

namespace companion {

struct sheet_move {
    std::uint32_t first = 0, second = 0;                // the choice taken, as the engine holds it
    std::uint32_t first_square = 0, second_square = 0;  // where its markers stood afterwards
    int busts_ahead = 0;  // of the 1296 rolls, those that offered no move right after it
    friend bool operator==(const sheet_move&, const sheet_move&) = default;
};

enum class turn_end { playing, passed, stopped, busted };

struct sheet_turn {
    std::uint32_t seat = 0;
    std::uint32_t rolls = 0;
    std::vector<sheet_move> moves;
    turn_end end = turn_end::playing;
    bool won = false;
    friend bool operator==(const sheet_turn&, const sheet_turn&) = default;
};

// Where each seat stands, worked out from the turns alone.
struct seat_standing {
    std::uint32_t claimed = 0;
    std::vector<std::uint32_t> columns;  // claimed, by number
    std::uint32_t squares_to_climb = 0;  // in its best columns not yet claimed
    std::uint32_t turns = 0, busts = 0;
    double race = 0;  // 0 to the target; see race_measure
    bool leads = false;
};

using seat_progress = std::array<std::uint32_t, 13>;

// Progress toward the target, in columns: the columns claimed plus, for each
// column still needed, the fraction climbed of the best open ones (those no
// seat has claimed). It reaches the target exactly when the seat has won.
double race_measure(const std::vector<seat_progress>& progress, std::uint32_t seat, std::uint32_t target);

class score_sheet final : public game_observer {
public:
    explicit score_sheet(game_engine& engine) : engine_(engine) {}

    // The game that starts next is a new one: its first turn begins a new sheet.
    void start_afresh() { fresh_ = true; }
    // Told after every moment that changed the sheet.
    void on_change(std::function<void()> tell) { changed_ = std::move(tell); }

    std::uint32_t seats() const { return seats_; }
    std::uint32_t target() const { return target_; }
    const std::vector<sheet_turn>& turns() const { return turns_; }
    // Changes whenever the sheet starts afresh or is restored: what was made of its turns is out of date.
    std::uint32_t generation() const { return generation_; }
    std::vector<seat_standing> standings() const;
    // Per seat, the race measure at the start and after each finished turn.
    std::vector<std::vector<double>> race_series() const;

    // The sheet as plain text lines and back, so that a game taken up again
    // shows its whole log. A damaged list leaves the sheet as it was: false.
    std::vector<std::string> save_lines() const;
    bool restore_lines(const std::vector<std::string>& lines);

    void turn_started() override;
    void dice_rolled() override;
    void busted() override;
    void chose(const choice& taken) override;
    void stopped() override;
    void player_won() override;

private:
    void changed() {
        if (changed_) changed_();
    }

    game_engine& engine_;
    std::uint32_t seats_ = 0, target_ = 0;
    std::vector<sheet_turn> turns_;
    bool fresh_ = true;
    std::uint32_t generation_ = 0;
    std::function<void()> changed_;
};

// Each seat's permanent progress after the finished turns, replayed from the
// moves: a stop banks the squares reached, a claim wipes the others there.
std::vector<seat_progress> replay_progress(const std::vector<sheet_turn>& turns, std::uint32_t seats,
                                           std::size_t turn_count);

}  // namespace companion
