#include "shell/dialog.h"

#include "shell/shell_values.h"

namespace shell {

std::string_view cut_text(std::string_view text, std::size_t most, text_encoding encoding) {
    if (text.size() <= most || encoding == text_encoding::ansi_code_page) return text.substr(0, most);
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    // The first byte of the character that byte `most` would continue: at most three back.
    std::size_t lead = most;
    while (lead + 3 > most && lead > 0 && (byte(lead) & 0xc0) == 0x80) --lead;
    const std::size_t length = byte(lead) >= 0xf8   ? 1
                               : byte(lead) >= 0xf0 ? 4
                               : byte(lead) >= 0xe0 ? 3
                               : byte(lead) >= 0xc0 ? 2
                                                    : 1;
    return text.substr(0, lead < most && lead + length > most ? lead : most);
}

void centre_on_screen(dialog& d) {
    const platform::rect r = d.outer_rect();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    d.move((screen_width - width) / 2, (screen_height - height) / 2);
}

}  // namespace shell
