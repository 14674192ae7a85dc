// strategy/computer_level.h
#pragma once
#include <memory>
#include <optional>
#include <string_view>
#include "players/game_player.h"
enum class computer_level { easy, standard, expert };
// The level's name as the runner's options and the remembered files write it: "easy", "standard", "expert".
std::string_view level_name(computer_level level);
std::optional<computer_level> level_from_name(std::string_view name);
// A computer player of the level: standard is the described s5_player, unchanged.
std::unique_ptr<game_player> make_computer_player(computer_level level);
