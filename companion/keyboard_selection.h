// Choosing with the arrow keys: Up and Down move a selection over a person's
// choice boxes, drawn as a frame two pixels wide in the text's colour inside
// the selected box, and Enter or
// Space takes the selected choice. Until an arrow key is pressed nothing is
// selected, and nothing is drawn or done differently.
#pragma once

class game_engine;

namespace companion {

class keyboard_selection {
public:
    // An arrow key: true when it moved the selection.
    bool move(game_engine& engine, bool up);
    // Enter or Space: true when it took the selected choice.
    bool take(game_engine& engine);
    // Draws the selection again after the board was repainted.
    void repaint(game_engine& engine) const;
    // Any other input ends the selection: the choices it was made over are gone or drawn anew.
    void forget() { selected_ = -1; }
    int selected() const { return selected_; }

private:
    bool active(const game_engine& engine) const;
    int selected_ = -1;
};

}  // namespace companion
