#include "standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace fltk_backend {

void open_closed_standard_descriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free number is this one: those below it are open by now.
        const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened > fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

}  // namespace fltk_backend
