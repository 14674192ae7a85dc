#include "desktop_services.h"

#include <FL/Fl_File_Chooser.H>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "message_box.h"
#include "rules_page.h"

namespace fltk_backend {

namespace {

// The program of that name on the PATH, or empty.
std::string find_on_path(std::string_view name) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "";
    while (!rest.empty()) {
        const auto end = rest.find(':');
        const std::string folder(rest.substr(0, end));
        rest = end == std::string_view::npos ? "" : rest.substr(end + 1);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + std::string(name);
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

}  // namespace

std::string desktop_services::rules_page() { return rules_page_location(); }

bool desktop_services::open_in_browser(const std::string& path) {
    std::error_code failed;
    if (!std::filesystem::is_regular_file(path, failed)) return false;
    const std::string opener = find_on_path("xdg-open");
    if (opener.empty()) return false;
    // Started twice removed, so the browser never waits on us and leaves no zombie behind.
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        if (fork() == 0) {
            execl(opener.c_str(), "xdg-open", path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

namespace {

void check_item(Fl_Menu_Bar& bar, const char* path, bool on) {
    auto* item = const_cast<Fl_Menu_Item*>(bar.find_item(path));
    if (!item) return;
    if (on)
        item->set();
    else
        item->clear();
}

// The item whose callback sends the command, in any of the bars.
Fl_Menu_Item* item_of(const std::vector<Fl_Menu_Bar*>& bars, std::uint32_t command) {
    for (Fl_Menu_Bar* bar : bars) {
        for (int i = 0; i < bar->size(); ++i) {
            const Fl_Menu_Item& item = bar->menu()[i];
            if (item.label() && item.user_data() == reinterpret_cast<void*>(std::uintptr_t(command)))
                return const_cast<Fl_Menu_Item*>(&item);
        }
    }
    return nullptr;
}

}  // namespace

void desktop_services::check_menu_item(std::uint32_t command, bool on) {
    Fl_Menu_Item* item = item_of(bars_, command);
    if (!item) return;
    if (on)
        item->set();
    else
        item->clear();
}

// FLTK takes no shortcut of a deactivated item, so H does nothing then.
void desktop_services::enable_menu_item(std::uint32_t command, bool on) {
    Fl_Menu_Item* item = item_of(bars_, command);
    if (!item) return;
    if (on)
        item->activate();
    else
        item->deactivate();
}

void desktop_services::check_sound_item(bool on) { check_item(file_menu_, "&File/&Sound", on); }

void desktop_services::show_sheet(platform::sheet_drawing& drawing, bool shown) {
    if (shown)
        sheet_.show(drawing);
    else
        sheet_.hide();
    for (Fl_Menu_Bar* bar : bars_) check_item(*bar, "&View/Score &Sheet", shown);
}

std::string desktop_services::choose_save_path(std::string_view caption, std::string_view suggested_name) {
    const char* home = std::getenv("HOME");
    const std::string suggested =
        (home && *home ? std::string(home) + "/" : std::string()) + std::string(suggested_name);
    const char* chosen =
        fl_file_chooser(std::string(caption).c_str(), "Text files (*.txt)", suggested.c_str(), 0);
    if (!chosen || !*chosen) return {};
    const std::string path = chosen;
    std::error_code failed;
    if (std::filesystem::exists(path, failed) &&
        message_box(&window_, path + " is there already. Do you want to replace it?", caption,
                    platform::buttons::yes_no, platform::icon::warning) != platform::answer::yes)
        return {};
    return path;
}

void desktop_services::show_table(std::string_view caption, std::string_view text) {
    message_box(&window_, text, caption, platform::buttons::ok, platform::icon::none, FL_COURIER);
}

}  // namespace fltk_backend
