#include "strategy/move_lists.h"

#include <algorithm>

#include "strategy/dice_multiset.h"

move_lists list_moves_of(game_snapshot position) {
    move_lists lists;
    const choice_lister lister(position);
    for (const auto& roll : all_rolls()) {
        lister.list(position, roll.dice);
        if (position.choice_count == 0) continue;
        roll_moves entry{roll.weight, position.choice_count, {}};
        for (int i = 0; i < position.choice_count; ++i) {
            const choice& c = position.choices[i];
            auto found = std::find(lists.distinct.begin(), lists.distinct.end(), c);
            if (found == lists.distinct.end()) found = lists.distinct.insert(found, c);
            entry.moves[i] = std::uint8_t(found - lists.distinct.begin());
        }
        lists.rolls.push_back(entry);
    }
    lists.ready = true;
    return lists;
}
