#include "filterquery.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
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
    const bool allColumns = query.column == kAllColumns;
    if (!allColumns && !isComparableColumn(layout, query.column)) return parsed;
    for (const OperatorText& candidate : kOperators) {
        const QStringView opText(candidate.text);
        if (!query.text.startsWith(opText)) continue;
        const QStringView number = QStringView(query.text).sliced(opText.size()).trimmed();
        const bool reads = parseNumberText(number, separator, parsed.number);
        if (allColumns) {
            // Found as a text, "> 100" would match no row and look like an answer.
            if (reads)
                parsed.error =
                    QCoreApplication::translate("varn::FilterQuery",
                                                "\"%1\" compares numbers in one column: choose "
                                                "the column first")
                        .arg(query.text);
            break;
        }
        parsed.kind = ParsedFilter::Kind::Compare;
        parsed.op = candidate.op;
        if (!reads)
            parsed.error =
                QCoreApplication::translate("varn::FilterQuery", "\"%1\" needs a number after %2")
                    .arg(query.text, opText.toString());
        break;
    }
    return parsed;
}

}  // namespace varn

namespace varn {
namespace {

constexpr QStringView kRowNumberCaption = u"\u2116";

bool startsColumnQueryOperator(QChar c) {
    return c == u'=' || c == u'!' || c == u'<' || c == u'>' || c == u'~';
}

// The longest caption the text starts with, followed by a blank or an operator; its length.
std::optional<int> leadingColumn(const SectionLayout& layout, QStringView text, qsizetype& length) {
    std::optional<int> found;
    length = 0;
    const auto consider = [&](QStringView caption, int column) {
        if (caption.size() <= length || !text.startsWith(caption, Qt::CaseInsensitive)) return;
        const bool ends = text.size() == caption.size() || text[caption.size()].isSpace() ||
                          startsColumnQueryOperator(text[caption.size()]);
        if (!ends) return;
        found = column;
        length = caption.size();
    };
    consider(kRowNumberCaption, kRowNumberColumn);
    for (int cell = 0; cell < layout.cellCount(); ++cell)
        consider(QString::fromStdString(layout.cells[cell].caption), cell);
    return found;
}

QString columnList(const SectionLayout& layout) {
    QStringList captions{kRowNumberCaption.toString()};
    for (const CellLayout& cell : layout.cells)
        captions << QString::fromStdString(cell.caption);
    return captions.join(QStringLiteral(", "));
}

}  // namespace

std::optional<int> columnOfCaption(const SectionLayout& layout, QStringView caption) {
    if (caption.compare(kRowNumberCaption, Qt::CaseInsensitive) == 0) return kRowNumberColumn;
    for (int cell = 0; cell < layout.cellCount(); ++cell)
        if (caption.compare(QString::fromStdString(layout.cells[cell].caption),
                            Qt::CaseInsensitive) == 0)
            return cell;
    return std::nullopt;
}

bool parseColumnQuery(const SectionLayout& layout, const QString& text, char separator,
                      FilterQuery& query, QString& error) {
    const QStringView trimmed = QStringView(text).trimmed();
    qsizetype length = 0;
    const std::optional<int> column = leadingColumn(layout, trimmed, length);
    if (!column) {
        error = QCoreApplication::translate("varn::FilterQuery",
                                            "\"%1\" starts with no column of section %2 (%3)")
                    .arg(text)
                    .arg(layout.number)
                    .arg(columnList(layout));
        return false;
    }
    const QStringView rest = trimmed.sliced(length).trimmed();
    if (rest.startsWith(u'~')) {
        query = {rest.sliced(1).trimmed().toString(), *column};
        if (!query.text.isEmpty()) return true;
        error =
            QCoreApplication::translate("varn::FilterQuery", "\"%1\" needs a text to find after ~")
                .arg(text);
        return false;
    }
    const bool compares =
        std::any_of(kOperators.begin(), kOperators.end(),
                    [&](const OperatorText& op) { return rest.startsWith(QStringView(op.text)); });
    if (!compares) {
        error = QCoreApplication::translate(
                    "varn::FilterQuery",
                    "\"%1\" needs =, !=, <, <=, > or >= and a number, or ~ and a "
                    "text, after its column")
                    .arg(text);
        return false;
    }
    if (!isComparableColumn(layout, *column)) {
        error = QCoreApplication::translate(
                    "varn::FilterQuery",
                    "\"%1\": %2 holds texts, which do not compare as numbers; find a "
                    "text in it with ~")
                    .arg(text, trimmed.first(length).toString());
        return false;
    }
    query = {rest.toString(), *column};
    const ParsedFilter parsed = parseFilter(layout, query, separator);
    error = parsed.error;
    return error.isEmpty();
}

}  // namespace varn
