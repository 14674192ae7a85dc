// The records as the player reads them: a table with headings, best first.
#pragma once

#include <string>

#include "companion/records_file.h"

namespace companion {

// One line a player, most wins first, then fewest turns to a win, then name;
// columns padded with spaces for a fixed-width font. Long names are shortened
// and control bytes shown escaped, so a name never breaks the table.
std::string records_table(const records& table);

}  // namespace companion
