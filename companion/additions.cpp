#include "companion/additions.h"

#include "companion/atomic_file.h"
#include "companion/companion_messages.h"
#include "companion/hint.h"
#include "companion/score_sheet_text.h"
#include "engine/game_engine.h"
#include "shell/window_messages.h"

namespace companion {

namespace {

constexpr shell::proc_result handled{};

}  // namespace

additions::additions(game_engine& engine, platform::companion_services& host, platform::sound& sound)
    : engine_(engine),
      host_(host),
      sound_(sound),
      files_(engine),
      sheet_(engine),
      sheet_view_(sheet_, engine.drawing_objects()) {
    host_.check_sound_item(sound_on_);
    followers_.follow(files_);
    followers_.follow(sheet_);
    sheet_.on_change([this] {
        if (sheet_shown_) host_.sheet_changed();
    });
    sheet_view_.on_save([this] { save_log(); });
    engine_.observer = &followers_;
}

additions::~additions() {
    if (engine_.observer == &followers_) engine_.observer = nullptr;
}

void additions::before_setup() {
    if (restored_) return;
    restored_ = true;
    switch_sound(files_.restore_setup());
    if (files_.score_sheet_open()) show_score_sheet(true);
}

void additions::after_setup() {
    files_.count_turns_afresh();
    sheet_.start_afresh();
    files_.remember_setup(sound_on_);
}

shell::proc_result additions::window_proc(std::uint32_t message, std::uintptr_t wparam,
                                          std::intptr_t lparam) {
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
                    files_.remember_setup(sound_on_);
                    return handled;
                case msg::cmd_score_sheet:
                    show_score_sheet(!sheet_shown_);
                    files_.remember_setup(sound_on_);
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
