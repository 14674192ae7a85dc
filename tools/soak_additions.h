// The additions in the soak: the desktop services they ask for, answered
// without a desktop, and the additions' own inputs (the hint, the arrow keys,
// Enter on a selection, the sound switch, the records, the Game menu's levels
// and rotating start, How to Play), with the rule that asking for a hint
// changes nothing in the game.
#pragma once

#include <string>

#include "platform/companion_services.h"
#include "tools/soak_random.h"

class game_engine;

namespace companion {
class additions;
}

class soak_services final : public platform::companion_services {
public:
    std::string rules_page() override { return "/nowhere/rules.html"; }
    bool open_in_browser(const std::string&) override { return false; }
    void check_sound_item(bool) override {}
    void check_menu_item(std::uint32_t, bool) override {}
    void enable_menu_item(std::uint32_t, bool) override {}
    void show_table(std::string_view, std::string_view) override {}
    // The sheet is drawn on nothing at every change, so its drawing runs through every position.
    void show_sheet(platform::sheet_drawing& drawing, bool shown) override {
        sheet = shown ? &drawing : nullptr;
    }
    void sheet_changed() override;
    std::string choose_save_path(std::string_view, std::string_view) override { return {}; }

    platform::sheet_drawing* sheet = nullptr;
};

// Delivers one of the additions' inputs; a broken rule, or empty.
std::string deliver_addition_input(soak_random& random, game_engine& engine, companion::additions& additions);

// A box the additions may show: empty when it stands where it may, a fault
// otherwise, and no fault for a box that is not theirs (is_addition_box false).
bool is_addition_box(const std::string& caption);
std::string check_addition_box(const game_engine& engine, const std::string& caption);
