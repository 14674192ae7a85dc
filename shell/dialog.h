// The few things a dialog procedure asks of its dialog, named after the Windows
// calls they stand for, so the same rules run behind a Win32 dialog, an FLTK
// dialog and a test fake.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/window.h"

namespace shell {

// How a dialog's texts are encoded: the Windows program's in the ANSI code
// page, one byte a character; the FLTK program's in UTF-8.
enum class text_encoding { ansi_code_page, utf8 };

// At most `most` bytes of text. In the ANSI code page every byte is a
// character and the cut is exact; in UTF-8 it never splits a character, so the
// text stays valid, and bytes that continue no character are kept as they come.
std::string_view cut_text(std::string_view text, std::size_t most, text_encoding encoding);

class dialog {
public:
    virtual ~dialog() = default;
    // CheckDlgButton / IsDlgButtonChecked.
    virtual void check(int id, bool checked) = 0;
    virtual bool is_checked(int id) = 0;
    // SetDlgItemText / GetDlgItemText; text returns the whole text, callers cut it.
    virtual void set_text(int id, std::string_view text) = 0;
    virtual std::string text(int id) = 0;
    // The encoding of those texts, which says where a long one may be cut.
    virtual text_encoding encoding() = 0;
    // EnableWindow(GetDlgItem(id)).
    virtual void enable(int id, bool enabled) = 0;
    // EndDialog: the modal loop ends once the procedure has returned.
    virtual void end(int result) = 0;
    // GetWindowRect of the dialog (screen pixels, outer frame) and MoveWindow
    // to a new top-left corner keeping the size.
    virtual platform::rect outer_rect() = 0;
    virtual void move(int left, int top) = 0;
    // SetFocus(GetWindow(dialog, GW_CHILD)).
    virtual void focus_first_control() = 0;
    // MessageBox owned by the dialog.
    virtual platform::answer message_box(std::string_view text, std::string_view caption, platform::buttons b,
                                         platform::icon i) = 0;
};

// Moves the dialog to the middle of the screen (shell::screen_width/height),
// as both dialogs do when they open.
void centre_on_screen(dialog& d);

}  // namespace shell
