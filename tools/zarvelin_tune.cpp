// zarvelin-tune: plays the expert with trial parameters against the standard
// computer, heads-up with the seats alternated, and prints each trial's win
// share with its 95% interval. Every option takes a list of values; every
// combination is tried on the same seeds, so trials compare on equal dice.
//
//   zarvelin-tune [--games G] [--seed S] [--appearances-per-claim a,b,..] [--claim-exponent a,b,..]
//                 [--race-weight a,b,..] [--network FILE]
//
// --network FILE plays the expert with the race network of FILE (as
// zarvelin-learn writes it) instead of the shipped one; "none" with the formula
// alone.
//
// The expert plays seat A on the dice of seed S and seat B on those of S + 1.
// Tune on one range of seeds and report on another: a share measured on the
// seeds that chose the parameters flatters them.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "strategy/expert_player.h"
#include "tools/arena_match.h"
#include "tools/arena_summary.h"
#include "tools/race_network_file.h"

namespace {

bool parse_list(const char* text, std::vector<double>& values) {
    values.clear();
    std::string s = text;
    std::size_t start = 0;
    while (start <= s.size()) {
        const std::size_t comma = std::min(s.find(',', start), s.size());
        const std::string item = s.substr(start, comma - start);
        char* end = nullptr;
        const double v = std::strtod(item.c_str(), &end);
        if (item.empty() || *end != 0) return false;
        values.push_back(v);
        start = comma + 1;
    }
    return true;
}

// The games the expert wins of `games`, half of them in each seat.
long expert_wins(const expert_parameters& parameters, std::uint32_t games, std::uint32_t seed) {
    std::FILE* sink = std::fopen("/dev/null", "w");
    const player_maker make = [&parameters](computer_level level) -> std::unique_ptr<game_player> {
        if (level == computer_level::expert) return std::make_unique<expert_player>(parameters);
        return make_computer_player(level);
    };
    long wins = 0;
    for (int expert_seat = 0; expert_seat < 2; ++expert_seat) {
        arena_options options;
        options.games = games / 2;
        options.seed = seed + std::uint32_t(expert_seat);
        options.levels = {computer_level::standard, computer_level::standard};
        options.levels[std::size_t(expert_seat)] = computer_level::expert;
        wins += run_match(options, sink, make).seats[std::size_t(expert_seat)].wins;
    }
    std::fclose(sink);
    return wins;
}

}  // namespace

int main(int argc, char** argv) {
    const expert_parameters defaults;
    race_network network;
    const race_network* learned = defaults.race.learned;
    std::uint32_t games = 2000, seed = 1000;
    std::vector<double> per_claim{defaults.race.appearances_per_claim}, exponent{defaults.race.claim_exponent},
        race_weight{defaults.race_weight};
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "zarvelin-tune: %s needs a value\n", option.c_str());
            return 2;
        }
        const char* value = argv[i + 1];
        bool ok = true;
        if (option == "--games")
            games = std::uint32_t(std::strtoul(value, nullptr, 10));
        else if (option == "--seed")
            seed = std::uint32_t(std::strtoul(value, nullptr, 10));
        else if (option == "--appearances-per-claim")
            ok = parse_list(value, per_claim);
        else if (option == "--claim-exponent")
            ok = parse_list(value, exponent);
        else if (option == "--network")
            ok = network_option(value, network, learned);
        else if (option == "--race-weight")
            ok = parse_list(value, race_weight);
        else
            ok = false;
        if (!ok || games < 2) {
            std::fprintf(stderr, "zarvelin-tune: bad option or value: %s %s\n", option.c_str(), value);
            return 2;
        }
    }
    for (const double a : per_claim)
        for (const double b : exponent)
            for (const double w : race_weight) {
                expert_parameters p;
                p.race.appearances_per_claim = a;
                p.race.claim_exponent = b;
                p.race_weight = w;
                p.race.learned = learned;
                const long wins = expert_wins(p, games, seed);
                const share_interval share = win_share(wins, games / 2 * 2);
                std::printf("appearances-per-claim %g claim-exponent %g race-weight %g: %.1f%% (95%%: %.1f to %.1f)\n",
                            a, b, w, 100 * share.share, 100 * share.low, 100 * share.high);
                std::fflush(stdout);
            }
    return 0;
}
