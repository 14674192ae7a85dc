// The set-up dialog's rules and validation and the about box's procedure,
// run against a fake dialog that records what the procedures do to it.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/game_settings.h"
#include "shell/about_dialog.h"
#include "shell/setup_dialog.h"
#include "shell/shell_values.h"
#include "shell/window_messages.h"

namespace {

using namespace shell::setup_ids;

class fake_dialog final : public shell::dialog {
public:
    void check(int id, bool on) override { checked[id] = on; }
    bool is_checked(int id) override { return checked[id]; }
    void set_text(int id, std::string_view t) override { texts[id] = std::string(t); }
    std::string text(int id) override { return texts[id]; }
    shell::text_encoding encoding() override { return text_encoding; }
    void enable(int id, bool on) override { enabled[id] = on; }
    void end(int result) override {
        ended = true;
        end_result = result;
    }
    platform::rect outer_rect() override { return {left, top, left + 300, top + 200}; }
    void move(int l, int t) override { left = l, top = t; }
    void focus_first_control() override { ++focus_calls; }
    platform::answer message_box(std::string_view t, std::string_view caption, platform::buttons b,
                                 platform::icon i) override {
        boxes.push_back({std::string(t), std::string(caption), b, i});
        return platform::answer::ok;
    }

    std::set<int> checked_ids() const {
        std::set<int> ids;
        for (auto [id, on] : checked)
            if (on) ids.insert(id);
        return ids;
    }

    struct box {
        std::string text, caption;
        platform::buttons buttons;
        platform::icon icon;
    };
    std::map<int, bool> checked;
    std::map<int, std::string> texts;
    shell::text_encoding text_encoding = shell::text_encoding::utf8;
    std::map<int, bool> enabled;
    std::vector<box> boxes;
    bool ended = false;
    int end_result = -1;
    int left = 5, top = 7;
    int focus_calls = 0;
};

class setup_dialog : public ::testing::Test {
protected:
    setup_dialog() {
        settings() = game_settings{};
        settings().player_names = {"Player 1", "Player 2", "Player 3", "Player 4"};
        shell::screen_width = 1024;
        shell::screen_height = 768;
    }
    bool send(std::uint32_t message, std::uintptr_t wparam = 0) {
        return shell::setup_dialog_proc(dialog, message, wparam, 0);
    }
    void click(std::initializer_list<int> ids) {
        for (int id : ids) EXPECT_FALSE(send(msg::wm_command, std::uintptr_t(id))) << id;
    }
    fake_dialog dialog;
};

TEST_F(setup_dialog, opens_with_the_defaults_centred_with_the_first_control_focused) {
    EXPECT_FALSE(send(msg::wm_initdialog));
    EXPECT_EQ(dialog.checked_ids(),
              (std::set<int>{seat_1_human, seat_2_computer, seat_3_empty, seat_4_empty, pace_quick}));
    EXPECT_TRUE(dialog.enabled[name_2]);
    EXPECT_FALSE(dialog.enabled[name_3]);
    EXPECT_FALSE(dialog.enabled[name_4]);
    EXPECT_EQ(dialog.texts[name_1], "Player 1");
    EXPECT_EQ(dialog.texts[name_4], "Player 4");
    EXPECT_EQ(dialog.texts[columns_to_win], "3");
    EXPECT_EQ(dialog.left, (1024 - 300) / 2);
    EXPECT_EQ(dialog.top, (768 - 200) / 2);
    EXPECT_EQ(dialog.focus_calls, 1);
}

TEST_F(setup_dialog, reopens_with_seat_count_names_and_target_but_default_seat_kinds_and_pace) {
    game_settings& s = settings();
    s.setup_player_count = 3;
    s.seat_is_human = {true, true, false, false};
    s.computer_pace = 0;
    s.setup_columns_to_win = 4;
    s.player_names[1] = "Ann";
    send(msg::wm_initdialog);
    EXPECT_EQ(dialog.checked_ids(),
              (std::set<int>{seat_1_human, seat_2_computer, seat_3_computer, seat_4_empty, pace_quick}));
    EXPECT_TRUE(dialog.enabled[name_3]);
    EXPECT_FALSE(dialog.enabled[name_4]);
    EXPECT_EQ(dialog.texts[name_2], "Ann");
    EXPECT_EQ(dialog.texts[columns_to_win], "4");

    settings().setup_player_count = 4;
    fake_dialog four;
    shell::setup_dialog_proc(four, msg::wm_initdialog, 0, 0);
    EXPECT_TRUE(four.checked[seat_4_computer]);
    EXPECT_TRUE(four.enabled[name_4]);
}

TEST_F(setup_dialog, radio_rules_keep_each_row_consistent) {
    struct rule_case {
        const char* what;
        std::vector<int> clicks;
        std::set<int> checked;
        bool name_3_enabled, name_4_enabled;
    };
    const std::vector<rule_case> cases = {
        {"seat 4 cannot be filled while seat 3 is empty",
         {seat_4_human},
         {seat_1_human, seat_2_computer, seat_3_empty, seat_4_empty, pace_quick},
         false,
         false},
        {"same for the computer",
         {seat_4_computer},
         {seat_1_human, seat_2_computer, seat_3_empty, seat_4_empty, pace_quick},
         false,
         false},
        {"seat 4 follows a filled seat 3",
         {seat_3_computer, seat_4_human},
         {seat_1_human, seat_2_computer, seat_3_computer, seat_4_human, pace_quick},
         true,
         true},
        {"emptying seat 3 empties seat 4",
         {seat_3_human, seat_4_computer, seat_3_empty},
         {seat_1_human, seat_2_computer, seat_3_empty, seat_4_empty, pace_quick},
         false,
         false},
        {"seat 4 emptied alone",
         {seat_3_human, seat_4_computer, seat_4_empty},
         {seat_1_human, seat_2_computer, seat_3_human, seat_4_empty, pace_quick},
         true,
         false},
        {"seats 1 and 2 and the pace swap",
         {seat_1_computer, seat_2_human, pace_slow},
         {seat_1_computer, seat_2_human, seat_3_empty, seat_4_empty, pace_slow},
         false,
         false},
        {"and swap back",
         {seat_1_computer, seat_1_human, seat_2_human, seat_2_computer, pace_slow, pace_quick},
         {seat_1_human, seat_2_computer, seat_3_empty, seat_4_empty, pace_quick},
         false,
         false},
        {"an unknown id changes nothing",
         {1021, 1024, 9999},
         {seat_1_human, seat_2_computer, seat_3_empty, seat_4_empty, pace_quick},
         false,
         false},
    };
    for (const rule_case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog = fake_dialog{};
        send(msg::wm_initdialog);
        for (int id : c.clicks) EXPECT_FALSE(send(msg::wm_command, std::uintptr_t(id)));
        EXPECT_EQ(dialog.checked_ids(), c.checked);
        EXPECT_EQ(dialog.enabled[name_3], c.name_3_enabled);
        EXPECT_EQ(dialog.enabled[name_4], c.name_4_enabled);
        EXPECT_FALSE(dialog.ended);
    }
}

TEST_F(setup_dialog, columns_to_win_is_validated_against_the_seat_count) {
    struct number_case {
        std::vector<int> seats;  // clicks that set the seats
        const char* text;
        bool valid;
        std::int32_t stored;
    };
    const std::vector<int> two = {}, three = {seat_3_computer}, four = {seat_3_computer, seat_4_computer};
    const std::vector<number_case> cases = {
        {two, "1", true, 1},
        {two, "6", true, 6},
        {three, "6", false, 6},
        {three, "4", true, 4},
        {four, "3", true, 3},
        {four, "4", false, 4},
        {two, "0", false, 0},
        {two, "", false, 0},
        {two, "-2", false, -2},
        {two, "abc", false, 0},
        {two, "4x", true, 4},
        {two, " \t+2", true, 2},
        {two, "7", false, 7},
        // Too large for 32 bits: must not wrap round to a small number that looks valid.
        {two, "4294967298", false, 2147483647},
    };
    for (const number_case& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "' with " + std::to_string(c.seats.size() + 2) +
                     " seats");
        settings().setup_player_count = 2;
        dialog = fake_dialog{};
        send(msg::wm_initdialog);
        for (int id : c.seats) send(msg::wm_command, std::uintptr_t(id));
        dialog.texts[columns_to_win] = c.text;
        EXPECT_EQ(send(msg::wm_command, start_game), c.valid);
        EXPECT_EQ(dialog.ended, c.valid);
        EXPECT_EQ(settings().setup_columns_to_win, c.stored);
        if (c.valid) {
            EXPECT_TRUE(dialog.boxes.empty());
        } else {
            ASSERT_EQ(dialog.boxes.size(), 1u);
            EXPECT_EQ(dialog.boxes[0].text, "Invalid Number of Columns to Win");
            EXPECT_EQ(dialog.boxes[0].caption, "Invalid");
            EXPECT_EQ(dialog.boxes[0].buttons, platform::buttons::ok);
        }
    }
}

TEST_F(setup_dialog, start_game_stores_every_setting_greyed_names_included) {
    send(msg::wm_initdialog);
    click({seat_2_human, seat_3_computer, seat_4_human, pace_slow});
    dialog.texts[name_1] = "";
    dialog.texts[name_3] = "Cleo";
    dialog.texts[columns_to_win] = "2";
    ASSERT_TRUE(send(msg::wm_command, start_game));
    EXPECT_EQ(dialog.end_result, 0);
    const game_settings& s = settings();
    EXPECT_EQ(s.setup_player_count, 4u);
    EXPECT_EQ(s.seat_is_human, (std::array<bool, 4>{true, true, false, true}));
    EXPECT_EQ(s.player_names, (std::array<std::string, 4>{"", "Player 2", "Cleo", "Player 4"}));
    EXPECT_EQ(s.computer_pace, 0);
    EXPECT_EQ(s.setup_columns_to_win, 2);

    // A name field greyed out by an empty seat is still read.
    dialog = fake_dialog{};
    send(msg::wm_initdialog);
    click({seat_3_empty});
    dialog.texts[name_4] = "Dora";
    ASSERT_TRUE(send(msg::wm_command, start_game));
    EXPECT_EQ(settings().setup_player_count, 2u);
    EXPECT_EQ(settings().player_names[3], "Dora");
}

// A long name as each platform's edit control returns it, and what is kept of
// it: the Windows program's text is in the ANSI code page, where every byte is
// a character and GetDlgItemTextA's 256-byte buffer keeps 255 of them; the
// Linux program's is UTF-8, cut before a character that byte 255 would split.
TEST_F(setup_dialog, long_names_keep_255_bytes_as_each_platform_encodes_them) {
    using enum shell::text_encoding;
    auto repeat = [](std::string_view piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) text += piece;
        return text;
    };
    struct cut {
        shell::text_encoding encoding;
        std::string typed, kept;
    };
    const cut cases[] = {
        {ansi_code_page, std::string(300, 'a'), std::string(255, 'a')},
        {ansi_code_page, std::string(300, '\xa9'), std::string(255, '\xa9')},  // '©' in Windows-1252
        {ansi_code_page, std::string(254, 'b') + "\xc3\xa9" + "cc", std::string(254, 'b') + "\xc3"},
        {utf8, std::string(300, 'a'), std::string(255, 'a')},
        {utf8, repeat("\xc2\xa9", 150), repeat("\xc2\xa9", 127)},                  // '©' in UTF-8
        {utf8, std::string(254, 'b') + "\xc3\xa9" + "cc", std::string(254, 'b')},  // 'é' straddles byte 255
        {utf8, std::string(252, 'c') + "\xf0\x9f\x8e\xb2" + "cc", std::string(252, 'c')},  // a four-byte character
        // Bytes that continue no character, as a code page's '°' read as UTF-8: all 255 are kept.
        {utf8, std::string(300, '\xb0'), std::string(255, '\xb0')},
    };
    for (const cut& c : cases) {
        dialog = fake_dialog{};
        dialog.text_encoding = c.encoding;
        send(msg::wm_initdialog);
        dialog.texts[name_1] = c.typed;
        ASSERT_TRUE(send(msg::wm_command, start_game));
        EXPECT_EQ(settings().player_names[0], c.kept) << "case " << &c - cases;
    }
}

TEST_F(setup_dialog, the_close_box_applies_like_start_game_and_esc_does_nothing) {
    send(msg::wm_initdialog);
    dialog.texts[columns_to_win] = "9";
    EXPECT_FALSE(send(msg::wm_close));  // refused: the dialog stays
    EXPECT_FALSE(dialog.ended);
    EXPECT_EQ(dialog.boxes.size(), 1u);

    constexpr std::uintptr_t cancel = 2;  // what Esc sends
    dialog.texts[columns_to_win] = "5";
    EXPECT_FALSE(send(msg::wm_command, cancel));
    EXPECT_FALSE(dialog.ended);

    EXPECT_TRUE(send(msg::wm_close));
    EXPECT_TRUE(dialog.ended);
    EXPECT_EQ(settings().setup_columns_to_win, 5);
    EXPECT_FALSE(send(msg::wm_paint));
}

TEST(about_dialog, opens_centred_and_closes_only_with_ok_enter_or_the_close_box) {
    shell::screen_width = 800;
    shell::screen_height = 600;
    fake_dialog d;
    EXPECT_FALSE(shell::about_dialog_proc(d, msg::wm_initdialog, 0, 0));
    EXPECT_EQ(d.left, (800 - 300) / 2);
    EXPECT_EQ(d.top, (600 - 200) / 2);
    EXPECT_EQ(d.focus_calls, 1);

    // Esc (IDCANCEL), other commands and other messages leave it open.
    for (std::uintptr_t command : {std::uintptr_t(2), std::uintptr_t(1003)}) {
        EXPECT_FALSE(shell::about_dialog_proc(d, msg::wm_command, command, 0));
    }
    EXPECT_FALSE(shell::about_dialog_proc(d, msg::wm_char, '\x1b', 0));
    EXPECT_FALSE(d.ended);

    EXPECT_TRUE(shell::about_dialog_proc(d, msg::wm_command, shell::about_ok, 0));
    EXPECT_TRUE(d.ended);
    fake_dialog closed;
    EXPECT_TRUE(shell::about_dialog_proc(closed, msg::wm_close, 0, 0));
    EXPECT_TRUE(closed.ended);
}

}  // namespace
