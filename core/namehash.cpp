#include "namehash.h"

#include "messages.h"
#include "numbertext.h"

namespace varn {
namespace {
constexpr QStringView kHashPrefix = u"[hash:";
}

std::uint32_t nameHash(QStringView name) {
    std::uint32_t h = 0;
    for (QChar ch : name) {
        std::uint32_t c = ch.unicode();
        if (c >= 'A' && c <= 'Z') c += 0x20;
        if (c == '\\') c = '/';
        h += c;
        h += h << 10;
        h ^= h >> 6;
    }
    h += h << 3;
    h ^= h >> 11;
    h += h << 15;
    return h;
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
