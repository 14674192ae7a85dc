#include "platform/long_words.h"

namespace platform {

std::string break_long_words(std::string_view text, std::size_t longest) {
    std::string out;
    out.reserve(text.size());
    std::size_t run = 0;
    for (const char c : text) {
        const bool continues_character = (static_cast<unsigned char>(c) & 0xc0) == 0x80;
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            run = 0;
        } else if (!continues_character && run++ == longest) {
            out += '\n';
            run = 1;
        }
        out += c;
    }
    return out;
}

}  // namespace platform
