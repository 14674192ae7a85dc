// One running copy per user. The running copy holds an exclusive lock on a
// file in a folder only the user can enter (see private_folder.h) and answers
// on a socket beside it. A later copy that cannot take the lock asks through
// the socket for the running window to come to the front, and steps aside once
// it is answered. The lock dies with its process, so a crash leaves nothing
// that blocks the next start; a socket left behind is replaced.
//
// Two copies are better than none: wherever the guard cannot work (no private
// folder, a marker that cannot be replaced, a holder that does not answer in
// time) this copy says so in one line on standard error and starts anyway.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace fltk_backend {

class single_instance {
public:
    // The user's marker folder, and a running copy's answer awaited two
    // seconds: longer than the longest pause of a turn.
    single_instance();
    single_instance(std::string folder, std::chrono::milliseconds answer_bound);
    ~single_instance();
    single_instance(const single_instance&) = delete;
    single_instance& operator=(const single_instance&) = delete;

    // True when another copy runs and has been asked to raise its window.
    // Otherwise this copy takes the marker when it can, and from then on the
    // requests of later copies wait for `serve`.
    bool raise_running_copy();
    // Readable whenever a request may be waiting; -1 when this copy takes none.
    int request_fd() const { return events_fd_; }
    // Handles whatever has arrived, calling `raise` for each complete request;
    // never waits, so a later copy that connects and says nothing costs nothing.
    void serve(const std::function<void()>& raise);

private:
    struct client {
        int fd;
        std::string received;
    };
    void take_requests();
    void accept_clients();
    bool read_client(client& c, const std::function<void()>& raise);

    std::string folder_path_;
    std::chrono::milliseconds answer_bound_;
    int folder_fd_ = -1;
    int lock_fd_ = -1;
    int listen_fd_ = -1;
    int events_fd_ = -1;
    std::vector<client> clients_;  // connected, request not yet complete; the oldest first
};

}  // namespace fltk_backend
