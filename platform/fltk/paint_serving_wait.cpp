#include "paint_serving_wait.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <poll.h>

#include <thread>

namespace fltk_backend {

namespace {

Bool is_paint_request(Display*, XEvent* event, XPointer) {
    return event->type == Expose || event->type == GraphicsExpose;
}

void serve_paint_requests() {
    // FLTK points fl_xevent at the event it handles: the click or key whose
    // handling paused must find its own event again afterwards.
    const XEvent* const outer = fl_xevent;
    XEvent event;
    bool any = false;
    while (XCheckIfEvent(fl_display, &event, is_paint_request, nullptr)) {
        fl_handle(event);
        any = true;
    }
    fl_xevent = outer;
    if (any) Fl::flush();
}

}  // namespace

void wait_serving_paints(std::chrono::steady_clock::time_point until) {
    using namespace std::chrono;
    if (!fl_display) {
        std::this_thread::sleep_until(until);
        return;
    }
    // What was drawn before the pause is seen during it.
    XFlush(fl_display);
    pollfd connection{ConnectionNumber(fl_display), POLLIN, 0};
    for (;;) {
        serve_paint_requests();
        const auto left = until - steady_clock::now();
        if (left <= steady_clock::duration::zero()) return;
        const auto ns = duration_cast<nanoseconds>(left).count();
        const timespec timeout{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
        // Woken by anything the server sends; what is not a paint request is
        // read into the queue by the check above and left there.
        ppoll(&connection, 1, &timeout, nullptr);
    }
}

}  // namespace fltk_backend
