#include "companion/saved_game_file.h"

#include <system_error>

#include "companion/atomic_file.h"
#include "platform/user_files.h"

namespace companion {

namespace fs = std::filesystem;

fs::path set_saved_game_aside(const fs::path& folder, std::string_view kind, std::string& error) {
    const fs::path path = folder / saved_game_file_name;
    for (int n = 1;; ++n) {
        fs::path aside = path;
        std::string suffix = ".";
        suffix += kind;
        suffix += '-';
        suffix += std::to_string(n);
        aside += suffix;
        std::error_code code;
        const fs::file_type type = fs::symlink_status(aside, code).type();
        if (type == fs::file_type::none) {
            error = code.message();
            return {};
        }
        if (type != fs::file_type::not_found) continue;
        if (!platform::rename_without_replacing(path, aside, error)) return {};
        return aside;
    }
}

saved_game_found load_saved_game(const fs::path& folder, saved_game& game, std::string& message) {
    message.clear();
    const fs::path path = folder / saved_game_file_name;
    const bounded_read file = read_file_bounded(path, saved_game_file_limit);
    if (file.outcome == bounded_read::missing) return saved_game_found::none;
    std::string damage = "it is larger than 1 MiB";
    if (file.outcome == bounded_read::failed) {
        // Something that is not a file, or a file nobody may read: it goes aside like a damaged one.
        damage = file.error;
    } else if (file.outcome == bounded_read::whole && parse_saved_game(file.bytes, game, damage)) {
        return saved_game_found::readable;
    }
    std::string error;
    const fs::path aside = set_saved_game_aside(folder, "damaged", error);
    if (aside.empty()) {
        message = "The saved game " + path_text(path) + " cannot be resumed (" + damage +
                  ") and could not be set aside: " + error + ".";
        return saved_game_found::none;
    }
    message = "The saved game cannot be resumed (" + damage + "), so it was kept as\n" + path_text(aside) +
              "\nand a new game starts.";
    return saved_game_found::set_aside;
}

bool save_game_file(const fs::path& folder, const saved_game& game, std::string& error) {
    return write_file_atomically(folder / saved_game_file_name, format_saved_game(game), error);
}

void forget_saved_game(const fs::path& folder) {
    std::error_code ignored;
    fs::remove(folder / saved_game_file_name, ignored);
}

}  // namespace companion
