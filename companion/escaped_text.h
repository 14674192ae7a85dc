// Names as they are written in the set-up and records files: every byte as
// typed, except that a backslash and the control bytes are escaped, so a name
// stays on one line and comes back byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace companion {

// \\ for a backslash, \n \r \t \0 for those bytes, \xHH for the other control
// bytes (below 0x20, and 0x7f); everything else as it is, '=' and UTF-8 included.
std::string escape_text(std::string_view text);

// The bytes escape_text wrote; nothing for an unknown escape, a cut-off one or
// a raw control byte, which escape_text never writes.
std::optional<std::string> unescape_text(std::string_view text);

}  // namespace companion
