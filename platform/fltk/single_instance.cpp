#include "single_instance.h"

#include <FL/Fl.H>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace fltk_backend {

namespace {

constexpr char request[] = "raise\n";

// A folder that is ours alone: owned by us, a real directory, closed to others.
bool is_private_folder(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

std::string private_folder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        if (is_private_folder(runtime)) {
            const std::string folder = std::string(runtime) + "/zarvelin";
            mkdir(folder.c_str(), 0700);
            if (is_private_folder(folder)) return folder;
        }
    }
    const std::string folder = "/tmp/zarvelin-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    if (is_private_folder(folder)) return folder;
    return {};
}

sockaddr_un socket_address(const std::string& folder) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s/window.sock", folder.c_str());
    return address;
}

bool path_fits(const std::string& folder) {
    return folder.size() + sizeof "/window.sock" <= sizeof(sockaddr_un::sun_path);
}

bool send_request(const std::string& folder) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const sockaddr_un address = socket_address(folder);
    bool sent = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                write(fd, request, sizeof request - 1) == sizeof request - 1;
    close(fd);
    return sent;
}

}  // namespace

single_instance::single_instance() : folder_(private_folder()) {
    if (folder_.empty() || !path_fits(folder_)) {
        folder_.clear();
        std::fprintf(stderr,
                     "zarvelin: no private folder for the running-copy marker; not checking for one\n");
    }
}

single_instance::~single_instance() {
    if (listen_fd_ >= 0) {
        Fl::remove_fd(listen_fd_);
        close(listen_fd_);
        unlink(socket_address(folder_).sun_path);
    }
    if (lock_fd_ >= 0) close(lock_fd_);
}

bool single_instance::raise_running_copy() {
    if (folder_.empty()) return false;
    const std::string lock_path = folder_ + "/running.lock";
    lock_fd_ = open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock_fd_ < 0) return false;
    // The running copy may still be starting: give it a few seconds to listen.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (flock(lock_fd_, LOCK_EX | LOCK_NB) != 0) {
        if (send_request(folder_)) {
            close(lock_fd_);
            lock_fd_ = -1;
            return true;
        }
        if (std::chrono::steady_clock::now() > give_up) {
            std::fprintf(stderr, "zarvelin: a running copy holds the lock but does not answer\n");
            close(lock_fd_);
            lock_fd_ = -1;
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void single_instance::listen(std::function<void()> raise) {
    if (lock_fd_ < 0) return;
    raise_ = std::move(raise);
    const sockaddr_un address = socket_address(folder_);
    unlink(address.sun_path);  // left by a copy that crashed: we hold the lock, so it is stale
    listen_fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listen_fd_ < 0) return;
    if (bind(listen_fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listen_fd_, 4) != 0) {
        std::fprintf(stderr, "zarvelin: cannot listen for later copies: %s\n", std::strerror(errno));
        close(listen_fd_);
        listen_fd_ = -1;
        return;
    }
    Fl::add_fd(listen_fd_, FL_READ, on_request, this);
}

void single_instance::on_request(int fd, void* data) {
    auto* self = static_cast<single_instance*>(data);
    const int client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) return;
    // Only this user's processes can reach the folder; check the peer all the same.
    ucred peer{};
    socklen_t size = sizeof peer;
    const bool ours = getsockopt(client, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
    timeval wait{0, 200000};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    char buffer[sizeof request] = {};
    const ssize_t got = read(client, buffer, sizeof request - 1);
    close(client);
    if (ours && got == ssize_t(sizeof request - 1) && std::memcmp(buffer, request, sizeof request - 1) == 0) {
        if (self->raise_) self->raise_();
    }
}

}  // namespace fltk_backend
