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

}  // namespace companion::msg
