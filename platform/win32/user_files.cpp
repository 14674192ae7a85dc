// The user's files on Windows: %APPDATA%\Zarvelin, a file flushed to the disk
// and MoveFileExW for the swap. Wide paths, so that a user name outside the
// ANSI code page still finds its folder.
#include "platform/user_files.h"

#include <windows.h>

#include <algorithm>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string text_of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string describe(DWORD code) {
    char* text = nullptr;
    const DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = n ? std::string(text, n) : "error " + std::to_string(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
        message.pop_back();
    return message;
}

bool fail(std::string& error, const std::string& what, const fs::path& path, DWORD code) {
    error = what + " " + text_of(path) + ": " + describe(code);
    return false;
}

bool is_folder(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool make_folder(const fs::path& folder, std::string& error) {
    if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
    const DWORD code = GetLastError();
    if (code != ERROR_ALREADY_EXISTS) return fail(error, "cannot create the folder", folder, code);
    if (!is_folder(folder)) return fail(error, "cannot use the folder", folder, ERROR_DIRECTORY);
    return true;
}

bool write_all(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

fs::path user_files_folder(std::string& error) {
    const DWORD size = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (size == 0) {
        error = "there is no application data folder (%APPDATA% is not set)";
        return {};
    }
    std::wstring appdata(size, L'\0');
    appdata.resize(GetEnvironmentVariableW(L"APPDATA", appdata.data(), size));
    const fs::path folder = fs::path(appdata) / L"Zarvelin";
    if (!make_folder(folder, error)) return {};
    return folder;
}

fs::path write_file_beside(const fs::path& target, std::string_view bytes, std::string& error) {
    // One program per user runs at a time; its process id keeps the name apart
    // from a file left by an earlier run that was killed, which this overwrites.
    fs::path temp = target;
    temp += L".tmp-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE file =
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        fail(error, "cannot create", temp, GetLastError());
        return {};
    }
    const bool written = write_all(file, bytes) && FlushFileBuffers(file);
    const DWORD code = GetLastError();
    const bool closed = CloseHandle(file);
    if (written && closed) return temp;
    fail(error, "cannot write", temp, written ? GetLastError() : code);
    DeleteFileW(temp.c_str());
    return {};
}

bool replace_file(const fs::path& from, const fs::path& to, std::string& error) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    return fail(error, "cannot replace", to, GetLastError());
}

bool rename_without_replacing(const fs::path& from, const fs::path& to, std::string& error) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    return fail(error, "cannot rename to", to, GetLastError());
}

}  // namespace platform
