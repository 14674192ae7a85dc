// The saved game's text: a version line, a comment for the curious, then one
// value a line in a fixed order, ending with "end" so that a file cut short
// is told from a whole one.
#include <charconv>

#include "companion/escaped_text.h"
#include "companion/saved_game.h"

namespace companion {

namespace {

constexpr std::string_view version_line = "zarvelin saved game 1";
constexpr std::string_view version_prefix = "zarvelin saved game ";
constexpr std::string_view levels[] = {"easy", "standard", "expert"};

constexpr const char* header =
    "# Zarvelin: the game in progress, saved after every move and offered at the next start.\n"
    "# Names and sheet lines are escaped: \\\\ \\n \\r \\t \\0 \\xHH. Columns are listed 2 to 12.\n";

std::string numbers(const auto& values) {
    std::string text;
    for (const auto v : values) {
        text += ' ';
        text += std::to_string(v);
    }
    return text;
}

// Reads the lines in the order the writer puts them; the first fault is kept.
class line_reader {
public:
    explicit line_reader(std::string_view text) : rest_(text) {}

    bool failed() const { return !fault_.empty(); }
    const std::string& fault() const { return fault_; }
    void fail(const std::string& why) {
        if (fault_.empty()) fault_ = "line " + std::to_string(number_) + ": " + why;
    }

    // The next line that is not a comment; empty and failed at the end of the text.
    std::string_view next() {
        while (!failed()) {
            ++number_;
            const std::size_t end = rest_.find('\n');
            if (end == std::string_view::npos) {
                fail(rest_.empty() ? "the file ends too early" : "the file is cut short");
                return {};
            }
            const std::string_view line = rest_.substr(0, end);
            rest_.remove_prefix(end + 1);
            if (!line.starts_with('#')) return line;
        }
        return {};
    }

    // The rest of the next line after "key ", or nothing when the line has another key.
    std::string_view value_of(std::string_view key) {
        const std::string_view line = next();
        if (failed()) return {};
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == ' ')
            return line.substr(key.size() + 1);
        fail("expected " + std::string(key));
        return {};
    }

    // The next line's N space-separated decimal numbers after key.
    template <typename T, std::size_t N>
    void numbers_of(std::string_view key, std::array<T, N>& out) {
        std::string_view text = value_of(key);
        for (std::size_t i = 0; i < N && !failed(); ++i) {
            const std::size_t space = text.find(' ');
            const bool last = i + 1 == N;
            if (last != (space == std::string_view::npos))
                return fail(std::string(key) + " should hold " + std::to_string(N) + " values");
            out[i] = number<T>(text.substr(0, space), key);
            if (!last) text.remove_prefix(space + 1);
        }
    }

    template <typename T>
    T number_of(std::string_view key) {
        std::array<T, 1> one{};
        numbers_of(key, one);
        return one[0];
    }

    bool at_end() const { return rest_.empty(); }

private:
    // Plain decimal digits, as the writer writes them.
    template <typename T>
    T number(std::string_view text, std::string_view key) {
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const bool digits = !text.empty() && text[0] != '-' && text.size() <= 10;
        if (!digits || error != std::errc{} || end != text.data() + text.size() || value > 0xffffffffLL) {
            fail(std::string(key) + " holds something that is not a number");
            return 0;
        }
        if (std::is_signed_v<T> && value > 0x7fffffffLL) {
            fail(std::string(key) + " holds a number too large");
            return 0;
        }
        return T(value);
    }

    std::string_view rest_;
    int number_ = 0;
    std::string fault_;
};

void read_seat(line_reader& in, saved_seat& seat) {
    std::string_view text = in.value_of("seat");
    std::string_view name;
    if (text.starts_with("person ")) {
        seat.human = true;
        name = text.substr(7);
    } else if (text.starts_with("computer ")) {
        seat.human = false;
        text.remove_prefix(9);
        const std::size_t end = text.find(' ');
        const std::string_view level = text.substr(0, end);
        for (const std::string_view known : levels)
            if (level == known) seat.level = std::string(known);
        if (seat.level.empty()) return in.fail("a computer seat of an unknown level");
        name = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (end == std::string_view::npos) return in.fail("a computer seat without a name");
    } else {
        return in.fail("a seat is neither a person nor the computer");
    }
    const auto unescaped = unescape_text(name);
    if (!unescaped) return in.fail("a seat's name is damaged");
    seat.name = *unescaped;
}

}  // namespace

std::string format_saved_game(const saved_game& g) {
    std::string text = std::string(version_line) + "\n" + header;
    text += "seats " + std::to_string(g.seats.size()) + "\n";
    for (const saved_seat& seat : g.seats) {
        text += seat.human ? "seat person " : "seat computer " + seat.level + " ";
        text += escape_text(seat.name) + "\n";
    }
    text += "pace " + std::to_string(g.computer_pace) + "\n";
    text += "columns-to-win " + std::to_string(g.columns_to_win) + "\n";
    text += "players-made-for " + std::to_string(g.players_made_for) + "\n";
    text += "current-player " + std::to_string(g.current_player) + "\n";
    text += "rolls-this-turn " + std::to_string(g.rolls_this_turn) + "\n";
    text += std::string("phase ") + (g.phase == choosing ? "choosing" : "roll-or-stop") + "\n";
    text += "dice" + numbers(g.dice) + "\n";
    text += "markers";
    for (const marker& m : g.markers)
        text += " " + std::to_string(m.column) + " " + std::to_string(m.position);
    text += "\n";
    for (const auto& row : g.progress)
        text += "progress" + numbers(std::vector(row.begin() + 2, row.end())) + "\n";
    text += "turns" + numbers(g.turns) + "\n";
    text += "dice-generator " + std::to_string(g.dice_state) + "\n";
    text += "sheet-lines " + std::to_string(g.sheet_lines.size()) + "\n";
    for (const std::string& line : g.sheet_lines) text += "sheet " + escape_text(line) + "\n";
    return text + "end\n";
}

bool parse_saved_game(std::string_view text, saved_game& game, std::string& why) {
    game = saved_game{};
    const std::size_t first_end = text.find('\n');
    const std::string_view first = text.substr(0, first_end);
    if (first != version_line) {
        why = first.starts_with(version_prefix) ? "it was saved by another version of the program"
                                                : "it is not a saved game";
        return false;
    }
    line_reader in(text.substr(first_end + 1));
    const auto seat_count = in.number_of<std::uint32_t>("seats");
    if (!in.failed() && (seat_count < 2 || seat_count > 4)) in.fail("a game has 2 to 4 seats");
    game.seats.resize(in.failed() ? 0 : seat_count);
    for (saved_seat& seat : game.seats) read_seat(in, seat);
    game.computer_pace = in.number_of<std::int32_t>("pace");
    game.columns_to_win = in.number_of<std::uint32_t>("columns-to-win");
    game.players_made_for = in.number_of<std::uint32_t>("players-made-for");
    game.current_player = in.number_of<std::uint32_t>("current-player");
    game.rolls_this_turn = in.number_of<std::uint32_t>("rolls-this-turn");
    const std::string_view phase = in.value_of("phase");
    if (phase == "choosing")
        game.phase = choosing;
    else if (phase != "roll-or-stop")
        in.fail("an unknown phase");
    in.numbers_of("dice", game.dice);
    std::array<std::uint32_t, 6> markers{};
    in.numbers_of("markers", markers);
    for (std::size_t i = 0; i < 3; ++i) game.markers[i] = {markers[2 * i], markers[2 * i + 1]};
    game.progress.resize(game.seats.size());
    for (auto& row : game.progress) {
        std::array<std::uint32_t, 11> columns{};
        in.numbers_of("progress", columns);
        std::copy(columns.begin(), columns.end(), row.begin() + 2);
    }
    in.numbers_of("turns", game.turns);
    game.dice_state = in.number_of<std::uint32_t>("dice-generator");
    const auto sheet_count = in.number_of<std::uint32_t>("sheet-lines");
    // Each line takes at least a few bytes of the file: a larger count is a lie.
    for (std::uint32_t i = 0; i < sheet_count && !in.failed() && i < saved_game_file_limit / 6; ++i) {
        const auto line = unescape_text(in.value_of("sheet"));
        if (!line) in.fail("a sheet line is damaged");
        game.sheet_lines.push_back(line.value_or(""));
    }
    if (!in.failed() && game.sheet_lines.size() != sheet_count) in.fail("fewer sheet lines than counted");
    if (!in.failed() && in.next() != "end") in.fail("expected end");
    if (!in.failed() && !in.at_end()) in.fail("more follows the end");
    if (in.failed()) {
        why = in.fault();
        return false;
    }
    why = position_fault(game);
    return why.empty();
}

}  // namespace companion
