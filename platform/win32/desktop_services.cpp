#include "platform/win32/desktop_services.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "resources/zarvelin_rc.h"

namespace win32 {

namespace {

struct table_box {
    std::string caption, text;
};

INT_PTR CALLBACK table_box_proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: {
            const auto* shown = reinterpret_cast<const table_box*>(lparam);
            SetWindowTextA(box, shown->caption.c_str());
            SetDlgItemTextA(box, IDC_TABLE_TEXT, shown->text.c_str());
            SetFocus(GetDlgItem(box, IDOK));
            return FALSE;
        }
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) EndDialog(box, 0);
            return TRUE;
        case WM_CLOSE:
            EndDialog(box, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

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

void desktop_services::check_menu_item(std::uint32_t command, bool on) {
    CheckMenuItem(GetMenu(window_), command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// An accelerator of a greyed item sends no command, so H does nothing then.
void desktop_services::enable_menu_item(std::uint32_t command, bool on) {
    EnableMenuItem(GetMenu(window_), command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void desktop_services::show_sheet(platform::sheet_drawing& drawing, bool shown) {
    if (shown)
        sheet_.show(drawing);
    else
        sheet_.hide();
    CheckMenuItem(GetMenu(window_), IDM_SCORE_SHEET, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
}

std::string desktop_services::choose_save_path(std::string_view caption, std::string_view suggested_name) {
    char path[MAX_PATH] = "";
    suggested_name.copy(path, std::min(suggested_name.size(), sizeof path - 1));
    const std::string title(caption);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = "Text files (*.txt)\0*.txt\0All files\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = "txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&dialog)) return {};
    return path;
}

void desktop_services::show_table(std::string_view caption, std::string_view text) {
    table_box shown{std::string(caption), {}};
    // An edit control breaks lines at CR LF.
    for (char c : text) {
        if (c == '\n') shown.text += '\r';
        shown.text += c;
    }
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TABLE), window_, table_box_proc,
                    reinterpret_cast<LPARAM>(&shown));
}

}  // namespace win32
