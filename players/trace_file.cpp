#include "players/trace_file.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>

#include <cstdint>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string not_followed(const char* name) { return std::string(name) + " is a symbolic link: not followed"; }
std::string not_plain(const char* name) { return std::string(name) + " is not a plain file"; }
std::string cannot_open(const char* name, int error) {
    return std::string("cannot open ") + name + ": " + std::strerror(error);
}

}  // namespace

#ifdef _WIN32

// No Windows program writes the trace, and the core keeps clear of the Windows
// API that opens a file without following a link: there a look first is enough.
// _findfirst reports the entry itself, with its Windows attributes.
std::FILE* open_trace_file(const char* name, bool append, std::string& why) {
    constexpr unsigned reparse_point = 0x400;  // FILE_ATTRIBUTE_REPARSE_POINT: a link or a junction
    _finddata_t entry;
    const std::intptr_t search = _findfirst(name, &entry);
    if (search != -1) {
        _findclose(search);
        if (entry.attrib & reparse_point) {
            why = not_followed(name);
            return nullptr;
        }
        if (entry.attrib & _A_SUBDIR) {
            why = not_plain(name);
            return nullptr;
        }
    }
    std::FILE* file = std::fopen(name, append ? "a" : "w");
    if (file == nullptr) why = cannot_open(name, errno);
    return file;
}

#else

namespace {

std::string not_alone(const char* name) {
    return std::string(name) + " has other names (hard links): not written";
}

}  // namespace

std::FILE* open_trace_file(const char* name, bool append, std::string& why) {
    // O_NONBLOCK: a pipe without a reader fails at once instead of waiting for one.
    const int flags =
        O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (append ? O_APPEND : 0);
    const int fd = open(name, flags, 0666);
    if (fd == -1) {
        const int error = errno;
        struct stat place;
        why = lstat(name, &place) == 0 && S_ISLNK(place.st_mode) ? not_followed(name)
                                                                 : cannot_open(name, error);
        return nullptr;
    }
    struct stat opened;
    if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        close(fd);
        why = not_plain(name);
        return nullptr;
    }
    // Another name of the same file may be someone else's: writing here would write there.
    if (opened.st_nlink > 1) {
        close(fd);
        why = not_alone(name);
        return nullptr;
    }
    // Emptied only now that it is known to be a plain file.
    std::FILE* file = append || ftruncate(fd, 0) == 0 ? fdopen(fd, append ? "a" : "w") : nullptr;
    if (file == nullptr) {
        why = cannot_open(name, errno);
        close(fd);
    }
    return file;
}

#endif
