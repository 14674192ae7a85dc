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
    // A move on, by slow computers in every seat: the rules hold after it.
    settings().seat_is_human = {};
    settings().computer_pace = 0;
    p.engine.handle_enter();
    if (!p.window.quit_posted) check_engine(p.engine);
    p.window.quit_posted = false;
}

// The bytes, one at a time; zeros once they run out.
class byte_source {
public:
    byte_source(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint32_t next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0;
};

// A game made of the bytes' values, mostly near the rules, so that many are
// games to play on from and the rest fail one rule or another.
companion::saved_game game_of(byte_source& in) {
    constexpr const char* levels[] = {"", "easy", "standard", "expert"};
    companion::saved_game g;
    const std::uint32_t seats = 2 + in.next() % 3;
    for (std::uint32_t seat = 0; seat < seats; ++seat) {
        const bool human = in.next() & 1;
        g.seats.push_back({human, human ? "" : levels[1 + in.next() % 3], "Seat " + std::to_string(seat)});
    }
    g.computer_pace = std::int32_t(in.next() % 2);
    g.columns_to_win = 1 + in.next() % 4;
    g.players_made_for = 1 + in.next() % 4;
    g.current_player = in.next() % seats;
    g.phase = std::int32_t(in.next() % 2);
    g.rolls_this_turn = g.phase == choosing ? 1 + in.next() % 3 : in.next() % 3;
    for (auto& d : g.dice) d = std::int32_t(1 + in.next() % 6);
    g.progress.assign(seats, {});
    for (auto& row : g.progress)
        for (int c = 2; c <= 12; ++c) {
            const std::uint32_t b = in.next();
            row[c] = b < 160 ? 0 : b % std::uint32_t(column_table[c].height + 1);
        }
    const std::uint32_t used = in.next() % 4;
    for (std::uint32_t i = 0; i < used; ++i) {
        const std::uint32_t column = 2 + in.next() % 11;
        g.markers[i] = {column, g.progress[g.current_player][column] + 1 + in.next() % 3};
    }
    const std::uint32_t round = 1 + in.next() % 9;
    for (std::uint32_t seat = 0; seat < seats; ++seat)
        g.turns[seat] = seat <= g.current_player ? round : round - 1;
    g.dice_state = in.next() | in.next() << 8 | in.next() << 16 | in.next() << 24;
    return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    if (data[0] & 1) {
        read(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
        return 0;
    }
    // A game near the rules, written as the program writes it.
    byte_source in(data + 1, size - 1);
    read(companion::format_saved_game(game_of(in)));
    return 0;
}
