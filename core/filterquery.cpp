#include "filterquery.h"

#include <array>
#include <charconv>
#include <string>

namespace varn {
namespace {

struct OperatorText {
    const char16_t* text;
    CompareOp op;
};

// Two-character operators first, so "<=" is not read as "<" followed by "=".
constexpr std::array<OperatorText, 6> kOperators = {{
    {u"<=", CompareOp::LessEqual},
    {u">=", CompareOp::GreaterEqual},
    {u"!=", CompareOp::NotEqual},
    {u"=", CompareOp::Equal},
    {u"<", CompareOp::Less},
    {u">", CompareOp::Greater},
}};

}  // namespace

bool parseNumberText(QStringView text, char separator, double& value) {
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == static_cast<unsigned char>(separator)) {
            ascii.push_back('.');
        } else if ((u >= u'0' && u <= u'9') || u == u'.' || u == u'-' || u == u'+' || u == u'e' ||
                   u == u'E') {
            ascii.push_back(static_cast<char>(u));
        } else {
            return false;
        }
    }
    const char* begin = ascii.data();
    const char* end = begin + ascii.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [last, status] = std::from_chars(begin, end, value);
    return status == std::errc() && last == end && begin != end;
}

bool isComparableColumn(const SectionLayout& layout, int column) {
    if (column == kRowNumberColumn) return true;
    if (column < 0 || column >= layout.cellCount()) return false;
    const CellLayout& cell = layout.cells[column];
    return cell.offset >= 0 && cell.type != FieldType::Text;
}

ParsedFilter parseFilter(const SectionLayout& layout, const FilterQuery& query, char separator) {
    ParsedFilter parsed;
    if (query.text.isEmpty()) return parsed;
    parsed.kind = ParsedFilter::Kind::Text;
    parsed.text = query.text;
    if (query.column == kAllColumns || !isComparableColumn(layout, query.column)) return parsed;
    for (const OperatorText& candidate : kOperators) {
        const QStringView opText(candidate.text);
        if (!query.text.startsWith(opText)) continue;
        parsed.kind = ParsedFilter::Kind::Compare;
        parsed.op = candidate.op;
        const QStringView number = QStringView(query.text).sliced(opText.size()).trimmed();
        if (!parseNumberText(number, separator, parsed.number))
            parsed.error =
                QStringLiteral("\"%1\" needs a number after %2").arg(query.text, opText.toString());
        break;
    }
    return parsed;
}

}  // namespace varn
