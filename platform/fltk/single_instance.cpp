#include "single_instance.h"

#include <poll.h>
#include <sys/epoll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

#include "private_folder.h"

namespace fltk_backend {

namespace {

using steady = std::chrono::steady_clock;

constexpr char lock_name[] = "running.lock";
constexpr char socket_name[] = "window.sock";
constexpr std::string_view request = "raise\n";
constexpr std::string_view answer = "raised\n";
// Later copies waiting at once for their answer; beyond that the oldest is let go.
constexpr std::size_t max_clients = 16;

void warn(const std::string& text) { std::fprintf(stderr, "zarvelin: %s\n", text.c_str()); }

// The socket's address through the folder's descriptor: short whatever the
// folder's path, and always the folder that was checked.
sockaddr_un socket_address(int folder) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "/proc/self/fd/%d/%s", folder, socket_name);
    return address;
}

bool peer_is_us(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == geteuid();
}

bool send_all(int fd, std::string_view text) {
    return send(fd, text.data(), text.size(), MSG_NOSIGNAL) == ssize_t(text.size());
}

int milliseconds_until(steady::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - steady::now()).count();
    return int(std::max<decltype(left)>(left, 0));
}

// Asks the copy listening in the folder to raise its window; true once it has answered.
bool ask_running_copy(int folder, steady::time_point deadline) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const sockaddr_un address = socket_address(folder);
    bool talking = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                   peer_is_us(fd) && send_all(fd, request);
    std::string got;
    while (talking && got.size() < answer.size()) {
        pollfd ready{fd, POLLIN, 0};
        char buffer[answer.size()];
        const ssize_t n =
            poll(&ready, 1, milliseconds_until(deadline)) == 1 ? read(fd, buffer, sizeof buffer) : -1;
        talking = n > 0;
        if (talking) got.append(buffer, std::size_t(n));
    }
    close(fd);
    return got == answer;
}

}  // namespace

single_instance::single_instance()
    : single_instance(marker_folder_path(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME")),
                      std::chrono::seconds(2)) {}

single_instance::single_instance(std::string folder, std::chrono::milliseconds answer_bound)
    : folder_path_(std::move(folder)), answer_bound_(answer_bound) {}

single_instance::~single_instance() {
    for (const client& c : clients_) close(c.fd);
    if (listen_fd_ >= 0) {
        unlinkat(folder_fd_, socket_name, 0);
        close(listen_fd_);
    }
    if (events_fd_ >= 0) close(events_fd_);
    if (lock_fd_ >= 0) close(lock_fd_);
    if (folder_fd_ >= 0) close(folder_fd_);
}

bool single_instance::raise_running_copy() {
    std::string problem = "no home folder";
    if (!folder_path_.empty()) folder_fd_ = open_private_folder(folder_path_, problem);
    if (folder_fd_ >= 0) {
        lock_fd_ = open_private_file(folder_fd_, lock_name, problem);
        if (lock_fd_ < 0) problem = folder_path_ + "/" + problem;
    }
    if (lock_fd_ < 0) {
        warn("no running-copy marker (" + problem + "); not checking for a running copy");
        return false;
    }
    // The copy holding the lock answers from its event loop, which it may not have reached yet.
    const steady::time_point deadline = steady::now() + answer_bound_;
    for (;;) {
        if (flock(lock_fd_, LOCK_EX | LOCK_NB) == 0) {
            take_requests();
            return false;
        }
        if (errno != EWOULDBLOCK) {
            warn(folder_path_ + "/" + lock_name + ": " + std::strerror(errno) +
                 "; not checking for a running copy");
            break;
        }
        if (ask_running_copy(folder_fd_, deadline)) return true;
        if (steady::now() >= deadline) {
            warn("a running copy holds " + folder_path_ + "/" + lock_name +
                 " but does not answer; starting another");
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    close(lock_fd_);
    lock_fd_ = -1;
    return false;
}

void single_instance::take_requests() {
    // Whatever stands at the socket's place was left by a copy that has ended,
    // as we hold the lock: it is replaced, never followed.
    struct stat st {};
    if (fstatat(folder_fd_, socket_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        unlinkat(folder_fd_, socket_name, S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0);
    }
    const sockaddr_un address = socket_address(folder_fd_);
    listen_fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    events_fd_ = epoll_create1(EPOLL_CLOEXEC);
    epoll_event watch{};
    watch.events = EPOLLIN;
    watch.data.fd = listen_fd_;
    if (listen_fd_ < 0 || events_fd_ < 0 ||
        bind(listen_fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(listen_fd_, SOMAXCONN) != 0 || epoll_ctl(events_fd_, EPOLL_CTL_ADD, listen_fd_, &watch) != 0) {
        warn("cannot take the requests of later copies at " + folder_path_ + "/" + socket_name + ": " +
             std::strerror(errno));
        if (listen_fd_ >= 0) close(listen_fd_);
        if (events_fd_ >= 0) close(events_fd_);
        listen_fd_ = events_fd_ = -1;
    }
}

void single_instance::serve(const std::function<void()>& raise) {
    accept_clients();
    std::erase_if(clients_, [&](client& c) { return !read_client(c, raise); });
}

void single_instance::accept_clients() {
    for (;;) {
        const int fd = accept4(listen_fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        epoll_event watch{};
        watch.events = EPOLLIN;
        watch.data.fd = fd;
        // Only this user's processes can reach the folder; the peer is checked all the same.
        if (!peer_is_us(fd) || epoll_ctl(events_fd_, EPOLL_CTL_ADD, fd, &watch) != 0) {
            close(fd);
            continue;
        }
        if (clients_.size() == max_clients) {
            close(clients_.front().fd);
            clients_.erase(clients_.begin());
        }
        clients_.push_back({fd, {}});
    }
}

// Takes what the client has sent so far; false once it is done with.
bool single_instance::read_client(client& c, const std::function<void()>& raise) {
    char buffer[request.size()];
    const ssize_t n = read(c.fd, buffer, request.size() - c.received.size());
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
    if (n > 0) c.received.append(buffer, std::size_t(n));
    if (n > 0 && c.received.size() < request.size() && request.starts_with(c.received)) return true;
    if (c.received == request) {
        raise();
        send_all(c.fd, answer);  // a copy that has given up already is no concern
    }
    close(c.fd);
    return false;
}

}  // namespace fltk_backend
