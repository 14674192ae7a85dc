#include "companion/records_store.h"

#include <system_error>

#include "companion/atomic_file.h"
#include "platform/file_lock.h"
#include "platform/user_files.h"

namespace companion {

namespace fs = std::filesystem;

namespace {

// Held by every copy of the program for the whole of a read, count and write,
// so that two copies at once count both their games.
constexpr const char* records_lock_name = "records.lock";
// A box of the lines dropped stays readable; the copy set aside holds them all.
constexpr std::size_t most_lines_told = 10;

// The first free records.txt.corrupt-<n>; empty, with the reason in error, when
// the folder cannot be looked into.
fs::path free_aside_name(const fs::path& path, std::string& error) {
    for (int n = 1;; ++n) {
        fs::path aside = path;
        aside += ".corrupt-" + std::to_string(n);
        std::error_code code;
        const fs::file_type type = fs::symlink_status(aside, code).type();
        if (type == fs::file_type::none) {
            error = code.message();
            return {};
        }
        if (type == fs::file_type::not_found) return aside;
    }
}

// Keeps the damaged file under a name of its own before anything replaces it:
// a copy of what was read, made whole on the disk before it takes its name, or,
// of a file past the bound (of which only the start was read), the file itself.
fs::path set_aside(const fs::path& path, const bounded_read& file, std::string& error) {
    const fs::path aside = free_aside_name(path, error);
    if (aside.empty()) return {};
    if (file.outcome == bounded_read::too_large)
        return platform::rename_without_replacing(path, aside, error) ? aside : fs::path();
    const fs::path copy = platform::write_file_beside(path, file.bytes, error);
    if (copy.empty()) return {};
    if (platform::rename_without_replacing(copy, aside, error)) return aside;
    std::error_code ignored;
    fs::remove(copy, ignored);
    return {};
}

std::string told(const std::vector<std::string>& dropped) {
    std::string text;
    for (std::size_t i = 0; i < dropped.size() && i < most_lines_told; ++i) text += dropped[i] + "\n";
    if (dropped.size() > most_lines_told)
        text += "and " + std::to_string(dropped.size() - most_lines_told) + " more\n";
    return text;
}

// load_records with the lock held.
bool load_locked(const fs::path& folder, records& table, std::string& message) {
    table.clear();
    message.clear();
    const fs::path path = folder / records_file_name;
    const bounded_read file = read_file_bounded(path, records_file_limit);
    if (file.outcome == bounded_read::missing) return true;
    if (file.outcome == bounded_read::failed) {
        message = "The records could not be read: " + file.error + ".";
        return false;
    }
    std::vector<std::string> dropped;
    const bool clean = parse_records(file.bytes, table, dropped);
    if (file.outcome == bounded_read::too_large)
        dropped.insert(dropped.begin(), "the file is larger than 4 MiB: only its first 4 MiB were read");
    else if (clean)
        return true;

    // Step 1. The damaged file is kept as it was, under a name of its own.
    std::string error;
    const fs::path aside = set_aside(path, file, error);
    if (aside.empty()) {
        message = "The records file " + path_text(path) + " has lines that cannot be read:\n" +
                  told(dropped) + "and setting it aside failed: " + error +
                  ".\nNo game is recorded until it is moved away.";
        return false;
    }
    // Step 2. The good lines take its place.
    const std::string text = format_records(table);
    error = "the records would be larger than 4 MiB";
    const bool repaired = text.size() <= records_file_limit && write_file_atomically(path, text, error);
    message = "These lines of the records file could not be read and were dropped:\n" + told(dropped) +
              "Every other record is kept. The file as it was is kept as\n" + path_text(aside);
    if (!repaired) message += "\nbut the records could not be written back: " + error + ".";
    return repaired;
}

}  // namespace

bool load_records(const fs::path& folder, records& table, std::string& message) {
    std::string error;
    const platform::file_lock lock(folder / records_lock_name, error);
    if (!lock.held()) {
        table.clear();
        message = "The records could not be read: " + error + ".";
        return false;
    }
    return load_locked(folder, table, message);
}

bool record_game(const fs::path& folder, const std::vector<player_key>& seats, std::size_t winner,
                 std::uint32_t winner_turns, std::string& message) {
    std::string error;
    const platform::file_lock lock(folder / records_lock_name, error);
    records table;
    if (!lock.held()) {
        message = "This game could not be recorded: " + error + ".";
        return false;
    }
    if (!load_locked(folder, table, message)) return false;
    count_game(table, seats, winner, winner_turns);
    const std::string text = format_records(table);
    error = "the records would be larger than 4 MiB";
    if (text.size() <= records_file_limit && write_file_atomically(folder / records_file_name, text, error)) {
        return true;
    }
    if (!message.empty()) message += "\n";
    message += "This game could not be recorded: " + error + ".";
    return false;
}

}  // namespace companion
