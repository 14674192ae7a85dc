// The Linux desktop program: the shell's entry sequence on FLTK.
#include "fltk_desktop.h"
#include "standard_descriptors.h"
#include "shell/program.h"
#include "shell/the_engine.h"

int main() {
    // Before anything opens a file or a connection: see standard_descriptors.h.
    fltk_backend::open_closed_standard_descriptors();
    game_engine& engine = shell::the_engine();
    fltk_backend::fltk_desktop desktop(engine);
    return shell::run_program(desktop, engine);
}
