// Reading and writing the user's small files safely: a read never takes more
// than a bound, and a write replaces the whole file in one step or not at all.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace companion {

struct bounded_read {
    enum outcome_kind { whole, missing, too_large, failed };
    outcome_kind outcome = failed;
    std::string bytes;  // the file; when too_large, its first limit bytes
    std::string error;  // why it failed
};

bounded_read read_file_bounded(const std::filesystem::path& path, std::size_t limit);

// Writes a new file beside path, forces it to the disk and swaps it in for the
// old one, so a crash, a kill or a full disk leaves either the old file or the
// new one, never part of one. False, with the reason, when path was not changed.
bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes, std::string& error);

// A path as text for messages (UTF-8 on Windows, the bytes as they are elsewhere).
std::string path_text(const std::filesystem::path& path);

}  // namespace companion
