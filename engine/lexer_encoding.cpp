#include "engine/lexer_encoding.h"

#include "engine/engine.h"

#include <algorithm>

namespace brelt::engine {

std::string Latin1FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        int follow = 0;
        unsigned long code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            code = lead & 0x07u;
        } else {
            out.push_back(static_cast<char>(kRejectedChar)); // a stray continuation or invalid lead byte
            ++i;
            continue;
        }
        size_t j = i + 1;
        bool complete = true;
        for (int k = 0; k < follow; ++k, ++j) {
            if (j >= utf8.size() || (static_cast<unsigned char>(utf8[j]) & 0xC0u) != 0x80u) {
                complete = false;
                break;
            }
            code = (code << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3Fu);
        }
        // One character in, one byte out: a broken sequence counts as one rejected character.
        out.push_back(complete && code <= 0xFF ? static_cast<char>(code) : static_cast<char>(kRejectedChar));
        i = complete ? j : std::max(j, i + 1);
    }
    return out;
}

std::string Utf8FromLatin1(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0u | (byte >> 6)));
            out.push_back(static_cast<char>(0x80u | (byte & 0x3Fu)));
        }
    }
    return out;
}

} // namespace brelt::engine
