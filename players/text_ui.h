// The text front end: each event as plain text on standard output, in the
// trace file vl_out.txt, in both or in neither, as three fixed switches say.
// A trace that cannot be written is not written further, and says why.
#pragma once

#include <string>

#include "players/game_ui.h"

class text_ui : public game_ui {
public:
    text_ui(bool console_output, bool file_output, bool step_mode);

    void show_board() override;
    void turn_started() override;
    void player_won() override;
    void dice_rolled() override;
    void busted() override;
    void stopped() override;
    void wait_for_enter() override;
    void chose(const choice& taken) override;
    void show_choices(int count, const choice* choices) override;

    static constexpr const char* trace_file = "vl_out.txt";

    // Why the trace file could not be opened or written, or empty while it could;
    // the events after the first failure are not written to the file.
    const std::string& trace_fault() const { return trace_fault_; }

private:
    void emit(const std::string& text);
    void write_trace(bool append, const std::string& text);
    bool pauses_for_current_player();
    static int board_row(int column, int level);
    static void place_mark(std::string& row, int position, char mark);

    const bool console_output;
    const bool file_output;
    const bool step_mode;
    std::string trace_fault_;
};
