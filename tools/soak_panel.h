// The status panel as it was last drawn, read back from the headless window's
// drawing record: the boxes of its buttons and the texts written in them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

struct drawn_button {
    platform::rect box;
    std::string label;
    friend bool operator==(const drawn_button&, const drawn_button&) = default;
};

// The buttons of the last panel painted in `drawing`, top to bottom; nothing
// when the record holds no panel.
std::optional<std::vector<drawn_button>> last_drawn_panel(const std::vector<std::string>& drawing);
