// The "Set Up Game" dialog's procedure: its radio-button rules, and
// apply_setup, which validates and stores the game settings.
#pragma once

#include <cstdint>

#include "shell/dialog.h"

namespace shell {

namespace setup_ids {
constexpr int start_game = 1;
constexpr int name_1 = 1003, name_2 = 1004, name_3 = 1005, name_4 = 1006;
constexpr int seat_1_human = 1019, seat_1_computer = 1020;
constexpr int seat_2_human = 1022, seat_2_computer = 1023;
constexpr int seat_3_human = 1025, seat_3_computer = 1026, seat_3_empty = 1027;
constexpr int seat_4_human = 1028, seat_4_computer = 1029, seat_4_empty = 1030;
constexpr int pace_slow = 1031, pace_quick = 1032;
constexpr int columns_to_win = 1033;
}  // namespace setup_ids

// The dialog procedure; the result is what a Windows dialog procedure returns
// (true: the message was handled).
bool setup_dialog_proc(dialog& d, std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);

// Reads the dialog into settings(); true when the number of columns was valid
// and the dialog was ended, false after the "Invalid" box.
bool apply_setup(dialog& d);

}  // namespace shell
