#include "exchangeplace.h"

namespace varn {
namespace {

// Length of the valid UTF-8 sequence at p, or 0.
int sequenceLength(const unsigned char* p, const unsigned char* end) {
    if (p[0] < 0x80) return 1;
    int length = 0;
    unsigned lowest = 0;
    if ((p[0] & 0xE0) == 0xC0) {
        length = 2, lowest = 0x80;
    } else if ((p[0] & 0xF0) == 0xE0) {
        length = 3, lowest = 0x800;
    } else if ((p[0] & 0xF8) == 0xF0) {
        length = 4, lowest = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length) return 0;
    unsigned value = p[0] & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((p[k] & 0xC0) != 0x80) return 0;
        value = (value << 6) | (p[k] & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value < 0xE000;
    return value < lowest || value > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

TextPlace placeOf(const char* begin, const char* at) {
    TextPlace place;
    for (const char* p = begin; p < at; ++p) {
        if (*p == '\n') {
            ++place.line;
            place.column = 1;
        } else if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) {
            ++place.column;
        }
    }
    return place;
}

const char* firstMalformedByte(std::string_view json) {
    const auto* begin = reinterpret_cast<const unsigned char*>(json.data());
    const auto* end = begin + json.size();
    const unsigned char* openQuote = nullptr;
    for (const unsigned char* p = begin; p < end;) {
        const int length = sequenceLength(p, end);
        if (length == 0) return reinterpret_cast<const char*>(p);
        if (openQuote && *p < 0x20) return reinterpret_cast<const char*>(p);
        if (openQuote && *p == '\\' && p + 1 < end) {
            p += 2;
            continue;
        }
        if (*p == '"') openQuote = openQuote ? nullptr : p;
        p += length;
    }
    return reinterpret_cast<const char*>(openQuote);
}

}  // namespace varn
