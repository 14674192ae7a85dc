#include "private_folder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fltk_backend {

namespace {

bool absolute(const char* path) { return path && path[0] == '/'; }

// Opens `name` in `parent` as this user's own folder or regular file, making
// it when missing. Anything else there (another kind of file, a symlink,
// another user's entry) is removed without being followed, a folder only when
// empty, and the entry made anew; a few rounds allow for another copy doing
// the same at the same moment.
int open_own_entry(int parent, const std::string& shown, const char* name, bool folder,
                   std::string& problem) {
    for (int round = 0; round < 3; ++round) {
        int fd;
        if (folder) {
            mkdirat(parent, name, 0700);
            fd = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        } else {
            // Non-blocking: a FIFO put there must not hold the open up.
            fd = openat(parent, name, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        }
        const int open_error = errno;
        struct stat st {};
        if (fd >= 0 ? fstat(fd, &st) != 0 : fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            problem = shown + ": " + std::strerror(fd >= 0 ? errno : open_error);
            if (fd >= 0) close(fd);
            return -1;
        }
        const bool right_kind = folder ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
        const bool own = right_kind && st.st_uid == geteuid();
        if (fd >= 0 && own) return fd;
        if (fd >= 0) close(fd);
        // Our own entry that will not open is reported, never removed: it may be a lock another copy holds.
        if (own) {
            problem = shown + ": " + std::strerror(open_error);
            return -1;
        }
        if (unlinkat(parent, name, S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0) != 0 && errno != ENOENT) {
            problem = shown + (st.st_uid == geteuid() ? " is not usable" : " belongs to another user") +
                      " and cannot be replaced: " + std::strerror(errno);
            return -1;
        }
    }
    problem = shown + " keeps changing";
    return -1;
}

}  // namespace

std::string marker_folder_path(const char* cache_home, const char* home) {
    if (absolute(cache_home)) return std::string(cache_home) + "/zarvelin";
    if (!absolute(home)) {
        const passwd* entry = getpwuid(geteuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    if (!absolute(home)) return {};
    return std::string(home) + "/.cache/zarvelin";
}

int open_private_folder(const std::string& path, std::string& problem) {
    const std::size_t slash = path.rfind('/');
    const std::string parent_path = slash == 0 ? "/" : path.substr(0, slash);
    mkdir(parent_path.c_str(), 0700);  // the cache folder itself, on a first start
    const int parent = open(parent_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0) {
        problem = parent_path + ": " + std::strerror(errno);
        return -1;
    }
    const int fd = open_own_entry(parent, path, path.c_str() + slash + 1, true, problem);
    close(parent);
    // Ours but open to others: close it. What they may have put inside is checked entry by entry.
    if (fd >= 0 && fchmod(fd, 0700) != 0) {
        problem = path + ": " + std::strerror(errno);
        close(fd);
        return -1;
    }
    return fd;
}

int open_private_file(int folder, const char* name, std::string& problem) {
    return open_own_entry(folder, name, name, false, problem);
}

}  // namespace fltk_backend
