// libFuzzer target: the set-up dialog turning what was typed and clicked into
// game settings. Names of any bytes and length, any columns-to-win text, any
// clicks on the seat and pace buttons, then Start Game or the close box.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "engine/game_settings.h"
#include "shell/setup_dialog.h"
#include "shell/shell_values.h"
#include "shell/window_messages.h"

namespace {

using namespace shell::setup_ids;

class fuzz_dialog final : public shell::dialog {
public:
    void check(int id, bool on) override { checked[id] = on; }
    bool is_checked(int id) override { return checked[id]; }
    void set_text(int id, std::string_view t) override { texts[id] = std::string(t); }
    std::string text(int id) override { return texts[id]; }
    void enable(int, bool) override {}
    void end(int) override { ended = true; }
    platform::rect outer_rect() override { return {0, 0, 330, 366}; }
    void move(int, int) override {}
    void focus_first_control() override {}
    shell::text_encoding encoding() override { return text_encoding; }
    platform::answer message_box(std::string_view, std::string_view caption, platform::buttons,
                                 platform::icon) override {
        invalid_boxes += caption == "Invalid";
        return platform::answer::ok;
    }

    bool send(std::uint32_t message, std::uintptr_t wparam = 0) {
        return shell::setup_dialog_proc(*this, message, wparam, 0);
    }

    std::map<int, bool> checked;
    std::map<int, std::string> texts;
    bool ended = false;
    int invalid_boxes = 0;
    shell::text_encoding text_encoding = shell::text_encoding::utf8;
};

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "setup_text_fuzz: %s\n", what);
    std::abort();
}

// The number as the C library reads it, held to the 32-bit range.
std::int64_t read_as_the_c_library_does(const std::string& text) {
    const long long n = std::strtoll(text.c_str(), nullptr, 10);
    return std::clamp<long long>(n, INT32_MIN, INT32_MAX);
}

// Every byte of the text in a whole UTF-8 sequence (lead byte, then as many
// continuation bytes as it announces).
bool whole_utf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xc0 && lead < 0xe0 ? 2
                                   : lead >= 0xe0 && lead < 0xf0 ? 3
                                   : lead >= 0xf0 && lead < 0xf8 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
        i += length;
    }
    return true;
}

// A short name is kept as typed; a long one loses its end: in the ANSI code
// page exactly 255 bytes are kept, in UTF-8 252 to 255, and whole UTF-8 stays whole.
bool kept_as_it_should(const std::string& typed, const std::string& name, shell::text_encoding encoding) {
    if (typed.size() <= 255) return name == typed;
    if (encoding == shell::text_encoding::ansi_code_page) return name == typed.substr(0, 255);
    if (name.size() > 255 || name.size() < 252 || typed.compare(0, name.size(), name) != 0) return false;
    return !whole_utf8(typed) || whole_utf8(name);
}

constexpr std::array<int, 12> buttons{seat_1_human,    seat_1_computer, seat_2_human, seat_2_computer,
                                      seat_3_human,    seat_3_computer, seat_3_empty, seat_4_human,
                                      seat_4_computer, seat_4_empty,    pace_slow,    pace_quick};
constexpr std::array<int, 4> name_ids{name_1, name_2, name_3, name_4};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    settings() = game_settings{};
    fuzz_dialog d;
    d.text_encoding = in.ConsumeBool() ? shell::text_encoding::ansi_code_page : shell::text_encoding::utf8;
    d.send(msg::wm_initdialog);

    std::array<std::string, 4> typed;
    for (int i = 0; i < 4; ++i) d.set_text(name_ids[i], typed[i] = in.ConsumeRandomLengthString(1000));
    for (int n = in.ConsumeIntegralInRange(0, 12); n > 0; --n)
        d.send(msg::wm_command,
               std::uintptr_t(buttons[in.ConsumeIntegralInRange<std::size_t>(0, buttons.size() - 1)]));
    const bool close_box = in.ConsumeBool();
    const std::string columns = in.ConsumeRemainingBytesAsString();
    d.set_text(columns_to_win, columns);

    const std::uint32_t seats = !d.checked[seat_4_empty] ? 4 : d.checked[seat_3_empty] ? 2 : 3;
    const bool closed = close_box ? d.send(msg::wm_close) : d.send(msg::wm_command, start_game);

    const game_settings& s = settings();
    const std::int64_t k = read_as_the_c_library_does(columns);
    if (s.setup_columns_to_win != k) broken("the columns to win differ from the C library's reading");
    const bool valid = k >= 1 && (k - 1) * seats <= 10;
    if (closed != valid || d.ended != valid || d.invalid_boxes != (valid ? 0 : 1))
        broken("the dialog closed with an invalid number, or refused a valid one");
    if (s.setup_player_count != seats) broken("the seats stored are not the seats checked");
    for (int i = 0; i < 4; ++i) {
        if (!kept_as_it_should(typed[i], s.player_names[i], d.text_encoding))
            broken("a name was not kept as typed, or cut inside a character");
    }
    if (!closed) return 0;

    // Opened again, the dialog shows the number as the one digit it is.
    fuzz_dialog again;
    again.send(msg::wm_initdialog);
    if (again.texts[columns_to_win] != std::to_string(k)) broken("the reopened dialog shows another number");
    return 0;
}
