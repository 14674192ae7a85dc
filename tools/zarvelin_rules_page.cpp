// zarvelin-rules-page: writes the rules page from its template, with the table
// of the odds that a roll offers a move for every set of three columns, counted
// by the engine's own rules, and the program's screenshots inlined, so the
// page is one file wherever it is copied.
//   zarvelin-rules-page <template> <screenshots folder> <output>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "companion/roll_odds.h"
#include "engine/game_engine.h"

namespace {

struct three_columns {
    int a, b, c;
    int moves;  // of the 1296 rolls
};

// Every set of three columns with a marker on its first square, nothing
// claimed, in the order a player looks theirs up: by the lowest column, then
// the next.
std::vector<three_columns> count_moves() {
    game_engine engine;
    engine.player_count = 2;
    engine.progress.assign(2, {});
    engine.current_player = 0;
    std::vector<three_columns> sets;
    for (int a = 2; a <= 12; ++a)
        for (int b = a + 1; b <= 12; ++b)
            for (int c = b + 1; c <= 12; ++c) {
                engine.markers = {marker{std::uint32_t(a), 1}, marker{std::uint32_t(b), 1},
                                  marker{std::uint32_t(c), 1}};
                const int busts = companion::count_busts(engine).busts;
                sets.push_back({a, b, c, companion::roll_count::rolls - busts});
            }
    return sets;
}

// The 165 sets in three tables side by side, each under its own heading.
std::string odds_table() {
    constexpr std::size_t groups = 3;
    const std::vector<three_columns> sets = count_moves();
    const std::size_t per_group = (sets.size() + groups - 1) / groups;
    std::string html;
    for (std::size_t first = 0; first < sets.size(); first += per_group) {
        html += "<table class=\"odds\">\n<tr><th>Columns</th><th>A move</th><th>Rolls of 1296</th></tr>\n";
        for (std::size_t i = first; i < std::min(first + per_group, sets.size()); ++i) {
            const three_columns& s = sets[i];
            char row[160];
            std::snprintf(row, sizeof row, "<tr><td>%d, %d, %d</td><td>%.1f%%</td><td>%d</td></tr>\n", s.a,
                          s.b, s.c, 100.0 * s.moves / companion::roll_count::rolls, s.moves);
            html += row;
        }
        html += "</table>\n";
    }
    return html;
}

bool read(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string base64(const std::string& bytes) {
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = unsigned(std::uint8_t(bytes[i])) << 16 |
                           unsigned(std::uint8_t(bytes[i + 1])) << 8 | unsigned(std::uint8_t(bytes[i + 2]));
        for (int shift = 18; shift >= 0; shift -= 6) out += digits[(v >> shift) & 63];
    }
    if (i < bytes.size()) {
        unsigned v = unsigned(std::uint8_t(bytes[i])) << 16;
        if (i + 1 < bytes.size()) v |= unsigned(std::uint8_t(bytes[i + 1])) << 8;
        out += digits[(v >> 18) & 63];
        out += digits[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? digits[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

// Replaces every src="screenshots/NAME.png" with the picture itself.
bool inline_pictures(std::string& page, const std::string& folder) {
    const std::string prefix = "src=\"screenshots/";
    for (std::size_t at = page.find(prefix); at != std::string::npos; at = page.find(prefix, at)) {
        const std::size_t name_start = at + prefix.size();
        const std::size_t end = page.find('"', name_start);
        if (end == std::string::npos) return false;
        const std::string name = page.substr(name_start, end - name_start);
        std::string png;
        if (!read(folder + "/" + name, png)) {
            std::fprintf(stderr, "zarvelin-rules-page: cannot read %s/%s\n", folder.c_str(), name.c_str());
            return false;
        }
        const std::string inlined = "src=\"data:image/png;base64," + base64(png) + "\"";
        page.replace(at, end + 1 - at, inlined);
        at += inlined.size();
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: zarvelin-rules-page <template> <screenshots folder> <output>\n", stderr);
        return 2;
    }
    std::string page;
    if (!read(argv[1], page)) {
        std::fprintf(stderr, "zarvelin-rules-page: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string marker = "<!-- odds table -->";
    const auto at = page.find(marker);
    if (at == std::string::npos) {
        std::fprintf(stderr, "zarvelin-rules-page: %s has no \"%s\"\n", argv[1], marker.c_str());
        return 1;
    }
    page.replace(at, marker.size(), odds_table());
    if (!inline_pictures(page, argv[2])) return 1;
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << page;
    out.close();
    if (!out) {
        std::fprintf(stderr, "zarvelin-rules-page: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
