#include "columnchange.h"

#include "bulkeditmessages.h"
#include "byteorder.h"
#include "cellvalues.h"
#include "cellwrites.h"
#include "codepage.h"
#include "fieldtests.h"
#include "fieldtext.h"
#include "filterquery.h"
#include "messages.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>

namespace varn {
namespace {

constexpr char kAllNamesCaption[] = "[Modelnames]";

// What a cell holds, for the operations it offers.
enum class Target : unsigned char {
    None,       // a hash, which follows its name, or a marker
    Number,     // a float or integer field
    ModelName,  // section 0's model name, saved as its hash
    SlotName,   // one of section 9's ten names, saved with its hash
    AllNames,   // section 9's ten names at once
    Text,       // another string field
};

Target targetOf(const SectionLayout& layout, int cell) {
    if (cell < 0 || cell >= layout.cellCount()) return Target::None;
    const CellLayout& field = layout.cells[cell];
    if (field.rule == TextRule::HashName) return Target::ModelName;
    if (field.rule == TextRule::Marker)
        return field.caption == kAllNamesCaption ? Target::AllNames : Target::None;
    if (layout.nameCellOf(cell) >= 0) return Target::None;
    if (field.type == FieldType::Text)
        return layout.hashCellOf(cell) >= 0 ? Target::SlotName : Target::Text;
    const bool number =
        field.save == SaveKind::Float || field.save == SaveKind::I32 || field.save == SaveKind::U32;
    return number ? Target::Number : Target::None;
}

bool isArithmetic(ColumnOperation operation) {
    return operation == ColumnOperation::Add || operation == ColumnOperation::Subtract ||
           operation == ColumnOperation::Multiply;
}

QString captionOf(const SectionLayout& layout, int cell) {
    return QString::fromStdString(layout.cells[cell].caption);
}

// The first character of a text that Windows-1252 lacks.
char32_t firstForeignCharacter(const QString& text) {
    for (char32_t c : text.toUcs4())
        if (c > 0xFFFF || !isWindows1252Char(static_cast<char16_t>(c))) return c;
    return 0;
}

// Checks a request once, then finds row by row what changes, making the rows' new contents
// when building.
class ColumnPlanner {
public:
    ColumnPlanner(const SectionTable& table, const ColumnChange& request, bool building)
        : table_(table),
          layout_(table.layout()),
          request_(request),
          target_(targetOf(layout_, request.cell)),
          separator_(table.context().separator),
          building_(building),
          builder_(table) {}

    bool prepare(QString& error) {
        if (!allowed(error)) return false;
        switch (target_) {
            case Target::Number:
                return prepareNumber(error);
            case Target::ModelName:
                return prepareModelName(error);
            case Target::SlotName:
            case Target::AllNames:
                return prepareSlotNames(error);
            case Target::Text:
                return prepareText(error);
            case Target::None:
                break;
        }
        return false;
    }

    bool addRow(int row, QString& error) {
        switch (target_) {
            case Target::Number:
                return addNumber(row, error);
            case Target::ModelName:
                return addModelName(row, error);
            case Target::SlotName:
            case Target::AllNames:
                return addSlotNames(row, error);
            case Target::Text:
                addText(row);
                return true;
            case Target::None:
                break;
        }
        return false;
    }

    void reserve(std::size_t rows) {
        if (building_) builder_.reserve(rows);
    }
    [[nodiscard]] int count() const { return count_; }
    [[nodiscard]] RowChange take() { return builder_.take(); }

private:
    bool allowed(QString& error) const {
        const QString caption = request_.cell >= 0 && request_.cell < layout_.cellCount()
                                    ? captionOf(layout_, request_.cell)
                                    : QString::number(request_.cell);
        const std::vector<ColumnOperation> offered = columnOperations(layout_, request_.cell);
        if (std::find(offered.begin(), offered.end(), request_.operation) != offered.end())
            return true;
        if (target_ == Target::None)
            error = layout_.nameCellOf(request_.cell) >= 0 ? messages::followsItsName(caption)
                                                           : messages::notChangeable(caption);
        else if (target_ == Target::AllNames)
            error = messages::chooseOneName(caption);
        else if (isArithmetic(request_.operation))
            error = messages::numbersOnly(caption);
        else
            error = messages::namesOnly(caption);
        return false;
    }

    [[nodiscard]] QString caption() const { return captionOf(layout_, request_.cell); }

    // The value's text must pass the column's field test, as an editor's would.
    bool passesFieldTest(const QString& text, FieldTest test, QString& error) const {
        const FieldCheck check =
            checkField(test,
                       std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<std::size_t>(text.size())),
                       separator_);
        if (check.valid) return true;
        error = messages::valueRefused(
            caption(), text,
            QString::fromUtf16(check.message.data(), static_cast<qsizetype>(check.message.size())));
        return false;
    }

    bool prepareNumber(QString& error) {
        const CellLayout& field = layout_.cells[request_.cell];
        type_ = field.type;
        if (request_.operation == ColumnOperation::Set) {
            if (!passesFieldTest(request_.value, field.test, error)) return false;
            std::array<char, 4> scratch{};
            CellLayout moved = field;
            moved.offset = 0;
            if (!storeFieldText(moved, request_.value, separator_, scratch.data(), error))
                return false;
            setBits_ = loadU32(scratch.data());
            return true;
        }
        if (!parseNumberText(request_.value.trimmed(), separator_, operand_)) {
            error = messages::notANumber(request_.value);
            return false;
        }
        if (request_.operation == ColumnOperation::Subtract) operand_ = -operand_;
        return true;
    }

    bool prepareModelName(QString& error) {
        const NamedHash pair = layout_.modelName();
        hashCell_ = pair.hashCell;
        if (!passesFieldTest(request_.value, FieldTest::NameOrHash, error) ||
            !hashOfNameText(request_.value, newHash_, &error))
            return false;
        if (request_.operation == ColumnOperation::Replace &&
            (!passesFieldTest(request_.replaced, FieldTest::NameOrHash, error) ||
             !hashOfNameText(request_.replaced, replacedHash_, &error)))
            return false;
        // A name the document's names show otherwise for its hash is kept as typed.
        if (table_.context().names->text(newHash_) != request_.value) nameEdit_ = request_.value;
        return true;
    }

    bool prepareSlotNames(QString& error) {
        if (target_ == Target::SlotName) {
            slots_ = {request_.cell};
        } else {
            for (const NamedHash& pair : layout_.namedHashes)
                slots_.push_back(pair.nameCell);
        }
        const CellLayout& field = layout_.cells[slots_.front()];
        if (!passesFieldTest(request_.value, field.test, error)) return false;
        if (request_.value.size() > field.width) {  // a name is ASCII: one byte a character
            error = messages::valueRefused(
                caption(), request_.value,
                messages::textTooLong(request_.value, static_cast<int>(request_.value.size()),
                                      field.width));
            return false;
        }
        return hashOfNameText(request_.value, newHash_, &error);
    }

    bool prepareText(QString& error) {
        const CellLayout& field = layout_.cells[request_.cell];
        if (!passesFieldTest(request_.value, field.test, error)) return false;
        QString reason;
        if (request_.value.contains(QChar(0))) {
            reason = messages::zeroInText(request_.value);
        } else if (const char32_t foreign = firstForeignCharacter(request_.value)) {
            reason = messages::notWindows1252(request_.value, foreign);
        } else if (const auto bytes = encodeWindows1252(request_.value).size();
                   bytes > field.width) {
            reason = messages::textTooLong(request_.value, static_cast<int>(bytes), field.width);
        }
        if (reason.isEmpty()) return true;
        error = messages::valueRefused(caption(), request_.value, reason);
        return false;
    }

    // The saved bits of a numeric cell; false, with the message, for a text that does not
    // convert.
    bool readBits(int row, int cell, std::uint32_t& bits, QString& error) const {
        if (!table_.rowEdits(row)) {
            bits = loadU32(table_.record(row) + layout_.cells[cell].offset);
            return true;
        }
        if (cellBits(table_, row, cell, bits)) return true;
        error =
            messages::rowHoldsNoNumber(row, captionOf(layout_, cell), table_.cellText(row, cell));
        return false;
    }

    void beginRow(int row) {
        ++count_;
        if (building_) builder_.beginRow(row);
    }

    bool addNumber(int row, QString& error) {
        std::uint32_t old = 0;
        if (!readBits(row, request_.cell, old, error)) return false;
        std::uint32_t bits = setBits_;
        if (request_.operation != ColumnOperation::Set && !arithmetic(row, old, bits, error))
            return false;
        if (bits == old) return true;
        beginRow(row);
        if (building_) builder_.storeField(request_.cell, bits);
        return true;
    }

    bool arithmetic(int row, std::uint32_t old, std::uint32_t& bits, QString& error) const {
        const double value = fieldNumber(type_, old);
        if (!std::isfinite(value)) {  // INF and NAN stay
            bits = old;
            return true;
        }
        const double result =
            request_.operation == ColumnOperation::Multiply ? value * operand_ : value + operand_;
        if (result == value) {  // keeps the stored bits, -0 among them
            bits = old;
            return true;
        }
        if (type_ == FieldType::F32) {
            if (!(std::abs(result) <= std::numeric_limits<float>::max())) {
                error = messages::beyondFloatRange(row, caption(), result);
                return false;
            }
            bits = std::bit_cast<std::uint32_t>(static_cast<float>(result));
            return true;
        }
        if (result != std::floor(result)) {
            error = messages::notWholeNumber(row, caption(), result);
            return false;
        }
        const bool isSigned = type_ == FieldType::I32;
        const double low = isSigned ? std::numeric_limits<std::int32_t>::min() : 0.0;
        const double high = isSigned ? std::numeric_limits<std::int32_t>::max()
                                     : std::numeric_limits<std::uint32_t>::max();
        if (result < low || result > high) {
            error =
                messages::beyondIntegerRange(row, caption(), result,
                                             isSigned ? QStringLiteral("-2147483648 to 2147483647")
                                                      : QStringLiteral("0 to 4294967295"));
            return false;
        }
        bits = isSigned ? static_cast<std::uint32_t>(static_cast<std::int32_t>(result))
                        : static_cast<std::uint32_t>(result);
        return true;
    }

    bool addModelName(int row, QString& error) {
        std::uint32_t old = 0;
        if (!readBits(row, hashCell_, old, error)) return false;
        if (request_.operation == ColumnOperation::Replace && old != replacedHash_) return true;
        if (old == newHash_) return true;
        beginRow(row);
        if (!building_) return true;
        builder_.storeField(hashCell_, newHash_);
        builder_.setEdit(request_.cell, nameEdit_);
        return true;
    }

    bool addSlotNames(int row, QString& error) {
        bool begun = false;
        for (int slot : slots_) {
            const QString old = table_.cellText(row, slot);
            if (request_.operation == ColumnOperation::Replace &&
                old.compare(request_.replaced, Qt::CaseInsensitive) != 0)
                continue;
            const int hashCell = layout_.hashCellOf(slot);
            std::uint32_t oldHash = 0;
            if (!readBits(row, hashCell, oldHash, error)) return false;
            if (old == request_.value && oldHash == newHash_) continue;
            if (!begun) beginRow(row);
            begun = true;
            if (!building_) continue;
            QString unused;
            (void)storeFieldText(layout_.cells[slot], request_.value, separator_, builder_.record(),
                                 unused);  // a checked name always fits
            builder_.setEdit(slot, std::nullopt);
            builder_.storeField(hashCell, newHash_);
        }
        return true;
    }

    void addText(int row) {
        if (table_.cellText(row, request_.cell) == request_.value) return;
        beginRow(row);
        if (!building_) return;
        QString unused;
        (void)storeFieldText(layout_.cells[request_.cell], request_.value, separator_,
                             builder_.record(), unused);  // checked to fit
        builder_.setEdit(request_.cell, std::nullopt);
    }

    const SectionTable& table_;
    const SectionLayout& layout_;
    const ColumnChange& request_;
    Target target_;
    char separator_;
    bool building_;
    RowChangeBuilder builder_;
    int count_ = 0;

    FieldType type_ = FieldType::F32;
    std::uint32_t setBits_ = 0;
    double operand_ = 0;
    int hashCell_ = -1;
    std::uint32_t newHash_ = 0;
    std::uint32_t replacedHash_ = 0;
    std::optional<QString> nameEdit_;
    std::vector<int> slots_;
};

// Runs the planner over the rows; the failing row, if any, goes to failedRow.
bool runPlanner(ColumnPlanner& planner, std::span<const int> rows, QString& error, int* failedRow) {
    if (failedRow) *failedRow = -1;
    if (!planner.prepare(error)) return false;
    std::vector<int> sorted;
    rows = ascendingOnce(rows, sorted);
    planner.reserve(rows.size());
    for (int row : rows) {
        if (planner.addRow(row, error)) continue;
        if (failedRow) *failedRow = row;
        return false;
    }
    return true;
}

}  // namespace

std::vector<ColumnOperation> columnOperations(const SectionLayout& layout, int cell) {
    using enum ColumnOperation;
    switch (targetOf(layout, cell)) {
        case Target::Number:
            return {Set, Add, Subtract, Multiply};
        case Target::ModelName:
        case Target::SlotName:
            return {Set, Replace};
        case Target::AllNames:
            return {Replace};
        case Target::Text:
            return {Set};
        case Target::None:
            break;
    }
    return {};
}

std::vector<int> changeableCells(const SectionLayout& layout) {
    std::vector<int> cells;
    for (int cell = 0; cell < layout.cellCount(); ++cell)
        if (!columnOperations(layout, cell).empty()) cells.push_back(cell);
    return cells;
}

bool planColumnChange(const SectionTable& table, std::span<const int> rows,
                      const ColumnChange& request, RowChange& change, QString& error,
                      int* failedRow) {
    ColumnPlanner planner(table, request, true);
    if (!runPlanner(planner, rows, error, failedRow)) return false;
    change = planner.take();
    return true;
}

std::optional<int> countColumnChange(const SectionTable& table, std::span<const int> rows,
                                     const ColumnChange& request, QString& error, int* failedRow) {
    ColumnPlanner planner(table, request, false);
    if (!runPlanner(planner, rows, error, failedRow)) return std::nullopt;
    return planner.count();
}

}  // namespace varn
