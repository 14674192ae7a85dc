#include "screen_fitting.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace fltk_backend {

namespace {

int width_of(std::string_view text) { return int(fl_width(text.data(), int(text.size()))); }

bool continues_character(char c) { return (static_cast<unsigned char>(c) & 0xc0) == 0x80; }

// The longest start of word no wider than max_width, whole characters only,
// and at least one character so that every line takes something.
std::size_t fitting_start(std::string_view word, int max_width) {
    std::size_t end = 0;
    for (std::size_t next = 1; next <= word.size(); ++next) {
        if (next < word.size() && continues_character(word[next])) continue;
        if (end > 0 && width_of(word.substr(0, next)) > max_width) break;
        end = next;
    }
    return end;
}

void wrap_line(std::string_view line, int max_width, std::string& out) {
    std::string current;
    auto finish = [&] {
        out += current;
        out += '\n';
        current.clear();
    };
    while (!line.empty()) {
        const std::size_t space = line.find(' ');
        std::string_view word = line.substr(0, space);
        line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
        const std::string joined = current.empty() ? std::string(word) : current + " " + std::string(word);
        if (width_of(joined) <= max_width) {
            current = joined;
            continue;
        }
        if (!current.empty()) finish();
        while (width_of(word) > max_width) {
            const std::size_t cut = fitting_start(word, max_width);
            current = word.substr(0, cut);
            finish();
            word.remove_prefix(cut);
        }
        current = word;
    }
    out += current;
}

}  // namespace

std::string wrap_to_width(std::string_view text, int max_width) {
    std::string out;
    while (true) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        // Most lines fit as they are: one measure each, even in a long table.
        if (width_of(line) <= max_width)
            out += line;
        else
            wrap_line(line, max_width, out);
        if (end == std::string_view::npos) return out;
        out += '\n';
        text.remove_prefix(end + 1);
    }
}

screen_area work_area_of(Fl_Window* owner) {
    screen_area area;
    if (owner && owner->shown()) {
        Fl::screen_work_area(area.x, area.y, area.width, area.height, owner->x() + owner->w() / 2,
                             owner->y() + owner->h() / 2);
    } else {
        Fl::screen_work_area(area.x, area.y, area.width, area.height, 0);
    }
    return area;
}

void place_inside(Fl_Window& box, Fl_Window* owner, const screen_area& area) {
    const bool over_owner = owner && owner->shown();
    int x = over_owner ? owner->x() + (owner->w() - box.w()) / 2 : area.x + (area.width - box.w()) / 2;
    int y = over_owner ? owner->y() + (owner->h() - box.h()) / 2 : area.y + (area.height - box.h()) / 2;
    x = std::max(area.x, std::min(x, area.x + area.width - box.w()));
    y = std::max(area.y, std::min(y, area.y + area.height - box.h()));
    box.position(x, y);
}

}  // namespace fltk_backend
