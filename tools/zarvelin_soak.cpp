// zarvelin-soak: the whole program on the headless platform, fed random input
// for as many events as asked, its rules checked after every event. Exit
// status 0 when every rule held, 1 on the first break, 2 for a bad command line.
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "tools/soak_memory.h"
#include "tools/soak_options.h"

int main(int argc, char** argv) {
    restart_without_malloc_cache(argv);
    std::string error;
    const auto options = parse_soak_options(argc, argv, std::uint64_t(std::time(nullptr)), error);
    if (!options) {
        std::fprintf(stderr, "zarvelin-soak: %s\n%s\n", error.c_str(), soak_usage);
        return 2;
    }
    // The additions remember the set-up and the records in the user's folder:
    // the soak's are a folder of its own, gone afterwards. The game is saved
    // at every move and forced to the disk: in memory (/dev/shm) when there is
    // such a folder, the soak is not held up by the disk.
    char shm_folder[] = "/dev/shm/zarvelin-soak-XXXXXX";
    char tmp_folder[] = "/tmp/zarvelin-soak-XXXXXX";
    char* folder = mkdtemp(shm_folder) ? shm_folder : tmp_folder;
    if (folder == tmp_folder && !mkdtemp(tmp_folder)) {
        std::perror("zarvelin-soak: a folder for the remembered files");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", folder, 1);
    struct remove_at_end {
        const char* path;
        ~remove_at_end() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } cleanup{folder};
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    auto last_line = start;
    const auto seconds_since = [](clock::time_point t) {
        return std::chrono::duration<double>(clock::now() - t).count();
    };
    const auto progress = [&](const soak_report& r) {
        if (seconds_since(last_line) < 10) return;
        last_line = clock::now();
        std::fprintf(stderr,
                     "zarvelin-soak: %" PRIu64 " of %" PRIu64 " events, %" PRIu64
                     " games, %d of %d seat mixes\n",
                     r.events, options->events, r.games, r.mixes_played, r.mixes);
    };
    std::fprintf(stderr, "zarvelin-soak: seed %" PRIu64 ", %" PRIu64 " events\n", options->seed,
                 options->events);
    const soak_report r = run_soak(*options, progress);
    const double seconds = seconds_since(start);
    std::printf("%" PRIu64 " events (%" PRIu64 " computer steps), %" PRIu64 " games in %" PRIu64
                " starts, %d of %d seat mixes, in %.1f s (%.0f events/s)\n",
                r.events, r.steps, r.games, r.runs, r.mixes_played, r.mixes, seconds,
                double(r.events) / seconds);
    std::printf("%" PRIu64 " games resumed after a kill or a close\n", r.resumes);
    std::printf("heap at the games' starts: %s\n", r.memory.c_str());
    if (!r.fault.empty()) {
        std::printf("BROKEN: %s\n", r.fault.c_str());
        return 1;
    }
    std::printf("held\n");
    return 0;
}
