#include "companion/hint.h"

#include <cstdio>
#include <memory>

#include "companion/roll_odds.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "players/engine_game_view.h"
#include "strategy/completion_search.h"
#include "strategy/s5_player.h"

namespace companion {

namespace {

std::string format(const char* pattern, double value) {
    char text[96];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string percent(double chance) { return format("%.1f%%", 100.0 * chance); }

std::string choice_advice(game_engine& engine, game_player& player) {
    const auto wanted = std::uint32_t(player.choose_column());
    game_snapshot s = game_snapshot::take();
    std::string text;
    for (const choice& c : engine.choices) {
        if (c.first != wanted && c.second != wanted) continue;
        text = "The computer would take " + caption(c) + ".\n\n";
        break;
    }
    if (s.choice_count == 1) return text + "It is the only move this roll offers.";
    // The look-ahead ranks each move by the chance of topping a column this
    // turn once it is made; a search of the hint's own leaves the player's as it was.
    completion_search search(s);
    game_snapshot q = s;
    completion_search::reopen_topped(q);
    search.refresh_context(q);
    text += "It takes the move with the best chance of topping a column this turn:\n";
    for (int i = 0; i < q.choice_count; ++i) {
        q.make_move(i);
        const float odds = search.completion_odds(q);
        q.unmake_move(i);
        text += '\n';
        text += caption(q.choices[std::size_t(i)]);
        text += ": " + percent(odds);
    }
    return text;
}

std::string stop_reason(const game_snapshot& s, game_engine& engine, float threshold) {
    const int target = int(engine.columns_to_win);
    const int claimed = claimed_columns(s), topped = topped_markers(s);
    if (claimed + topped >= target) return "Stopping now claims the columns that win the game.";
    completion_search search(s);
    if (topped >= 1) {
        if (s.markers[2].column != 0)
            return "A marker stands on a top square and no marker is free: it banks the column.";
        return "A marker stands on a top square, so it rolls on only while one more roll is expected\n"
               "to gain more than 0.1 of the turn's progress; it is expected to gain " +
               format("%.4f.", search.guided(s));
    }
    const double greedy = greedy_gain(s);
    const std::string greedy_text = "One more roll is expected to gain " + format("%.4f", greedy) +
                                    " of the turn's progress (it rolls on above 0.03)";
    if (greedy > 0.03) return greedy_text + ".";
    const double guided = search.guided(s);
    const std::string guided_text = "aiming for a top square, " + format("%.4f", guided) + " (above 0)";
    if (guided > 0.0) return greedy_text + ";\n" + guided_text + ".";
    const float odds = search.odds(s);
    return greedy_text + ";\n" + guided_text + ".\nChance of topping a column this turn: " + percent(odds) +
           " (it rolls on above " + percent(threshold) + ").";
}

std::string roll_or_stop_advice(game_engine& engine, game_player& player) {
    const bool stop = engine.view->should_stop() != 0;
    std::string text = stop ? "The computer would stop now.\n\n" : "The computer would roll again.\n\n";
    const roll_count busts = count_busts(engine);
    text += "Chance that the next roll offers no move: " + percent(busts.chance()) + " (" +
            std::to_string(busts.busts) + " of " + std::to_string(roll_count::rolls) + " rolls).\n";
    if (engine.markers[0].column == 0) return text + "At the start of a turn there is nothing to lose yet.";
    const auto* strategy = dynamic_cast<s5_player*>(&player);
    return text + stop_reason(game_snapshot::take(), engine, strategy ? strategy->parameter() : 0.0f);
}

}  // namespace

bool hint_available(const game_engine& engine) {
    return engine.game_state == playing && engine.current_player < engine.player_count &&
           settings().seat_is_human[engine.current_player];
}

std::string advice(game_engine& engine) {
    game_player* player = engine.view->player(int(engine.current_player));
    if (engine.phase == choosing) return choice_advice(engine, *player);
    return roll_or_stop_advice(engine, *player);
}

}  // namespace companion
