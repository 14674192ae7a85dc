// The desktop's services as the additions' tests see them: every request
// recorded, the browser and the save dialog answering as a test sets them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/companion_services.h"

namespace fakes {

class companion_host final : public platform::companion_services {
public:
    std::string rules_page() override { return "/usr/share/doc/zarvelin/rules.html"; }
    bool open_in_browser(const std::string& path) override {
        opened.push_back(path);
        return browser;
    }
    void check_sound_item(bool on) override { sound_checked = on; }
    void check_menu_item(std::uint32_t command, bool on) override { checked[command] = on; }
    void enable_menu_item(std::uint32_t command, bool on) override { enabled[command] = on; }
    void show_table(std::string_view caption, std::string_view text) override {
        tables.push_back(std::string(caption) + "\n" + std::string(text));
    }
    void show_sheet(platform::sheet_drawing& drawing, bool shown) override {
        sheet = shown ? &drawing : nullptr;
    }
    void sheet_changed() override { ++sheet_changes; }
    std::string choose_save_path(std::string_view, std::string_view) override { return save_path; }

    bool browser = true;
    std::vector<std::string> tables;
    std::vector<std::string> opened;
    bool sound_checked = false;
    std::map<std::uint32_t, bool> checked, enabled;
    platform::sheet_drawing* sheet = nullptr;
    int sheet_changes = 0;
    std::string save_path;
};

}  // namespace fakes
