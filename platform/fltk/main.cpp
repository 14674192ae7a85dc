// The Linux desktop program: the shell's entry sequence on FLTK.
#include "fltk_desktop.h"
#include "shell/program.h"
#include "shell/the_engine.h"

int main() {
    game_engine& engine = shell::the_engine();
    fltk_backend::fltk_desktop desktop(engine);
    return shell::run_program(desktop, engine);
}
