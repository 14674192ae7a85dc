#include "companion/additions.h"

#include <cstdio>

#include "companion/atomic_file.h"
#include "companion/companion_messages.h"
#include "companion/fixed_seed.h"
#include "companion/hint.h"
#include "companion/score_sheet_text.h"
#include "engine/game_engine.h"
#include "players/engine_game_view.h"
#include "shell/window_messages.h"

namespace companion {

namespace {

constexpr shell::proc_result handled{};

}  // namespace

additions::additions(game_engine& engine, platform::companion_services& host, platform::sound& sound)
    : engine_(engine),
      host_(host),
      sound_(sound),
      files_(engine, levels_),
      hint_item_(engine, host),
      sheet_(engine),
      sheet_view_(sheet_, engine.drawing_objects()),
      keeper_(engine, {files_, levels_, rotation_, sheet_}) {
    host_.check_sound_item(sound_on_);
    followers_.follow(files_);
    followers_.follow(hint_item_);
    followers_.follow(sheet_);
    sheet_.on_change([this] {
        if (sheet_shown_) host_.sheet_changed();
    });
    sheet_view_.on_save([this] { save_log(); });
    // After the records and the sheet: the game is saved with the turns
    // counted so far and the sheet's log as it stands.
    followers_.follow(keeper_);
    engine_.observer = &followers_;
    engine_.view->player_maker = &levels_;
    engine_.start_choice = &rotation_;
    choose_level(levels_.chosen());
    take_turns_starting(rotation_.on());
    hint_item_.update();
}

additions::~additions() {
    if (engine_.observer == &followers_) engine_.observer = nullptr;
    if (engine_.view->player_maker == &levels_) engine_.view->player_maker = nullptr;
    if (engine_.start_choice == &rotation_) engine_.start_choice = nullptr;
}

void additions::before_setup() {
    if (restored_) return;
    restored_ = true;
    // Before the run's first dialog no die has been rolled: the whole run follows the seed.
    std::string error;
    if (const auto seed = seed_from_environment(error)) engine_.seed_dice(*seed);
    if (!error.empty()) std::fprintf(stderr, "zarvelin: %s\n", error.c_str());
    const saved_setup setup = files_.restore_setup();
    switch_sound(setup.sound);
    choose_level(setup.level);
    take_turns_starting(setup.take_turns_starting);
    if (files_.score_sheet_open()) show_score_sheet(true);
}

bool additions::resume_unfinished_game() {
    // The remembered set-up and sound first, as the first set-up dialog would have them.
    before_setup();
    return keeper_.offer_resume();
}

void additions::after_setup() {
    files_.count_turns_afresh();
    sheet_.start_afresh();
    remember_setup();
}

void additions::remember_setup() {
    saved_setup menus;
    menus.sound = sound_on_;
    menus.level = levels_.chosen();
    menus.take_turns_starting = rotation_.on();
    files_.remember_setup(menus);
}

shell::proc_result additions::window_proc(std::uint32_t message, std::uintptr_t wparam,
                                          std::intptr_t lparam) {
    const game_keeper::message_span saving_after(keeper_);
    switch (message) {
        case msg::wm_keydown:
            if (wparam == msg::vk_up || wparam == msg::vk_down) {
                if (selection_.move(engine_, wparam == msg::vk_up)) return handled;
            }
            break;
        case ::msg::wm_char:
            if ((wparam == '\r' || wparam == ' ') && selection_.take(engine_)) return handled;
            selection_.forget();
            break;
        case ::msg::wm_lbuttondown:
        case ::msg::wm_rbuttondown:
            selection_.forget();
            break;
        case ::msg::wm_command:
            switch (std::uint32_t(wparam & 0xffff)) {
                case msg::cmd_how_to_play:
                    how_to_play();
                    return handled;
                case msg::cmd_hint:
                    hint();
                    return handled;
                case msg::cmd_records:
                    show_records();
                    return handled;
                case msg::cmd_sound:
                    switch_sound(!sound_on_);
                    remember_setup();
                    return handled;
                case msg::cmd_level_easy:
                case msg::cmd_level_standard:
                case msg::cmd_level_expert:
                    choose_level(computer_level((wparam & 0xffff) - msg::cmd_level_easy));
                    remember_setup();
                    return handled;
                case msg::cmd_take_turns_starting:
                    take_turns_starting(!rotation_.on());
                    remember_setup();
                    return handled;
                case msg::cmd_score_sheet:
                    show_score_sheet(!sheet_shown_);
                    remember_setup();
                    return handled;
                default:
                    selection_.forget();
                    break;
            }
            break;
        case ::msg::wm_paint: {
            const auto result = shell::main_window_proc(engine_, message, wparam, lparam);
            selection_.repaint(engine_);
            return result;
        }
        default:
            break;
    }
    return shell::main_window_proc(engine_, message, wparam, lparam);
}

void additions::how_to_play() {
    const std::string page = host_.rules_page();
    if (host_.open_in_browser(page)) return;
    engine_.window->message_box("The rules page could not be opened in a browser. It is here:\n" + page,
                                "How to Play", platform::buttons::ok, platform::icon::none);
}

void additions::hint() {
    if (!hint_available(engine_)) return;
    engine_.window->message_box(advice(engine_), "Hint", platform::buttons::ok, platform::icon::none);
}

void additions::show_records() { host_.show_table("Records", files_.records_text()); }

// Exactly one level is checked: the one the next game's computers play.
void additions::choose_level(computer_level level) {
    levels_.choose(level);
    host_.check_menu_item(msg::cmd_level_easy, level == computer_level::easy);
    host_.check_menu_item(msg::cmd_level_standard, level == computer_level::standard);
    host_.check_menu_item(msg::cmd_level_expert, level == computer_level::expert);
}

void additions::take_turns_starting(bool on) {
    rotation_.set_on(on);
    host_.check_menu_item(msg::cmd_take_turns_starting, on);
}

void additions::switch_sound(bool on) {
    sound_on_ = on;
    sound_.set_muted(!sound_on_);
    host_.check_sound_item(sound_on_);
}

void additions::show_score_sheet(bool shown) {
    sheet_shown_ = shown;
    files_.set_score_sheet_open(shown);
    host_.show_sheet(sheet_view_, shown);
}

void additions::save_log() {
    const std::string path = host_.choose_save_path("Save Log", "zarvelin-log.txt");
    if (path.empty()) return;
    std::string error;
    if (write_file_atomically(path, log_text(sheet_), error)) return;
    engine_.window->message_box("The log was not saved.\n" + error, "Save Log", platform::buttons::ok,
                                platform::icon::warning);
}

}  // namespace companion
