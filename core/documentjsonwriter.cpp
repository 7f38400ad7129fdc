// Writing a document as JSON: the header, the optional name table, then every section in
// number order, one row object a line.

#include "documentjson.h"
#include "codepage.h"
#include "exchangefields.h"
#include "exchangeoutput.h"
#include "messages.h"
#include "savefile.h"

#include <string>
#include <vector>

namespace varn {
namespace {

void appendNumber(std::string& out, std::int64_t value) {
    out += std::to_string(value);
}

void writeTable(ExchangeOutput& out, const QList<HashTableEntry>& entries) {
    std::string& b = out.buffer();
    b += "\"hashTable\": [";
    std::string name;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        b += i == 0 ? "\n{\"name\": " : ",\n{\"name\": ";
        name.clear();
        appendWindows1252AsUtf8(entries[i].name.constData(),
                                static_cast<int>(entries[i].name.size()), name);
        appendJsonString(b, name);
        b += ", \"hash\": ";
        appendNumber(b, entries[i].hash);
        b += '}';
        out.pieceDone();
    }
    b += "],\n";
}

// "{\"Pos X\": ", ", \"Pos Y\": ", ...: what goes before each value of a row.
std::vector<std::string> keyPrefixes(std::span<const ExchangeField> fields) {
    std::vector<std::string> prefixes;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string prefix = i == 0 ? "{" : ", ";
        appendJsonString(prefix, fields[i].name);
        prefix += ": ";
        prefixes.push_back(std::move(prefix));
    }
    return prefixes;
}

bool writeSection(ExchangeOutput& out, const SectionTable& table, bool first, QString& error) {
    const auto fields = exchangeFields(table.layout());
    const std::vector<std::string> prefixes = keyPrefixes(fields);
    std::string& b = out.buffer();
    b += first ? "\n\"" : ",\n\"";
    appendNumber(b, table.number());
    b += "\": [";
    SavedRecords records(table);
    int firstRow = 0;
    int count = 0;
    const char* data = nullptr;
    QString cause;
    QString where;
    std::string scratch;
    const int size = table.layout().recordSize;
    while (records.next(firstRow, count, data, cause, where)) {
        for (int i = 0; i < count; ++i) {
            const int row = firstRow + i;
            b += row == 0 ? "\n" : ",\n";
            for (std::size_t f = 0; f < fields.size(); ++f) {
                b += prefixes[f];
                appendJsonValue(table, fields[f], data + static_cast<std::size_t>(i) * size, row,
                                scratch, b);
            }
            b += '}';
            out.pieceDone();
        }
        if (!out.error().isEmpty()) break;
    }
    if (!cause.isEmpty()) {
        error = messages::cannotExport(out.name(), cause, where);
        return false;
    }
    b += ']';
    return true;
}

}  // namespace

bool writeDocumentJson(const Document& document, const AppendedTable& table, QIODevice& device,
                       QString& error) {
    ExchangeOutput out(device);
    std::string& b = out.buffer();
    b += "{\"version\": ";
    appendNumber(b, document.version);
    b += ",\n\"counts\": [";
    for (int k = 0; k < kSectionCount; ++k) {
        if (k > 0) b += ", ";
        const SectionLayout* layout = sectionLayout(k);
        appendNumber(b, layout ? document.table(k).rowCount() : 0);
    }
    b += "],\n";
    if (table) writeTable(out, *table);
    b += "\"sections\": {";
    bool first = true;
    for (int number : sectionsInTabOrder()) {  // ascending section numbers
        if (!writeSection(out, document.table(number), first, error)) return false;
        first = false;
    }
    b += "\n}}\n";
    if (!out.flush()) {
        error = out.error();
        return false;
    }
    return true;
}

bool saveDocumentJson(const QString& path, const Document& document, const AppendedTable& table,
                      QString& error) {
    return writeFileAtomically(
        path,
        [&](QIODevice& device, QString& message) {
            return writeDocumentJson(document, table, device, message);
        },
        error);
}

}  // namespace varn
