// Where this user's files of the program live, and the few file operations
// that make saving them safe. POSIX and Windows each implement these.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// The folder for the user's remembered set-up and records, created (private to
// the user) when missing: $XDG_CONFIG_HOME/zarvelin, by default
// ~/.config/zarvelin, or %APPDATA%\Zarvelin on Windows. Empty, with the reason
// in error, when there is none, or (on POSIX systems) when it belongs to
// another user or others may write into it.
std::filesystem::path user_files_folder(std::string& error);

// Writes bytes to a new file of its own in target's folder, named after target,
// and forces them to the disk. Returns the new file's path; on failure nothing
// is left behind, the path is empty and error says why.
std::filesystem::path write_file_beside(const std::filesystem::path& target, std::string_view bytes,
                                        std::string& error);

// Puts the file from in place of the file to in one step, so that to is always
// either the old file or the new one, whatever happens meanwhile.
bool replace_file(const std::filesystem::path& from, const std::filesystem::path& to, std::string& error);

// Renames from to to, failing when to already exists.
bool rename_without_replacing(const std::filesystem::path& from, const std::filesystem::path& to,
                              std::string& error);

}  // namespace platform
