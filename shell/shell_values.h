// The values the shell keeps for the whole run: the screen size (both dialogs
// and the main window are centred with it) and the confirmation text.
#pragma once

#include <string>

namespace shell {

inline int screen_width = 0;
inline int screen_height = 0;
// String resource 1 on Windows; compiled in elsewhere.
inline std::string quit_prompt;

constexpr const char* quit_prompt_text = "Are you sure you want to quit this game?";

}  // namespace shell
