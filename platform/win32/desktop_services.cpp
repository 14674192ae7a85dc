#include "platform/win32/desktop_services.h"

#include <shellapi.h>

#include "resources/zarvelin_rc.h"

namespace win32 {

std::string desktop_services::rules_page() {
    char program[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string folder(program, length < sizeof program ? length : 0);
    const auto slash = folder.find_last_of("\\/");
    folder.resize(slash == std::string::npos ? 0 : slash + 1);
    return folder + "rules.html";
}

bool desktop_services::open_in_browser(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    // ShellExecute reports success with a value above 32.
    const auto result = ShellExecuteA(window_, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void desktop_services::check_sound_item(bool on) {
    CheckMenuItem(GetMenu(window_), IDM_SOUND, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace win32
