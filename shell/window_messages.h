// The message, command and notification values the shell routes by. They are
// the Windows values, so the Win32 backend passes its messages through as they
// come and the other backends translate their events into the same numbers.
#pragma once

#include <cstdint>

namespace msg {

constexpr std::uint32_t wm_destroy = 0x0002;
constexpr std::uint32_t wm_close = 0x0010;
constexpr std::uint32_t wm_paint = 0x000F;
constexpr std::uint32_t wm_char = 0x0102;
constexpr std::uint32_t wm_initdialog = 0x0110;
constexpr std::uint32_t wm_command = 0x0111;
constexpr std::uint32_t wm_syscommand = 0x0112;
constexpr std::uint32_t wm_lbuttondown = 0x0201;
constexpr std::uint32_t wm_rbuttondown = 0x0204;

// WM_SYSCOMMAND's wParam for the close box and Alt+F4.
constexpr std::uintptr_t sc_close = 0xF060;

// The main menu's commands (the low word of WM_COMMAND's wParam).
constexpr std::uint32_t cmd_new_game = 40001;
constexpr std::uint32_t cmd_exit = 40002;
constexpr std::uint32_t cmd_about = 40003;

// The mouse position packed as a Windows mouse message carries it.
constexpr std::intptr_t make_point_lparam(int x, int y) {
    return std::intptr_t((std::uint32_t(y) & 0xffff) << 16 | (std::uint32_t(x) & 0xffff));
}

}  // namespace msg
