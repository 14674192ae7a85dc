// The run's one game engine, built before main and destroyed after it.
#pragma once

#include "engine/game_engine.h"

namespace shell {

game_engine& the_engine();

}  // namespace shell
