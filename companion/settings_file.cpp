#include "companion/settings_file.h"

#include <optional>
#include <set>

#include "companion/atomic_file.h"
#include "companion/escaped_text.h"
#include "engine/game_settings.h"
#include "shell/dialog.h"

namespace companion {

namespace {

constexpr std::size_t longest_name = 255;  // what the set-up dialog keeps
constexpr std::size_t most_complaints = 20;

constexpr const char* header =
    "# Zarvelin: the set-up of the last game started, offered again at the next start.\n"
    "# One key=value a line. A name is everything after the first '=', spaces included;\n"
    "# a backslash starts an escape: \\\\ \\n \\r \\t \\0 \\xHH.\n";

constexpr const char* name_keys[4] = {"name_1", "name_2", "name_3", "name_4"};

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

// A damaged file can hold thousands of bad lines: the first ones are worth
// reading, the rest only worth counting.
class complaint_list {
public:
    explicit complaint_list(std::vector<std::string>& out) : out_(out) {}
    void add(int line, const std::string& text) {
        if (out_.size() - first_ >= most_complaints) {
            ++dropped_;
            return;
        }
        out_.push_back("line " + std::to_string(line) + ": " + text);
    }
    void finish() {
        if (dropped_) out_.push_back("and " + std::to_string(dropped_) + " more lines ignored");
    }

private:
    std::vector<std::string>& out_;
    std::size_t first_ = out_.size();
    std::size_t dropped_ = 0;
};

// Keys and values from a damaged file go into messages escaped and short.
std::string shown(std::string_view text) {
    const std::string escaped = escape_text(text);
    const std::string_view cut = shell::cut_text(escaped, 40, shell::text_encoding::utf8);
    return std::string(cut) + (cut.size() < escaped.size() ? "..." : "");
}

// Plain decimal digits, as the program writes them; no sign, no spaces.
std::optional<std::int32_t> small_number(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The dialog's own rule: at least one column, and (columns - 1) x seats at most 10.
bool columns_fit(std::int32_t columns, std::uint32_t players) {
    return columns >= 1 && std::int64_t(columns - 1) * players <= 10;
}

class setup_reader {
public:
    explicit setup_reader(std::vector<std::string>& ignored) : complaints_(ignored) {}

    void read(std::string_view text) {
        // Notepad starts a UTF-8 file with a byte-order mark; it is no part of the first key.
        if (text.starts_with(byte_order_mark)) text.remove_prefix(byte_order_mark.size());
        for (int number = 1; !text.empty(); ++number) {
            const std::size_t end = text.find('\n');
            if (end == std::string_view::npos) {
                complaints_.add(number, "cut short (no end of line), ignored");
                break;
            }
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end + 1);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.empty() || line.front() == '#') continue;
            read_line(number, line);
        }
        check_columns();
        complaints_.finish();
    }

    saved_setup setup;

private:
    void read_line(int number, std::string_view line) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            complaints_.add(number, "not a key=value line, ignored");
            return;
        }
        const std::string key(line.substr(0, equals));
        const std::string_view value = line.substr(equals + 1);
        // Whether a columns_to_win fits is known only once the seats are: each
        // is kept, and the first that fits counts (see check_columns).
        if (taken_.count(key) && key != "columns_to_win") {
            complaints_.add(number, "a second " + shown(key) + ", ignored (the first one counts)");
            return;
        }
        const std::optional<std::string> problem = take(number, key, value);
        if (problem) {
            complaints_.add(number, *problem);
        } else {
            taken_.insert(key);
        }
    }

    // Nothing when the value was taken, else what was wrong with the line.
    std::optional<std::string> take(int number, const std::string& key, std::string_view value) {
        const std::string setting = shown(key) + "=" + shown(value);
        if (key == "players") {
            const std::optional<std::int32_t> n = small_number(value);
            if (!n || *n < 2 || *n > 4) return setting + " is not 2, 3 or 4, ignored";
            setup.player_count = std::uint32_t(*n);
            return std::nullopt;
        }
        if (key == "columns_to_win") {
            const std::optional<std::int32_t> n = small_number(value);
            if (!n || !columns_fit(*n, 2)) return setting + " is not a number from 1 to 6, ignored";
            columns_.emplace_back(number, *n);
            return std::nullopt;
        }
        if (key == "score_sheet") {
            if (value != "open" && value != "closed") return setting + " is not open or closed, ignored";
            setup.score_sheet = value == "open";
            return std::nullopt;
        }
        if (key == "sound") {
            if (value != "on" && value != "off") return setting + " is not on or off, ignored";
            setup.sound = value == "on";
            return std::nullopt;
        }
        if (key == "computer") {
            const std::optional<computer_level> level = level_from_name(value);
            if (!level) return setting + " is not easy, standard or expert, ignored";
            setup.level = *level;
            return std::nullopt;
        }
        if (key == "take_turns_starting") {
            if (value != "on" && value != "off") return setting + " is not on or off, ignored";
            setup.take_turns_starting = value == "on";
            return std::nullopt;
        }
        for (int seat = 0; seat < 4; ++seat) {
            if (key == name_keys[seat]) return take_name(number, seat, value);
        }
        return "unknown key " + shown(key) + ", ignored";
    }

    std::optional<std::string> take_name(int number, int seat, std::string_view value) {
        std::optional<std::string> name = unescape_text(value);
        if (!name) return std::string(name_keys[seat]) + " has a bad escape or a control character, ignored";
        if (name->size() > longest_name) {
            complaints_.add(number, std::string(name_keys[seat]) + " is longer than 255 bytes, cut");
            // As the Linux program's dialog cuts a name typed into it.
            name->resize(shell::cut_text(*name, longest_name, shell::text_encoding::utf8).size());
        }
        setup.player_names[std::size_t(seat)] = std::move(*name);
        return std::nullopt;
    }

    // How many columns may win depends on the seats, which may come later in
    // the file: the first value that fits them counts, as for any key given twice.
    void check_columns() {
        bool counted = false;
        for (const auto& [number, columns] : columns_) {
            if (counted) {
                complaints_.add(number, "a second columns_to_win, ignored (the first one counts)");
            } else if (columns_fit(columns, setup.player_count)) {
                setup.columns_to_win = columns;
                counted = true;
            } else {
                complaints_.add(number, "columns_to_win=" + std::to_string(columns) + " is too many for " +
                                            std::to_string(setup.player_count) + " players, ignored");
            }
        }
    }

    complaint_list complaints_;
    std::set<std::string> taken_;
    std::vector<std::pair<int, std::int32_t>> columns_;  // line and value, in the file's order
};

std::string line(const char* key, std::string_view value) {
    return std::string(key) + "=" + std::string(value) + "\n";
}

}  // namespace

std::string format_setup(const saved_setup& setup) {
    std::string text = header;
    text += line("players", std::to_string(setup.player_count));
    text += line("columns_to_win", std::to_string(setup.columns_to_win));
    for (int seat = 0; seat < 4; ++seat) text += line(name_keys[seat], escape_text(setup.player_names[seat]));
    text += line("sound", setup.sound ? "on" : "off");
    text += line("computer", level_name(setup.level));
    text += line("take_turns_starting", setup.take_turns_starting ? "on" : "off");
    text += line("score_sheet", setup.score_sheet ? "open" : "closed");
    return text;
}

saved_setup parse_setup(std::string_view text, std::vector<std::string>& ignored) {
    setup_reader reader(ignored);
    reader.read(text);
    return reader.setup;
}

saved_setup load_setup(const std::filesystem::path& folder, std::vector<std::string>& ignored) {
    const std::filesystem::path path = folder / setup_file_name;
    const bounded_read file = read_file_bounded(path, setup_file_limit);
    if (file.outcome == bounded_read::failed) {
        ignored.push_back(file.error + "; the set-up starts from the defaults");
        return {};
    }
    std::vector<std::string> found;
    if (file.outcome == bounded_read::too_large)
        found.push_back("larger than 64 KiB; only its start was read");
    const saved_setup setup = parse_setup(file.bytes, found);
    for (const std::string& text : found) ignored.push_back(path_text(path) + ": " + text);
    return setup;
}

bool save_setup(const std::filesystem::path& folder, const saved_setup& setup, std::string& error) {
    return write_file_atomically(folder / setup_file_name, format_setup(setup), error);
}

saved_setup setup_of(const game_settings& settings, bool sound) {
    return {settings.setup_player_count, settings.setup_columns_to_win, settings.player_names, sound};
}

void restore_setup(const saved_setup& setup, game_settings& settings) {
    settings.setup_player_count = setup.player_count;
    settings.setup_columns_to_win = setup.columns_to_win;
    settings.player_names = setup.player_names;
}

}  // namespace companion
