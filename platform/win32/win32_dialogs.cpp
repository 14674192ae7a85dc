#include "platform/win32/win32_dialogs.h"

#include <string>
#include <string_view>

#include "platform/win32/win32_window.h"
#include "resources/zarvelin_rc.h"
#include "shell/about_dialog.h"
#include "shell/setup_dialog.h"
#include "shell/shell_values.h"
#include "shell/window_messages.h"

// The resource script carries the same numbers and texts as the shared code.
static_assert(IDD_ABOUT == int(platform::dialog_template::about));
static_assert(IDD_SETUP == int(platform::dialog_template::setup));
static_assert(IDOK == shell::setup_ids::start_game && IDOK == shell::about_ok);
static_assert(IDC_NAME_1 == shell::setup_ids::name_1 && IDC_NAME_2 == shell::setup_ids::name_2 &&
              IDC_NAME_3 == shell::setup_ids::name_3 && IDC_NAME_4 == shell::setup_ids::name_4);
static_assert(IDC_SEAT_1_HUMAN == shell::setup_ids::seat_1_human &&
              IDC_SEAT_1_COMPUTER == shell::setup_ids::seat_1_computer &&
              IDC_SEAT_2_HUMAN == shell::setup_ids::seat_2_human &&
              IDC_SEAT_2_COMPUTER == shell::setup_ids::seat_2_computer);
static_assert(IDC_SEAT_3_HUMAN == shell::setup_ids::seat_3_human &&
              IDC_SEAT_3_COMPUTER == shell::setup_ids::seat_3_computer &&
              IDC_SEAT_3_EMPTY == shell::setup_ids::seat_3_empty);
static_assert(IDC_SEAT_4_HUMAN == shell::setup_ids::seat_4_human &&
              IDC_SEAT_4_COMPUTER == shell::setup_ids::seat_4_computer &&
              IDC_SEAT_4_EMPTY == shell::setup_ids::seat_4_empty);
static_assert(IDC_PACE_SLOW == shell::setup_ids::pace_slow &&
              IDC_PACE_QUICK == shell::setup_ids::pace_quick &&
              IDC_COLUMNS_TO_WIN == shell::setup_ids::columns_to_win);
static_assert(IDM_NEW_GAME == msg::cmd_new_game && IDM_EXIT == msg::cmd_exit && IDM_ABOUT == msg::cmd_about);
static_assert(std::string_view(QUIT_PROMPT_TEXT) == shell::quit_prompt_text);
static_assert(std::string_view(ABOUT_CAPTION) == shell::about_text::caption);
static_assert(std::string_view(ABOUT_TITLE) == shell::about_text::title);
static_assert(std::string_view(ABOUT_CREDIT_1) == shell::about_text::credit_1);
static_assert(std::string_view(ABOUT_CREDIT_2) == shell::about_text::credit_2);
static_assert(std::string_view(ABOUT_CREDITS_NOTE) == shell::about_text::credits_note);
static_assert(std::string_view(ABOUT_RULES_INTRO) == shell::about_text::rules_intro);
static_assert(std::string_view(ABOUT_RULES_PAGE) == shell::about_text::rules_page_beside_exe);
static_assert(msg::wm_initdialog == WM_INITDIALOG && msg::wm_command == WM_COMMAND &&
              msg::wm_close == WM_CLOSE);

namespace win32 {

namespace {

// The shared dialog interface over a live dialog window.
class win32_dialog final : public shell::dialog {
public:
    explicit win32_dialog(HWND handle) : handle_(handle) {}

    void check(int id, bool checked) override {
        CheckDlgButton(handle_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    bool is_checked(int id) override { return IsDlgButtonChecked(handle_, id) == BST_CHECKED; }
    void set_text(int id, std::string_view text) override {
        SetDlgItemTextA(handle_, id, std::string(text).c_str());
    }
    std::string text(int id) override {
        std::string text(std::size_t(GetWindowTextLengthA(GetDlgItem(handle_, id))) + 1, '\0');
        text.resize(GetDlgItemTextA(handle_, id, text.data(), int(text.size())));
        return text;
    }
    // The "A" calls' text: the ANSI code page's bytes.
    shell::text_encoding encoding() override { return shell::text_encoding::ansi_code_page; }
    void enable(int id, bool enabled) override { EnableWindow(GetDlgItem(handle_, id), enabled); }
    void end(int result) override { EndDialog(handle_, result); }
    platform::rect outer_rect() override {
        RECT r{};
        GetWindowRect(handle_, &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    void move(int left, int top) override {
        const platform::rect r = outer_rect();
        MoveWindow(handle_, left, top, r.right - r.left, r.bottom - r.top, FALSE);
    }
    void focus_first_control() override { SetFocus(GetWindow(handle_, GW_CHILD)); }
    platform::answer message_box(std::string_view text, std::string_view caption, platform::buttons b,
                                 platform::icon i) override {
        return win32::message_box(handle_, text, caption, b, i);
    }

private:
    HWND handle_;
};

}  // namespace

INT_PTR CALLBACK setup_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    win32_dialog d(dialog);
    return shell::setup_dialog_proc(d, message, wparam, lparam);
}

INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    win32_dialog d(dialog);
    return shell::about_dialog_proc(d, message, wparam, lparam);
}

DLGPROC dialog_proc_for(platform::dialog_template which) {
    return which == platform::dialog_template::setup ? setup_dialog_proc : about_dialog_proc;
}

}  // namespace win32
