#include "placementfile.h"
#include "recordlayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace varn {
namespace {

TEST(Layout, SectionsInFileAndTabOrder) {
    std::vector<int> file;
    for (const SectionLayout& s : sectionsInFileOrder())
        file.push_back(s.number);
    EXPECT_EQ(file, (std::vector<int>{0, 2, 3, 4, 8, 15, 9, 10}));
    const auto tabs = sectionsInTabOrder();
    EXPECT_EQ(std::vector<int>(tabs.begin(), tabs.end()),
              (std::vector<int>{0, 2, 3, 4, 8, 9, 10, 15}));
    for (int unknown : {1, 5, 6, 7, 11, 12, 13, 14})
        EXPECT_EQ(sectionLayout(unknown), nullptr);
}

TEST(Layout, RecordSizesAndColumnCounts) {
    const std::map<int, std::pair<int, int>> expected = {
        // size, visible columns with the number
        {0, {48, 13}}, {2, {48, 13}},  {3, {56, 15}}, {4, {44, 12}},
        {8, {64, 12}}, {9, {388, 10}}, {10, {24, 7}}, {15, {132, 12}}};
    for (const auto& [number, sizes] : expected) {
        const SectionLayout* s = sectionLayout(number);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->recordSize, sizes.first) << number;
        EXPECT_EQ(s->columnCount(), sizes.second) << number;
    }
    EXPECT_EQ(sectionLayout(0)->sideCount(), 1);
    EXPECT_EQ(sectionLayout(9)->sideCount(), 20);
}

// Every byte of every record belongs to exactly one field, and only markers have no field.
TEST(Layout, FieldsTileTheirRecords) {
    for (const SectionLayout& s : sectionsInFileOrder()) {
        std::vector<int> owners(s.recordSize, 0);
        std::set<int> offsets;
        for (const CellLayout& cell : s.cells) {
            if (cell.rule == TextRule::Marker) {
                EXPECT_EQ(cell.offset, -1);
                continue;
            }
            // Section 0 shows its hash twice: as the model name and as the side cell.
            if (!offsets.insert(cell.offset).second) continue;
            EXPECT_EQ(cell.width, cell.type == FieldType::Text ? cell.width : 4);
            for (int b = cell.offset; b < cell.offset + cell.width; ++b) {
                ASSERT_LT(b, s.recordSize) << s.number << " " << cell.caption;
                ++owners[b];
            }
        }
        for (int b = 0; b < s.recordSize; ++b)
            EXPECT_EQ(owners[b], 1) << "section " << s.number << " byte " << b;
    }
}

TEST(Layout, SaveKindsAgreeWithFieldTypes) {
    for (const SectionLayout& s : sectionsInFileOrder()) {
        for (const CellLayout& cell : s.cells) {
            switch (cell.save) {
                case SaveKind::Float:
                    EXPECT_EQ(cell.type, FieldType::F32) << cell.caption;
                    break;
                case SaveKind::I32:
                    EXPECT_EQ(cell.type, FieldType::I32) << cell.caption;
                    break;
                case SaveKind::U32:
                case SaveKind::Hash:
                    EXPECT_EQ(cell.type, FieldType::U32) << cell.caption;
                    break;
                case SaveKind::String:
                    EXPECT_EQ(cell.type, FieldType::Text) << cell.caption;
                    break;
                case SaveKind::None:
                    break;
            }
        }
        for (const NamedHash& pair : s.namedHashes) {
            const CellLayout& name = s.cells[pair.nameCell];
            EXPECT_TRUE(name.rule == TextRule::String || name.rule == TextRule::HashName);
            EXPECT_EQ(s.cells[pair.hashCell].save, SaveKind::Hash);
            EXPECT_TRUE(s.cells[pair.hashCell].side);
        }
    }
    EXPECT_EQ(sectionLayout(0)->modelName().nameCell, 7);
    EXPECT_EQ(sectionLayout(0)->modelName().hashCell, 12);
    EXPECT_EQ(sectionLayout(9)->modelName().nameCell, -1);
    // The section 9 hash k belongs to name k.
    const SectionLayout& lod = *sectionLayout(9);
    for (int k = 0; k < 10; ++k) {
        const CellLayout& hash = lod.cells[lod.visibleCount + k];
        EXPECT_EQ(hash.caption, "hash" + std::to_string(k + 1));
        const int name = lod.nameCellOf(lod.visibleCount + k);
        ASSERT_GE(name, 0);
        EXPECT_EQ(lod.cells[name].caption, "model" + std::to_string(k + 1));
        EXPECT_EQ(lod.cells[name].offset, 68 + 32 * k);
        EXPECT_EQ(lod.hashCellOf(name), lod.visibleCount + k);
    }
}

TEST(Layout, AppendedTableOffset) {
    std::array<std::int32_t, kSectionCount> counts{};
    EXPECT_EQ(appendedTableOffset(counts), 68);
    counts[0] = 2;
    counts[9] = 1;
    EXPECT_EQ(appendedTableOffset(counts), 552);
    counts = {};
    counts[2] = 1;
    counts[3] = 1;
    counts[4] = 1;
    counts[8] = 1;
    counts[10] = 1;
    counts[15] = 1;
    EXPECT_EQ(appendedTableOffset(counts), 68 + 48 + 56 + 44 + 64 + 24 + 132);
}

}  // namespace
}  // namespace varn
