#include "strategy/move_lists.h"

#include "strategy/dice_multiset.h"

void list_moves_of(game_snapshot position, move_lists& lists) {
    lists.distinct.clear();
    lists.rolls.clear();
    std::array<std::int8_t, 13 * 13> index_of;  // of a move in `distinct`, by its two columns
    index_of.fill(-1);
    const choice_lister lister(position);
    for (const auto& roll : all_rolls()) {
        lister.list(position, roll.dice);
        if (position.choice_count == 0) continue;
        roll_moves entry{roll.weight, position.choice_count, {}};
        for (int i = 0; i < position.choice_count; ++i) {
            const choice& c = position.choices[i];
            std::int8_t& index = index_of[13 * c.first + c.second];
            if (index < 0) {
                index = std::int8_t(lists.distinct.size());
                lists.distinct.push_back(c);
            }
            entry.moves[i] = std::uint8_t(index);
        }
        for (int i = position.choice_count; i < 6; ++i) entry.moves[i] = entry.moves[0];
        lists.rolls.push_back(entry);
    }
    lists.ready = true;
}
