// Writing one section as CSV.

#include "exactvalue.h"
#include "exchangefields.h"
#include "exchangeoutput.h"
#include "messages.h"
#include "sectioncsv.h"
#include "savefile.h"

namespace varn {
namespace {

void appendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

bool writeSectionCsv(const SectionTable& table, QIODevice& device, QString& error) {
    ExchangeOutput out(device);
    std::string& b = out.buffer();
    const auto fields = exchangeFields(table.layout());
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0) b += ',';
        appendCsvField(b, fields[f].name);
    }
    b += "\r\n";
    SavedRecords records(table);
    int first = 0;
    int count = 0;
    const char* data = nullptr;
    QString cause;
    QString where;
    std::string scratch;
    const auto size = static_cast<std::size_t>(table.layout().recordSize);
    while (records.next(first, count, data, cause, where) && out.error().isEmpty()) {
        for (int i = 0; i < count; ++i) {
            const char* record = data + size * static_cast<std::size_t>(i);
            for (std::size_t f = 0; f < fields.size(); ++f) {
                if (f > 0) b += ',';
                const ExchangeKind kind = fields[f].kind;
                // A number never holds a comma, a quote or a line break: it goes in as it is.
                if (kind != ExchangeKind::Text && kind != ExchangeKind::ModelName) {
                    appendExactField(fields[f], record, b);
                    continue;
                }
                scratch.clear();
                if (kind == ExchangeKind::ModelName)
                    appendModelName(table, first + i, scratch);
                else
                    appendExactField(fields[f], record, scratch);
                appendCsvField(b, scratch);
            }
            b += "\r\n";
            out.pieceDone();
        }
    }
    if (!cause.isEmpty()) {
        error = messages::cannotExport(out.name(), cause, where);
        return false;
    }
    if (!out.flush()) {
        error = out.error();
        return false;
    }
    return true;
}

bool saveSectionCsv(const QString& path, const SectionTable& table, QString& error) {
    return writeFileAtomically(
        path,
        [&](QIODevice& device, QString& message) {
            return writeSectionCsv(table, device, message);
        },
        error);
}

}  // namespace varn
