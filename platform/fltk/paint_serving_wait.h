// The game's pauses block the thread, as they are meant to: no click or key is
// handled during them. A window uncovered meanwhile must not stay blank for up
// to a second, though, so the pauses serve paint requests, and nothing else.
#pragma once

#include <chrono>

namespace fltk_backend {

// Returns at `until`, having repainted whatever was exposed meanwhile; input
// made meanwhile stays queued for the loop (which drops what was made on the board).
void wait_serving_paints(std::chrono::steady_clock::time_point until);

}  // namespace fltk_backend
