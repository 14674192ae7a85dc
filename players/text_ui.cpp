#include "players/text_ui.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "players/trace_file.h"
#include "players/vl_game.h"

namespace {

std::string seat_letter() { return std::string(1, char('A' + vl_game::instance()->current_player())); }

std::string move_text(const choice& c) {
    std::string text = std::to_string(c.first);
    if (c.second != 0) {
        text += ',';
        text += std::to_string(c.second);
    }
    return text;
}

const std::string indent = "      ";

}  // namespace

text_ui::text_ui(bool console_output, bool file_output, bool step_mode)
    : console_output(console_output), file_output(file_output), step_mode(step_mode) {
    // Each run with file output starts a new trace.
    if (file_output) write_trace(false, "");
}

void text_ui::write_trace(bool append, const std::string& text) {
    if (!trace_fault_.empty()) return;
    std::FILE* file = open_trace_file(trace_file, append, trace_fault_);
    if (file == nullptr) return;
    int error = 0;
    if (std::fputs(text.c_str(), file) < 0) error = errno;
    if (std::fclose(file) != 0 && error == 0) error = errno;
    if (error != 0) trace_fault_ = std::string("cannot write ") + trace_file + ": " + std::strerror(error);
}

void text_ui::emit(const std::string& text) {
    if (console_output && (step_mode || vl_game::instance()->current_player_is_interactive()))
        std::fputs(text.c_str(), stdout);
    if (file_output) write_trace(true, text);
}

bool text_ui::pauses_for_current_player() {
    return step_mode && !vl_game::instance()->current_player_is_interactive();
}

void text_ui::turn_started() {
    emit("Player " + seat_letter() + " - it's your turn.\n\n");
    if (console_output && !step_mode && !vl_game::instance()->current_player_is_interactive())
        std::fputs(("Player " + seat_letter() + " is moving.\n\n").c_str(), stdout);
}

void text_ui::player_won() {
    const std::string text = "Player " + seat_letter() + " wins!!!!\n\n";
    emit(text);
    // Without step mode emit echoes only interactive players; the win is shown to everybody.
    if (console_output && !step_mode && !vl_game::instance()->current_player_is_interactive())
        std::fputs(text.c_str(), stdout);
}

void text_ui::dice_rolled() {
    std::string text;
    for (int i = 0; i < 4; ++i) text += std::to_string(vl_game::instance()->die(i)) + " ";
    emit(text + "\n\n");
}

void text_ui::busted() {
    emit(indent + "BUSTED!!!!!!\n\n");
    if (step_mode || vl_game::instance()->current_player_is_interactive()) {
        for (int i = 0; i < 100; ++i) {
            std::fputc('\a', stdout);
            std::fflush(stdout);
        }
        wait_for_enter();
    }
}

void text_ui::stopped() {
    emit(indent + "Player " + seat_letter() + " stopped!\n\n");
    if (pauses_for_current_player()) wait_for_enter();
}

void text_ui::wait_for_enter() { prompt_for_enter(); }

void text_ui::chose(const choice& taken) { emit(indent + "Chose " + move_text(taken) + "\n\n"); }

void text_ui::show_choices(int count, const choice* choices) {
    std::string text = "Choices are:";
    for (int i = 0; i < count; ++i) text += "   " + move_text(choices[i]);
    emit(text + "\n\n");
    if (pauses_for_current_player()) wait_for_enter();
}

int text_ui::board_row(int column, int level) {
    return (13 - vl_game::instance()->column_height(column)) / 2 + level - 1;
}

void text_ui::place_mark(std::string& row, int position, char mark) {
    const auto blank = row.find(' ', std::size_t(position));
    if (blank != std::string::npos) row[blank] = mark;
}

void text_ui::show_board() {
    if (!console_output && !file_output) return;
    vl_game& game = *vl_game::instance();
    const auto field = [](int column) { return 4 * (column - 2); };

    std::string rows[13];
    for (auto& row : rows) row.assign(70, ' ');

    const int me = game.current_player();
    for (int seat = 0; seat < game.player_count(); ++seat) {
        const char letter = char((seat == me ? 'A' : 'a') + seat);
        for (int column = 2; column <= 12; ++column) {
            const int reached = game.progress(seat, column);
            if (reached > 0) place_mark(rows[board_row(column, reached)], field(column), letter);
        }
    }
    for (int index = 0; index < 3; ++index) {
        const int position = game.marker_position(index);
        if (position < 1) {
            place_mark(rows[0], 49, '#');  // markers off the board stack at the right
        } else {
            const int column = game.marker_column(index);
            place_mark(rows[board_row(column, position)], field(column), '#');
        }
    }
    for (int column = 2; column <= 12; ++column) {
        if (game.is_column_claimed(column)) continue;
        const int height = game.column_height(column);
        const std::string label = std::to_string(column);
        std::copy(label.begin(), label.end(), rows[board_row(column, height)].begin() + field(column));
        for (int level = 1; level <= height; ++level) {
            char& square = rows[board_row(column, level)][std::size_t(field(column))];
            if (square == ' ') square = '|';
        }
    }
    rows[12][49] = char('A' + me);
    rows[12].replace(50, 8, "'s turn.");

    std::string text;
    for (int row = 12; row >= 0; --row) text += indent + rows[row] + "\n";
    emit(text + "\n");
}
