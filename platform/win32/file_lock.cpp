// The lock on Windows: LockFileEx on the lock file's first byte, let go of
// when the handle is closed, or the process ends.
#include "platform/file_lock.h"

#include <windows.h>

namespace platform {

namespace {

std::string text_of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

file_lock::file_lock(const std::filesystem::path& path, std::string& error) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot open the lock " + text_of(path) + ": error " + std::to_string(GetLastError());
        return;
    }
    OVERLAPPED start{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &start)) {
        error = "cannot lock " + text_of(path) + ": error " + std::to_string(GetLastError());
        CloseHandle(file);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

file_lock::~file_lock() {
    if (!held()) return;
    const HANDLE file = reinterpret_cast<HANDLE>(handle_);
    OVERLAPPED start{};
    UnlockFileEx(file, 0, 1, 0, &start);
    CloseHandle(file);
}

}  // namespace platform
