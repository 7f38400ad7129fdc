#include "columntextmatcher.h"

#include "byteorder.h"
#include "fieldtext.h"
#include "numbertext.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

namespace varn {
namespace {

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The text in ASCII capitals, or empty when it holds anything beyond ASCII.
std::string asciiUpperOf(const QString& text) {
    std::string upper;
    upper.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (c.unicode() > 0x7F) return {};
        upper.push_back(asciiUpper(static_cast<char>(c.unicode())));
    }
    return upper;
}

// Every character a number text of the rule can show, in capitals: float texts have a sign,
// the separator, an exponent and the words INF and NAN.
bool showsOnly(TextRule rule, std::string_view upper, char separator) {
    const auto allowed = [&](char c) {
        if (c >= '0' && c <= '9') return true;
        switch (rule) {
            case TextRule::Fixed4:
            case TextRule::Fixed7:
            case TextRule::General15:
                return c == '-' || c == separator || c == 'E' || c == 'I' || c == 'N' || c == 'F' ||
                       c == 'A';
            case TextRule::Int:
                return c == '-';
            default:
                return false;
        }
    };
    // Only general floats show a minus after the first character, in their exponent.
    const bool innerMinus = upper.find('-', 1) != std::string_view::npos;
    return std::all_of(upper.begin(), upper.end(), allowed) &&
           (!innerMinus || rule == TextRule::General15);
}

// Whether the haystack contains the needle; both are short, so a plain loop beats a library call.
bool containsAscii(const char* haystack, std::size_t size, std::string_view needle) {
    if (needle.size() > size) return false;
    const char first = needle.front();
    const std::size_t rest = needle.size() - 1;
    for (std::size_t i = 0; i + rest < size; ++i)
        if (haystack[i] == first && std::memcmp(haystack + i + 1, needle.data() + 1, rest) == 0)
            return true;
    return false;
}

}  // namespace

ColumnTextMatcher::ColumnTextMatcher(const SectionTable& table, int column, const QString& text)
    : table_(&table), column_(column), text_(text), upper_(asciiUpperOf(text)) {
    if (column >= 0) cell_ = &table.layout().cells[column];
    way_ = chooseWay();
    if (way_ == Way::Fixed)
        bound_ = FixedTextBound(upper_, cell_->writeBackDecimals(), table.context().separator);
}

ColumnTextMatcher::Way ColumnTextMatcher::chooseWay() const {
    const bool ascii = !upper_.empty();
    const char separator = table_->context().separator;
    if (!cell_)
        return ascii && showsOnly(TextRule::UInt, upper_, separator) ? Way::RowNumber : Way::Never;
    switch (cell_->rule) {
        case TextRule::Marker: {
            char marker[kNumberTextCapacity];
            const int length = formatAsciiField(*cell_, nullptr, separator, marker);
            return matchesText(QString::fromLatin1(marker, length)) ? Way::Always : Way::Never;
        }
        case TextRule::HashName:
            return Way::Name;
        case TextRule::String:
            return ascii ? Way::Bytes : Way::Unicode;
        case TextRule::Fixed4:
        case TextRule::Fixed7:
            // Nearly every value differs: remembering them would cost more than formatting.
            return ascii && showsOnly(cell_->rule, upper_, separator) ? Way::Fixed : Way::Never;
        case TextRule::General15:
        case TextRule::Int:
        case TextRule::UInt:
            return ascii && showsOnly(cell_->rule, upper_, separator) ? Way::Memo : Way::Never;
    }
    return Way::Never;
}

bool ColumnTextMatcher::matchesText(const QString& cellText) const {
    return cellText.contains(text_, Qt::CaseInsensitive);
}

bool ColumnTextMatcher::matchesNumberText(const char* record) const {
    char buffer[kNumberTextCapacity];
    const int length = formatAsciiField(*cell_, record, table_->context().separator, buffer);
    // Number texts show their letters (E, INF, NAN) in capitals already.
    return containsAscii(buffer, static_cast<std::size_t>(length), upper_);
}

bool ColumnTextMatcher::matchesStringBytes(const char* record) const {
    const char* field = record + cell_->offset;
    const void* zero = std::memchr(field, 0, static_cast<std::size_t>(cell_->width));
    const auto length =
        static_cast<std::size_t>(zero ? static_cast<const char*>(zero) - field : cell_->width);
    // Bytes beyond ASCII are letters that never fold to an ASCII one.
    char folded[256];
    const std::size_t size = std::min(length, sizeof folded);
    for (std::size_t i = 0; i < size; ++i)
        folded[i] = asciiUpper(field[i]);
    return containsAscii(folded, size, upper_);
}

bool ColumnTextMatcher::matchesMemo(int row) {
    const char* record = table_->record(row);
    const std::uint32_t bits = loadU32(record + cell_->offset);
    const int known = memo_.find(bits);
    if (known >= 0) return known != 0;
    const bool match =
        way_ == Way::Name ? matchesText(table_->cellText(row, column_)) : matchesNumberText(record);
    memo_.store(bits, match);
    return match;
}

bool ColumnTextMatcher::matches(int row) {
    switch (way_) {
        case Way::Never:
            return false;
        case Way::Always:
            return true;
        case Way::RowNumber: {
            char buffer[kNumberTextCapacity];
            const int length = formatInt32(buffer, row);
            return containsAscii(buffer, static_cast<std::size_t>(length), upper_);
        }
        default:
            break;
    }
    if (table_->isEdited(row, column_)) return matchesText(table_->cellText(row, column_));
    switch (way_) {
        case Way::Fixed: {
            const char* record = table_->record(row);
            return bound_.admits(std::bit_cast<float>(loadU32(record + cell_->offset))) &&
                   matchesNumberText(record);
        }
        case Way::Memo:
        case Way::Name:
            return matchesMemo(row);
        case Way::Bytes:
            return matchesStringBytes(table_->record(row));
        default:
            return matchesText(table_->cellText(row, column_));
    }
}

}  // namespace varn
