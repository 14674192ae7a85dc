// One running copy per user. The running copy holds an exclusive lock on a
// file and listens on a socket, both in a directory only the user can enter
// ($XDG_RUNTIME_DIR, or a private folder in /tmp). A later copy that cannot
// take the lock asks through the socket for the running window to come to the
// front. The lock dies with its process, so a crash leaves nothing that blocks
// the next start; a socket left behind is replaced.
#pragma once

#include <functional>
#include <string>

namespace fltk_backend {

class single_instance {
public:
    single_instance();
    ~single_instance();
    single_instance(const single_instance&) = delete;
    single_instance& operator=(const single_instance&) = delete;

    // True when another copy runs; it has been asked to raise its window.
    bool raise_running_copy();
    // From now on a later copy's request calls `raise` (from FLTK's event loop).
    void listen(std::function<void()> raise);

private:
    static void on_request(int fd, void* self);

    std::string folder_;  // empty: no private place found, nothing is guarded
    int lock_fd_ = -1;
    int listen_fd_ = -1;
    std::function<void()> raise_;
};

}  // namespace fltk_backend
