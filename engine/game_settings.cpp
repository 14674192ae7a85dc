#include "engine/game_settings.h"

game_settings& settings() {
    static game_settings the_settings;
    return the_settings;
}
