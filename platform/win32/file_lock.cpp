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

file_lock::file_lock(const std::filesystem::path& path, std::string& error,
                     std::chrono::milliseconds patience) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot open the lock " + text_of(path) + ": error " + std::to_string(GetLastError());
        return;
    }
    // Asked again every few milliseconds: a blocking wait could not be given up.
    const auto give_up = std::chrono::steady_clock::now() + patience;
    OVERLAPPED start{};
    while (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start)) {
        const DWORD code = GetLastError();
        if (code != ERROR_LOCK_VIOLATION) {
            error = "cannot lock " + text_of(path) + ": error " + std::to_string(code);
        } else if (std::chrono::steady_clock::now() >= give_up) {
            error = text_of(path) + " is held by another copy of the program";
        } else {
            Sleep(5);
            continue;
        }
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
