#include "fieldtext.h"

#include "byteorder.h"
#include "codepage.h"
#include "fieldtests.h"
#include "messages.h"
#include "numbertext.h"
#include "sectiontable.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace varn {
namespace {

constexpr char kMarker[] = "[...]";

// Number texts are ASCII; any other character becomes one that no number reading accepts.
std::string asciiOf(QStringView text) {
    std::string ascii(static_cast<std::size_t>(text.size()), '\x01');
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() < 0x80) ascii[i] = static_cast<char>(text[i].unicode());
    return ascii;
}

}  // namespace

int formatAsciiField(const CellLayout& cell, const char* record, char separator, char* out) {
    if (cell.rule == TextRule::Marker) {  // no field: the record may even be missing
        std::memcpy(out, kMarker, sizeof kMarker - 1);
        return sizeof kMarker - 1;
    }
    const char* field = record + cell.offset;
    switch (cell.rule) {
        case TextRule::Fixed4:
            return formatTrimmedFixed(out, std::bit_cast<float>(loadU32(field)), 4, separator);
        case TextRule::Fixed7:
            return formatTrimmedFixed(out, std::bit_cast<float>(loadU32(field)), 7, separator);
        case TextRule::General15:
            return formatGeneral15(out, std::bit_cast<float>(loadU32(field)), separator);
        case TextRule::Int:
            return formatInt32(out, static_cast<std::int32_t>(loadU32(field)));
        case TextRule::UInt:
            return formatUInt32(out, loadU32(field));
        case TextRule::Marker:
        case TextRule::HashName:
        case TextRule::String:
            break;
    }
    return -1;
}

QString fieldText(const CellLayout& cell, const char* record, const TextContext& context) {
    if (cell.rule == TextRule::String) {
        const QByteArray bytes = fieldBytes(record + cell.offset, cell.width);
        return decodeWindows1252(bytes);
    }
    if (cell.rule == TextRule::HashName) return context.names->text(loadU32(record + cell.offset));
    char buffer[kNumberTextCapacity];
    return QString::fromLatin1(buffer, formatAsciiField(cell, record, context.separator, buffer));
}

void appendFieldUtf8(const CellLayout& cell, const char* record, const TextContext& context,
                     std::string& out) {
    const char* field = record + cell.offset;
    if (cell.rule == TextRule::String) {
        const void* zero = std::memchr(field, 0, static_cast<std::size_t>(cell.width));
        const int size =
            zero ? static_cast<int>(static_cast<const char*>(zero) - field) : cell.width;
        appendWindows1252AsUtf8(field, size, out);
    } else if (cell.rule == TextRule::HashName) {
        context.names->appendUtf8(loadU32(field), out);
    } else {
        char buffer[kNumberTextCapacity];
        const int length = formatAsciiField(cell, record, context.separator, buffer);
        out.append(buffer, static_cast<std::size_t>(length));
    }
}

bool floatFromText(QStringView text, char separator, float& value, QString* error) {
    switch (parseFloatText(asciiOf(text), separator, value)) {
        case ParseStatus::Ok:
            return true;
        case ParseStatus::Overflow:
            if (error) *error = messages::floatOverflow(text.toString());
            return false;
        case ParseStatus::Invalid:
            break;
    }
    if (error) *error = messages::notValidFloat(text.toString());
    return false;
}

bool storeFieldText(const CellLayout& cell, QStringView text, char separator, char* record,
                    QString& error) {
    char* field = record + cell.offset;
    switch (cell.save) {
        case SaveKind::None:
            return true;
        case SaveKind::Float: {
            float value = 0;
            if (!floatFromText(text, separator, value, &error)) return false;
            storeU32(field, std::bit_cast<std::uint32_t>(value));
            return true;
        }
        case SaveKind::I32: {
            std::int32_t value = 0;
            if (!parseInt32Text(asciiOf(text), value)) break;
            storeU32(field, static_cast<std::uint32_t>(value));
            return true;
        }
        case SaveKind::U32:
        case SaveKind::Hash: {
            std::uint32_t value = 0;
            const bool ok = cell.save == SaveKind::U32 ? parseUInt32Text(asciiOf(text), value)
                                                       : parseHashNumber(asciiOf(text), value);
            if (!ok) break;
            storeU32(field, value);
            return true;
        }
        case SaveKind::String: {
            // A text is stored whole or not at all: never cut, never with a "?" of its own.
            const FieldCheck fits = checkTextField({reinterpret_cast<const char16_t*>(text.utf16()),
                                                    static_cast<std::size_t>(text.size())},
                                                   cell.width);
            if (!fits.valid) {
                error = QString::fromStdU16String(fits.message);
                return false;
            }
            // The field is zero-filled first; a text of exactly its width keeps no zero byte.
            std::memset(field, 0, static_cast<std::size_t>(cell.width));
            const bool ascii =
                std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
            if (ascii) {  // the common case, without a byte array of its own
                for (qsizetype i = 0; i < std::min<qsizetype>(text.size(), cell.width); ++i)
                    field[i] = static_cast<char>(text[i].unicode());
                return true;
            }
            const QByteArray bytes = encodeWindows1252(text);
            std::memcpy(field, bytes.constData(), std::min<std::size_t>(bytes.size(), cell.width));
            return true;
        }
    }
    error = messages::notValidInteger(text.toString());
    return false;
}

bool fieldShowsText(const CellLayout& cell, const char* record, const TextContext& context,
                    QStringView text) {
    char buffer[kNumberTextCapacity];
    const int length = formatAsciiField(cell, record, context.separator, buffer);
    if (length < 0) return fieldText(cell, record, context) == text;
    return QLatin1StringView(buffer, length) == text;
}

}  // namespace varn
