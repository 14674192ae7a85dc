#include "tools/soak_panel.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "board_view/layout.h"

namespace {

// "<operation> left,top,right,bottom ..." as the recording canvas writes it.
std::optional<platform::rect> rect_after(std::string_view line, std::string_view operation) {
    if (line.substr(0, operation.size()) != operation) return std::nullopt;
    const std::string text(line.substr(operation.size(), 64));
    platform::rect r;
    if (std::sscanf(text.c_str(), "%d,%d,%d,%d", &r.left, &r.top, &r.right, &r.bottom) != 4)
        return std::nullopt;
    return r;
}

bool inside(const platform::rect& r, const platform::rect& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

// The text of a "draw_text l,t,r,b "<text>" format=.." line; the text may hold quotes itself.
std::string quoted_text(std::string_view line) {
    const auto open = line.find('"');
    const auto close = line.rfind("\" format=");
    if (open == std::string_view::npos || close == std::string_view::npos || close <= open) return {};
    return std::string(line.substr(open + 1, close - open - 1));
}

}  // namespace

std::optional<std::vector<drawn_button>> last_drawn_panel(const std::vector<std::string>& drawing) {
    // Every painting of the panel starts by filling its area.
    const auto is_panel_fill = [](const std::string& line) {
        const auto r = rect_after(line, "fill_rect ");
        return r && *r == layout::panel_area;
    };
    const auto start = std::find_if(drawing.rbegin(), drawing.rend(), is_panel_fill);
    if (start == drawing.rend()) return std::nullopt;

    std::vector<drawn_button> buttons;
    for (auto it = start.base(); it != drawing.end(); ++it) {
        const std::string_view line = *it;
        auto box = rect_after(line, "rectangle ");
        if (!box) box = rect_after(line, "frame_rect ");
        if (box && inside(*box, layout::panel_area)) {
            // A frame within a box already drawn is the keyboard's selection, not a button.
            const auto holds = [&box](const drawn_button& b) { return b.box != *box && inside(*box, b.box); };
            if (std::none_of(buttons.begin(), buttons.end(), holds)) buttons.push_back({*box, {}});
            continue;
        }
        const auto text_box = rect_after(line, "draw_text ");
        if (!text_box) continue;
        for (auto& b : buttons)
            if (b.box == *text_box) b.label = quoted_text(line);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const drawn_button& a, const drawn_button& b) { return a.box.top < b.box.top; });
    return buttons;
}
