// What a killed run leaves in the user's folder: the new copy of a file it was
// writing (a private copy of the player's set-up or records), which nothing
// else ever removes.
#pragma once

#include <chrono>
#include <filesystem>

namespace companion {

// A run's write takes well under a second; a copy older than this is left over.
inline constexpr std::chrono::minutes stale_after{1};

// Removes folder's files named as write_file_beside names its new files
// (<name>.tmp-<letters or digits>) that were last written more than
// stale_after ago, so that another running copy's write in flight is left
// alone. Returns how many were removed; what cannot be removed stays quietly.
int remove_stale_copies(const std::filesystem::path& folder);

}  // namespace companion
