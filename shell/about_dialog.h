// The "About Zarvelin" box: its procedure and its texts, shared by every backend.
#pragma once

#include <cstdint>

#include "shell/dialog.h"

namespace shell {

namespace about_text {
constexpr const char* caption = "About Zarvelin";
constexpr const char* title = "ZARVELIN";
constexpr const char* credit_1 = "Zarvelin version 1.0";
constexpr const char* credit_2 = "by the Zarvelin project";
constexpr const char* credits_note =
    "Written by the Zarvelin project team. The computer opponent plays every roll exactly.";
constexpr const char* rules_intro =
    "For complete information on how to play this game, please check out the web page:";
// The last line: the Windows program's download carries the rules page beside
// the program. The Linux program names the real path of its copy instead.
constexpr const char* rules_page_beside_exe = "rules.html, beside zarvelin.exe";
}  // namespace about_text

constexpr int about_ok = 1;

bool about_dialog_proc(dialog& d, std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);

}  // namespace shell
