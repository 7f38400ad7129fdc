#pragma once

// Finds a text, letter case ignored, in the cells of one column as the table shows them. Most
// cells are numbers: their texts are formatted into a small buffer, never into a QString, and a
// query holding a character that such a text never shows skips the column altogether.

#include "filterquery.h"
#include "fixedtextbound.h"
#include "sectiontable.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

// The answers already found for the field values of one column, by value. Fields that repeat
// (LOD, model hashes, a few distinct general floats) are then matched once per value.
class MatchMemo {
public:
    MatchMemo() : slots_(kSlots) {}
    // 1 or 0 when known, else -1.
    [[nodiscard]] int find(std::uint32_t key) const {
        const Slot& slot = slots_[index(key)];
        return slot.known && slot.key == key ? slot.match : -1;
    }
    void store(std::uint32_t key, bool match) { slots_[index(key)] = {key, true, match}; }

private:
    static constexpr int kSlotBits = 12;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
    struct Slot {
        std::uint32_t key = 0;
        bool known = false;
        bool match = false;
    };
    static std::size_t index(std::uint32_t key) { return (key * 2654435761u) >> (32 - kSlotBits); }
    std::vector<Slot> slots_;
};

class ColumnTextMatcher {
public:
    // column: kRowNumberColumn or a cell of the table's layout. text must not be empty.
    ColumnTextMatcher(const SectionTable& table, int column, const QString& text);

    // False when no cell of the column can contain the text, whatever its row.
    [[nodiscard]] bool canMatch() const { return way_ != Way::Never; }
    [[nodiscard]] bool matches(int row);
    // Cheaper columns first: a row matching there spares formatting the others.
    [[nodiscard]] int cost() const { return static_cast<int>(way_); }

private:
    // In the order of their cost per row.
    enum class Way : std::uint8_t {
        Never,      // the text holds a character no cell of the column shows
        Always,     // a constant text that contains it (a marker)
        Memo,       // a numeric field, remembered by value
        RowNumber,  // the row's position
        Name,       // a model name through the document's names, remembered by hash
        Fixed,      // a fixed float, formatted when its value could show the text
        Bytes,      // a string field searched byte by byte (ASCII text)
        Unicode,    // a string field decoded first (a text beyond ASCII)
    };
    [[nodiscard]] Way chooseWay() const;
    [[nodiscard]] bool matchesNumberText(const char* record) const;
    [[nodiscard]] bool matchesStringBytes(const char* record) const;
    [[nodiscard]] bool matchesMemo(int row);
    [[nodiscard]] bool matchesText(const QString& cellText) const;

    const SectionTable* table_;
    int column_;
    const CellLayout* cell_ = nullptr;  // nullptr for the row number
    QString text_;
    std::string upper_;  // the text in ASCII capitals; empty when the text is not ASCII
    Way way_ = Way::Never;
    MatchMemo memo_;
    FixedTextBound bound_{{}, 0, '.'};
};

}  // namespace varn
