// The program's two dialogs as the soak driver plays them: a scripted stand-in
// for the dialog window, clicked and typed into at random, run through the
// shell's own dialog procedures.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "tools/soak_random.h"

// Who plays the next game: the seats, which of them a person plays (bit i for
// seat i), the computer's pace (1 quick, 0 slow) and the columns that win.
struct seat_mix {
    std::uint32_t seats = 2;
    std::uint32_t humans = 0;
    std::int32_t pace = 1;
    std::int32_t columns = 3;
    friend auto operator<=>(const seat_mix&, const seat_mix&) = default;
};

// Every mix the set-up dialog accepts: 2 to 4 seats, each a person or the
// computer, either pace, and 1 to the largest number of columns the seats allow.
int seat_mix_count();
seat_mix seat_mix_number(int n);

// What a dialog sees of its owner while it is open: the main window may be repainted.
using owner_repaint = std::function<void()>;

// Plays the set-up dialog until it closes: clicks on every control in any
// order, names of any bytes and length, numbers of columns of every kind, the
// "Invalid" box answered; then the clicks and the text that choose `wanted`.
// Returns what went wrong, or an empty text when the dialog closed with the
// settings of `wanted`.
std::string play_setup_dialog(soak_random& random, const seat_mix& wanted, const owner_repaint& repaint);

// Opens the about box, clicks about in it, and closes it with OK or the close box.
std::string play_about_dialog(soak_random& random, const owner_repaint& repaint);
