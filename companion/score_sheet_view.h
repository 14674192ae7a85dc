// The score sheet's drawing: the heading with the Save Log button, the
// standings in the seats' colours, the race chart and the turn log, which
// scrolls. The same drawing serves every desktop; the window that hosts it
// only scrolls the log's band and passes on clicks.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "companion/score_sheet.h"
#include "platform/sheet_drawing.h"

struct palette;

namespace companion {

// The log's rows: a turn's phrases packed into rows of at most `limit`
// characters, broken between phrases (or, for one too long, between words).
struct log_row {
    std::uint32_t seat = 0;
    bool first = false;  // the row a turn begins with
    std::string text;
};
std::vector<log_row> log_rows(const score_sheet& sheet, std::size_t limit);
// Turn t's rows, added at the end of rows.
void add_turn_rows(const score_sheet& sheet, std::size_t t, std::size_t limit, std::vector<log_row>& rows);

class score_sheet_view final : public platform::sheet_drawing {
public:
    static constexpr int width = 620, height = 520, line = 16;
    // A log row holds about this many characters of the board's font in the sheet's width.
    // (Windows' system font is the wider of the two the desktops draw with.)
    static constexpr std::size_t row_characters = 72;
    static constexpr platform::rect save_button{526, 3, 614, 23};

    score_sheet_view(const score_sheet& sheet, const palette& colours) : sheet_(sheet), colours_(colours) {}

    // A click on Save Log.
    void on_save(std::function<void()> save) { save_ = std::move(save); }

    platform::rect area() const override { return {0, 0, width, height}; }
    platform::rect scrolled_band() const override;
    int scrolled_height() const override;
    int scroll_step() const override { return line; }
    void paint(platform::canvas& dc, int scrolled_by) override;
    void click(platform::point p) override;

private:
    // The log's rows; those of the turns before the last are kept from one paint to the next.
    const std::vector<log_row>& rows() const;
    void paint_standings(platform::canvas& dc);
    void paint_chart(platform::canvas& dc);
    void paint_log(platform::canvas& dc, int scrolled_by);

    const score_sheet& sheet_;
    const palette& colours_;
    std::function<void()> save_;
    mutable std::vector<log_row> rows_;
    mutable std::size_t kept_turns_ = 0, kept_rows_ = 0;
    mutable std::uint32_t kept_generation_ = 0;
};

}  // namespace companion
