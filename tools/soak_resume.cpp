#include "tools/soak_resume.h"

#include "companion/atomic_file.h"
#include "companion/game_restore.h"
#include "companion/saved_game_file.h"
#include "engine/game_engine.h"
#include "platform/user_files.h"

std::optional<companion::saved_game> saved_game_in_folder() {
    std::string error;
    const auto folder = platform::user_files_folder(error);
    if (folder.empty()) return std::nullopt;
    companion::saved_game game;
    std::string ignored;
    // Only a look: a copy, so that the program itself finds the file as it was.
    const auto bytes = companion::read_file_bounded(folder / companion::saved_game_file_name,
                                                    companion::saved_game_file_limit);
    if (bytes.outcome != companion::bounded_read::whole) return std::nullopt;
    if (!companion::parse_saved_game(bytes.bytes, game, ignored)) return std::nullopt;
    return game;
}

std::string check_resumed(const game_engine& engine, const companion::saved_game& saved) {
    if (engine.game_state != playing) return "a resumed game is not in progress";
    companion::saved_game now = companion::capture_game(engine, saved.turns, saved.players_made_for);
    if (now != saved) return "the resumed game is not the saved one";
    if (companion::players_made_for(engine) != saved.players_made_for)
        return "the resumed computer players are not made as the saved game's were";
    return {};
}
