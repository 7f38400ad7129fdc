// The document JSON reader on any text. A text it refuses leaves the document, table and
// dictionary as they were and says where, by line and column, in one printable line; a text it
// takes must write out again as JSON that
// reads back to the same records, version and table, and writes out the same once more.

#include "documentjson.h"
#include "fuzzscratch.h"
#include "namehash.h"

#include <QBuffer>

#include <cstring>

namespace varn::fuzz {
namespace {

QByteArray written(const Document& document, const AppendedTable& table) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    VARN_FUZZ_CHECK(writeDocumentJson(document, table, buffer, error), error);
    return buffer.data();
}

bool sameRecords(const Document& a, const Document& b) {
    if (a.version != b.version) return false;
    for (const SectionTable& table : a.tables()) {
        const SectionTable& other = b.table(table.number());
        if (table.rowCount() != other.rowCount()) return false;
        const auto bytes = static_cast<std::size_t>(table.rowCount()) * table.layout().recordSize;
        if (bytes > 0 && std::memcmp(table.record(0), other.record(0), bytes) != 0) return false;
    }
    return true;
}

}  // namespace
}  // namespace varn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varn;
    using namespace varn::fuzz;
    const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const JsonReadOptions options{.readHashTable = size % 2 == 1};
    HashDictionary dictionary;
    dictionary.baseEntries = {{"tree_oak_01", nameHash(u"tree_oak_01")}, {"", 0}};
    Document document;
    document.version = 77;
    AppendedTable table;
    QString error;
    if (!readDocumentJson(text, QStringLiteral("fuzz.json"), options, dictionary, document, table,
                          error)) {
        VARN_FUZZ_CHECK(error.startsWith(QStringLiteral("Cannot read file \"fuzz.json\": line ")) &&
                            error.contains(QStringLiteral(", column ")) && isOneLine(error),
                        error);
        VARN_FUZZ_CHECK(document.version == 77 && !table && dictionary.fileEntries.isEmpty(),
                        error);
        return 0;
    }
    VARN_FUZZ_CHECK(!options.readHashTable || !table || dictionary.fileEntries == *table,
                    QStringLiteral("the table's names"));
    const QByteArray first = written(document, table);
    Document again;
    AppendedTable againTable;
    VARN_FUZZ_CHECK(readDocumentJson(first, QStringLiteral("again.json"), options, dictionary,
                                     again, againTable, error),
                    error);
    VARN_FUZZ_CHECK(sameRecords(document, again), QStringLiteral("records differ"));
    VARN_FUZZ_CHECK(table == againTable, QStringLiteral("tables differ"));
    VARN_FUZZ_CHECK(written(again, againTable) == first, QString::fromUtf8(first.left(200)));
    return 0;
}
