#include "platform/headless/headless_platform.h"

#include <array>
#include <cstdio>
#include <string>
#include <utility>

#include "platform/null_canvas.h"

namespace headless {
namespace {

std::string hex(platform::colour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x%02x%02x", platform::red(c), platform::green(c), platform::blue(c));
    return buf;
}

std::string coords(const platform::rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string points_text(std::span<const platform::point> points) {
    std::string s;
    for (const auto& p : points) {
        if (!s.empty()) s += ' ';
        s += std::to_string(p.x);
        s += ',';
        s += std::to_string(p.y);
    }
    return s;
}

// A fresh context starts as GDI's does: white brush, one-pixel black pen,
// black text on white.
class recording_canvas final : public platform::canvas {
public:
    explicit recording_canvas(std::vector<std::string>& log) : log_(log) { log_.push_back("get_dc"); }
    ~recording_canvas() override { log_.push_back("release_dc"); }

    platform::brush select_brush(const platform::brush& b) override { return std::exchange(brush_, b); }
    platform::pen select_pen(const platform::pen& p) override { return std::exchange(pen_, p); }

    void rectangle(const platform::rect& r) override { log_.push_back("rectangle " + coords(r) + filled()); }
    void ellipse(const platform::rect& r) override { log_.push_back("ellipse " + coords(r) + filled()); }
    void fill_rect(const platform::rect& r, const platform::brush& b) override {
        log_.push_back("fill_rect " + coords(r) + " brush=" + hex(b.rgb));
    }
    void frame_rect(const platform::rect& r, const platform::brush& b) override {
        log_.push_back("frame_rect " + coords(r) + " brush=" + hex(b.rgb));
    }
    void move_to(platform::point p) override { at_ = p; }
    void line_to(platform::point p) override {
        log_.push_back("line " + points_text(std::array{at_, p}) + stroked());
        at_ = p;
    }
    void fill_polygon(std::span<const platform::point> points, const platform::brush& b) override {
        log_.push_back("fill_polygon " + points_text(points) + " brush=" + hex(b.rgb));
    }
    void polyline(std::span<const platform::point> points) override {
        log_.push_back("polyline " + points_text(points) + stroked());
    }
    void set_text_colour(platform::colour c) override { text_ = c; }
    void set_background_colour(platform::colour c) override { background_ = c; }
    void text_out(platform::point p, std::string_view text) override {
        log_.push_back("text_out " + std::to_string(p.x) + "," + std::to_string(p.y) + " \"" +
                       std::string(text) + "\"" + inked());
    }
    void draw_text(std::string_view text, const platform::rect& r, unsigned format) override {
        char flags[8];
        std::snprintf(flags, sizeof flags, "%02x", format);
        log_.push_back("draw_text " + coords(r) + " \"" + std::string(text) + "\" format=" + flags + inked());
    }

private:
    std::string stroked() const { return " pen=" + hex(pen_.rgb) + "/" + std::to_string(pen_.width); }
    std::string filled() const { return " brush=" + hex(brush_.rgb) + stroked(); }
    std::string inked() const { return " text=" + hex(text_) + " on=" + hex(background_); }

    std::vector<std::string>& log_;
    platform::brush brush_{platform::rgb(255, 255, 255)};
    platform::pen pen_{platform::rgb(0, 0, 0), 1};
    platform::point at_{};
    platform::colour text_ = platform::rgb(0, 0, 0);
    platform::colour background_ = platform::rgb(255, 255, 255);
};

platform::answer refusal(platform::buttons b) {
    switch (b) {
        case platform::buttons::yes_no:
            return platform::answer::no;
        case platform::buttons::ok_cancel:
            return platform::answer::cancel;
        case platform::buttons::ok:
            break;
    }
    return platform::answer::ok;
}

}  // namespace

std::unique_ptr<platform::canvas> headless_window::get_canvas() {
    if (!record_) return std::make_unique<platform::null_canvas>();
    return std::make_unique<recording_canvas>(drawing);
}

void headless_window::invalidate_and_update() {
    ++invalidations;
    if (record_) drawing.push_back("invalidate erase");
    if (on_paint) on_paint();
}

platform::answer headless_window::message_box(std::string_view text, std::string_view caption,
                                              platform::buttons b, platform::icon i) {
    message_box_call call{std::string(text), std::string(caption), b, i};
    if (record_) boxes.push_back(call);
    if (!answers.empty()) {
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    return answerer ? answerer(call) : refusal(b);
}

void headless_window::run_dialog(platform::dialog_template which) {
    if (record_) dialogs.push_back(which);
    if (on_dialog) on_dialog(which);
}

void headless_window::post_quit(int code) {
    quit_posted = true;
    exit_code = code;
}

platform::brush headless_graphics::make_brush(platform::colour c) {
    ++live_objects;
    return {c, 0};
}

platform::pen headless_graphics::make_pen(platform::colour c, int width) {
    ++live_objects;
    return {c, width, 0};
}

void headless_graphics::delete_brush(platform::brush&) { --live_objects; }
void headless_graphics::delete_pen(platform::pen&) { --live_objects; }

platform::colour headless_graphics::nearest_colour(platform::colour c) {
    return platform::rgb(platform::red(c) & 0xc0, platform::green(c) & 0xc0, platform::blue(c) & 0xc0);
}

void headless_sound::play(platform::sound_id which, bool wait) {
    if (record_) played.push_back({which, wait, muted_});
}

void virtual_clock::sleep(int milliseconds) {
    if (record_) sleeps.push_back(milliseconds);
    if (during_sleep) during_sleep(milliseconds);
    advance(milliseconds);
}

}  // namespace headless
