// libFuzzer target: the remembered set-up and the records files as the program
// reads them, whatever bytes they hold. Reading never crashes; what a set-up
// file gives is always a set-up the dialog accepts; and what is read (the good
// lines of a damaged records file included), written again, reads back the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "companion/records_file.h"
#include "companion/settings_file.h"

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "player_files_fuzz: %s\n", what);
    std::abort();
}

void read_a_setup(std::string_view text) {
    std::vector<std::string> ignored;
    const companion::saved_setup setup = companion::parse_setup(text, ignored);
    const std::int64_t k = setup.columns_to_win;
    if (setup.player_count < 2 || setup.player_count > 4 || k < 1 || (k - 1) * setup.player_count > 10)
        broken("a set-up the dialog would refuse");
    for (const std::string& name : setup.player_names)
        if (name.size() > 255) broken("a name longer than the dialog keeps");
    std::vector<std::string> again;
    if (companion::parse_setup(companion::format_setup(setup), again) != setup || !again.empty())
        broken("a set-up written and read again differs");
}

void read_records(std::string_view text) {
    companion::records table;
    std::vector<std::string> dropped;
    companion::parse_records(text, table, dropped);
    companion::records again;
    if (!companion::parse_records(companion::format_records(table), again, dropped) || again != table)
        broken("records written and read again differ");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        read_a_setup(text);
    else
        read_records(text);
    return 0;
}
