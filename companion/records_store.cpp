#include "companion/records_store.h"

#include <system_error>

#include "companion/atomic_file.h"
#include "platform/user_files.h"

namespace companion {

namespace fs = std::filesystem;

namespace {

// Renames the file to the first free records.txt.corrupt-<n>; its new path,
// or empty with the reason in error.
fs::path set_aside(const fs::path& path, std::string& error) {
    for (int n = 1;; ++n) {
        fs::path aside = path;
        aside += ".corrupt-" + std::to_string(n);
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

}  // namespace

bool load_records(const fs::path& folder, records& table, std::string& message) {
    table.clear();
    message.clear();
    const fs::path path = folder / records_file_name;
    const bounded_read file = read_file_bounded(path, records_file_limit);
    if (file.outcome == bounded_read::missing) return true;
    if (file.outcome == bounded_read::failed) {
        message = "The records could not be read: " + file.error + ".";
        return false;
    }
    std::string damage = "larger than 4 MiB";
    if (file.outcome == bounded_read::whole && parse_records(file.bytes, table, damage)) return true;

    std::string error;
    const fs::path aside = set_aside(path, error);
    if (aside.empty()) {
        message = "The records file " + path_text(path) + " is damaged (" + damage +
                  ") and could not be set aside: " + error + ".\nNo game is recorded until it is moved away.";
        return false;
    }
    message = "The records file was damaged (" + damage + "), so it was kept as\n" + path_text(aside) +
              "\nand new records were started.";
    return true;
}

bool record_game(const fs::path& folder, const std::vector<player_key>& seats, std::size_t winner,
                 std::uint32_t winner_turns, std::string& message) {
    records table;
    if (!load_records(folder, table, message)) return false;
    count_game(table, seats, winner, winner_turns);
    const std::string text = format_records(table);
    std::string error = "the records would be larger than 4 MiB";
    if (text.size() <= records_file_limit && write_file_atomically(folder / records_file_name, text, error)) {
        return true;
    }
    if (!message.empty()) message += "\n";
    message += "This game could not be recorded: " + error + ".";
    return false;
}

}  // namespace companion
