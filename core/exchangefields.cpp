#include "exchangefields.h"

#include "byteorder.h"
#include "codepage.h"
#include "exactvalue.h"
#include "messages.h"
#include "numbertext.h"

#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace varn {
namespace {

ExchangeKind kindOf(const CellLayout& cell) {
    if (cell.rule == TextRule::HashName) return ExchangeKind::ModelName;
    switch (cell.type) {
        case FieldType::F32:
            return ExchangeKind::Float;
        case FieldType::I32:
            return ExchangeKind::Int;
        case FieldType::U32:
            return ExchangeKind::UInt;
        case FieldType::Text:
            break;
    }
    return ExchangeKind::Text;
}

std::vector<ExchangeField> buildFields(const SectionLayout& layout) {
    std::vector<ExchangeField> fields;
    for (int cell = 0; cell < layout.cellCount(); ++cell) {
        const CellLayout& c = layout.cells[cell];
        if (c.rule == TextRule::Marker) continue;
        fields.push_back({c.caption, cell, c.offset, c.width, kindOf(c), c.test});
    }
    return fields;
}

const std::array<std::vector<ExchangeField>, kKnownSectionCount>& allFields() {
    static const auto table = [] {
        std::array<std::vector<ExchangeField>, kKnownSectionCount> fields;
        for (int i = 0; i < kKnownSectionCount; ++i)
            fields[i] = buildFields(sectionsInFileOrder()[i]);
        return fields;
    }();
    return table;
}

int fieldOfCell(const SectionLayout& layout, int cell) {
    const auto fields = exchangeFields(layout);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].cell == cell) return static_cast<int>(i);
    return -1;
}

QString shownText(std::string_view text) {
    constexpr qsizetype kLongest = 40;
    const QString whole = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return whole.size() > kLongest ? whole.first(kLongest) + QStringLiteral("...") : whole;
}

bool storeText(const ExchangeField& field, std::string_view text, char* record, QString& cause) {
    std::string bytes;
    char32_t bad = 0;
    if (!utf8ToWindows1252(text, bytes, bad)) {
        cause = bad == 0xFFFD ? messages::notUtf8(shownText(text))
                              : messages::notWindows1252(shownText(text), bad);
        return false;
    }
    if (bytes.find('\0') != std::string::npos) {
        cause = messages::zeroInText(shownText(text));
        return false;
    }
    if (static_cast<int>(bytes.size()) > field.width) {
        cause = messages::textTooLong(shownText(text), static_cast<int>(bytes.size()), field.width);
        return false;
    }
    char* out = record + field.offset;
    std::memset(out, 0, static_cast<std::size_t>(field.width));
    std::memcpy(out, bytes.data(), bytes.size());
    return true;
}

}  // namespace

ExchangeField plainField(ExchangeKind kind, int width) {
    ExchangeField field;
    field.kind = kind;
    field.width = width;
    field.offset = 0;
    return field;
}

std::span<const ExchangeField> exchangeFields(const SectionLayout& layout) {
    return allFields()[fileOrderIndex(layout.number)];
}

int modelNameField(const SectionLayout& layout) {
    const int cell = layout.modelName().nameCell;
    return cell < 0 ? -1 : fieldOfCell(layout, cell);
}

int modelHashField(const SectionLayout& layout) {
    const int cell = layout.modelName().hashCell;
    return cell < 0 ? -1 : fieldOfCell(layout, cell);
}

int exchangeFieldIndex(const SectionLayout& layout, std::string_view name) {
    const auto fields = exchangeFields(layout);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == name) return static_cast<int>(i);
    return -1;
}

void appendExactField(const ExchangeField& field, const char* record, std::string& out) {
    const char* p = record + field.offset;
    char buffer[kExactTextCapacity];
    int length = 0;
    switch (field.kind) {
        case ExchangeKind::Float:
            length = formatExactFloat(buffer, std::bit_cast<float>(loadU32(p)));
            break;
        case ExchangeKind::Int:
            length = formatInt32(buffer, static_cast<std::int32_t>(loadU32(p)));
            break;
        case ExchangeKind::UInt:
            length = formatUInt32(buffer, loadU32(p));
            break;
        case ExchangeKind::Text: {
            const void* zero = std::memchr(p, 0, static_cast<std::size_t>(field.width));
            const int size =
                zero ? static_cast<int>(static_cast<const char*>(zero) - p) : field.width;
            appendWindows1252AsUtf8(p, size, out);
            return;
        }
        case ExchangeKind::ModelName:
            return;
    }
    out.append(buffer, static_cast<std::size_t>(length));
}

bool storeExactField(const ExchangeField& field, std::string_view text, char* record,
                     QString& cause) {
    char* p = record + field.offset;
    ValueStatus status = ValueStatus::Ok;
    switch (field.kind) {
        case ExchangeKind::Float: {
            float value = 0;
            status = parseExactFloat(text, value);
            if (status == ValueStatus::Ok) storeU32(p, std::bit_cast<std::uint32_t>(value));
            break;
        }
        case ExchangeKind::Int: {
            std::int32_t value = 0;
            status = parseExactInt32(text, value);
            if (status == ValueStatus::Ok) storeU32(p, static_cast<std::uint32_t>(value));
            break;
        }
        case ExchangeKind::UInt: {
            std::uint32_t value = 0;
            status = parseExactUInt32(text, value);
            if (status == ValueStatus::Ok) storeU32(p, value);
            break;
        }
        case ExchangeKind::Text:
            return storeText(field, text, record, cause);
        case ExchangeKind::ModelName:
            return true;
    }
    if (status == ValueStatus::Ok) return true;
    const QString shown = shownText(text);
    const bool isFloat = field.kind == ExchangeKind::Float;
    if (status == ValueStatus::Invalid)
        cause = isFloat ? messages::notExactFloat(shown) : messages::notExactInteger(shown);
    else
        cause = messages::outOfFieldRange(shown, isFloat ? QStringLiteral("a 32-bit float")
                                                 : field.kind == ExchangeKind::Int
                                                     ? QStringLiteral("-2147483648 to 2147483647")
                                                     : QStringLiteral("0 to 4294967295"));
    return false;
}

}  // namespace varn
