#include "companion/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "platform/user_files.h"

namespace companion {

namespace fs = std::filesystem;

std::string path_text(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bounded_read read_file_bounded(const fs::path& path, std::size_t limit) {
    bounded_read result;
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (status.type() == fs::file_type::not_found) {
        result.outcome = bounded_read::missing;
        return result;
    }
    if (code) {
        result.error = "cannot read " + path_text(path) + ": " + code.message();
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.error = "cannot read " + path_text(path) + ": it is not a file";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "cannot open " + path_text(path) + ": " + std::strerror(errno);
        return result;
    }
    // One byte past the bound tells a file of exactly the bound from a larger one.
    result.bytes.resize(limit + 1);
    in.read(result.bytes.data(), std::streamsize(limit + 1));
    if (in.bad()) {
        result.bytes.clear();
        result.error = "cannot read " + path_text(path);
        return result;
    }
    result.bytes.resize(std::size_t(in.gcount()));
    result.outcome = bounded_read::whole;
    if (result.bytes.size() > limit) {
        result.bytes.resize(limit);
        result.outcome = bounded_read::too_large;
    }
    return result;
}

bool write_file_atomically(const fs::path& path, std::string_view bytes, std::string& error) {
    const fs::path temp = platform::write_file_beside(path, bytes, error);
    if (temp.empty()) return false;
    if (platform::replace_file(temp, path, error)) return true;
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
}

}  // namespace companion
