// Games between quick computers, seeded, played twice: once as the described
// program plays them, once with the score sheet following through the
// additions' fan-out (ahead of the trace, so that it would see any change the
// sheet left behind). The traces must be the same to the byte.
#include <gtest/gtest.h>

#include <string>

#include "companion/game_followers.h"
#include "companion/score_sheet.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"

namespace {

// Every moment with the state it shows: seat, dice, choices, markers, progress.
class trace_recorder final : public game_observer {
public:
    explicit trace_recorder(const game_engine& engine) : engine_(engine) {}

    void turn_started() override { note("turn"); }
    void dice_rolled() override { note("roll"); }
    void busted() override { note("bust"); }
    void chose(const choice& taken) override {
        note("chose " + std::to_string(taken.first * 100 + taken.second));
    }
    void stopped() override { note("stop"); }
    void player_won() override {
        note("won");
        ++games;
    }

    std::string text;
    int games = 0;

private:
    void note(const std::string& moment) {
        const auto number = [this](std::uint32_t n) { text.append(" ").append(std::to_string(n)); };
        text.append(moment).append(" seat");
        number(engine_.current_player);
        text.append(" dice");
        for (int d : engine_.dice) number(std::uint32_t(d));
        text.append(" choices");
        for (const choice& c : engine_.choices) number(c.first * 100 + c.second);
        text.append(" markers");
        for (const marker& m : engine_.markers) number(m.column * 100 + m.position);
        text.append(" progress");
        for (const auto& row : engine_.progress)
            for (int c = 2; c <= 12; ++c) number(row[std::size_t(c)]);
        text.append("\n");
    }

    const game_engine& engine_;
};

struct match {
    std::string trace;
    std::size_t sheet_turns = 0;
};

// `games` games in a row on one engine, as the match runner plays them.
match play(std::uint32_t seats, int games, std::uint32_t seed, bool with_sheet) {
    settings() = game_settings{};
    settings().seat_is_human = {false, false, false, false};
    settings().computer_pace = 1;
    headless::headless_window window(false);
    headless::headless_graphics graphics;
    headless::headless_sound sound;
    headless::virtual_clock clock;
    game_engine engine;
    engine.set_devices({&graphics, &sound, &clock});
    engine.create_drawing_objects();
    engine.set_window(&window);
    window.on_paint = [&engine] {
        engine.paint_all();
        engine.run_computer_steps();
    };
    trace_recorder recorder(engine);
    companion::score_sheet sheet(engine);
    companion::game_followers followers;
    if (with_sheet) followers.follow(sheet);
    followers.follow(recorder);
    window.answerer = [&](const headless::message_box_call&) {
        return recorder.games < games ? platform::answer::yes : platform::answer::no;
    };
    engine.observer = &followers;
    engine.seed_dice(seed);
    engine.new_game(seats, 3);
    engine.observer = nullptr;
    engine.delete_drawing_objects();
    return {recorder.text, sheet.turns().size()};
}

TEST(score_sheet_neutrality, seeded_games_play_the_same_with_the_sheet_following) {
    const std::pair<std::uint32_t, int> matches[] = {{2, 80}, {3, 70}, {4, 60}};
    for (auto [seats, games] : matches) {
        const match without = play(seats, games, 1000 + seats, false);
        const match with = play(seats, games, 1000 + seats, true);
        EXPECT_GT(without.trace.size(), std::size_t(games) * 1000) << seats << " seats";
        EXPECT_TRUE(with.trace == without.trace) << seats << " seats: the traces differ";
        EXPECT_GT(with.sheet_turns, 0u) << "the sheet followed nothing";
    }
}

}  // namespace
