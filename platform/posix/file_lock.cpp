// The lock on POSIX systems: flock on a descriptor of the lock file, which
// the system lets go of when the descriptor is closed, or the process dies.
#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace platform {

file_lock::file_lock(const std::filesystem::path& path, std::string& error,
                     std::chrono::milliseconds patience) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "cannot open the lock " + path.string() + ": " + std::strerror(errno);
        return;
    }
    // Asked again every few milliseconds: a blocking wait could not be given up.
    const auto give_up = std::chrono::steady_clock::now() + patience;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int code = errno;
        if (code == EINTR) continue;
        if (code != EWOULDBLOCK) {
            error = "cannot lock " + path.string() + ": " + std::strerror(code);
        } else if (std::chrono::steady_clock::now() >= give_up) {
            error = path.string() + " is held by another copy of the program";
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        close(fd);
        return;
    }
    handle_ = fd;
}

file_lock::~file_lock() {
    if (held()) close(int(handle_));
}

}  // namespace platform
