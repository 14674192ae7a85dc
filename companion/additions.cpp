#include "companion/additions.h"

#include "companion/companion_messages.h"
#include "companion/hint.h"
#include "engine/game_engine.h"
#include "shell/window_messages.h"

namespace companion {

namespace {

constexpr shell::proc_result handled{};

}  // namespace

additions::additions(game_engine& engine, platform::companion_services& host, platform::sound& sound)
    : engine_(engine), host_(host), sound_(sound), files_(engine), keeper_(engine, files_) {
    host_.check_sound_item(sound_on_);
    followers_.follow(files_);
    // After the records: the game is saved with the turns counted so far.
    followers_.follow(keeper_);
    engine_.observer = &followers_;
}

additions::~additions() {
    if (engine_.observer == &followers_) engine_.observer = nullptr;
}

void additions::before_setup() {
    if (restored_) return;
    restored_ = true;
    switch_sound(files_.restore_setup());
}

bool additions::resume_unfinished_game() {
    // The remembered set-up and sound first, as the first set-up dialog would have them.
    before_setup();
    return keeper_.offer_resume();
}

void additions::after_setup() {
    files_.count_turns_afresh();
    files_.remember_setup(sound_on_);
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

}  // namespace companion
