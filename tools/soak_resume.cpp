#include "tools/soak_resume.h"

#include "companion/atomic_file.h"
#include "companion/game_restore.h"
#include "companion/saved_game_file.h"
#include "engine/game_engine.h"
#include "platform/user_files.h"

std::optional<companion::saved_game> saved_game_in_folder(std::string& fault) {
    std::string error;
    const auto folder = platform::user_files_folder(error);
    if (folder.empty()) return std::nullopt;
    // Only a look: the program itself finds the file as it was.
    const auto file = companion::read_file_bounded(folder / companion::saved_game_file_name,
                                                   companion::saved_game_file_limit);
    if (file.outcome == companion::bounded_read::missing) return std::nullopt;
    companion::saved_game game;
    std::string why = "it cannot be read whole";
    if (file.outcome == companion::bounded_read::whole && companion::parse_saved_game(file.bytes, game, why))
        return game;
    // The soak never damages the file: whatever is there, the program wrote.
    fault = "the program's own saved game is refused: " + why;
    return std::nullopt;
}

std::string check_resumed(const game_engine& engine, const companion::saved_game& saved) {
    if (engine.game_state != playing) return "a resumed game is not in progress";
    companion::saved_game now = companion::capture_game(engine, saved.turns, saved.players_made_for);
    // The computer's level and the sheet's log are the additions' to add, and
    // the resumed game has them as they were read.
    for (std::size_t seat = 0; seat < now.seats.size() && seat < saved.seats.size(); ++seat)
        now.seats[seat].level = saved.seats[seat].level;
    now.sheet_lines = saved.sheet_lines;
    if (now != saved) return "the resumed game is not the saved one";
    if (companion::players_made_for(engine) != saved.players_made_for)
        return "the resumed computer players are not made as the saved game's were";
    return {};
}
