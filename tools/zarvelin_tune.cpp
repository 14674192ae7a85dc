// zarvelin-tune: plays the expert with trial parameters against the standard
// computer, heads-up with the seats alternated, and prints each trial's win
// share with its 95% interval. Every option takes a list of values; every
// combination is tried on the same seeds, so trials compare on equal dice.
//
//   zarvelin-tune [--games G] [--seed S] [--columns-per-turn a,b,..] [--sharpness ..]
//                 [--tempo ..] [--boldness ..]
//
// Tune on one seed range and report on another: the runner's --seed and
// --games pick the games, and a share measured on the seeds it was tuned on
// flatters the parameters.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "strategy/expert_player.h"
#include "tools/arena_match.h"
#include "tools/arena_summary.h"

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
    std::uint32_t games = 2000, seed = 1000;
    std::vector<double> per_turn{defaults.race.columns_per_turn}, sharpness{defaults.race.sharpness},
        tempo{defaults.race.tempo}, boldness{defaults.boldness}, race_moves{0}, push{1};
    for (int i = 1; i + 1 < argc + 1; i += 2) {
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
        else if (option == "--columns-per-turn")
            ok = parse_list(value, per_turn);
        else if (option == "--sharpness")
            ok = parse_list(value, sharpness);
        else if (option == "--tempo")
            ok = parse_list(value, tempo);
        else if (option == "--boldness")
            ok = parse_list(value, boldness);
        else if (option == "--race-moves")
            ok = parse_list(value, race_moves);
        else if (option == "--push")
            ok = parse_list(value, push);
        else
            ok = false;
        if (!ok || games < 2) {
            std::fprintf(stderr, "zarvelin-tune: bad option or value: %s %s\n", option.c_str(), value);
            return 2;
        }
    }
    for (const double a : per_turn)
        for (const double b : sharpness)
            for (const double c : tempo)
                for (const double d : boldness)
                for (const double e : race_moves)
                for (const double f : push) {
                    expert_parameters p;
                    p.race = {a, b, c};
                    p.boldness = d;
                    p.race_moves = e != 0;
                    p.push = f != 0;
                    const long wins = expert_wins(p, games, seed);
                    const share_interval w = win_share(wins, games / 2 * 2);
                    std::printf("columns-per-turn %g sharpness %g tempo %g boldness %g race-moves %g push %g: %.1f%% (95%%: %.1f to %.1f)\n",
                                a, b, c, d, e, f, 100 * w.share, 100 * w.low, 100 * w.high);
                    std::fflush(stdout);
                }
    return 0;
}
