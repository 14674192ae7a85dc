// libFuzzer target: the saved game as the program reads it at the start,
// whatever bytes the file holds. Either it is refused with a reason, or it is
// a game the engine can play on from: written again it reads back the same,
// and put into the engine it passes the engine's rules.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "companion/game_restore.h"
#include "companion/saved_game.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"
#include "strategy/completion_search.h"

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "saved_game_fuzz: %s\n", what);
    std::abort();
}

// One program for the whole run, as at a start: the engine on the headless platform.
struct program {
    program() {
        engine.set_devices({&graphics, &sound, &clock});
        engine.set_window(&window);
        window.on_paint = [this] { engine.paint_all(); };
        // Held for the run, so that the players made for each game do not build the shared table anew.
        table_holder.emplace(game_snapshot::take());
    }
    headless::headless_window window{false};
    headless::headless_graphics graphics;
    headless::headless_sound sound{false};
    headless::virtual_clock clock{false};
    game_engine engine;
    std::optional<completion_search> table_holder;
};

std::uint32_t height(std::uint32_t column) { return std::uint32_t(column_table[column].height); }

// The engine's own rules of a game in progress.
void check_engine(const game_engine& e) {
    if (e.game_state != playing || e.player_count < 2 || e.player_count > 4 ||
        e.current_player >= e.player_count)
        broken("seats out of the rules");
    if (e.progress.size() != e.player_count) broken("progress rows do not match the seats");
    for (std::uint32_t c = 2; c <= 12; ++c) {
        int owners = 0, holders = 0;
        for (const auto& row : e.progress) {
            if (row[c] > height(c)) broken("progress above a column's top");
            owners += row[c] == height(c);
            holders += row[c] != 0;
        }
        if (owners > 0 && holders > 1) broken("a claimed column still shared");
    }
    bool free_seen = false;
    for (const marker& m : e.markers) {
        if (m.column == 0) {
            free_seen = true;
            continue;
        }
        if (free_seen || m.column < 2 || m.column > 12) broken("markers not a prefix of the columns");
        if (m.position <= e.progress[e.current_player][m.column] || m.position > height(m.column))
            broken("a marker off its squares");
    }
    if (e.phase == choosing) {
        if (e.choices.empty()) broken("a choice awaited with none offered");
        for (int d : e.dice)
            if (d < 1 || d > 6) broken("a die off its faces");
    } else if (e.phase != roll_or_stop) {
        broken("an unknown phase");
    }
}

void read(std::string_view text) {
    static program p;
    companion::saved_game game;
    std::string why;
    if (!companion::parse_saved_game(text, game, why)) {
        if (why.empty()) broken("refused without a reason");
        return;
    }
    companion::saved_game again;
    if (!companion::parse_saved_game(companion::format_saved_game(game), again, why) || again != game)
        broken("a game written and read again differs");
    if (!companion::restore_game(p.engine, game, why)) {
        if (why.empty()) broken("refused without a reason");
        return;
    }
    check_engine(p.engine);
    // A few moves on, by slow computers in every seat: the rules hold after each.
    settings().seat_is_human = {};
    settings().computer_pace = 0;
    for (int step = 0; step < 3 && !p.window.quit_posted; ++step) {
        p.engine.handle_enter();
        if (p.engine.game_state == playing && !p.window.quit_posted) check_engine(p.engine);
    }
    p.window.quit_posted = false;
}

// A whole saved game of three seats, for the bytes to replace one line of.
const std::string& a_game() {
    static const std::string text = [] {
        companion::saved_game g;
        g.seats = {{true, "", "Ana"}, {false, "standard", "Ben"}, {false, "expert", "Cy"}};
        g.current_player = 1;
        g.rolls_this_turn = 2;
        g.phase = choosing;
        g.dice = {2, 3, 5, 6};
        g.markers[0] = {8, 2};
        g.progress = {{}, {}, {}};
        g.progress[0][4] = 7;
        g.progress[1][8] = 1;
        g.progress[2][6] = 4;
        g.turns = {5, 5, 4, 0};
        g.dice_state = 77;
        g.sheet_lines = {"a line"};
        return companion::format_saved_game(g);
    }();
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    if (data[0] & 1) {
        read(bytes);
        return 0;
    }
    // A good game with one of its lines replaced by the bytes.
    std::string text = a_game();
    std::size_t start = 0;
    for (int line = data[1] % 24; line > 0 && start < text.size(); --line) start = text.find('\n', start) + 1;
    const std::size_t end = std::min(text.find('\n', start), text.size());
    text.replace(start, end - start, bytes);
    read(text);
    return 0;
}
