#include "companion/escaped_text.h"

namespace companion {

namespace {

bool is_control(unsigned char c) { return c < 0x20 || c == 0x7f; }

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string escape_text(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\0':
                out += "\\0";
                break;
            default:
                if (is_control(byte)) {
                    out += "\\x";
                    out += hex[byte >> 4];
                    out += hex[byte & 0xf];
                } else {
                    out += c;
                }
        }
    }
    return out;
}

std::optional<std::string> unescape_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (is_control(static_cast<unsigned char>(c))) return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case '0':
                out += '\0';
                break;
            case 'x': {
                const int high = i + 1 < text.size() ? hex_value(text[i + 1]) : -1;
                const int low = i + 2 < text.size() ? hex_value(text[i + 2]) : -1;
                if (high < 0 || low < 0) return std::nullopt;
                out += char(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return out;
}

}  // namespace companion
