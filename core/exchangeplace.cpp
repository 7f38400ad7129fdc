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
            // An escaped control character is as unescaped as a bare one.
            if (p[1] < 0x20) return reinterpret_cast<const char*>(p + 1);
            p += 2;
            continue;
        }
        if (*p == '"') openQuote = openQuote ? nullptr : p;
        p += length;
    }
    return reinterpret_cast<const char*>(openQuote);
}

bool isUtf8Text(std::string_view text) {
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = begin + text.size();
    for (const unsigned char* p = begin; p < end;) {
        const int length = sequenceLength(p, end);
        if (length == 0) return false;
        p += length;
    }
    return true;
}

const char* endOfFirstValue(std::string_view json, const char* from) {
    const char* end = json.data() + json.size();
    int depth = 0;
    bool inString = false;
    for (const char* p = from; p < end; ++p) {
        if (inString) {
            if (*p == '\\')
                ++p;
            else if (*p == '"')
                inString = false;
            continue;
        }
        if (*p == '"') {
            inString = true;
        } else if (*p == '{' || *p == '[') {
            ++depth;
        } else if ((*p == '}' || *p == ']') && --depth == 0) {
            return p + 1;
        }
    }
    return nullptr;
}

const char* skipJsonBlanks(const char* p, const char* end) {
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r'))
        ++p;
    return p;
}

const char* commaBeforeClose(const char* begin, const char* at) {
    if (at == nullptr || (*at != ']' && *at != '}')) return nullptr;
    const char* p = at;
    while (p > begin && (p[-1] == ' ' || p[-1] == '\t' || p[-1] == '\n' || p[-1] == '\r'))
        --p;
    return p > begin && p[-1] == ',' ? p - 1 : nullptr;
}

}  // namespace varn
