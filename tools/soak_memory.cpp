#include "tools/soak_memory.h"

#include <malloc.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_SANITIZED_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_SANITIZED_HEAP 1
#endif
#endif

#ifdef SOAK_SANITIZED_HEAP
// The sanitizer's allocator replaces malloc's, whose figures then say nothing.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
std::size_t heap_in_use() { return __sanitizer_get_current_allocated_bytes(); }
#else
std::size_t heap_in_use() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}
#endif

void restart_without_malloc_cache(char** argv) {
#ifndef SOAK_SANITIZED_HEAP
    static const char cache_off[] = "glibc.malloc.tcache_count=0";
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    std::string value = tunables ? tunables : "";
    if (value.find(cache_off) != std::string::npos) return;
    value = value.empty() ? cache_off : value + ":" + cache_off;
    setenv("GLIBC_TUNABLES", value.c_str(), 1);
    execv("/proc/self/exe", argv);
    std::perror("zarvelin-soak: starting again without the allocator's cache (the heap figures may run high)");
#else
    (void)argv;
#endif
}

std::string heap_watch::game_started(std::uint32_t seats, std::uint32_t players, bool fresh_players) {
    ++games_;
    if (!fresh_players || games_ <= warm_up_games) return {};
    const std::size_t bytes = heap_in_use();
    readings& r = by_players_[{seats, players}];
    ++r.count;
    r.highest = std::max(r.highest, bytes);
    if (bytes < r.lowest) {
        r.lowest = bytes;
        r.lowest_game = games_;
    }
    if (bytes - r.lowest <= allowance) return {};
    return "memory grows: a game of " + std::to_string(seats) + " seats starts with " +
           std::to_string(bytes) + " bytes on the heap, " + std::to_string(bytes - r.lowest) +
           " more than at game " + std::to_string(r.lowest_game);
}

std::string heap_watch::summary() const {
    std::string text;
    for (std::uint32_t seats = 2; seats <= 4; ++seats) {
        readings all;
        int sets = 0;
        for (const auto& [key, r] : by_players_) {
            if (key.first != seats) continue;
            ++sets;
            all.lowest = std::min(all.lowest, r.lowest);
            all.highest = std::max(all.highest, r.highest);
            all.count += r.count;
        }
        if (all.count == 0) continue;
        if (!text.empty()) text += "; ";
        text += std::to_string(seats) + " seats: " + std::to_string(all.lowest) + " to " +
                std::to_string(all.highest) + " bytes over " + std::to_string(all.count) + " readings of " +
                std::to_string(sets) + " sets of players";
    }
    return text.empty() ? "no readings after the first " + std::to_string(warm_up_games) + " games" : text;
}
