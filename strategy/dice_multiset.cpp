#include "strategy/dice_multiset.h"

void dice_multiset::start() {
    dice_ = {1, 1, 1, 1};
    done_ = false;
}

void dice_multiset::next() {
    for (int i = 3; i >= 0; --i) {
        if (dice_[i] < 6) {
            const int value = dice_[i] + 1;
            for (int j = i; j < 4; ++j) dice_[j] = value;
            return;
        }
    }
    done_ = true;
}

int dice_multiset::weight() const {
    int weight = 24;
    int run = 1;
    for (int i = 1; i < 4; ++i) {
        if (dice_[i] == dice_[i - 1]) {
            ++run;
            weight /= run;
        } else {
            run = 1;
        }
    }
    return weight;
}

const std::array<weighted_roll, 126>& all_rolls() {
    static const auto rolls = [] {
        std::array<weighted_roll, 126> list{};
        std::size_t n = 0;
        for (dice_multiset d; !d.done(); d.next()) list[n++] = {d.dice(), d.weight()};
        return list;
    }();
    return rolls;
}
