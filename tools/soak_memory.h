// Whether the program's memory stays flat over a long run. The heap in use is
// read as a game starts with players just made (the first game of a start of
// the program, or one with another number of seats than the game before): the
// players' caches are empty then, and what is left is what the program keeps
// from game to game. Apart for each number of seats and each set of players
// (their level, which seats are computers: an easy computer holds no
// look-ahead, a standard or expert one does), that must not grow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

// Bytes the program's heap holds at this moment.
std::size_t heap_in_use();

// glibc keeps a few freed blocks of each small size in a cache of the thread's
// own, which its figures count as in use: the heap seemed to grow by tens of
// kilobytes over a long soak as more sizes were cached. The cache is a setting
// read only as a program starts, so this starts the soak again with the cache
// off, unless it is off already (or the heap's figures come from the
// sanitizer). Returns only then, or when starting again failed.
void restart_without_malloc_cache(char** argv);

class heap_watch {
public:
    // The games before this one fill the strategy's shared table, which the
    // program keeps for good; growth is measured from there.
    static constexpr std::uint64_t warm_up_games = 200;
    // Room for what varies from game to game without growing: the names typed
    // (four of up to 4 kB) and the shared table's last few entries.
    static constexpr std::size_t allowance = 64 * 1024;

    // A game starts; `fresh_players` when its players were just made,
    // `players` telling them apart (equal numbers for equal sets). Returns
    // what grew, or an empty text while memory is flat.
    std::string game_started(std::uint32_t seats, std::uint32_t players, bool fresh_players);
    // "2 seats: 4874176 to 4881232 bytes over 812 readings of 5 sets of players; ..." for the report.
    std::string summary() const;

private:
    struct readings {
        std::size_t lowest = SIZE_MAX, highest = 0;
        std::uint64_t lowest_game = 0, count = 0;
    };
    std::map<std::pair<std::uint32_t, std::uint32_t>, readings> by_players_;  // by seats and players
    std::uint64_t games_ = 0;
};
