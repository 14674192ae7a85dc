#include "message_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "owner_window.h"
#include "plain_label.h"
#include "scale.h"
#include "screen_fitting.h"

namespace fltk_backend {

namespace {

// The widest a line of a box's text runs before it wraps, at scale 1, and
// what a window manager's title bar may take of the screen's height.
constexpr int widest_line = 600;
constexpr int title_bar = 40;

struct box_state {
    platform::answer result = platform::answer::ok;
    bool done = false;
    // The answer of Esc and the close box; none for Yes/No, which must be answered.
    bool can_dismiss = true;
    platform::answer dismiss = platform::answer::ok;
};

struct button_data {
    box_state* state;
    platform::answer answer;
};

void on_button(Fl_Widget*, void* data) {
    auto* b = static_cast<button_data*>(data);
    b->state->result = b->answer;
    b->state->done = true;
}

void on_close(Fl_Widget*, void* data) {
    auto* s = static_cast<box_state*>(data);
    if (!s->can_dismiss) return;
    s->result = s->dismiss;
    s->done = true;
}

// The warning triangle and the question balloon, drawn rather than loaded.
class icon_box final : public Fl_Box {
public:
    icon_box(int x, int y, platform::icon which) : Fl_Box(x, y, 32 * scale(), 32 * scale()), which_(which) {}
    void draw() override {
        const int k = scale();
        const auto at_x = [this, k](int v) { return x() + v * k; };
        const auto at_y = [this, k](int v) { return y() + v * k; };
        if (which_ == platform::icon::warning) {
            fl_color(fl_rgb_color(255, 210, 0));
            fl_polygon(at_x(16), at_y(1), at_x(31), at_y(30), at_x(1), at_y(30));
            fl_color(FL_BLACK);
            fl_loop(at_x(16), at_y(1), at_x(31), at_y(30), at_x(1), at_y(30));
            fl_font(FL_HELVETICA_BOLD, 20 * k);
            fl_draw("!", x(), at_y(8), 32 * k, 22 * k, FL_ALIGN_CENTER);
        } else {
            fl_color(fl_rgb_color(40, 90, 220));
            fl_pie(x(), y(), 32 * k, 32 * k, 0, 360);
            fl_color(FL_WHITE);
            fl_font(FL_HELVETICA_BOLD, 22 * k);
            fl_draw("?", x(), y(), 32 * k, 32 * k, FL_ALIGN_CENTER);
        }
    }

private:
    platform::icon which_;
};

struct button_spec {
    const char* label;
    platform::answer answer;
};

std::vector<button_spec> buttons_for(platform::buttons b) {
    switch (b) {
        case platform::buttons::ok_cancel:
            return {{"OK", platform::answer::ok}, {"Cancel", platform::answer::cancel}};
        case platform::buttons::yes_no:
            return {{"&Yes", platform::answer::yes}, {"&No", platform::answer::no}};
        case platform::buttons::ok:
            break;
    }
    return {{"OK", platform::answer::ok}};
}

}  // namespace

void run_modal(Fl_Window& window, const bool& done) {
    const open_box open(window);
    window.set_modal();
    window.show();
    while (!done && window.shown()) Fl::wait();
    window.hide();
    Fl::flush();
}

platform::answer message_box(Fl_Window* owner, std::string_view text, std::string_view caption,
                             platform::buttons buttons, platform::icon icon, Fl_Font font) {
    const bool has_icon = icon != platform::icon::none;
    const int k = scale();
    fl_font(font, 14 * k);
    const int margin = 16 * k, button_w = 84 * k, button_h = 26 * k, gap = 8 * k;
    const std::vector<button_spec> specs = buttons_for(buttons);
    const int icon_w = has_icon ? 48 * k : 0;
    const int buttons_w = int(specs.size()) * button_w + (int(specs.size()) - 1) * gap;
    // No box is larger than the screen: a long text wraps, and a tall one
    // scrolls in a box as tall as the screen allows (a title bar left over).
    const screen_area area = work_area_of(owner);
    const int widest_text = std::max(buttons_w, std::min(widest_line * k, area.width - icon_w - 4 * margin));
    const std::string message = wrap_to_width(text, widest_text);
    int text_w = 0, text_h = 0;
    fl_measure(message.c_str(), text_w, text_h, 0);
    const int tallest_body = std::max(button_h, area.height - title_bar * k - 3 * margin - button_h);
    const bool scrolls = text_h > tallest_body;
    if (scrolls) text_w += Fl::scrollbar_size() + 16 * k;  // the scroll bar and the display's own margins
    const int width = std::max(icon_w + text_w, buttons_w) + 2 * margin;
    const int body_h = std::max(std::min(text_h, tallest_body), has_icon ? 32 * k : 0);
    const int height = margin + body_h + margin + button_h + margin;

    box_state state;
    state.can_dismiss = buttons != platform::buttons::yes_no;
    state.dismiss = buttons == platform::buttons::ok_cancel ? platform::answer::cancel : platform::answer::ok;

    Fl_Window window(width, height);
    window.copy_label(std::string(caption).c_str());
    window.callback(on_close, &state);
    std::unique_ptr<icon_box> picture;
    if (has_icon) picture = std::make_unique<icon_box>(margin, margin, icon);
    std::unique_ptr<Fl_Box> body;
    std::unique_ptr<Fl_Text_Buffer> buffer;
    std::unique_ptr<Fl_Text_Display> scrolled;
    if (scrolls) {
        buffer = std::make_unique<Fl_Text_Buffer>();
        buffer->text(message.c_str());
        scrolled = std::make_unique<Fl_Text_Display>(margin + icon_w, margin, text_w, body_h);
        scrolled->buffer(buffer.get());
        scrolled->textfont(font);
        scrolled->textsize(14 * k);
        scrolled->box(FL_FLAT_BOX);
        scrolled->color(window.color());
        // Wrapped to its width already: no sideways scrolling for a pixel or two of margin.
        scrolled->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
    } else {
        body = std::make_unique<Fl_Box>(margin + icon_w, margin, text_w, body_h);
        body->copy_label(message.c_str());
        body->labeltype(plain_label());  // a name in the text is shown as typed
        body->labelfont(font);
        body->labelsize(14 * k);
        body->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    }

    std::vector<std::unique_ptr<Fl_Button>> controls;
    std::vector<button_data> data(specs.size());
    int x = (width - buttons_w) / 2;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const int y = height - margin - button_h;
        if (i == 0) {
            controls.push_back(std::make_unique<Fl_Return_Button>(x, y, button_w, button_h, specs[i].label));
        } else {
            controls.push_back(std::make_unique<Fl_Button>(x, y, button_w, button_h, specs[i].label));
        }
        data[i] = {&state, specs[i].answer};
        controls.back()->callback(on_button, &data[i]);
        x += button_w + gap;
    }
    window.end();

    place_inside(window, owner, area);
    controls.front()->take_focus();
    run_modal(window, state.done);
    return state.result;
}

}  // namespace fltk_backend
