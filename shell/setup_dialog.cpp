#include "shell/setup_dialog.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/game_settings.h"
#include "shell/window_messages.h"

namespace shell {

using namespace setup_ids;

namespace {

constexpr int name_ids[4] = {name_1, name_2, name_3, name_4};

// GetDlgItemText reads into 256 bytes: at most 255 bytes of the name are kept,
// cut as the dialog's encoding allows.
std::string read_name(dialog& d, int id) { return std::string(cut_text(d.text(id), 255, d.encoding())); }

// The standard atoi, except that a number too large for 32 bits saturates
// rather than wrapping round into a small valid-looking value.
std::int32_t to_number(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = std::min(limit, value * 10 + (text[i] - '0'));
    }
    if (negative) return std::int32_t(-value);
    return std::int32_t(std::min<std::int64_t>(value, limit - 1));
}

void set_seat(dialog& d, int on, int off_1, int off_2 = 0) {
    d.check(on, true);
    d.check(off_1, false);
    if (off_2) d.check(off_2, false);
}

void empty_seat_4(dialog& d) {
    set_seat(d, seat_4_empty, seat_4_human, seat_4_computer);
    d.enable(name_4, false);
}

// Seat 4 can hold a player only while seat 3 does.
void fill_seat_4(dialog& d, int on, int off) {
    if (!d.is_checked(seat_3_human) && !d.is_checked(seat_3_computer)) return empty_seat_4(d);
    set_seat(d, on, off, seat_4_empty);
    d.enable(name_4, true);
}

void init_dialog(dialog& d) {
    const game_settings& s = settings();
    for (int i = 0; i < 4; ++i) d.set_text(name_ids[i], s.player_names[i]);

    set_seat(d, seat_1_human, seat_1_computer);
    set_seat(d, seat_2_computer, seat_2_human);
    if (s.setup_player_count >= 3) {
        set_seat(d, seat_3_computer, seat_3_human, seat_3_empty);
    } else {
        set_seat(d, seat_3_empty, seat_3_human, seat_3_computer);
    }
    if (s.setup_player_count == 4) {
        set_seat(d, seat_4_computer, seat_4_human, seat_4_empty);
    } else {
        set_seat(d, seat_4_empty, seat_4_human, seat_4_computer);
    }
    d.enable(name_2, s.setup_player_count >= 2);
    d.enable(name_3, s.setup_player_count >= 3);
    d.enable(name_4, s.setup_player_count == 4);

    set_seat(d, pace_quick, pace_slow);
    d.set_text(columns_to_win, std::string(1, char('0' + s.setup_columns_to_win)));

    centre_on_screen(d);
    d.focus_first_control();
}

bool on_command(dialog& d, int id) {
    switch (id) {
        case start_game:
            return apply_setup(d);
        case seat_1_human:
            set_seat(d, seat_1_human, seat_1_computer);
            break;
        case seat_1_computer:
            set_seat(d, seat_1_computer, seat_1_human);
            break;
        case seat_2_human:
            set_seat(d, seat_2_human, seat_2_computer);
            break;
        case seat_2_computer:
            set_seat(d, seat_2_computer, seat_2_human);
            break;
        case seat_3_human:
            set_seat(d, seat_3_human, seat_3_computer, seat_3_empty);
            d.enable(name_3, true);
            break;
        case seat_3_computer:
            set_seat(d, seat_3_computer, seat_3_human, seat_3_empty);
            d.enable(name_3, true);
            break;
        case seat_3_empty:
            set_seat(d, seat_3_empty, seat_3_human, seat_3_computer);
            d.enable(name_3, false);
            empty_seat_4(d);
            break;
        case seat_4_human:
            fill_seat_4(d, seat_4_human, seat_4_computer);
            break;
        case seat_4_computer:
            fill_seat_4(d, seat_4_computer, seat_4_human);
            break;
        case seat_4_empty:
            empty_seat_4(d);
            break;
        case pace_slow:
            set_seat(d, pace_slow, pace_quick);
            break;
        case pace_quick:
            set_seat(d, pace_quick, pace_slow);
            break;
        default:
            break;
    }
    return false;
}

}  // namespace

bool apply_setup(dialog& d) {
    game_settings& s = settings();
    if (!d.is_checked(seat_4_empty)) {
        s.setup_player_count = 4;
    } else {
        s.setup_player_count = d.is_checked(seat_3_empty) ? 2 : 3;
    }
    s.seat_is_human = {d.is_checked(seat_1_human), d.is_checked(seat_2_human), d.is_checked(seat_3_human),
                       d.is_checked(seat_4_human)};
    for (int i = 0; i < 4; ++i) s.player_names[i] = read_name(d, name_ids[i]);
    s.computer_pace = d.is_checked(pace_quick) ? 1 : 0;
    s.setup_columns_to_win = to_number(d.text(columns_to_win));

    const std::int64_t k = s.setup_columns_to_win;
    if (k < 1 || (k - 1) * std::int64_t(s.setup_player_count) > 10) {
        d.message_box("Invalid Number of Columns to Win", "Invalid", platform::buttons::ok,
                      platform::icon::none);
        return false;
    }
    d.end(0);
    return true;
}

bool setup_dialog_proc(dialog& d, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    switch (message) {
        case msg::wm_initdialog:
            init_dialog(d);
            return false;
        case msg::wm_command:
            return on_command(d, int(wparam & 0xffff));
        case msg::wm_close:
            return apply_setup(d);
        default:
            return false;
    }
}

}  // namespace shell
