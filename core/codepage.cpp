#include "codepage.h"

#include <array>
#include <cstring>

namespace varn {
namespace {

// Code points of the bytes 80 to 9F; the undefined ones keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t toUnicode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte};
}

// The byte of a character, or -1 when the code page lacks it.
int toByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c) return 0x80 + i;
    return -1;
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

}  // namespace

QByteArray fieldBytes(const char* field, int width) {
    const void* zero = std::memchr(field, 0, static_cast<std::size_t>(width));
    const auto size = zero ? static_cast<const char*>(zero) - field : width;
    return QByteArray(field, size);
}

QString decodeWindows1252(const char* bytes, int size) {
    QString text(size, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (int i = 0; i < size; ++i)
        out[i] = toUnicode(static_cast<unsigned char>(bytes[i]));
    return text;
}

void appendWindows1252AsUtf8(const char* bytes, int size, std::string& out) {
    for (int i = 0; i < size; ++i) {
        const char16_t c = toUnicode(static_cast<unsigned char>(bytes[i]));
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

QByteArray encodeWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    const auto* chars = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = chars[i];
        // A character outside the basic plane is one character, and so one "?".
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(chars[i + 1])) ++i;
        const int byte = toByte(c);
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

bool isWindows1252Char(char16_t c) {
    return toByte(c) >= 0;
}

namespace {

// The next code point of UTF-8 text from i on, advancing i; U+FFFD for a malformed sequence
// (overlong forms, surrogates and values beyond U+10FFFF included).
char32_t nextCodePoint(std::string_view utf8, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return 0xFFFD;
    return c;
}

}  // namespace

bool utf8ToWindows1252(std::string_view utf8, std::string& out, char32_t& bad) {
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out.push_back(utf8[i++]);
            continue;
        }
        const char32_t c = nextCodePoint(utf8, i);
        // U+FFFD has no Windows-1252 byte, so a malformed sequence is refused here too.
        const int byte = c < 0x10000 ? toByte(static_cast<char16_t>(c)) : -1;
        if (byte < 0) {
            bad = c;
            return false;
        }
        out.push_back(static_cast<char>(byte));
    }
    return true;
}

bool isWindows1252Text(QStringView text) {
    for (QChar c : text)
        if (!isWindows1252Char(c.unicode())) return false;
    return true;
}

}  // namespace varn
