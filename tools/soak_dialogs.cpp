#include "tools/soak_dialogs.h"

#include <algorithm>
#include <array>
#include <map>

#include "engine/game_settings.h"
#include "shell/about_dialog.h"
#include "shell/setup_dialog.h"
#include "shell/window_messages.h"

using namespace shell::setup_ids;

namespace {

// The largest number of columns the set-up accepts for a number of seats.
std::int32_t most_columns(std::uint32_t seats) { return std::int32_t(10 / seats + 1); }

// A dialog window that keeps its controls' states in maps, answers its own
// message boxes with OK and lets the owner be repainted now and then.
class scripted_dialog final : public shell::dialog {
public:
    scripted_dialog(soak_random& random, const owner_repaint& repaint) : random_(random), repaint_(repaint) {}

    void check(int id, bool on) override { checked[id] = on; }
    bool is_checked(int id) override { return checked[id]; }
    void set_text(int id, std::string_view t) override { texts[id] = std::string(t); }
    std::string text(int id) override { return texts[id]; }
    void enable(int id, bool on) override { enabled[id] = on; }
    void end(int result) override {
        ended = true;
        end_result = result;
    }
    platform::rect outer_rect() override { return {left_, top_, left_ + 330, top_ + 366}; }
    void move(int l, int t) override { left_ = l, top_ = t; }
    void focus_first_control() override {}
    // The Linux program's edit fields give UTF-8.
    shell::text_encoding encoding() override { return shell::text_encoding::utf8; }
    platform::answer message_box(std::string_view text, std::string_view caption, platform::buttons b,
                                 platform::icon) override {
        if (text != "Invalid Number of Columns to Win" || caption != "Invalid" || b != platform::buttons::ok)
            fault = "the set-up dialog showed an unexpected box \"" + std::string(caption) + "\"";
        ++invalid_boxes;
        maybe_repaint();
        return platform::answer::ok;
    }

    bool send(std::uint32_t message, std::uintptr_t wparam = 0) {
        maybe_repaint();
        return proc(*this, message, wparam, 0);
    }
    void maybe_repaint() {
        if (random_.chance(60)) repaint_();
    }

    bool (*proc)(shell::dialog&, std::uint32_t, std::uintptr_t, std::intptr_t) = nullptr;
    std::map<int, bool> checked;
    std::map<int, std::string> texts;
    std::map<int, bool> enabled;
    bool ended = false;
    int end_result = -1;
    int invalid_boxes = 0;
    std::string fault;

private:
    soak_random& random_;
    const owner_repaint& repaint_;
    int left_ = 0, top_ = 0;
};

constexpr std::array<int, 4> name_ids{name_1, name_2, name_3, name_4};
constexpr std::array<int, 15> radio_ids{seat_1_human, seat_1_computer, seat_2_human, seat_2_computer,
                                        seat_3_human, seat_3_computer, seat_3_empty, seat_4_human,
                                        seat_4_computer, seat_4_empty, pace_slow, pace_quick,
                                        // ids the dialog has no control for, and a static's
                                        1021, 1024, 0xffff};

// Bytes of every kind: plain letters, UTF-8 sequences of two to four bytes
// (a cut at 255 bytes must not split one), control bytes and stray high bytes.
std::string random_name(soak_random& random) {
    static constexpr std::array<const char*, 6> pieces{
        "Ann", " ", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x8e\xb2", "\t\"\\%s\n"};
    std::size_t length = 0;
    switch (random.below(8)) {
        case 0:
            break;
        case 1:
            length = 240 + random.below(40);  // about the 255-byte cut
            break;
        case 2:
            length = 1000 + random.below(3000);
            break;
        default:
            length = 1 + random.below(24);
            break;
    }
    std::string name;
    while (name.size() < length) {
        if (random.chance(100))
            name += char(random.below(256));
        else
            name += pieces[random.below(pieces.size())];
    }
    return name;
}

// Texts no number of seats accepts: below 1, above 6, too large for any
// integer type, or no number at all.
std::string refused_columns_text(soak_random& random) {
    static constexpr std::array<const char*, 14> texts{
        "",   "0",  "-0",         "-1",         " -3",         "7",
        "+9", "12", "2147483648", "4294967299", "-2147483649", "99999999999999999999999",
        "x3", "+ 3"};
    if (random.chance(200)) {
        std::string junk = "z";
        for (std::uint32_t i = random.below(12); i > 0; --i) junk += char(random.below(256));
        return junk;
    }
    return texts[random.below(texts.size())];
}

// The number `k` written in one of the ways the conversion reads as k.
std::string accepted_columns_text(soak_random& random, std::int32_t k) {
    const std::string digits = std::to_string(k);
    switch (random.below(7)) {
        case 0:
            return " " + digits;
        case 1:
            return "\t\n+" + digits;
        case 2:
            return "000000000000000000000" + digits;
        case 3:
            return digits + "x";
        case 4:
            return digits + " 9";
        default:
            return digits;
    }
}

// One random thing done to the dialog that cannot close it.
void fiddle(soak_random& random, scripted_dialog& d) {
    switch (random.below(5)) {
        case 0:
        case 1:
            d.send(msg::wm_command, std::uintptr_t(radio_ids[random.below(radio_ids.size())]));
            break;
        case 2:
            d.set_text(name_ids[random.below(4)], random_name(random));
            break;
        case 3:
            d.set_text(columns_to_win, refused_columns_text(random));
            break;
        default:
            // Messages the procedure does not handle.
            d.send(random.chance(500) ? msg::wm_paint : msg::wm_char, random.below(256));
            break;
    }
}

// Start Game, the close box, or Enter on the default button (Start Game's command).
bool press_start(soak_random& random, scripted_dialog& d) {
    if (random.chance(300)) return d.send(msg::wm_close);
    return d.send(msg::wm_command, std::uintptr_t(start_game));
}

void choose_seat(scripted_dialog& d, int seat, const seat_mix& m) {
    static constexpr int human[4] = {seat_1_human, seat_2_human, seat_3_human, seat_4_human};
    static constexpr int computer[4] = {seat_1_computer, seat_2_computer, seat_3_computer, seat_4_computer};
    static constexpr int empty[4] = {0, 0, seat_3_empty, seat_4_empty};
    int id = empty[seat];
    if (std::uint32_t(seat) < m.seats) id = (m.humans >> seat & 1) ? human[seat] : computer[seat];
    d.send(msg::wm_command, std::uintptr_t(id));
}

std::string check_settings(scripted_dialog& d, const seat_mix& m, const std::array<std::string, 4>& typed) {
    const game_settings& s = settings();
    if (d.end_result != 0) return "the set-up dialog ended with " + std::to_string(d.end_result);
    std::uint32_t humans = 0;
    for (std::uint32_t i = 0; i < s.setup_player_count && i < 4; ++i)
        humans |= std::uint32_t(s.seat_is_human[i]) << i;
    const seat_mix stored{s.setup_player_count, humans, s.computer_pace, s.setup_columns_to_win};
    if (stored != m)
        return "the set-up dialog stored seats " + std::to_string(stored.seats) + " humans " +
               std::to_string(stored.humans) + " pace " + std::to_string(stored.pace) + " columns " +
               std::to_string(stored.columns) + " for seats " + std::to_string(m.seats) + " humans " +
               std::to_string(m.humans) + " pace " + std::to_string(m.pace) + " columns " +
               std::to_string(m.columns);
    for (int i = 0; i < 4; ++i) {
        const std::string& name = s.player_names[i];
        if (name.size() > 255 || typed[i].compare(0, name.size(), name) != 0)
            return "name " + std::to_string(i + 1) + " was stored as " + std::to_string(name.size()) +
                   " bytes that are not the start of what was typed";
    }
    if (d.enabled[name_3] != (m.seats >= 3) || d.enabled[name_4] != (m.seats == 4))
        return "the name fields of seats 3 and 4 are not enabled as their seats are filled";
    return {};
}

}  // namespace

int seat_mix_count() {
    int n = 0;
    for (std::uint32_t seats = 2; seats <= 4; ++seats) n += (1 << seats) * 2 * most_columns(seats);
    return n;
}

seat_mix seat_mix_number(int n) {
    for (std::uint32_t seats = 2;; ++seats) {
        const int of_seats = (1 << seats) * 2 * most_columns(seats);
        if (n >= of_seats) {
            n -= of_seats;
            continue;
        }
        seat_mix m;
        m.seats = seats;
        m.columns = 1 + n % most_columns(seats);
        n /= most_columns(seats);
        m.pace = n % 2;
        m.humans = std::uint32_t(n / 2);
        return m;
    }
}

std::string play_setup_dialog(soak_random& random, const seat_mix& wanted, const owner_repaint& repaint) {
    scripted_dialog d(random, repaint);
    d.proc = shell::setup_dialog_proc;
    d.send(msg::wm_initdialog);

    // Step 1: play with the controls; every start is refused for its number of columns.
    for (std::uint32_t round = random.below(4); round > 0; --round) {
        for (std::uint32_t n = random.below(16); n > 0; --n) fiddle(random, d);
        d.set_text(columns_to_win, refused_columns_text(random));
        const int boxes = d.invalid_boxes;
        if (press_start(random, d) || d.ended || d.invalid_boxes != boxes + 1)
            return "the set-up dialog did not refuse the columns text \"" + d.texts[columns_to_win] + "\"";
    }

    // Step 2: the clicks and texts of the wanted mix, seat 3 before seat 4.
    std::array<int, 4> groups{0, 1, 2, 3};
    for (std::size_t i = groups.size(); i > 1; --i)
        std::swap(groups[i - 1], groups[random.below(std::uint32_t(i))]);
    for (int group : groups) {
        if (group < 2) choose_seat(d, group, wanted);
        if (group == 2) choose_seat(d, 2, wanted), choose_seat(d, 3, wanted);
        if (group == 3) d.send(msg::wm_command, std::uintptr_t(wanted.pace == 1 ? pace_quick : pace_slow));
    }
    std::array<std::string, 4> typed;
    for (int i = 0; i < 4; ++i) {
        if (random.chance(300)) d.set_text(name_ids[i], random_name(random));
        typed[i] = d.texts[name_ids[i]];
    }
    d.set_text(columns_to_win, accepted_columns_text(random, wanted.columns));
    const int boxes = d.invalid_boxes;
    if (!press_start(random, d) || !d.ended || d.invalid_boxes != boxes)
        return "the set-up dialog refused \"" + d.texts[columns_to_win] + "\" for " +
               std::to_string(wanted.seats) + " seats";
    if (!d.fault.empty()) return d.fault;
    return check_settings(d, wanted, typed);
}

std::string play_about_dialog(soak_random& random, const owner_repaint& repaint) {
    scripted_dialog d(random, repaint);
    d.proc = shell::about_dialog_proc;
    d.send(msg::wm_initdialog);
    // Esc (IDCANCEL) and other commands leave it open.
    for (std::uint32_t n = random.below(4); n > 0; --n) d.send(msg::wm_command, 2 + random.below(3000));
    if (d.ended) return "the about box closed on a command other than OK";
    if (random.chance(300))
        d.send(msg::wm_close);
    else
        d.send(msg::wm_command, std::uintptr_t(shell::about_ok));
    if (!d.ended) return "the about box did not close";
    return d.fault;
}
