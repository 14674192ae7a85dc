// The soak: the whole program, shell included, run on the headless platform
// from start to quit again and again, fed random input, with its rules
// checked after every event. The same seed gives the same run.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct soak_options {
    std::uint64_t events = 100000;
    std::uint64_t seed = 1;
};

struct soak_report {
    std::uint64_t events = 0;  // turns of the message loop: one input or repaint, then maybe a step
    std::uint64_t steps = 0;   // quick computers' steps run by the loop
    std::uint64_t games = 0;
    std::uint64_t runs = 0;  // starts of the program
    int mixes_played = 0;    // seat mixes that started at least one game
    int mixes = 0;           // every mix the set-up accepts
    std::string memory;      // the heap at the games' starts
    std::string fault;       // the first broken rule; empty when every rule held
    // Starts that took up the saved game of a killed or closed start.
    std::uint64_t resumes = 0;
};

// Runs until `options.events` events have been delivered or a rule breaks;
// `progress` is called every few thousand events.
soak_report run_soak(const soak_options& options, const std::function<void(const soak_report&)>& progress);
