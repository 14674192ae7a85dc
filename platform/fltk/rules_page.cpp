#include "rules_page.h"

#include <filesystem>
#include <system_error>

namespace fltk_backend {

std::string rules_page_location() {
    std::error_code failed;
    const auto program = std::filesystem::canonical("/proc/self/exe", failed);
    if (!failed) {
        const auto beside = program.parent_path() / "rules.html";
        if (std::filesystem::is_regular_file(beside, failed)) return beside.string();
    }
    // Set by the build from the install prefix.
    return ZARVELIN_INSTALLED_RULES_PAGE;
}

}  // namespace fltk_backend
