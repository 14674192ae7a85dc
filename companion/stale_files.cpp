#include "companion/stale_files.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace companion {

namespace fs = std::filesystem;

namespace {

// mkstemp's six letters and digits on POSIX systems, the process id on Windows.
bool is_new_copy_name(const std::string& name) {
    const std::size_t mark = name.rfind(".tmp-");
    if (mark == std::string::npos || mark == 0) return false;
    const std::string suffix = name.substr(mark + 5);
    return !suffix.empty() && suffix.size() <= 10 &&
           std::all_of(suffix.begin(), suffix.end(), [](unsigned char c) { return std::isalnum(c); });
}

}  // namespace

int remove_stale_copies(const fs::path& folder) {
    std::error_code code;
    const auto now = fs::file_time_type::clock::now();
    int removed = 0;
    for (fs::directory_iterator entry(folder, code), end; !code && entry != end; entry.increment(code)) {
        const std::u8string name = entry->path().filename().u8string();
        if (!is_new_copy_name(std::string(name.begin(), name.end()))) continue;
        // Never through a link: only a plain file of the folder itself is ours.
        std::error_code ignored;
        if (entry->is_symlink(ignored) || !entry->is_regular_file(ignored)) continue;
        const auto written = entry->last_write_time(ignored);
        if (ignored || now - written < stale_after) continue;
        if (fs::remove(entry->path(), ignored)) ++removed;
    }
    return removed;
}

}  // namespace companion
