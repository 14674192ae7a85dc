// Taking turns to start: while on, each new game starts with the seat after
// the one that started the last game of the run; while off, with seat 0. It
// knows nothing of the engine's state, so the desktop and the match runner
// can share it.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/first_seat_choice.h"

namespace companion {

class start_rotation final : public first_seat_choice {
public:
    void set_on(bool on) { on_ = on; }
    bool on() const { return on_; }

    // The run's first game starts with seat 0 either way.
    std::uint32_t first_seat(std::uint32_t player_count) override {
        const std::uint32_t seat = on_ && last_ ? (*last_ + 1) % player_count : 0;
        last_ = seat;
        return seat;
    }

    // A resumed game began with seat: the next game starts after it.
    void resumed(std::uint32_t seat) { last_ = seat; }

private:
    bool on_ = false;
    std::optional<std::uint32_t> last_;
};

}  // namespace companion
