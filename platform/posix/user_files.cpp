// The user's files on Linux and other Unix systems: the XDG configuration
// folder, mkstemp and fsync for the new file, rename for the atomic swap.
#include "platform/user_files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

namespace {

bool fail(std::string& error, const std::string& what, const fs::path& path, int code) {
    error = what + " " + path.string() + ": " + std::strerror(code);
    return false;
}

// The XDG base directory rules: a relative $XDG_CONFIG_HOME is to be ignored.
fs::path config_home() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : nullptr;
    }
    if (!home || home[0] != '/') return {};
    return fs::path(home) / ".config";
}

// Makes every missing folder on the way, private to the user; folders that
// exist keep the permissions their owner gave them.
bool make_private_folder(const fs::path& folder, std::string& error) {
    fs::path path;
    for (const fs::path& part : folder) {
        path /= part;
        if (mkdir(path.c_str(), 0700) == 0) continue;
        const int code = errno;
        struct stat st;
        if (stat(path.c_str(), &st) != 0) return fail(error, "cannot create the folder", path, code);
        if (!S_ISDIR(st.st_mode)) return fail(error, "cannot use the folder", path, ENOTDIR);
    }
    return true;
}

// Whoever else can write into the folder can plant the set-up and the records
// read from it: such a folder, made earlier by someone or something else, is
// not used. A link to a folder is followed; the folder it leads to is checked.
bool folder_is_ours(const fs::path& folder, std::string& error) {
    struct stat st;
    if (stat(folder.c_str(), &st) != 0) return fail(error, "cannot use the folder", folder, errno);
    if (st.st_uid != geteuid()) {
        error = "the folder " + folder.string() + " belongs to another user, so it is not used";
        return false;
    }
    if (st.st_mode & (S_IWGRP | S_IWOTH)) {
        error = "the folder " + folder.string() +
                " can be written by other users, so it is not used (chmod go-w makes it private)";
        return false;
    }
    return true;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

// The rename itself is only durable once its folder is; a failure here leaves
// the old or the new file, both whole, so it is not worth reporting.
void sync_folder(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

fs::path user_files_folder(std::string& error) {
    const fs::path home = config_home();
    if (home.empty()) {
        error = "there is no home folder (neither $XDG_CONFIG_HOME nor $HOME is set)";
        return {};
    }
    const fs::path folder = home / "zarvelin";
    if (!make_private_folder(folder, error) || !folder_is_ours(folder, error)) return {};
    return folder;
}

fs::path write_file_beside(const fs::path& target, std::string_view bytes, std::string& error) {
    const std::string pattern = target.string() + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        fail(error, "cannot create a file beside", target, errno);
        return {};
    }
    const fs::path temp = name.data();
    auto give_up = [&](const char* step, int code) {
        fail(error, step, temp, code);
        unlink(temp.c_str());
        return fs::path();
    };
    if (!write_all(fd, bytes) || fsync(fd) != 0) {
        const int code = errno;
        close(fd);
        return give_up("cannot write", code);
    }
    if (close(fd) != 0) return give_up("cannot write", errno);
    return temp;
}

bool replace_file(const fs::path& from, const fs::path& to, std::string& error) {
    if (rename(from.c_str(), to.c_str()) != 0) return fail(error, "cannot replace", to, errno);
    sync_folder(to);
    return true;
}

bool rename_without_replacing(const fs::path& from, const fs::path& to, std::string& error) {
    // A hard link is made only where no file is; file systems without hard
    // links get a check just before the rename instead.
    if (link(from.c_str(), to.c_str()) != 0) {
        const int code = errno;
        struct stat st;
        if (code == EEXIST || lstat(to.c_str(), &st) == 0) return fail(error, "cannot rename to", to, EEXIST);
        if (rename(from.c_str(), to.c_str()) != 0) return fail(error, "cannot rename", from, errno);
    } else if (unlink(from.c_str()) != 0) {
        return fail(error, "cannot remove the old name", from, errno);
    }
    sync_folder(to);
    return true;
}

}  // namespace platform
