#include "companion/records_file.h"

#include <algorithm>
#include <limits>
#include <set>

#include "companion/escaped_text.h"

namespace companion {

namespace {

constexpr std::string_view signature = "# Zarvelin records 1";

constexpr const char* explanation =
    "# One player a line: games played, games won, fewest turns to a win (\"-\" before\n"
    "# the first win), then the name as typed; a backslash starts an escape: \\\\ \\n \\r \\t \\0 \\xHH.\n";

std::uint32_t one_more(std::uint32_t n) { return n == std::numeric_limits<std::uint32_t>::max() ? n : n + 1; }

std::optional<std::uint32_t> count_of(std::string_view text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
    }
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return std::uint32_t(value);
}

// The next field up to a single space, taken off the front of line.
std::optional<std::string_view> field(std::string_view& line) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view text = line.substr(0, space);
    line.remove_prefix(space + 1);
    return text;
}

// One record line; nothing but the reason when it is not one the program writes.
std::optional<std::string> read_record(std::string_view line, records& table) {
    const auto played_text = field(line), won_text = field(line), best_text = field(line);
    if (!best_text) return "not a record line";
    const auto played = count_of(*played_text), won = count_of(*won_text);
    if (!played || !won) return "games played and won must be whole numbers";
    player_record record{*played, *won, std::nullopt};
    if (*best_text != "-") {
        record.fewest_turns = count_of(*best_text);
        if (!record.fewest_turns) return "the fewest turns must be a whole number or -";
    }
    if (record.won > record.played) return "more games won than played";
    if ((record.won > 0) != record.fewest_turns.has_value())
        return "the fewest turns must be given for a winner only";
    std::optional<std::string> name = unescape_text(line);
    if (!name) return "a bad escape or a control character in the name";
    if (!table.emplace(std::move(*name), record).second) return "a second record for the same name";
    return std::nullopt;
}

}  // namespace

void count_game(records& table, const std::vector<std::string>& seat_names, std::size_t winner,
                std::uint32_t winner_turns) {
    if (winner >= seat_names.size()) return;
    for (const std::string& name : std::set<std::string>(seat_names.begin(), seat_names.end())) {
        player_record& record = table[name];
        record.played = one_more(record.played);
    }
    player_record& record = table[seat_names[winner]];
    record.won = one_more(record.won);
    record.fewest_turns = std::min(record.fewest_turns.value_or(winner_turns), winner_turns);
}

std::string format_records(const records& table) {
    std::string text = std::string(signature) + "\n" + explanation;
    for (const auto& [name, record] : table) {
        text += std::to_string(record.played) + " " + std::to_string(record.won) + " ";
        text += record.fewest_turns ? std::to_string(*record.fewest_turns) : "-";
        text += ' ';
        text += escape_text(name);
        text += '\n';
    }
    return text;
}

bool parse_records(std::string_view text, records& table, std::vector<std::string>& dropped) {
    table.clear();
    dropped.clear();
    if (text.empty()) dropped.push_back("the file is empty");
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::optional<std::string> problem;
        if (end == std::string_view::npos) {
            // What is left of a line may look like a record with a name cut short.
            problem = "cut short (no end of line)";
        } else if (number == 1) {
            if (line != signature)
                problem = "not a records file (no \"" + std::string(signature) + "\" line)";
        } else if (!line.empty() && line.front() != '#') {
            problem = read_record(line, table);
        }
        if (problem) dropped.push_back("line " + std::to_string(number) + ": " + *problem);
    }
    return dropped.empty();
}

}  // namespace companion
