#include "cellvalues.h"
#include "document.h"
#include "namehash.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(CellNumber, StoredFieldsEditedTextsAndTheModelHash) {
    Document document;
    SectionTable& instances = document.table(0);
    instances.appendDefaultRow();  // LOD -1, Unkn1 384, model "modelname"
    double value = 0;
    struct Case {
        int cell;
        const char* text;  // nullptr: the default row's own value
        bool ok;
        double expected;
    };
    const Case cases[] = {
        {9, nullptr, true, -1},        {8, nullptr, true, 384},         {0, nullptr, true, 0},
        {0, "-2.5", true, -2.5},       {8, "4294967295", true, 4294967295.0},
        {9, "x", false, 0},            {11, "1E0010", true, 1e10},
    };
    for (const Case& c : cases) {
        if (c.text) instances.setCellText(0, c.cell, QString::fromLatin1(c.text));
        EXPECT_EQ(cellNumber(instances, 0, c.cell, value), c.ok) << c.cell;
        if (c.ok) {
            EXPECT_EQ(value, c.expected) << c.cell;
        }
    }
    ASSERT_TRUE(cellNumber(instances, 0, 7, value));
    EXPECT_EQ(value, nameHash(u"modelname"));
    document.table(8).appendDefaultRow();
    EXPECT_FALSE(cellNumber(document.table(8), 0, 0, value));  // a string
    document.table(9).appendDefaultRow();
    EXPECT_FALSE(cellNumber(document.table(9), 0, 7, value));  // a marker
}

}  // namespace
}  // namespace varn
