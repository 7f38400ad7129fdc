#include "recordlayout.h"

#include <array>

namespace varn {
namespace {

// Builds one section's cells in column order; each call appends one run of fields.
class LayoutBuilder {
public:
    LayoutBuilder(int number, int recordSize, const char* tabCaption) {
        layout_.number = number;
        layout_.recordSize = recordSize;
        layout_.tabCaption = tabCaption;
    }

    // count float fields named prefix+first.., 4 bytes apart from offset.
    LayoutBuilder& floats(const char* prefix, int first, int count, int offset, TextRule rule) {
        for (int i = 0; i < count; ++i)
            floatField(prefix + std::to_string(first + i), offset + 4 * i, rule);
        return *this;
    }
    LayoutBuilder& floatField(std::string caption, int offset, TextRule rule) {
        return add({.caption = std::move(caption),
                    .offset = offset,
                    .type = FieldType::F32,
                    .rule = rule,
                    .save = SaveKind::Float,
                    .test = FieldTest::Float,
                    .defaultText = "Z"});
    }
    LayoutBuilder& ints(const char* prefix, int first, int count, int offset) {
        for (int i = 0; i < count; ++i)
            intField(prefix + std::to_string(first + i), offset + 4 * i, "0");
        return *this;
    }
    LayoutBuilder& intField(std::string caption, int offset, const char* defaultText) {
        return add({.caption = std::move(caption),
                    .offset = offset,
                    .type = FieldType::I32,
                    .rule = TextRule::Int,
                    .save = SaveKind::I32,
                    .test = FieldTest::Integer,
                    .defaultText = defaultText});
    }
    LayoutBuilder& uints(const char* prefix, int first, int count, int offset) {
        for (int i = 0; i < count; ++i)
            uintField(prefix + std::to_string(first + i), offset + 4 * i, "0");
        return *this;
    }
    LayoutBuilder& uintField(std::string caption, int offset, const char* defaultText) {
        return add({.caption = std::move(caption),
                    .offset = offset,
                    .type = FieldType::U32,
                    .rule = TextRule::UInt,
                    .save = SaveKind::U32,
                    .test = FieldTest::Unsigned,
                    .defaultText = defaultText});
    }
    LayoutBuilder& text(std::string caption, int offset, int width, FieldTest test,
                        std::string defaultText) {
        return add({.caption = std::move(caption),
                    .offset = offset,
                    .type = FieldType::Text,
                    .width = width,
                    .rule = TextRule::String,
                    .save = SaveKind::String,
                    .test = test,
                    .defaultText = std::move(defaultText)});
    }
    LayoutBuilder& marker(const char* caption) {
        return add({.caption = caption, .rule = TextRule::Marker, .defaultText = "[...]"});
    }
    LayoutBuilder& add(CellLayout cell) {
        cell.side = inSide_;
        layout_.cells.push_back(std::move(cell));
        if (!inSide_) layout_.visibleCount = layout_.cellCount();
        return *this;
    }
    // Cells added after this call live in the hidden side list.
    LayoutBuilder& sideList(std::string numberCaption) {
        inSide_ = true;
        layout_.sideNumberCaption = std::move(numberCaption);
        return *this;
    }
    CellLayout& last() { return layout_.cells.back(); }
    [[nodiscard]] int lastCell() const { return layout_.cellCount() - 1; }
    // The hash of the name in nameCell is saved from hashCell.
    LayoutBuilder& pair(int nameCell, int hashCell) {
        layout_.namedHashes.push_back({nameCell, hashCell});
        return *this;
    }

    SectionLayout build() {
        for (const CellLayout& cell : layout_.cells) {
            if (cell.offset < 0 || cell.type == FieldType::Text) continue;
            bool known = false;
            for (int offset : layout_.numericOffsets)
                known = known || offset == cell.offset;
            if (!known) layout_.numericOffsets.push_back(cell.offset);
        }
        return std::move(layout_);
    }

private:
    SectionLayout layout_;
    bool inSide_ = false;
};

SectionLayout instanceLayout() {
    LayoutBuilder b(0, 48, "Section 0 (Instance)");
    b.floatField("Pos X", 0, TextRule::Fixed4)
        .floatField("Pos Y", 4, TextRule::Fixed4)
        .floatField("Pos Z", 8, TextRule::Fixed4)
        .floatField("Rot X", 12, TextRule::Fixed7)
        .floatField("Rot Y", 16, TextRule::Fixed7)
        .floatField("Rot Z", 20, TextRule::Fixed7)
        .floatField("Rot W", 24, TextRule::Fixed7);
    // The model name is shown and typed here, but the record's hash is saved from the side cell.
    const int modelName = b.lastCell() + 1;
    b.add({.caption = "Model name hash",
           .offset = 28,
           .type = FieldType::U32,
           .rule = TextRule::HashName,
           .save = SaveKind::None,
           .test = FieldTest::NameOrHash,
           .defaultText = "modelname"});
    b.uintField("Unkn1", 32, "384").intField("LOD", 36, "-1").intField("Unkn2", 40, "0");
    b.floatField("Unkn3", 44, TextRule::General15).last().defaultText = "-1";
    b.sideList("#").uintField("hash", 28, "");
    b.last().save = SaveKind::Hash;
    b.last().test = FieldTest::None;
    b.pair(modelName, b.lastCell());
    return b.build();
}

SectionLayout lodCullLayout() {
    LayoutBuilder b(9, 388, "Section 9 (lodcull_*)");
    const char* corners[] = {"X1", "Y1", "Z1", "X2", "Y2", "Z2"};
    for (int i = 0; i < 6; ++i)
        b.floatField(corners[i], 4 * i, TextRule::Fixed4);
    b.intField("unkn int", 24, "0").marker("[Hashes]").marker("[Modelnames]");
    b.sideList("\u2116");
    const int firstHash = b.lastCell() + 1;
    for (int k = 0; k < 10; ++k) {
        b.uintField("hash" + std::to_string(k + 1), 28 + 4 * k, "");
        b.last().save = SaveKind::Hash;
        b.last().test = FieldTest::None;
    }
    for (int k = 0; k < 10; ++k) {
        b.text("model" + std::to_string(k + 1), 68 + 32 * k, 32, FieldTest::OptionalName,
               "modelname" + std::to_string(k + 1));
        b.pair(b.lastCell(), firstHash + k);
    }
    return b.build();
}

std::array<SectionLayout, kKnownSectionCount> buildLayouts() {
    return {
        instanceLayout(),
        LayoutBuilder(2, 48, "Section 2")
            .floats("unkn", 1, 8, 0, TextRule::Fixed4)
            .ints("unkn", 9, 4, 32)
            .build(),
        LayoutBuilder(3, 56, "Section 3 (*_stream)")
            .floats("unkn", 1, 6, 0, TextRule::Fixed4)
            .ints("unkn", 7, 8, 24)
            .build(),
        LayoutBuilder(4, 44, "Section 4")
            .floats("unkn", 1, 8, 0, TextRule::Fixed4)
            .uints("unkn", 9, 3, 32)
            .build(),
        LayoutBuilder(8, 64, "Section 8 (*_strbig)")
            .text("unkn1", 0, 24, FieldTest::Name, "modelname")
            .ints("unkn", 2, 3, 24)
            .floats("unkn", 5, 3, 36, TextRule::Fixed4)
            .floats("unkn", 8, 4, 48, TextRule::Fixed7)
            .build(),
        LayoutBuilder(15, 132, "Section 15")
            .intField("unkn1", 0, "0")
            .text("str", 4, 92, FieldTest::None, "modelname")
            .intField("unkn2", 96, "0")
            .floats("unkn", 3, 8, 100, TextRule::Fixed4)
            .build(),
        lodCullLayout(),
        LayoutBuilder(10, 24, "Section 10").floats("unkn", 1, 6, 0, TextRule::Fixed4).build(),
    };
}

const std::array<SectionLayout, kKnownSectionCount>& layouts() {
    static const auto table = buildLayouts();
    return table;
}

}  // namespace

int SectionLayout::hashCellOf(int nameCell) const {
    for (const NamedHash& pair : namedHashes)
        if (pair.nameCell == nameCell) return pair.hashCell;
    return -1;
}

int SectionLayout::nameCellOf(int hashCell) const {
    for (const NamedHash& pair : namedHashes)
        if (pair.hashCell == hashCell) return pair.nameCell;
    return -1;
}

NamedHash SectionLayout::modelName() const {
    for (const NamedHash& pair : namedHashes)
        if (cells[pair.nameCell].rule == TextRule::HashName) return pair;
    return {};
}

int SectionLayout::cellOf(std::string_view caption) const {
    for (int cell = 0; cell < cellCount(); ++cell)
        if (cells[cell].caption == caption) return cell;
    return -1;
}

std::span<const SectionLayout> sectionsInFileOrder() {
    return layouts();
}

std::span<const int> sectionsInTabOrder() {
    static constexpr std::array<int, kKnownSectionCount> order = {0, 2, 3, 4, 8, 9, 10, 15};
    return order;
}

int fileOrderIndex(int number) {
    const auto& table = layouts();
    for (int i = 0; i < kKnownSectionCount; ++i)
        if (table[i].number == number) return i;
    return -1;
}

const SectionLayout* sectionLayout(int number) {
    const int index = fileOrderIndex(number);
    return index < 0 ? nullptr : &layouts()[index];
}

}  // namespace varn
