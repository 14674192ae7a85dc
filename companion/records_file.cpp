#include "companion/records_file.h"

#include <algorithm>
#include <array>
#include <limits>
#include <set>

#include "companion/escaped_text.h"

namespace companion {

namespace {

// The first files had no kind field: every line in them is a person's.
constexpr std::string_view people_only_signature = "# Zarvelin records 1";
constexpr std::string_view signature = "# Zarvelin records 2";

constexpr const char* explanation =
    "# One player a line: games played, games won, fewest turns to a win (\"-\" before\n"
    "# the first win), who plays (person, or the computer: easy, standard, expert),\n"
    "# then the name as typed; a backslash starts an escape: \\\\ \\n \\r \\t \\0 \\xHH.\n";

constexpr std::array<std::string_view, 4> kind_fields{"person", "easy", "standard", "expert"};
constexpr std::array<std::string_view, 4> kind_texts{"person", "easy computer", "standard computer",
                                                     "expert computer"};

std::optional<player_kind> kind_of_field(std::string_view text) {
    for (std::size_t i = 0; i < kind_fields.size(); ++i)
        if (kind_fields[i] == text) return player_kind(i);
    return std::nullopt;
}

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
std::optional<std::string> read_record(std::string_view line, bool with_kind, records& table) {
    const auto played_text = field(line), won_text = field(line), best_text = field(line);
    if (!best_text) return "not a record line";
    const auto kind_word = with_kind ? field(line) : std::optional<std::string_view>("person");
    if (!kind_word) return "not a record line";
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
    const std::optional<player_kind> kind = kind_of_field(*kind_word);
    if (!kind) return "who plays must be person, easy, standard or expert";
    std::optional<std::string> name = unescape_text(line);
    if (!name) return "a bad escape or a control character in the name";
    if (!table.emplace(player_key(std::move(*name), *kind), record).second)
        return "a second record for the same name";
    return std::nullopt;
}

}  // namespace

player_kind kind_of_seat(bool person, computer_level level) {
    if (person) return player_kind::person;
    return player_kind(1 + int(level));
}

std::string_view kind_text(player_kind kind) { return kind_texts[std::size_t(kind)]; }

void count_game(records& table, const std::vector<player_key>& seats, std::size_t winner,
                std::uint32_t winner_turns) {
    if (winner >= seats.size()) return;
    for (const player_key& player : std::set<player_key>(seats.begin(), seats.end())) {
        player_record& record = table[player];
        record.played = one_more(record.played);
    }
    player_record& record = table[seats[winner]];
    record.won = one_more(record.won);
    record.fewest_turns = std::min(record.fewest_turns.value_or(winner_turns), winner_turns);
}

std::string format_records(const records& table) {
    std::string text = std::string(signature) + "\n" + explanation;
    for (const auto& [player, record] : table) {
        text += std::to_string(record.played) + " " + std::to_string(record.won) + " ";
        text += record.fewest_turns ? std::to_string(*record.fewest_turns) : "-";
        text += ' ';
        text += kind_fields[std::size_t(player.kind)];
        text += ' ';
        text += escape_text(player.name);
        text += '\n';
    }
    return text;
}

bool parse_records(std::string_view text, records& table, std::vector<std::string>& dropped) {
    table.clear();
    dropped.clear();
    if (text.empty()) dropped.push_back("the file is empty");
    bool with_kind = true;
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
            with_kind = line == signature;
            if (!with_kind && line != people_only_signature)
                problem = "not a records file (no \"" + std::string(signature) + "\" line)";
        } else if (!line.empty() && line.front() != '#') {
            problem = read_record(line, with_kind, table);
        }
        if (problem) dropped.push_back("line " + std::to_string(number) + ": " + *problem);
    }
    return dropped.empty();
}

}  // namespace companion
