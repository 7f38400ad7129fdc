#include "namehash.h"

#include "codepage.h"
#include "messages.h"
#include "numbertext.h"

#include <array>

namespace varn {
namespace {
constexpr QStringView kHashPrefix = u"[hash:";

std::uint32_t addNameCode(std::uint32_t h, std::uint32_t c) {
    if (c >= 'A' && c <= 'Z') c += 0x20;
    if (c == '\\') c = '/';
    h += c;
    h += h << 10;
    return h ^ (h >> 6);
}

std::uint32_t finishNameHash(std::uint32_t h) {
    h += h << 3;
    h ^= h >> 11;
    return h + (h << 15);
}
}  // namespace

std::uint32_t nameHash(QStringView name) {
    std::uint32_t h = 0;
    for (QChar ch : name)
        h = addNameCode(h, ch.unicode());
    return finishNameHash(h);
}

std::uint32_t nameHashOfBytes(const char* bytes, int size) {
    // Bytes below 0x80 are their own codes; the others are looked up once.
    static const auto upperCodes = [] {
        std::array<char16_t, 128> codes{};
        for (int b = 0; b < 128; ++b) {
            const char byte = static_cast<char>(0x80 + b);
            codes[b] = decodeWindows1252(&byte, 1).at(0).unicode();
        }
        return codes;
    }();
    std::uint32_t h = 0;
    for (int i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        h = addNameCode(h, b < 0x80 ? b : upperCodes[b - 0x80]);
    }
    return finishNameHash(h);
}

QString hashText(std::uint32_t hash) {
    return QStringLiteral("[hash:%1]").arg(hash);
}

bool isHashText(QStringView text) {
    if (text.size() < kHashPrefix.size() + 2 || !text.startsWith(kHashPrefix) ||
        !text.endsWith(u']'))
        return false;
    for (QChar c : text.sliced(kHashPrefix.size(), text.size() - kHashPrefix.size() - 1))
        if (c < u'0' || c > u'9') return false;
    return true;
}

bool hashTextValue(QStringView text, std::uint32_t& value, QString* error) {
    if (!isHashText(text)) {
        if (error) *error = messages::notValidInteger(text.toString());
        return false;
    }
    const QStringView digits =
        text.sliced(kHashPrefix.size(), text.size() - kHashPrefix.size() - 1);
    if (parseHashNumber(digits.toLatin1().toStdString(), value)) return true;
    if (error) *error = messages::notValidInteger(digits.toString());
    return false;
}

}  // namespace varn
