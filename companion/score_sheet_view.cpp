#include "companion/score_sheet_view.h"

#include <algorithm>

#include "companion/score_sheet_text.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"

namespace companion {

namespace {

using platform::point;
using platform::rect;

constexpr unsigned one_line = platform::text_single_line | platform::text_vcentre;
constexpr unsigned centred = one_line | platform::text_centre;

constexpr rect heading{8, 3, 500, 23};
constexpr int standings_top = 26, standing_height = 18;
// The standings' columns: left edges, and the header of each.
constexpr int column_left[] = {20, 150, 226, 298, 396, 476, 542};
constexpr const char* column_header[] = {"Seat",     "Plays as", "Claimed", "Columns",
                                         "To climb", "Turns",    "Busts"};
constexpr rect chart_title{8, 120, 612, 136};
constexpr rect chart{44, 140, 606, 262};
constexpr int target_inset = 12;  // the target line stands this far below the chart's top
constexpr rect log_title{8, 284, 612, 300};
constexpr rect band{8, 302, 612, 516};

// White text on the darker seat colours, black on the lighter.
platform::colour text_on(platform::colour c) {
    const int light = 299 * platform::red(c) + 587 * platform::green(c) + 114 * platform::blue(c);
    return light < 128000 ? platform::rgb(255, 255, 255) : platform::rgb(0, 0, 0);
}

std::string join_columns(const std::vector<std::uint32_t>& columns) {
    std::string text;
    for (std::uint32_t c : columns) text += (text.empty() ? "" : ", ") + std::to_string(c);
    return text.empty() ? "none" : text;
}

// Words into rows no longer than limit; a word longer than that has a row of its own.
// "square" and "column" stay on the row of the number that follows them.
void wrap_words(const std::string& text, std::size_t limit, std::vector<std::string>& rows) {
    std::string row;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string first = text.substr(at, end - at);
        if ((first == "square" || first == "column") && end < text.size()) {
            end = text.find(' ', end + 1);
            if (end == std::string::npos) end = text.size();
        }
        const std::string word = text.substr(at, end - at);
        if (!row.empty() && row.size() + 1 + word.size() > limit) {
            rows.push_back(row);
            row.clear();
        }
        row += (row.empty() ? "" : " ") + word;
        at = end + 1;
    }
    if (!row.empty()) rows.push_back(row);
}

// The segment from a to b as a band two pixels thick, in the brush's colour.
void thick_segment(platform::canvas& dc, point a, point b, const platform::brush& colour) {
    const point corners[] = {{a.x, a.y - 1}, {b.x, b.y - 1}, {b.x, b.y + 2}, {a.x, a.y + 2}};
    dc.fill_polygon(corners, colour);
}

}  // namespace

void add_turn_rows(const score_sheet& sheet, std::size_t t, std::size_t limit, std::vector<log_row>& rows) {
    const sheet_turn& turn = sheet.turns()[t];
    const auto phrases = turn_phrases(turn, t + 1, settings().player_names[turn.seat]);
    std::string row;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < phrases.size(); ++i) {
        const bool last = i + 1 == phrases.size();
        const std::string phrase = phrases[i] + (last ? (turn.end == turn_end::playing ? "" : ".") : ";");
        if (!row.empty() && row.size() + 1 + phrase.size() > limit) {
            texts.push_back(row);
            row.clear();
        }
        if (phrase.size() > limit) {
            wrap_words(phrase, limit, texts);
            continue;
        }
        row += (row.empty() ? "" : " ") + phrase;
    }
    if (!row.empty()) texts.push_back(row);
    for (std::size_t i = 0; i < texts.size(); ++i) rows.push_back({turn.seat, i == 0, texts[i]});
}

std::vector<log_row> log_rows(const score_sheet& sheet, std::size_t limit) {
    std::vector<log_row> rows;
    for (std::size_t t = 0; t < sheet.turns().size(); ++t) add_turn_rows(sheet, t, limit, rows);
    return rows;
}

const std::vector<log_row>& score_sheet_view::rows() const {
    const std::size_t turns = sheet_.turns().size();
    if (kept_generation_ != sheet_.generation() || turns < kept_turns_) {
        kept_generation_ = sheet_.generation();
        kept_turns_ = kept_rows_ = 0;
    }
    rows_.resize(kept_rows_);
    // Only the last turn is still being written.
    for (; turns > 0 && kept_turns_ + 1 < turns; ++kept_turns_)
        add_turn_rows(sheet_, kept_turns_, row_characters, rows_);
    kept_rows_ = rows_.size();
    if (turns > 0) add_turn_rows(sheet_, turns - 1, row_characters, rows_);
    return rows_;
}

rect score_sheet_view::scrolled_band() const { return band; }

int score_sheet_view::scrolled_height() const { return int(rows().size()) * line; }

void score_sheet_view::click(point p) {
    if (contains(save_button, p) && save_) save_();
}

void score_sheet_view::paint(platform::canvas& dc, int scrolled_by) {
    dc.fill_rect(area(), colours_.white);
    dc.set_text_colour(colours_.black.rgb);
    dc.set_background_colour(colours_.white.rgb);
    if (sheet_.seats() == 0) {
        dc.draw_text("The sheet begins with the first game.", heading, one_line);
    } else {
        dc.draw_text(sheet_heading(sheet_.target()), heading, one_line);
    }
    dc.select_brush(colours_.board);
    dc.select_pen(colours_.black_pen);
    dc.rectangle(save_button);
    dc.set_text_colour(colours_.white.rgb);
    dc.set_background_colour(colours_.board.rgb);
    dc.draw_text("Save Log", save_button, centred);
    paint_standings(dc);
    paint_chart(dc);
    paint_log(dc, scrolled_by);
}

void score_sheet_view::paint_standings(platform::canvas& dc) {
    dc.set_text_colour(colours_.black.rgb);
    dc.set_background_colour(colours_.white.rgb);
    for (int i = 0; i < 7; ++i)
        dc.draw_text(column_header[i],
                     {column_left[i], standings_top, column_left[i] + 76, standings_top + 16}, one_line);
    const auto rows = sheet_.standings();
    for (std::uint32_t seat = 0; seat < rows.size(); ++seat) {
        const seat_standing& row = rows[seat];
        const int top = standings_top + standing_height * int(seat + 1);
        const platform::brush& colour = colours_.players[seat];
        const rect strip{4, top, width - 4, top + standing_height - 1};
        dc.fill_rect(strip, colour);
        dc.set_text_colour(text_on(colour.rgb));
        dc.set_background_colour(colour.rgb);
        if (row.leads) {
            const point mark[] = {{7, top + 4}, {15, top + 9}, {7, top + 14}};
            dc.fill_polygon(mark,
                            text_on(colour.rgb) == colours_.white.rgb ? colours_.white : colours_.black);
        }
        const std::string cells[] = {settings().player_names[seat],
                                     seat_kind(seat),
                                     std::to_string(row.claimed) + " of " + std::to_string(sheet_.target()),
                                     join_columns(row.columns),
                                     std::to_string(row.squares_to_climb),
                                     std::to_string(row.turns),
                                     std::to_string(row.busts)};
        for (int i = 0; i < 7; ++i) {
            const int right = i + 1 < 7 ? column_left[i + 1] - 4 : strip.right;
            dc.draw_text(cells[i], {column_left[i], top, right, strip.bottom}, one_line);
        }
    }
}

void score_sheet_view::paint_chart(platform::canvas& dc) {
    dc.set_text_colour(colours_.black.rgb);
    dc.set_background_colour(colours_.white.rgb);
    dc.draw_text("The race: columns claimed and climbed, after each turn", chart_title, one_line);
    dc.frame_rect(chart, colours_.black);
    if (sheet_.seats() == 0) return;
    const int target = int(sheet_.target());
    const int top = chart.top + target_inset, bottom = chart.bottom - 2;
    const auto y_of = [&](double v) { return bottom - int(v * (bottom - top) / target + 0.5); };
    // The target, and a label for it and for nothing climbed.
    dc.fill_rect({chart.left + 1, top, chart.right - 1, top + 1}, colours_.board);
    dc.draw_text(std::to_string(target), {chart.left - 36, top - 8, chart.left - 4, top + 8},
                 one_line | platform::text_right);
    dc.draw_text("0", {chart.left - 36, bottom - 8, chart.left - 4, bottom + 8},
                 one_line | platform::text_right);
    const auto series = sheet_.race_series();
    const int turns = std::max<int>(1, int(series[0].size()) - 1);
    const auto x_of = [&](std::size_t t) {
        return chart.left + 2 + int(t) * (chart.right - chart.left - 4) / turns;
    };
    dc.draw_text("turn " + std::to_string(series[0].size() - 1),
                 {chart.right - 120, chart.bottom + 2, chart.right, chart.bottom + 18},
                 one_line | platform::text_right);
    // A long game has more turns than the chart has pixels: a segment spans at least two of them.
    const std::size_t stride = std::size_t(1 + turns / ((chart.right - chart.left) / 2));
    for (std::size_t seat = 0; seat < series.size(); ++seat) {
        const auto& s = series[seat];
        for (std::size_t from = 0; from + 1 < s.size(); from += stride) {
            const std::size_t to = std::min(from + stride, s.size() - 1);
            thick_segment(dc, {x_of(from), y_of(s[from])}, {x_of(to), y_of(s[to])}, colours_.players[seat]);
        }
    }
}

void score_sheet_view::paint_log(platform::canvas& dc, int scrolled_by) {
    dc.set_text_colour(colours_.black.rgb);
    dc.set_background_colour(colours_.white.rgb);
    dc.draw_text("Turns, the newest at the bottom", log_title, one_line);
    dc.frame_rect({band.left - 2, band.top - 1, band.right + 2, band.bottom + 1}, colours_.black);
    const auto& rows = this->rows();
    const std::size_t first = std::size_t(std::max(0, scrolled_by / line));
    const std::size_t visible = std::size_t((band.bottom - band.top) / line);
    for (std::size_t i = first; i < rows.size() && i < first + visible; ++i) {
        const int top = band.top + int(i - first) * line;
        if (rows[i].first)
            dc.fill_rect({band.left + 2, top + 4, band.left + 10, top + 12}, colours_.players[rows[i].seat]);
        const int indent = rows[i].first ? 14 : 30;
        dc.draw_text(rows[i].text, {band.left + indent, top, band.right, top + line}, one_line);
    }
}

}  // namespace companion
