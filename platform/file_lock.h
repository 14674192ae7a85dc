// An advisory lock between running copies of the program on one of the
// user's files: held from construction to destruction, waited for a while
// when another copy holds it. Only copies that take the lock are kept out.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace platform {

class file_lock {
public:
    // Waits for the lock on the file at path, made (empty) when missing; the
    // file itself is never written nor removed. held() is false, with the
    // reason in error, when it could not be had within patience: a copy
    // stopped while it holds the lock must not hang this one.
    file_lock(const std::filesystem::path& path, std::string& error,
              std::chrono::milliseconds patience = std::chrono::seconds(10));
    ~file_lock();
    file_lock(const file_lock&) = delete;
    file_lock& operator=(const file_lock&) = delete;

    bool held() const { return handle_ != no_handle; }

private:
    static constexpr std::intptr_t no_handle = -1;
    std::intptr_t handle_ = no_handle;  // a descriptor on POSIX systems, a HANDLE on Windows
};

}  // namespace platform
