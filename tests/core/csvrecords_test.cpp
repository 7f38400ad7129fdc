// Splitting RFC 4180 text into records, whole and fed a piece at a time.

#include "csvrecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varn {
namespace {

using Records = std::vector<std::vector<std::string>>;

// Splits text fed in pieces of the given size (0: all at once).
Records split(const std::string& text, std::size_t piece, QString* error = nullptr,
              TextPlace* place = nullptr) {
    CsvRecords records;
    Records result;
    std::string buffer;
    std::size_t fed = 0;
    std::size_t pos = 0;
    const auto feed = [&] {
        const std::size_t n = piece == 0 ? text.size() : std::min(piece, text.size() - fed);
        buffer += text.substr(fed, n);
        fed += n;
    };
    feed();
    while (true) {
        switch (records.next(buffer, fed == text.size(), pos)) {
            case CsvRecords::Step::Record: {
                std::vector<std::string> fields;
                for (int i = 0; i < records.fieldCount(); ++i)
                    fields.emplace_back(records.field(i));
                result.push_back(fields);
                break;
            }
            case CsvRecords::Step::NeedMore:
                buffer.erase(0, pos);
                pos = 0;
                feed();
                break;
            case CsvRecords::Step::End:
                return result;
            case CsvRecords::Step::Error:
                if (error) *error = records.error();
                if (place) *place = records.errorPlace();
                return result;
        }
    }
}

struct SplitCase {
    const char* name;
    std::string text;
    Records expected;
};

TEST(CsvRecords, QuotingLineEndsAndTheByteOrderMark) {
    const SplitCase cases[] = {
        {"plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"no last line break", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"CRLF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        {"CR alone", "a,b\r1,2\r", {{"a", "b"}, {"1", "2"}}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "a,b\n",
         {{"a", "b"}}},
        {"empty fields", ",\n,x,\n", {{"", ""}, {"", "x", ""}}},
        {"quoted comma", "\"a,b\",c\n", {{"a,b", "c"}}},
        {"embedded quotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", {{"say \"hi\"", "\""}}},
        {"line breaks inside quotes",
         "\"two\r\nlines\",\"cr\ronly\"\n",
         {{"two\r\nlines", "cr\ronly"}}},
        {"empty lines skipped", "\n\na\r\n\r\nb\n\n", {{"a"}, {"b"}}},
        {"quoted empty", "\"\",x\n", {{"", "x"}}},
        {"UTF-8 kept", "caf\xC3\xA9,\xE2\x82\xAC\n", {{"caf\xC3\xA9", "\xE2\x82\xAC"}}},
        {"nothing", "", {}},
    };
    for (const SplitCase& c : cases)
        for (std::size_t piece : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
            QString error;
            EXPECT_EQ(split(c.text, piece, &error), c.expected)
                << c.name << " in pieces of " << piece;
            EXPECT_TRUE(error.isEmpty()) << c.name << ": " << error.toStdString();
        }
}

TEST(CsvRecords, BrokenQuotingNamesItsPlace) {
    const struct {
        std::string text;
        const char* cause;
        qint64 line;
        qint64 column;
    } cases[] = {
        {"a,b\n\"open,c\n", "never ends", 2, 1},
        {"a,\"b\"x\n", "must be followed by a comma", 1, 6},
        {"a,b\r\nc,d\"e\n", "does not start with one", 2, 4},
        {"x\n\"multi\nline\" y\n", "must be followed by a comma", 3, 6},
        {"\xC3\xA9\xC3\xA9,\"q\"z", "must be followed by a comma", 1, 7},
    };
    for (const auto& c : cases)
        for (std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
            QString error;
            TextPlace place;
            split(c.text, piece, &error, &place);
            EXPECT_TRUE(error.contains(QLatin1String(c.cause)))
                << c.text << ": " << error.toStdString();
            EXPECT_EQ(place.line, c.line) << c.text;
            EXPECT_EQ(place.column, c.column) << c.text;
        }
}

TEST(CsvRecords, FieldPlacesCountLinesInsideQuotes) {
    CsvRecords records;
    const std::string text = "a,b\n\"x\ny\",\xC3\xA9z\n";
    std::size_t pos = 0;
    ASSERT_EQ(records.next(text, true, pos), CsvRecords::Step::Record);
    ASSERT_EQ(records.next(text, true, pos), CsvRecords::Step::Record);
    EXPECT_EQ(records.fieldPlace(0).text(), QStringLiteral("line 2, column 1"));
    EXPECT_EQ(records.fieldPlace(1).text(), QStringLiteral("line 3, column 4"));
    EXPECT_EQ(records.endPlace().text(), QStringLiteral("line 3, column 6"));
}

}  // namespace
}  // namespace varn
