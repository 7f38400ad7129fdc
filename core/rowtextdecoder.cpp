#include "rowclipboard.h"

#include <QCoreApplication>

#include "fieldtests.h"
#include "numbertext.h"
#include "rowrecord.h"
#include "tabbedtext.h"

#include <charconv>
#include <cmath>

namespace varn {
namespace {

// The cells a line fills, in the order of its columns.
using Shape = std::vector<int>;

std::vector<Shape> lineShapes(const SectionLayout& layout) {
    Shape visible;
    for (int cell = 0; cell < layout.visibleCount; ++cell)
        visible.push_back(cell);
    Shape withNames = visible;  // section 9: the names without their hashes
    Shape every = visible;
    for (int cell = layout.visibleCount; cell < layout.cellCount(); ++cell) {
        every.push_back(cell);
        if (layout.nameCellOf(cell) < 0) withNames.push_back(cell);
    }
    std::vector<Shape> shapes = {visible};
    if (withNames.size() != visible.size()) shapes.push_back(withNames);
    if (every.size() != withNames.size()) shapes.push_back(every);
    return shapes;
}

std::u16string_view utf16Of(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// A number text as ASCII; false for anything longer than a number or beyond ASCII.
bool asciiOf(QStringView text, char (&out)[kNumberTextCapacity], std::string_view& ascii) {
    if (text.size() >= kNumberTextCapacity) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() >= 0x80) return false;
        out[i] = static_cast<char>(text[i].unicode());
    }
    ascii = {out, static_cast<std::size_t>(text.size())};
    return true;
}

QString cellsText(qsizetype count) {
    return count == 1 ? QCoreApplication::translate("varn::RowText", "1 cell")
                      : QCoreApplication::translate("varn::RowText", "%1 cells").arg(count);
}

QString cellCounts(const std::vector<Shape>& shapes) {
    QStringList counts;
    for (const Shape& shape : shapes)
        counts << QString::number(shape.size());
    const QString last = counts.takeLast();
    return counts.isEmpty() ? last
                            : counts.join(QStringLiteral(", ")) +
                                  QCoreApplication::translate("varn::RowText", " or ") + last;
}

QString badCellMessage(int line, const QString& caption, QStringView text,
                       std::u16string_view reason) {
    constexpr qsizetype kLongest = 40;
    const QString shown = text.size() <= kLongest
                              ? text.toString()
                              : text.left(kLongest).toString() + QStringLiteral("...");
    return QCoreApplication::translate("varn::RowText", "Line %1, column \"%2\" (\"%3\"): %4")
        .arg(line)
        .arg(caption, shown,
             QString::fromUtf16(reason.data(), static_cast<qsizetype>(reason.size())));
}

// Turns the cells of one line into one text per cell of the layout.
class RowDecoder {
public:
    RowDecoder(const SectionLayout& layout, const TextContext& context, const QStringList& captions)
        : layout_(layout),
          context_(context),
          captions_(captions),
          shapes_(lineShapes(layout)),
          defaults_(static_cast<std::size_t>(layout.cellCount())) {
        for (const CellWrite& write : defaultRowWrites(layout, context.separator))
            defaults_[write.cell] = write.text;
        // Room for a written-back text of every cell, so that views into it stay valid.
        scratch_.reserve(static_cast<std::size_t>(layout.cellCount()) * kNumberTextCapacity);
    }

    [[nodiscard]] const std::vector<Shape>& shapes() const { return shapes_; }
    [[nodiscard]] const Shape* shapeOf(std::size_t cellCount) const {
        for (const Shape& shape : shapes_)
            if (shape.size() == cellCount) return &shape;
        return nullptr;
    }

    // A line of captions: every cell that should hold a number holds none.
    [[nodiscard]] bool isCaptionLine(const std::vector<QStringView>& cells) const {
        const Shape* shape = shapeOf(cells.size());
        if (!shape) return false;
        bool anyNumberCell = false;
        for (std::size_t i = 0; i < shape->size(); ++i) {
            const FieldTest test = testOf((*shape)[i]);
            if (test != FieldTest::Float && test != FieldTest::Integer &&
                test != FieldTest::Unsigned)
                continue;
            anyNumberCell = true;
            if (checkField(test, utf16Of(cells[i]), context_.separator).valid) return false;
        }
        return anyNumberCell;
    }

    // texts gets one view per cell, into the line, the defaults or this decoder's scratch
    // (valid until the next call).
    [[nodiscard]] bool decode(const std::vector<QStringView>& cells, const Shape& shape, int line,
                              std::vector<QStringView>& texts, QString& error) {
        scratch_.clear();
        texts.assign(static_cast<std::size_t>(layout_.cellCount()), QStringView());
        given_.assign(texts.size(), false);
        for (std::size_t i = 0; i < shape.size(); ++i) {
            const int cell = shape[i];
            const FieldCheck check = checkOf(cell, cells[i]);
            if (!check.valid) {
                error = badCellMessage(line, cellCaption(layout_, cell, captions_), cells[i],
                                       check.message);
                return false;
            }
            texts[cell] = writtenText(cell, cells[i]);
            given_[cell] = true;
        }
        for (int cell = 0; cell < layout_.cellCount(); ++cell)
            if (!given_[cell]) texts[cell] = defaults_[cell];
        for (const NamedHash& pair : layout_.namedHashes) {
            if (given_[pair.hashCell] && keepsGivenHash(pair, texts)) continue;
            std::uint32_t hash = 0;
            if (!hashOfNameText(texts[pair.nameCell], hash, &error)) return false;
            char digits[kNumberTextCapacity];
            texts[pair.hashCell] = keep(std::string_view(digits, formatUInt32(digits, hash)));
        }
        return true;
    }

private:
    // The editors' test; a hash cell, which no editor shows, must hold an unsigned number.
    [[nodiscard]] FieldTest testOf(int cell) const {
        return layout_.nameCellOf(cell) >= 0 ? FieldTest::Unsigned : layout_.cells[cell].test;
    }
    // The editors' whole check of a cell, the width of a string field included.
    [[nodiscard]] FieldCheck checkOf(int cell, QStringView text) const {
        if (layout_.nameCellOf(cell) >= 0)
            return checkField(FieldTest::Unsigned, utf16Of(text), context_.separator);
        return checkCell(layout_.cells[cell], utf16Of(text), context_.separator);
    }

    [[nodiscard]] QStringView keep(std::string_view ascii) {
        const std::size_t start = scratch_.size();
        scratch_.append(ascii.begin(), ascii.end());
        return QStringView(scratch_.data() + start, static_cast<qsizetype>(ascii.size()));
    }

    // As an editor writes the text back: fixed floats with their decimals, markers as markers.
    [[nodiscard]] QStringView writtenText(int cell, QStringView text) {
        const CellLayout& field = layout_.cells[cell];
        if (field.rule == TextRule::Marker) return defaults_[cell];
        if (!field.isFloat()) return text;
        char buffer[kNumberTextCapacity];
        std::string_view ascii;
        float value = 0;
        // The float test passed, so the text reads.
        if (!asciiOf(text, buffer, ascii) ||
            parseFloatText(ascii, context_.separator, value) != ParseStatus::Ok)
            return text;
        const int decimals = field.writeBackDecimals();
        // A general float goes in as given, but "inf" or "nan" as the table shows such values.
        if (decimals == 0 && std::isfinite(value)) return text;
        const int length = decimals == 0
                               ? formatGeneral15(buffer, value, context_.separator)
                               : formatTrimmedFixed(buffer, value, decimals, context_.separator);
        const std::string_view fixed(buffer, static_cast<std::size_t>(length));
        return QLatin1StringView(fixed.data(), length) == text ? text : keep(fixed);
    }

    // Section 9 copies its names and hashes side by side and keeps both. Section 0's hash sits
    // behind the model name shown: it stays only while that name is what the hash shows here.
    [[nodiscard]] bool keepsGivenHash(const NamedHash& pair,
                                      const std::vector<QStringView>& texts) const {
        if (layout_.cells[pair.nameCell].rule != TextRule::HashName) return true;
        char buffer[kNumberTextCapacity];
        std::string_view ascii;
        std::uint32_t hash = 0;
        return asciiOf(texts[pair.hashCell], buffer, ascii) && parseUInt32Text(ascii, hash) &&
               context_.names->text(hash) == texts[pair.nameCell];
    }

    const SectionLayout& layout_;
    const TextContext& context_;
    const QStringList& captions_;
    std::vector<Shape> shapes_;
    std::vector<QString> defaults_;  // a new row's texts, by cell
    std::u16string scratch_;
    std::vector<bool> given_;
};

// Reads the lines of text and hands each row's texts, one per cell, to takeRow.
template <typename TakeRow>
bool decodeLines(QStringView text, const SectionLayout& layout, const TextContext& context,
                 const QStringList& captions, QString& error, TakeRow takeRow) {
    RowDecoder decoder(layout, context, captions);
    TabbedTextReader reader(text);
    std::vector<QStringView> cells;
    std::vector<QStringView> texts;
    int line = 0;
    if (!reader.next(cells, line)) {
        error =
            QCoreApplication::translate("varn::RowText", "The clipboard holds no rows to paste.");
        return false;
    }
    if (decoder.isCaptionLine(cells) && !reader.next(cells, line)) {
        error = QCoreApplication::translate(
            "varn::RowText", "The clipboard holds column captions but no rows to paste.");
        return false;
    }
    const Shape* shape = decoder.shapeOf(cells.size());
    if (!shape) {
        error =
            QCoreApplication::translate(
                "varn::RowText",
                "The clipboard holds no rows of %1: line %2 has %3, where a row "
                "has %4.")
                .arg(QString::fromStdString(layout.tabCaption))
                .arg(line)
                .arg(cellsText(static_cast<qsizetype>(cells.size())), cellCounts(decoder.shapes()));
        return false;
    }
    do {
        if (cells.size() != shape->size()) {
            error = QCoreApplication::translate("varn::RowText",
                                                "Line %1 has %2, where the rows before it have %3.")
                        .arg(line)
                        .arg(cellsText(static_cast<qsizetype>(cells.size())))
                        .arg(shape->size());
            return false;
        }
        if (!decoder.decode(cells, *shape, line, texts, error) || !takeRow(texts, error))
            return false;
    } while (reader.next(cells, line));
    return true;
}

}  // namespace

bool decodeRows(QStringView text, const SectionLayout& layout, const TextContext& context,
                std::vector<RowWrites>& rows, QString& error, const QStringList& captions) {
    rows.clear();
    const auto takeRow = [&](const std::vector<QStringView>& texts, QString&) {
        RowWrites& row = rows.emplace_back();
        row.reserve(texts.size());
        for (std::size_t cell = 0; cell < texts.size(); ++cell)
            row.push_back({static_cast<int>(cell), texts[cell].toString()});
        return true;
    };
    if (decodeLines(text, layout, context, captions, error, takeRow)) return true;
    rows.clear();
    return false;
}

bool decodeRecords(QStringView text, const SectionLayout& layout, const TextContext& context,
                   DecodedRecords& rows, QString& error, const QStringList& captions) {
    rows = {};
    const auto recordSize = static_cast<std::size_t>(layout.recordSize);
    // As many records as lines at most: growing a block of many megabytes would copy it.
    const auto lines = static_cast<std::size_t>(text.count(u'\n') + 1);
    rows.records.reserve(lines * recordSize);
    rows.edits.reserve(lines);
    const auto takeRow = [&](const std::vector<QStringView>& texts, QString& failure) {
        rows.records.resize(rows.records.size() + recordSize, '\0');
        int failedCell = -1;
        return recordFromTexts(layout, context, texts,
                               rows.records.data() + rows.records.size() - recordSize,
                               rows.edits.emplace_back(), failedCell, failure);
    };
    if (decodeLines(text, layout, context, captions, error, takeRow)) return true;
    rows = {};
    return false;
}

}  // namespace varn
