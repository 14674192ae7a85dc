#include "companion/hint.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "companion/roll_odds.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "players/engine_game_view.h"
#include "strategy/completion_search.h"
#include "strategy/computer_level.h"

namespace companion {

namespace {

std::string percent(double chance) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", 100.0 * chance);
    return text;
}

std::string squares(int n) { return std::to_string(n) + (n == 1 ? " square" : " squares"); }

std::string name_of(std::uint32_t seat) {
    const std::string& name = settings().player_names[seat];
    return name.empty() ? "Player " + std::to_string(seat + 1) : name;
}

int claimed_by(const game_engine& engine, std::uint32_t seat) {
    int claimed = 0;
    for (int c = 2; c <= 12; ++c)
        claimed += engine.progress[seat][c] == std::uint32_t(column_table[c].height);
    return claimed;
}

// The engine takes the first offered move that holds the column a player names.
std::string move_naming(const game_engine& engine, int column) {
    for (const choice& c : engine.choices)
        if (int(c.first) == column || int(c.second) == column) return caption(c);
    return "column " + std::to_string(column);
}

// The squares climbed this turn, which a roll that offers no move takes away.
int squares_at_stake(const game_engine& engine) {
    int climbed = 0;
    for (const marker& m : engine.markers)
        if (m.column != 0) climbed += int(m.position - engine.progress[engine.current_player][m.column]);
    return climbed;
}

// Another seat one column from winning can win on its next turn: the reason
// to push on with this one.
std::string race(const game_engine& engine, bool rolling) {
    std::string text;
    for (std::uint32_t step = 1; step < engine.player_count; ++step) {
        const std::uint32_t seat = (engine.current_player + step) % engine.player_count;
        if (claimed_by(engine, seat) + 1 != int(engine.columns_to_win)) continue;
        text += name_of(seat) + " needs one more column and can win on their next turn";
        text += rolling ? ": keep rolling.\n" : ", yet the risk of rolling on is too high.\n";
    }
    return text;
}

std::string choice_advice(game_engine& engine, game_player& expert) {
    if (engine.markers[0].column == 0) expert.begin_turn();
    const std::string best = move_naming(engine, expert.choose_column());
    const std::string standard = move_naming(engine, engine.view->choose());
    std::string text = "Take " + best + ".\n\n";
    game_snapshot s = game_snapshot::take();
    if (s.choice_count == 1) {
        text += "It is the only move this roll offers.";
    } else {
        // Each move's chance of reaching a column's top this turn, where stopping
        // claims it; a search of the hint's own leaves every player's as it was.
        completion_search search(s);
        completion_search::reopen_topped(s);
        search.refresh_context(s);
        text += "Each move's chance to claim a column this turn:";
        for (int i = 0; i < s.choice_count; ++i) {
            s.make_move(i);
            const float odds = search.completion_odds(s);
            s.unmake_move(i);
            text += '\n';
            text += caption(s.choices[std::size_t(i)]) + ": " + percent(odds);
        }
    }
    if (standard != best) text += "\n\nThe standard computer would take " + standard + ".";
    return text;
}

std::string roll_or_stop_advice(game_engine& engine, game_player& expert) {
    const roll_count busts = count_busts(engine);
    const std::string bust_line = "Chance that the next roll offers no move: " + percent(busts.chance()) +
                                  " (" + std::to_string(busts.busts) + " of " +
                                  std::to_string(roll_count::rolls) + " rolls).";
    // No roll-or-stop question before the turn's first move: stopping is not offered yet.
    if (engine.markers[0].column == 0)
        return "Roll: at the start of a turn there is nothing at risk yet.\n\n" + bust_line;

    const bool stop = expert.wants_to_stop() != 0;
    const bool standard_stops = engine.view->should_stop() != 0;
    std::string text = stop ? "Stop now.\n\n" : "Roll again.\n\n";
    text += bust_line + "\n";
    text += "At stake this turn: " + squares(squares_at_stake(engine)) +
            ", lost if the next roll offers no move.\n";

    std::vector<std::uint32_t> topped;
    for (const marker& m : engine.markers)
        if (m.column != 0 && m.position == std::uint32_t(column_table[m.column].height))
            topped.push_back(m.column);
    const int claimed = claimed_by(engine, engine.current_player);
    if (claimed + int(topped.size()) >= int(engine.columns_to_win)) {
        text += "Stopping now wins the game.\n";
    } else {
        if (topped.empty()) {
            const game_snapshot s = game_snapshot::take();
            completion_search search(s);
            text += "Rolling on, the chance to claim a column this turn: " + percent(search.odds(s)) + ".\n";
        } else {
            text += topped.size() > 1 ? "Stopping now claims columns" : "Stopping now claims column";
            for (std::size_t i = 0; i < topped.size(); ++i) {
                text += i == 0 ? " " : " and ";
                text += std::to_string(topped[i]);
            }
            text += ".\n";
        }
        text += race(engine, !stop);
    }
    if (standard_stops != stop)
        text += standard_stops ? "The standard computer would stop here.\n"
                               : "The standard computer would roll again.\n";
    text.pop_back();
    return text;
}

}  // namespace

bool hint_available(const game_engine& engine) {
    return engine.game_state == playing && engine.current_player < engine.player_count &&
           settings().seat_is_human[engine.current_player];
}

std::string advice(game_engine& engine) {
    // A fresh expert for each question: nothing it learns stays behind.
    const std::unique_ptr<game_player> expert = make_computer_player(computer_level::expert);
    if (engine.phase == choosing) return choice_advice(engine, *expert);
    return roll_or_stop_advice(engine, *expert);
}

}  // namespace companion
