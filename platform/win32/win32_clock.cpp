#include "platform/win32/win32_clock.h"

#include <chrono>

namespace win32 {

namespace {

void serve_paint_requests() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace

void win32_clock::sleep(int milliseconds) {
    // The tick count moves in steps of up to 16 ms: the steady clock keeps the
    // pause as long as asked.
    using namespace std::chrono;
    const auto until = steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        serve_paint_requests();
        const auto left = duration_cast<std::chrono::milliseconds>(until - steady_clock::now()).count();
        if (left <= 0) return;
        // Woken by a paint request; input stays queued, to be dropped as made during the pause.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(left), QS_PAINT);
    }
}

}  // namespace win32
