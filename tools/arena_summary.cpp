#include "tools/arena_summary.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

double milliseconds(std::uint32_t nanoseconds) { return nanoseconds / 1e6; }

// The decision time below which `fraction` of the decisions fall.
std::uint32_t quantile(std::vector<std::uint32_t>& times, double fraction) {
    if (times.empty()) return 0;
    const auto at = times.begin() + std::ptrdiff_t(fraction * double(times.size() - 1));
    std::nth_element(times.begin(), at, times.end());
    return *at;
}

struct tally {
    long wins = 0, turns = 0, busts = 0;
    long games = 0;  // games played by the seats counted, one per seat and game
    std::vector<std::uint32_t> times;
};

void print_line(std::FILE* to, const std::string& who, tally t, long games) {
    const share_interval w = win_share(t.wins, games);
    const double slowest = t.times.empty() ? 0.0 : milliseconds(*std::max_element(t.times.begin(), t.times.end()));
    const double median = milliseconds(quantile(t.times, 0.5));
    const double p99 = milliseconds(quantile(t.times, 0.99));
    std::fprintf(to,
                 "%s: wins %ld of %ld = %.1f%% (95%%: %.1f to %.1f), turns %.1f per game, busts %.3f per turn, "
                 "decisions median %.3f ms, 99%% %.3f ms, slowest %.3f ms\n",
                 who.c_str(), t.wins, games, 100 * w.share, 100 * w.low, 100 * w.high,
                 t.games ? double(t.turns) / double(t.games) : 0.0, t.turns ? double(t.busts) / double(t.turns) : 0.0,
                 median, p99, slowest);
}

void add(tally& t, const seat_tally& seat, long games) {
    t.wins += seat.wins;
    t.turns += seat.turns;
    t.busts += seat.busts;
    t.games += games;
    t.times.insert(t.times.end(), seat.timing.each.begin(), seat.timing.each.end());
}

}  // namespace

share_interval win_share(long wins, long games) {
    if (games == 0) return {0, 0, 0};
    const double z = 1.959963984540054;
    const double n = double(games);
    const double p = double(wins) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

void print_summary(std::FILE* to, const arena_options& options, const arena_result& result) {
    const long games = result.games;
    for (std::size_t seat = 0; seat < result.seats.size(); ++seat) {
        tally t;
        add(t, result.seats[seat], games);
        print_line(to, std::string("seat ") + char('A' + seat) + " (" + std::string(level_name(options.level_of(seat))) + ")",
                   std::move(t), games);
    }
    // A level's wins are the games won by any of its seats.
    for (const computer_level level : {computer_level::easy, computer_level::standard, computer_level::expert}) {
        tally t;
        int seats = 0;
        for (std::size_t seat = 0; seat < result.seats.size(); ++seat)
            if (options.level_of(seat) == level) {
                add(t, result.seats[seat], games);
                ++seats;
            }
        if (seats == 0) continue;
        print_line(to, std::string("level ") + std::string(level_name(level)) + " (" + std::to_string(seats) +
                       (seats == 1 ? " seat)" : " seats)"),
                   std::move(t), games);
    }
}
