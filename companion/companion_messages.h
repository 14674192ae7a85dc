// The window messages and menu commands of the additions. Windows values, as
// the described routing uses; the commands follow the described ones.
#pragma once

#include <cstdint>

namespace companion::msg {

constexpr std::uint32_t wm_keydown = 0x0100;
constexpr std::uintptr_t vk_up = 0x26;
constexpr std::uintptr_t vk_down = 0x28;

constexpr std::uint32_t cmd_how_to_play = 40004;
constexpr std::uint32_t cmd_hint = 40005;
constexpr std::uint32_t cmd_records = 40006;
constexpr std::uint32_t cmd_sound = 40007;
// The Game menu: the computer's level and the rotating start.
constexpr std::uint32_t cmd_level_easy = 40008;
constexpr std::uint32_t cmd_level_standard = 40009;
constexpr std::uint32_t cmd_level_expert = 40010;
constexpr std::uint32_t cmd_take_turns_starting = 40011;
// The View menu: the score sheet.
constexpr std::uint32_t cmd_score_sheet = 40012;

}  // namespace companion::msg
