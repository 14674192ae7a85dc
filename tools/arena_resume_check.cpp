#include "tools/arena_resume_check.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "companion/computer_levels.h"
#include "companion/game_restore.h"
#include "companion/saved_game.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"
#include "players/engine_game_view.h"
#include "players/game_ui.h"
#include "players/text_ui.h"

namespace {

// The computer's levels, each checked in turn.
constexpr computer_level checked_levels[] = {computer_level::standard, computer_level::easy,
                                            computer_level::expert};
constexpr std::size_t level_count = std::size(checked_levels);

struct save_point {
    std::string text;         // the saved game's file
    std::size_t trace_bytes;  // how much of the trace was written when it was saved
};

struct game_setup {
    std::uint32_t seats, columns, seed;
    computer_level level;
};

// One program state: the engine on the headless platform, every seat a quick
// computer, the trace written as the match runner writes it. Saving, it keeps
// the game's file at every step: a turn begun, a choice awaited, a choice made.
class checked_game final : public game_observer, public game_ui {
public:
    checked_game(const game_setup& setup, bool saving) : setup_(setup), saving_(saving) {
        game_settings& s = settings();
        s = game_settings{};
        s.computer_pace = 1;
        for (std::size_t seat = 0; seat < 4; ++seat)
            s.player_names[seat] = "Player " + std::to_string(seat + 1);
        engine_.set_devices({&graphics_, &sound_, &clock_});
        engine_.create_drawing_objects();
        engine_.set_window(&window_);
        window_.on_paint = [this] {
            engine_.paint_all();
            engine_.run_computer_steps();
        };
        engine_.view->set_ui(this);
        engine_.observer = this;
        levels_.choose(setup.level);
        engine_.view->player_maker = &levels_;
    }
    ~checked_game() override {
        engine_.view->player_maker = nullptr;
        engine_.observer = nullptr;
        engine_.delete_drawing_objects();
    }

    void play_from_start() {
        engine_.seed_dice(setup_.seed);
        engine_.new_game(setup_.seats, setup_.columns);  // runs the whole game
    }
    bool play_from(const std::string& file, std::string& why) {
        companion::saved_game game;
        if (!companion::parse_saved_game(file, game, why)) return false;
        turns_ = game.turns;
        // Made afresh, the computers play the level the file names, as the desktop resumes them.
        for (const companion::saved_seat& seat : game.seats)
            if (!seat.human) levels_.resume_at(level_from_name(seat.level).value_or(computer_level::standard));
        return companion::restore_game(engine_, game, why);  // runs the rest of the game
    }

    std::string trace() const {
        std::ifstream in(text_ui::trace_file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    const std::string& line() const { return line_; }
    const std::vector<save_point>& saves() const { return saves_; }
    const std::string& trace_fault() const { return trace_.trace_fault(); }

    // ---- Following the game: the trace, the turns and the saves ------------------------
    void turn_started() override {
        ++turns_[engine_.current_player];
        trace_.turn_started();
        trace_.show_board();
        save_here();
    }
    void dice_rolled() override { trace_.dice_rolled(); }
    void busted() override { trace_.busted(); }
    void chose(const choice& taken) override {
        trace_.chose(taken);
        save_here();
    }
    void stopped() override { trace_.stopped(); }
    void player_won() override {
        trace_.player_won();
        std::uint32_t turns = 0;
        for (const std::uint32_t t : turns_) turns += t;
        line_ =
            std::string("winner ") + char('A' + engine_.current_player) + " turns " + std::to_string(turns);
    }

    // ---- The strategy's window on the game: a choice is awaited when it lists the choices ----
    void show_choices(int count, const choice* choices) override {
        save_here();
        trace_.show_choices(count, choices);
    }
    void show_board() override { trace_.show_board(); }
    void wait_for_enter() override { trace_.wait_for_enter(); }

private:
    void save_here() {
        if (!saving_) return;
        companion::saved_game game = companion::capture_game(engine_, turns_, setup_.columns);
        for (companion::saved_seat& seat : game.seats) seat.level = level_name(levels_.in_play());
        std::error_code ignored;
        const auto bytes = std::filesystem::file_size(text_ui::trace_file, ignored);
        saves_.push_back({companion::format_saved_game(game), std::size_t(bytes)});
    }

    game_setup setup_;
    bool saving_;
    // The trace first: the engine's view writes to it until the engine is gone.
    text_ui trace_{false, true, false};
    headless::headless_window window_{false};
    headless::headless_graphics graphics_;
    headless::headless_sound sound_{false};
    headless::virtual_clock clock_{false};
    game_engine engine_;
    companion::computer_levels levels_;
    std::array<std::uint32_t, 4> turns_{};
    std::string line_;
    std::vector<save_point> saves_;
};

// Where two texts first differ.
std::size_t first_difference(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

// Resumes the game from each of its saves; the first difference, or empty.
std::string check_game(const game_setup& setup, long& resumes) {
    std::string line, trace;
    std::vector<save_point> saves;
    {
        checked_game whole(setup, true);
        whole.play_from_start();
        if (!whole.trace_fault().empty()) return whole.trace_fault();
        line = whole.line();
        trace = whole.trace();
        saves = whole.saves();
    }
    if (line.empty()) return "the game did not end";
    for (std::size_t k = 0; k < saves.size(); ++k) {
        const std::string where =
            "resumed from save " + std::to_string(k + 1) + " of " + std::to_string(saves.size()) + ": ";
        checked_game resumed(setup, false);
        std::string why;
        if (!resumed.play_from(saves[k].text, why)) return where + "refused: " + why;
        ++resumes;
        if (!resumed.trace_fault().empty()) return where + resumed.trace_fault();
        if (resumed.line() != line) return where + "'" + resumed.line() + "' instead of '" + line + "'";
        const std::string rest = trace.substr(saves[k].trace_bytes);
        const std::string again = resumed.trace();
        if (again != rest)
            return where + "the trace differs " + std::to_string(first_difference(again, rest)) +
                   " bytes after the save";
    }
    return {};
}

}  // namespace

resume_check_result run_resume_check(const arena_options& options, std::FILE* out) {
    resume_check_result result;
    if (std::uint64_t(options.columns_to_win - 1) * 4 > 10) {
        result.fault = "--columns-to-win must suit 4 seats for the check ((K-1)*4 at most 10)";
        return result;
    }
    for (std::uint32_t g = 0; g < options.games; ++g) {
        // Every three games cover the numbers of seats and the levels, and every nine each pair of them.
        const game_setup setup{2 + g % 3, options.columns_to_win, options.seed + g,
                               checked_levels[(g + g / 3) % level_count]};
        const long before = result.resumes;
        const std::string fault = check_game(setup, result.resumes);
        if (!fault.empty()) {
            result.fault = "game " + std::to_string(g + 1) + " (seed " + std::to_string(setup.seed) + ", " +
                           std::to_string(setup.seats) + " seats, " + std::string(level_name(setup.level)) + "): " + fault;
            return result;
        }
        ++result.games;
        std::fprintf(out, "game %u: seed %u seats %u level %s: %ld resumes, each the same game\n", g + 1,
                     setup.seed, setup.seats, std::string(level_name(setup.level)).c_str(), result.resumes - before);
    }
    return result;
}
