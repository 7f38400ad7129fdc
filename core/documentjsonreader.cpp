// Reading a document from JSON with simdjson's on-demand parser: one forward pass over the
// text (two when the file's own name table names the models), rows straight into records.

#include "documentjson.h"
#include "exactvalue.h"
#include "exchangefields.h"
#include "exchangenames.h"
#include "exchangeplace.h"
#include "messages.h"

#include <QFile>

#define SIMDJSON_EXCEPTIONS 0
#include <simdjson.h>

#include <array>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

namespace varn {
namespace {

namespace od = simdjson::ondemand;

struct SectionRows {
    // Rows go straight into the document's table when the counts came first and are plausible
    // for the text's length (as this program writes them), else into records to be copied.
    char* direct = nullptr;
    std::vector<char> records;
    int count = 0;
    std::vector<std::pair<int, QString>> nameEdits;  // section 0 rows with a name of their own
    bool present = false;
};

struct ReadResult {
    explicit ReadResult(Document* target) : document(target) {}
    Document* document;  // null while only the table is read
    std::uint32_t version = 0;
    std::array<std::int32_t, kSectionCount> counts{};
    std::array<const char*, kSectionCount> countPlaces{};  // for messages
    const char* countsPlace = nullptr;
    const char* sectionsPlace = nullptr;
    bool countsRead = false;
    AppendedTable table;
    std::array<SectionRows, kKnownSectionCount> sections;  // in file order
};

std::string_view trimmedToken(std::string_view raw) {
    while (!raw.empty() &&
           (raw.back() == ' ' || raw.back() == '\t' || raw.back() == '\n' || raw.back() == '\r'))
        raw.remove_suffix(1);
    return raw;
}

// The text from its byte order mark on, which JSON does not know but many editors write.
simdjson::padded_string_view withoutByteOrderMark(simdjson::padded_string_view json) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (!std::string_view(json).starts_with(kMark)) return json;
    return simdjson::padded_string_view(json.data() + kMark.size(), json.size() - kMark.size(),
                                        json.capacity() - kMark.size());
}

QString jsonKey(std::string_view key) {
    return QStringLiteral("\"%1\"").arg(
        QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

class JsonDocumentReader {
public:
    JsonDocumentReader(simdjson::padded_string_view json, const QString& source)
        : json_(withoutByteOrderMark(json)), source_(source) {}

    // Only the table, for naming models before the rows are read.
    bool readTableOnly(AppendedTable& table, QString& error);
    bool read(const NameLookup& names, ReadResult& result, QString& error);

private:
    bool start(QString& error);
    bool readRoot(ReadResult& result, bool tableOnly);
    bool readCounts(od::value value, ReadResult& result);
    bool readTable(od::value value, AppendedTable& table);
    bool readSections(od::value value, ReadResult& result);
    bool readRows(od::value value, const SectionLayout& layout, ReadResult& result,
                  SectionRows& rows);
    bool readRow(od::value value, const SectionLayout& layout, char* record,
                 std::string_view& modelName);
    bool readField(od::value value, const ExchangeField& field, char* record,
                   std::string_view& modelName);
    bool readUnsigned(od::value value, std::uint32_t& number);
    bool readString(od::value value, std::string_view& text);
    bool expectType(od::value value, od::json_type wanted, const char* what);
    // False, with the place of the comma, when the element is the closing bracket after one.
    bool notAfterTrailingComma(od::value element);
    bool trailingComma(const char* comma, char close);
    // Why the root is no complete object: the text ends inside it, or more follows it.
    bool rootFailure(simdjson::error_code code);
    bool strayText(const char* at);

    [[nodiscard]] const char* textEnd() const { return json_.data() + json_.size(); }
    bool jsonFailure(simdjson::error_code code);
    bool failAt(const char* at, const QString& cause);
    QString message() const;
    std::string path() const;

    simdjson::padded_string_view json_;
    const QString& source_;
    const NameLookup* names_ = nullptr;
    od::parser parser_;
    od::document doc_;
    // Where the reader is, for messages: the key of the top level, the section, row and field.
    std::string top_;
    std::string section_;
    std::string key_;
    qint64 row_ = -1;
    const char* failedAt_ = nullptr;
    QString cause_;
};

std::string JsonDocumentReader::path() const {
    if (top_.empty()) return ".";
    // Appended piece by piece: GCC 12 warns wrongly about operator+ on strings here.
    std::string path(".");
    path.append(top_);
    if (!section_.empty()) path.append(".\"").append(section_).append("\"");
    if (row_ >= 0) path.append("[").append(std::to_string(row_)).append("]");
    if (!key_.empty()) path.append(".\"").append(key_).append("\"");
    return path;
}

QString JsonDocumentReader::message() const {
    QString where = QStringLiteral("at %1").arg(QString::fromStdString(path()));
    if (failedAt_)
        where = placeOf(json_.data(), failedAt_).text() + QStringLiteral(" (") + where + u')';
    return messages::cannotRead(source_, where, cause_);
}

bool JsonDocumentReader::failAt(const char* at, const QString& cause) {
    failedAt_ = at;
    cause_ = cause;
    return false;
}

bool JsonDocumentReader::jsonFailure(simdjson::error_code code) {
    const char* at = nullptr;
    // Past the last token the parser has no place: the text ended there.
    if (doc_.current_location().get(at) != simdjson::SUCCESS) at = textEnd();
    if (const char* comma = commaBeforeClose(json_.data(), at)) return trailingComma(comma, *at);
    return failAt(at, QString::fromUtf8(simdjson::error_message(code)));
}

bool JsonDocumentReader::start(QString& error) {
    const auto code = parser_.iterate(json_).get(doc_);
    if (code == simdjson::SUCCESS) return true;
    const char* at = firstMalformedByte(std::string_view(json_.data(), json_.size()));
    failAt(at ? at : json_.data(), QString::fromUtf8(simdjson::error_message(code)));
    error = message();
    return false;
}

bool JsonDocumentReader::notAfterTrailingComma(od::value element) {
    const char* at = element.raw_json_token().data();
    const char* comma = commaBeforeClose(json_.data(), at);
    if (!comma) return true;
    row_ = -1;  // the message names the array
    key_.clear();
    return trailingComma(comma, *at);
}

bool JsonDocumentReader::trailingComma(const char* comma, char close) {
    return failAt(comma, QStringLiteral("the comma before the closing %1 has nothing after it")
                             .arg(QLatin1Char(close)));
}

bool JsonDocumentReader::strayText(const char* at) {
    // The stray text up to the end of its line, shortly.
    const char* end = at;
    while (end < textEnd() && end - at < 20 && *end != '\n' && *end != '\r')
        ++end;
    const QString shown = QString::fromUtf8(at, static_cast<qsizetype>(end - at));
    return failAt(at, QStringLiteral("unexpected \"%1\" after the end of the document").arg(shown));
}

bool JsonDocumentReader::rootFailure(simdjson::error_code code) {
    const char* begin = skipJsonBlanks(json_.data(), textEnd());
    if (code == simdjson::INCORRECT_TYPE || (begin < textEnd() && *begin != '{'))
        return failAt(begin, QStringLiteral("the document must be one object of \"version\", "
                                            "\"counts\" and \"sections\""));
    if (begin < textEnd()) {
        const char* end = endOfFirstValue(std::string_view(json_.data(), json_.size()), begin);
        if (!end)
            return failAt(textEnd(), QStringLiteral("the document ended early: the { at %1 is "
                                                    "never closed")
                                         .arg(placeOf(json_.data(), begin).text()));
        if (const char* rest = skipJsonBlanks(end, textEnd()); rest < textEnd())
            return strayText(rest);
    }
    return jsonFailure(code);
}

bool JsonDocumentReader::expectType(od::value value, od::json_type wanted, const char* what) {
    od::json_type type;
    if (auto code = value.type().get(type)) return jsonFailure(code);
    if (type == wanted) return true;
    return failAt(value.raw_json_token().data(),
                  QStringLiteral("expected %1").arg(QString::fromLatin1(what)));
}

bool JsonDocumentReader::readString(od::value value, std::string_view& text) {
    if (!expectType(value, od::json_type::string, "a string")) return false;
    if (auto code = value.get_string().get(text)) return jsonFailure(code);
    return true;
}

bool JsonDocumentReader::readUnsigned(od::value value, std::uint32_t& number) {
    if (!expectType(value, od::json_type::number, "a number")) return false;
    const std::string_view token = trimmedToken(value.raw_json_token());
    static const ExchangeField kUnsigned = plainField(ExchangeKind::UInt);
    char field[4];
    QString cause;
    if (!storeExactField(kUnsigned, token, field, cause)) return failAt(token.data(), cause);
    std::memcpy(&number, field, 4);
    return true;
}

bool JsonDocumentReader::readTableOnly(AppendedTable& table, QString& error) {
    ReadResult result(nullptr);
    if (!start(error)) return false;
    if (!readRoot(result, true)) {
        error = message();
        return false;
    }
    table = std::move(result.table);
    return true;
}

bool JsonDocumentReader::read(const NameLookup& names, ReadResult& result, QString& error) {
    names_ = &names;
    if (!start(error)) return false;
    if (!readRoot(result, false)) {
        error = message();
        return false;
    }
    return true;
}

bool JsonDocumentReader::readRoot(ReadResult& result, bool tableOnly) {
    od::object root;
    if (auto code = doc_.get_object().get(root)) return rootFailure(code);
    const char* rootPlace = skipJsonBlanks(json_.data(), textEnd());
    bool version = false;
    bool counts = false;
    bool sections = false;
    for (auto entry : root) {
        od::field field;
        if (auto code = std::move(entry).get(field)) return jsonFailure(code);
        std::string_view key;
        if (auto code = field.unescaped_key().get(key)) return jsonFailure(code);
        top_ = std::string(key);
        od::value value = field.value();
        if (key == "hashTable") {
            if (result.table)
                return failAt(value.raw_json_token().data(),
                              QStringLiteral("the key appears twice"));
            if (!readTable(value, result.table)) return false;
        } else if (tableOnly) {
            continue;  // skipped unread
        } else if (key == "version") {
            if (version)
                return failAt(value.raw_json_token().data(),
                              QStringLiteral("the key appears twice"));
            version = true;
            if (!readUnsigned(value, result.version)) return false;
        } else if (key == "counts") {
            if (counts)
                return failAt(value.raw_json_token().data(),
                              QStringLiteral("the key appears twice"));
            counts = true;
            if (!readCounts(value, result)) return false;
        } else if (key == "sections") {
            if (sections)
                return failAt(value.raw_json_token().data(),
                              QStringLiteral("the key appears twice"));
            sections = true;
            if (!readSections(value, result)) return false;
        } else {
            return failAt(value.raw_json_token().data(),
                          QStringLiteral("unknown key %1").arg(jsonKey(key)));
        }
    }
    top_.clear();
    const char* rest = nullptr;
    if (doc_.current_location().get(rest) == simdjson::SUCCESS) return strayText(rest);
    if (tableOnly) return true;
    const char* missing = !version    ? "version"
                          : !counts   ? "counts"
                          : !sections ? "sections"
                                      : nullptr;
    if (missing)
        return failAt(
            rootPlace,
            QStringLiteral("the key \"%1\" is missing").arg(QString::fromLatin1(missing)));
    top_ = "counts";
    for (int k = 0; k < kSectionCount; ++k) {
        const int index = fileOrderIndex(k);
        const std::int64_t rows = index < 0 ? 0 : result.sections[index].count;
        if (result.counts[k] != rows)
            return failAt(result.countPlaces[k],
                          QStringLiteral("the count of section %1 is %2, but the section has %3 "
                                         "rows")
                              .arg(k)
                              .arg(result.counts[k])
                              .arg(rows));
    }
    top_.clear();
    return true;
}

bool JsonDocumentReader::readCounts(od::value value, ReadResult& result) {
    od::array array;
    if (!expectType(value, od::json_type::array, "an array of 16 counts")) return false;
    result.countsPlace = value.raw_json_token().data();
    if (auto code = value.get_array().get(array)) return jsonFailure(code);
    int k = 0;
    for (auto element : array) {
        od::value item;
        if (auto code = std::move(element).get(item)) return jsonFailure(code);
        if (!notAfterTrailingComma(item)) return false;
        if (k == kSectionCount)
            return failAt(item.raw_json_token().data(), QStringLiteral("more than 16 counts"));
        row_ = k;
        if (!expectType(item, od::json_type::number, "a number")) return false;
        const std::string_view token = trimmedToken(item.raw_json_token());
        static const ExchangeField kCount = plainField(ExchangeKind::Int);
        char field[4];
        QString cause;
        if (!storeExactField(kCount, token, field, cause)) return failAt(token.data(), cause);
        std::memcpy(&result.counts[k], field, 4);
        result.countPlaces[k] = token.data();
        if (result.counts[k] < 0)
            return failAt(token.data(), QStringLiteral("a count cannot be negative"));
        ++k;
    }
    row_ = -1;
    result.countsRead = k == kSectionCount;
    if (k != kSectionCount)
        return failAt(result.countsPlace, QStringLiteral("%1 counts instead of 16").arg(k));
    return true;
}

bool JsonDocumentReader::readTable(od::value value, AppendedTable& table) {
    od::array array;
    if (!expectType(value, od::json_type::array, "an array of name entries")) return false;
    if (auto code = value.get_array().get(array)) return jsonFailure(code);
    table.emplace();
    static const ExchangeField kName = plainField(ExchangeKind::Text, kEntryNameSize);
    row_ = 0;
    for (auto element : array) {
        od::value item;
        od::object entry;
        if (auto code = std::move(element).get(item)) return jsonFailure(code);
        if (!notAfterTrailingComma(item)) return false;
        if (!expectType(item, od::json_type::object, "an object of \"name\" and \"hash\""))
            return false;
        if (auto code = item.get_object().get(entry)) return jsonFailure(code);
        char name[kEntryNameSize + 1] = {};
        std::uint32_t hash = 0;
        int seen = 0;
        for (auto member : entry) {
            od::field field;
            std::string_view key;
            if (auto code = std::move(member).get(field)) return jsonFailure(code);
            if (auto code = field.unescaped_key().get(key)) return jsonFailure(code);
            key_ = std::string(key);
            od::value v = field.value();
            const int bit = key == "name" ? 1 : key == "hash" ? 2 : 0;
            if (bit == 0 || (seen & bit))
                return failAt(v.raw_json_token().data(),
                              bit ? QStringLiteral("the key appears twice")
                                  : QStringLiteral("unknown key %1").arg(jsonKey(key)));
            seen |= bit;
            if (bit == 2) {
                if (!readUnsigned(v, hash)) return false;
                continue;
            }
            std::string_view text;
            if (!readString(v, text)) return false;
            QString cause;
            if (!storeExactField(kName, text, name, cause))
                return failAt(v.raw_json_token().data(), cause);
        }
        key_.clear();
        if (seen != 3)
            return failAt(item.raw_json_token().data(),
                          QStringLiteral("the key \"%1\" is missing")
                              .arg(seen & 1 ? QLatin1String("hash") : QLatin1String("name")));
        table->push_back({QByteArray(name, static_cast<qsizetype>(std::strlen(name))), hash});
        ++row_;
    }
    row_ = -1;
    return true;
}

bool JsonDocumentReader::readSections(od::value value, ReadResult& result) {
    od::object object;
    if (!expectType(value, od::json_type::object, "an object of sections by number")) return false;
    result.sectionsPlace = value.raw_json_token().data();
    if (auto code = value.get_object().get(object)) return jsonFailure(code);
    for (auto entry : object) {
        od::field field;
        std::string_view key;
        if (auto code = std::move(entry).get(field)) return jsonFailure(code);
        if (auto code = field.unescaped_key().get(key)) return jsonFailure(code);
        section_ = std::string(key);
        od::value rows = field.value();
        const SectionLayout* layout = nullptr;
        for (const SectionLayout& candidate : sectionsInFileOrder())
            if (key == std::to_string(candidate.number)) layout = &candidate;
        if (!layout)
            return failAt(
                rows.raw_json_token().data(),
                QStringLiteral("%1 is no section of a known layout (0, 2, 3, 4, 8, 9, 10, 15)")
                    .arg(jsonKey(key)));
        SectionRows& target = result.sections[fileOrderIndex(layout->number)];
        if (target.present)
            return failAt(rows.raw_json_token().data(),
                          QStringLiteral("the section appears twice"));
        target.present = true;
        if (!readRows(rows, *layout, result, target)) return false;
    }
    section_.clear();
    for (const SectionLayout& layout : sectionsInFileOrder())
        if (!result.sections[fileOrderIndex(layout.number)].present)
            return failAt(result.sectionsPlace,
                          QStringLiteral("section %1 is missing").arg(layout.number));
    return true;
}

bool JsonDocumentReader::readRows(od::value value, const SectionLayout& layout, ReadResult& result,
                                  SectionRows& rows) {
    od::array array;
    if (!expectType(value, od::json_type::array, "an array of rows")) return false;
    if (auto code = value.get_array().get(array)) return jsonFailure(code);
    const auto size = static_cast<std::size_t>(layout.recordSize);
    const auto fields = exchangeFields(layout);
    // A row object takes at least four characters a field.
    const std::size_t plausible = json_.size() / (fields.size() * 4);
    const std::int32_t counted = result.counts[layout.number];
    if (result.countsRead && static_cast<std::size_t>(counted) <= plausible)
        rows.direct = result.document->table(layout.number).resetRecords(counted);
    const int modelHash = modelHashField(layout);
    for (auto element : array) {
        od::value item;
        if (auto code = std::move(element).get(item)) return jsonFailure(code);
        if (!notAfterTrailingComma(item)) return false;
        row_ = rows.count;
        if (rows.count == std::numeric_limits<std::int32_t>::max())
            return failAt(item.raw_json_token().data(), QStringLiteral("too many rows"));
        char* record = nullptr;
        if (rows.direct) {
            if (rows.count == counted)
                return failAt(item.raw_json_token().data(),
                              QStringLiteral("the count of section %1 is %2, but the section has "
                                             "more rows")
                                  .arg(layout.number)
                                  .arg(counted));
            record = rows.direct + size * static_cast<std::size_t>(rows.count);
        } else {
            rows.records.resize(rows.records.size() + size, '\0');
            record = rows.records.data() + rows.records.size() - size;
        }
        std::string_view modelName;
        const char* start = item.raw_json_token().data();
        if (!readRow(item, layout, record, modelName)) return false;
        if (modelHash >= 0) {
            std::uint32_t hash = 0;
            std::memcpy(&hash, record + fields[modelHash].offset, 4);
            std::optional<QString> edit;
            QString cause;
            if (!modelNameEdit(modelName, hash, *names_, edit, cause)) {
                key_ = fields[modelNameField(layout)].name;
                return failAt(start, cause);
            }
            if (edit) rows.nameEdits.emplace_back(rows.count, std::move(*edit));
        }
        ++rows.count;
    }
    row_ = -1;
    return true;
}

bool JsonDocumentReader::readRow(od::value value, const SectionLayout& layout, char* record,
                                 std::string_view& modelName) {
    od::object object;
    if (!expectType(value, od::json_type::object, "a row object")) return false;
    if (auto code = value.get_object().get(object)) return jsonFailure(code);
    const auto fields = exchangeFields(layout);
    std::uint64_t seen = 0;
    std::size_t expected = 0;
    for (auto entry : object) {
        od::field field;
        if (auto code = std::move(entry).get(field)) return jsonFailure(code);
        // Rows written by this program list their fields in layout order, and the names need
        // no unescaping: the raw key is compared first.
        std::size_t index = fields.size();
        if (expected < fields.size() && field.key().unsafe_is_equal(fields[expected].name)) {
            index = expected;
        } else {
            std::string_view key;
            if (auto code = field.unescaped_key().get(key)) return jsonFailure(code);
            key_ = std::string(key);
            index = static_cast<std::size_t>(exchangeFieldIndex(layout, key));
            if (index >= fields.size())
                return failAt(field.value().raw_json_token().data(),
                              QStringLiteral("section %1 has no field %2")
                                  .arg(layout.number)
                                  .arg(jsonKey(key)));
        }
        od::value v = field.value();
        const bool twice = (seen & (std::uint64_t{1} << index)) != 0;
        seen |= std::uint64_t{1} << index;
        expected = index + 1;
        if (twice || !readField(v, fields[index], record, modelName)) {
            key_ = fields[index].name;  // named only for the message
            return twice &&
                   failAt(v.raw_json_token().data(), QStringLiteral("the field appears twice"));
        }
    }
    key_.clear();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (!(seen & (std::uint64_t{1} << i)))
            return failAt(value.raw_json_token().data(),
                          QStringLiteral("the field \"%1\" is missing")
                              .arg(QString::fromStdString(fields[i].name)));
    return true;
}

bool JsonDocumentReader::readField(od::value value, const ExchangeField& field, char* record,
                                   std::string_view& modelName) {
    od::json_type type;
    if (auto code = value.type().get(type)) return jsonFailure(code);
    const char* at = value.raw_json_token().data();
    std::string_view text;
    const bool wantsString =
        field.kind == ExchangeKind::Text || field.kind == ExchangeKind::ModelName;
    if (type == od::json_type::string) {
        if (auto code = value.get_string().get(text)) return jsonFailure(code);
        if (!wantsString && !(field.kind == ExchangeKind::Float && isSpecialFloatText(text)))
            return failAt(at, field.kind == ExchangeKind::Float
                                  ? QStringLiteral("expected a number, or \"inf\", \"-inf\", "
                                                   "\"nan\" or \"nan:0x\" and 8 hex digits")
                                  : QStringLiteral("expected an integer"));
    } else if (type == od::json_type::number && !wantsString) {
        text = trimmedToken(value.raw_json_token());
    } else {
        return failAt(at, wantsString ? QStringLiteral("expected a string")
                                      : QStringLiteral("expected a number"));
    }
    if (field.kind == ExchangeKind::ModelName) {
        modelName = text;
        return true;
    }
    QString cause;
    return storeExactField(field, text, record, cause) || failAt(at, cause);
}

}  // namespace

namespace {

bool readPadded(simdjson::padded_string_view json, const QString& sourceName,
                const JsonReadOptions& options, ReadResult& result, HashDictionary& names,
                QString& error) {
    if (options.readHashTable) {
        AppendedTable own;
        JsonDocumentReader first(json, sourceName);
        if (!first.readTableOnly(own, error)) return false;
        if (own) names.fileEntries = *own;
    }
    *result.document = Document(result.document->separator(), names.snapshot());
    JsonDocumentReader reader(json, sourceName);
    return reader.read(*names.snapshot(), result, error);
}

// Sections whose rows could not go straight into their tables are copied there now, when the
// text and the parser are gone; then the rows' own model names are set.
void finish(ReadResult& result) {
    Document& read = *result.document;
    read.version = result.version;
    read.headerCounts = result.counts;
    read.appendedTable = result.table;
    for (SectionTable& t : read.tables()) {
        SectionRows& rows = result.sections[fileOrderIndex(t.number())];
        if (!rows.direct) {
            char* records = t.resetRecords(rows.count);
            if (rows.count > 0) std::memcpy(records, rows.records.data(), rows.records.size());
            rows.records = {};
        }
        for (const auto& [row, name] : rows.nameEdits)
            t.setCellText(row, t.layout().modelName().nameCell, name);
    }
}

// Reads the JSON in text, which has simdjson's padding readable after its end.
bool readPaddedText(simdjson::padded_string_view text, const QString& sourceName,
                    const JsonReadOptions& options, HashDictionary& dictionary, Document& document,
                    AppendedTable& table, QString& error) {
    try {
        Document read(document.separator());
        ReadResult result(&read);
        HashDictionary names = dictionary;
        if (!readPadded(text, sourceName, options, result, names, error)) return false;
        finish(result);
        document = std::move(read);
        if (options.readHashTable && result.table) dictionary.fileEntries = *result.table;
        table = std::move(result.table);
        return true;
    } catch (const std::bad_alloc&) {
        error = messages::cannotRead(sourceName, QStringLiteral("the whole file"),
                                     QStringLiteral("out of memory"));
        return false;
    }
}

}  // namespace

bool readDocumentJson(QByteArrayView bytes, const QString& sourceName,
                      const JsonReadOptions& options, HashDictionary& dictionary,
                      Document& document, AppendedTable& table, QString& error) {
    const simdjson::padded_string padded(bytes.data(), static_cast<std::size_t>(bytes.size()));
    if (!padded.data() && !bytes.isEmpty()) {
        error = messages::cannotRead(sourceName, QStringLiteral("the whole file"),
                                     QStringLiteral("out of memory"));
        return false;
    }
    return readPaddedText(padded, sourceName, options, dictionary, document, table, error);
}

bool readDocumentJsonFile(const QString& path, const JsonReadOptions& options,
                          HashDictionary& dictionary, Document& document, AppendedTable& table,
                          QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    // Mapped when the last page leaves room for the parser's padding (the bytes after the end
    // of a file in its last page read as zero): no copy of a large text.
    const qint64 size = file.size();
    constexpr qint64 kSmallestPage = 4096;
    const qint64 slack = size % kSmallestPage == 0 ? 0 : kSmallestPage - size % kSmallestPage;
    if (size > 0 && slack >= static_cast<qint64>(simdjson::SIMDJSON_PADDING)) {
        if (const uchar* mapped = file.map(0, size)) {
            const simdjson::padded_string_view text(reinterpret_cast<const char*>(mapped),
                                                    static_cast<std::size_t>(size),
                                                    static_cast<std::size_t>(size + slack));
            return readPaddedText(text, path, options, dictionary, document, table, error);
        }
    }
    simdjson::padded_string padded(static_cast<std::size_t>(size));
    if (!padded.data()) {
        error = messages::cannotRead(path, QStringLiteral("the whole file"),
                                     QStringLiteral("out of memory"));
        return false;
    }
    if (file.read(padded.data(), size) != size) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    return readPaddedText(padded, path, options, dictionary, document, table, error);
}

}  // namespace varn
