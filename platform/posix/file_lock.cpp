// The lock on POSIX systems: flock on a descriptor of the lock file, which
// the system lets go of when the descriptor is closed, or the process dies.
#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

file_lock::file_lock(const std::filesystem::path& path, std::string& error) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "cannot open the lock " + path.string() + ": " + std::strerror(errno);
        return;
    }
    int result;
    do {
        result = flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        error = "cannot lock " + path.string() + ": " + std::strerror(errno);
        close(fd);
        return;
    }
    handle_ = fd;
}

file_lock::~file_lock() {
    if (held()) close(int(handle_));
}

}  // namespace platform
