// zarvelin-arena: plays whole games between computer seats on the real engine,
// headless, and prints one line per game.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "tools/arena_match.h"
#include "tools/arena_options.h"
#include "tools/arena_resume_check.h"
#include "tools/arena_summary.h"

namespace {

int resume_check(const arena_options& options) {
    const auto start = std::chrono::steady_clock::now();
    const resume_check_result result = run_resume_check(options, stdout);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!result.fault.empty()) {
        std::fprintf(stderr, "zarvelin-arena: a resumed game differs: %s\n", result.fault.c_str());
        return 1;
    }
    std::fprintf(stderr, "%d games resumed %ld times, each the same game, in %.1f s\n", result.games,
                 result.resumes, seconds);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parse_arena_options(argc, argv, std::uint32_t(std::time(nullptr)), error);
    if (!options) {
        std::fprintf(stderr, "zarvelin-arena: %s\n%s\n", error.c_str(), arena_usage);
        return 2;
    }
    // A file opened later (the trace) would take the closed descriptor's place
    // and receive the game lines.
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        std::fprintf(stderr, "zarvelin-arena: standard output is closed\n");
        return 1;
    }
    if (options->resume_check) return resume_check(*options);
    const auto start = std::chrono::steady_clock::now();
    const arena_result result = run_match(*options, stdout);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!result.fault.empty()) {
        std::fprintf(stderr, "zarvelin-arena: %s\n", result.fault.c_str());
        return 1;
    }
    if (!result.finished) {
        std::fprintf(stderr, "zarvelin-arena: the match stopped before its last game ended\n");
        return 1;
    }
    // Timings vary from run to run: they stay off standard output, which is the run's signature.
    std::fprintf(stderr, "%d games in %.3f s (%.1f games/s), %ld decisions, slowest %.3f ms\n", result.games,
                 seconds, result.games / seconds, result.timing.decisions,
                 double(result.timing.slowest.count()) / 1e6);
    print_summary(stderr, *options, result);
    return 0;
}
