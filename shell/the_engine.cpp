#include "shell/the_engine.h"

namespace shell {

namespace {
game_engine engine;
}

game_engine& the_engine() { return engine; }

}  // namespace shell
