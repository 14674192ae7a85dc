// What every input does in each phase of a turn, and the rules of rolling,
// choosing, stopping, busting, claiming and winning.
#include <cstdlib>
#include <string>

#include "board_view/layout.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "players/engine_game_view.h"

namespace {

bool top_square(const marker& m) { return m.position == std::uint32_t(column_table[m.column].height); }

}  // namespace

bool game_engine::current_seat_is_human() const { return settings().seat_is_human[current_player]; }

bool game_engine::is_quick_computer_turn() const {
    return !current_seat_is_human() && settings().computer_pace == 1;
}

// ---- Input ------------------------------------------------------------------------------

void game_engine::handle_click(int x, int y) {
    if (game_state != playing) return;
    if (current_seat_is_human()) {
        const platform::point p{x, y};
        if (phase == roll_or_stop) {
            if (contains(button_rects[0], p)) {
                remember_roll_click(p);
                request_roll();
            } else if (rolls_this_turn > 0 && contains(button_rects[1], p)) {
                stop();
            }
        } else {
            // A choice box stands where Roll was: the second click of a
            // double-click on Roll must not take it for the player.
            if (second_click_of_roll(p)) return;
            for (std::size_t i = 0; i < choices.size(); ++i) {
                if (contains(button_rects[i], p)) {
                    apply_choice(i);
                    break;
                }
            }
        }
    } else if (settings().computer_pace == 0) {
        computer_step();
    }
}

void game_engine::remember_roll_click(platform::point p) {
    if (devices_.clock) roll_click = {true, devices_.clock->input_time(), p};
}

bool game_engine::second_click_of_roll(platform::point p) const {
    if (!roll_click.valid || !devices_.clock) return false;
    const platform::double_click limit = devices_.clock->double_click_setting();
    // Unsigned, so that the desktop's millisecond counter may wrap between the two.
    const std::uint32_t since = devices_.clock->input_time() - roll_click.time;
    return since <= std::uint32_t(limit.time_ms) && std::abs(p.x - roll_click.at.x) <= limit.dx &&
           std::abs(p.y - roll_click.at.y) <= limit.dy;
}

void game_engine::handle_enter() {
    if (current_seat_is_human()) {
        if (phase != choosing)
            request_roll();
        else if (choices.size() == 1)
            apply_choice(0);
    } else if (settings().computer_pace == 0) {
        computer_step();
    }
}

void game_engine::handle_digit(int n) {
    if (!current_seat_is_human() || phase != choosing || choices.empty()) return;
    const auto key = std::uint32_t(n);
    int matches = 0;
    std::size_t last = 0, index = 0;
    for (const auto& c : choices) {
        // Key 1 stands for columns 10, 11 and 12.
        if ((key == 1 && (c.first >= 10 || c.second >= 10)) || c.first == key || c.second == key) {
            ++matches;
            last = index;
        }
        ++index;
    }
    if (matches == 1) apply_choice(last);
}

void game_engine::handle_stop_key() {
    if (!current_seat_is_human() || phase != roll_or_stop) return;
    stop();
}

void game_engine::request_roll() {
    if (!current_seat_is_human() || phase != roll_or_stop) return;
    if (markers[2].column != 0) {
        bool any_on_top = false;
        for (const auto& m : markers) any_on_top = any_on_top || top_square(m);
        if (any_on_top &&
            window->message_box("Are you sure you want to roll?", "Are You Sure?", platform::buttons::yes_no,
                                platform::icon::warning) != platform::answer::yes)
            return;
    }
    roll();
}

// ---- The moves of a turn ------------------------------------------------------------------

void game_engine::roll() {
    roll_dice_animated();
    find_choices();
    if (observer) observer->dice_rolled();
    if (!choices.empty()) {
        phase = choosing;
    } else {
        if (observer) observer->busted();
        if (devices_.sound) devices_.sound->play(platform::sound_id::bust, false);
        flash_sorry();
        clear_markers(true);
        paint_all_columns();
        pass_turn();
    }
    paint_status_panel();
}

void game_engine::apply_choice(std::size_t index) {
    auto it = choices.begin();
    std::advance(it, index);
    const choice taken = *it;
    place_marker(taken.first);
    // A double is placed twice in the same column.
    if (taken.second != 0) place_marker(taken.second);
    phase = roll_or_stop;
    if (observer) observer->chose(taken);
    paint_status_panel();
}

void game_engine::place_marker(std::uint32_t column) {
    for (auto& m : markers) {
        if (m.column == 0) {
            m = {column, progress[current_player][column] + 1};
        } else if (m.column == column) {
            if (top_square(m)) return;
            erase_square(m.column, m.position);
            ++m.position;
        } else {
            continue;
        }
        paint_column(int(column));
        paint_markers();
        return;
    }
}

void game_engine::stop() {
    commit_markers();
    clear_markers(true);
    paint_all_columns();
    if (observer) observer->stopped();
    const auto result = check_victory();
    if (result.won) {
        if (result.play_again) {
            new_game(player_count, columns_to_win);
        } else {
            window->post_quit(0);
            quit_posted = true;
        }
        return;
    }
    pass_turn();
    paint_status_panel();
}

void game_engine::commit_markers() {
    auto& mine = progress[current_player];
    for (const auto& m : markers) {
        if (m.column == 0) continue;
        if (mine[m.column] > 0) erase_square(m.column, mine[m.column]);
        mine[m.column] = m.position;
        if (!top_square(m)) continue;
        // Claiming a column wipes out everyone else's progress in it.
        for (std::uint32_t seat = 0; seat < player_count; ++seat) {
            auto& theirs = progress[seat][m.column];
            if (seat == current_player || theirs == 0) continue;
            erase_square(m.column, theirs);
            theirs = 0;
        }
    }
}

void game_engine::clear_markers(bool erase) {
    for (auto& m : markers) {
        if (m.column == 0) continue;
        if (erase) {
            erase_square(m.column, m.position);
            if (top_square(m)) {
                const auto& row = column_table[m.column];
                paint_column_label(row.column, row.left, row.top);
            }
        }
        m = {};
    }
    paint_markers();
}

game_engine::victory game_engine::check_victory() {
    for (std::uint32_t seat = 0; seat < player_count; ++seat) {
        std::uint32_t claimed = 0;
        for (int c = 2; c <= 12; ++c) claimed += progress[seat][c] == std::uint32_t(column_table[c].height);
        if (claimed < columns_to_win) continue;
        if (observer) observer->player_won();
        // Sized to the name, however long: the text can never overflow.
        const std::string text = settings().player_names[seat] + " has won!\nDo you want to play again?";
        const auto reply =
            window->message_box(text, "Victory", platform::buttons::yes_no, platform::icon::warning);
        return {true, reply == platform::answer::yes};
    }
    return {};
}

void game_engine::pass_turn() {
    current_player = current_player + 1 == player_count ? 0 : current_player + 1;
    phase = roll_or_stop;
    rolls_this_turn = 0;
    if (observer) observer->turn_started();
}

// ---- Computer seats ---------------------------------------------------------------------

void game_engine::computer_step() {
    if (phase == roll_or_stop) {
        if (view->should_stop())
            stop();
        else
            roll();
        return;
    }
    const auto wanted = std::uint32_t(view->choose());
    std::size_t index = 0;
    for (const auto& c : choices) {
        if (c.first == wanted || c.second == wanted) {
            apply_choice(index);
            return;
        }
        ++index;
    }
    // A column no choice names changes nothing: the next repaint or click asks again.
}

bool game_engine::computer_step_due() const {
    return panel_awaits_step && game_state == playing && !quit_posted && is_quick_computer_turn();
}

bool game_engine::run_computer_step() {
    const bool due = computer_step_due();
    // Spent either way: a step is due again only when the panel is painted for it.
    panel_awaits_step = false;
    if (due) computer_step();
    return due;
}

void game_engine::run_computer_steps() {
    if (running_computer_steps) return;
    running_computer_steps = true;
    while (run_computer_step()) {
    }
    running_computer_steps = false;
}
