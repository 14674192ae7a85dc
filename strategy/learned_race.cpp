#include "strategy/learned_race.h"

#include <algorithm>
#include <cmath>

race_features describe_race(const int progress[5][13], int mover, int other, double formula_chance,
                            bool mover_is_expert) {
    race_features f{};
    int claims[2] = {0, 0};
    for (int c = 2; c <= 12; ++c) {
        const int h = height_of(c);
        const std::size_t k = std::size_t(c - 2);
        const bool mine = progress[mover][c] == h, theirs = progress[other][c] == h;
        claims[0] += mine;
        claims[1] += theirs;
        if (mine || theirs) {
            f[22 + k] = mine;
            f[33 + k] = theirs;
            continue;
        }
        f[k] = float(progress[mover][c]) / float(h);
        f[11 + k] = float(progress[other][c]) / float(h);
    }
    f[44] = float(claims[0]);
    f[45] = float(claims[1]);
    const double p = std::clamp(formula_chance, 1e-4, 1.0 - 1e-4);
    f[46] = float(std::log(p / (1.0 - p)));
    f[47] = mover_is_expert ? 1.0f : 0.0f;
    return f;
}

race_features mirrored(const race_features& f) {
    race_features m = f;
    for (int block = 0; block < 4; ++block)
        for (int k = 0; k < 11; ++k) m[std::size_t(11 * block + k)] = f[std::size_t(11 * block + 10 - k)];
    return m;
}

double race_network::logit(const race_features& f) const {
    // Most inputs are zero (columns nobody has entered): only the others are summed.
    std::array<int, race_inputs> used;
    int count = 0;
    for (int i = 0; i < race_inputs; ++i)
        if (f[std::size_t(i)] != 0.0f) used[std::size_t(count++)] = i;
    double out = double(b2) + f[46];  // a correction to the formula's logit
    for (int j = 0; j < hidden; ++j) {
        const float* row = &w1[std::size_t(j) * race_inputs];
        double a = b1[std::size_t(j)];
        for (int k = 0; k < count; ++k) {
            const int i = used[std::size_t(k)];
            a += double(row[i]) * f[std::size_t(i)];
        }
        if (a > 0.0) out += double(w2[std::size_t(j)]) * a;
    }
    return out;
}

double race_network::chance(const race_features& f) const { return 1.0 / (1.0 + std::exp(-logit(f))); }

bool race_network::read(const std::vector<float>& n) {
    if (n.empty() || n[0] < 1 || n[0] > 1024 || float(int(n[0])) != n[0]) return false;
    const std::size_t h = std::size_t(n[0]), w1_size = h * race_inputs;
    if (n.size() != 1 + w1_size + 2 * h + 1) return false;
    hidden = int(h);
    auto at = n.begin() + 1;
    w1.assign(at, at + long(w1_size));
    at += long(w1_size);
    b1.assign(at, at + long(h));
    at += long(h);
    w2.assign(at, at + long(h));
    b2 = n.back();
    return true;
}

std::vector<float> race_network::numbers() const {
    std::vector<float> n{float(hidden)};
    n.insert(n.end(), w1.begin(), w1.end());
    n.insert(n.end(), b1.begin(), b1.end());
    n.insert(n.end(), w2.begin(), w2.end());
    n.push_back(b2);
    return n;
}

const race_network& heads_up_race_network() {
    static const race_network shipped = [] {
        static constexpr float numbers[] = {
#include "strategy/heads_up_race.inc"
        };
        race_network n;
        n.read(std::vector<float>(std::begin(numbers), std::end(numbers)));
        return n;
    }();
    return shipped;
}
