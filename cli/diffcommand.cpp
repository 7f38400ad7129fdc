// diff: the rows added, removed and changed between two placement files, values exact; exit 0
// when they are equal, 1 when they differ, 2 on an error.

#include "commandline.h"
#include "codepage.h"
#include "commands.h"
#include "documentdiff.h"
#include "exchangefields.h"
#include "exchangeoutput.h"
#include "jsonwriter.h"
#include "placementfile.h"

namespace varn::cli {
namespace {

constexpr int kDiffer = 1;
constexpr int kTrouble = 2;

struct Side {
    Document document;
    AppendedTable table;
};

// Prints a diff either as lines for people or as one JSON object.
class DiffPrinter {
public:
    DiffPrinter(JsonWriter& out, bool json, const Side& a, const Side& b)
        : out_(out), json_(json), a_(a), b_(b) {}

    void print(const DocumentDiff& diff);

private:
    void section(const SectionDiff& diff);
    void table(const TableDiff& diff);
    void row(const SectionTable& table, int row, const char* label);
    void changedCells(const SectionTable& a, int rowA, const SectionTable& b, int rowB);
    void entries(const QList<HashTableEntry>& list, const char* label);
    // Writes the pieces one after another (GCC 12 warns wrongly about chains of string +).
    template <typename... Parts>
    void put(const Parts&... parts) {
        (out_.raw(std::string_view(parts)), ...);
    }
    static std::string number(std::int64_t value) { return std::to_string(value); }
    std::string value(const SectionTable& table, const ExchangeField& field, int row) {
        std::string text;
        appendJsonValue(table, field, table.record(row), row, scratch_, text);
        return text;
    }

    JsonWriter& out_;
    bool json_;
    const Side& a_;
    const Side& b_;
    std::string scratch_;
};

void DiffPrinter::print(const DocumentDiff& diff) {
    if (json_) {
        put("{\"equal\": ", diff.equal() ? "true" : "false");
        if (diff.versionA != diff.versionB)
            put(",\n\"version\": [", number(diff.versionA), ", ", number(diff.versionB), "]");
        put(",\n\"sections\": {");
    } else if (diff.versionA != diff.versionB) {
        put("version: ", number(diff.versionA), " \u2192 ", number(diff.versionB), "\n");
    }
    for (std::size_t i = 0; i < diff.sections.size(); ++i) {
        if (json_ && i > 0) out_.raw(",");
        section(diff.sections[i]);
    }
    if (json_) out_.raw("}");
    if (!diff.table.equal()) table(diff.table);
    if (json_) out_.raw("}\n");
}

void DiffPrinter::section(const SectionDiff& diff) {
    const SectionTable& a = a_.document.table(diff.section);
    const SectionTable& b = b_.document.table(diff.section);
    int counts[3] = {};
    for (const RowChange& change : diff.rows.changes)
        ++counts[static_cast<int>(change.kind)];
    if (json_) {
        put("\n\"", number(diff.section),
            "\": {\"byPosition\": ", diff.rows.byPosition ? "true" : "false", ", \"changes\": [");
    } else {
        put("section ", number(diff.section), ": ", number(counts[0]), " changed, ",
            number(counts[2]), " added, ", number(counts[1]), " removed",
            diff.rows.byPosition ? " (too far apart to align: compared by position)" : "", "\n");
    }
    bool first = true;
    for (const RowChange& change : diff.rows.changes) {
        if (json_) out_.raw(first ? "\n" : ",\n");
        first = false;
        switch (change.kind) {
            case RowChange::Kind::Changed:
                changedCells(a, change.a, b, change.b);
                break;
            case RowChange::Kind::Removed:
                row(a, change.a, "removed");
                break;
            case RowChange::Kind::Added:
                row(b, change.b, "added");
                break;
        }
    }
    if (json_) out_.raw("]}");
}

void DiffPrinter::row(const SectionTable& table, int row, const char* label) {
    const auto fields = exchangeFields(table.layout());
    if (json_)
        put("{\"", label, "\": ", number(row), ", \"values\": {");
    else
        put(label[0] == 'a' ? "  + row " : "  - row ", number(row), ": ");
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0) out_.raw(", ");
        if (json_) {
            out_.string(fields[f].name);
            out_.raw(": ");
        } else {
            put(fields[f].name, " ");
        }
        out_.raw(value(table, fields[f], row));
    }
    out_.raw(json_ ? "}}" : "\n");
}

void DiffPrinter::changedCells(const SectionTable& a, int rowA, const SectionTable& b, int rowB) {
    const auto fields = exchangeFields(a.layout());
    if (json_)
        put("{\"changed\": ", number(rowA), ", \"to\": ", number(rowB), ", \"cells\": {");
    else if (rowA == rowB)
        put("  ~ row ", number(rowA), ": ");
    else
        put("  ~ row ", number(rowA), " \u2192 ", number(rowB), ": ");
    bool first = true;
    for (const ExchangeField& field : fields) {
        const std::string before = value(a, field, rowA);
        const std::string after = value(b, field, rowB);
        if (before == after) continue;
        out_.raw(first ? "" : json_ ? ", " : "; ");
        first = false;
        if (json_) {
            out_.string(field.name);
            put(": [", before, ", ", after, "]");
        } else {
            put(field.name, " ", before, " \u2192 ", after);
        }
    }
    if (first && !json_) out_.raw("only bytes after the end of a text differ");
    out_.raw(json_ ? "}}" : "\n");
}

void DiffPrinter::entries(const QList<HashTableEntry>& list, const char* label) {
    std::string name;
    for (qsizetype i = 0; i < list.size(); ++i) {
        name.clear();
        appendWindows1252AsUtf8(list[i].name.constData(), static_cast<int>(list[i].name.size()),
                                name);
        if (json_) {
            out_.raw(i == 0 ? "{\"name\": " : ", {\"name\": ");
            out_.string(name);
            put(", \"hash\": ", number(list[i].hash), "}");
        } else {
            put("  ", label, " ");
            out_.string(name);
            put(" ", number(list[i].hash), "\n");
        }
    }
}

void DiffPrinter::table(const TableDiff& diff) {
    if (json_) {
        put(",\n\"hashTable\": {\"inA\": ", diff.inA ? "true" : "false",
            ", \"inB\": ", diff.inB ? "true" : "false",
            ", \"reordered\": ", diff.reordered ? "true" : "false", ", \"removed\": [");
        entries(diff.onlyInA, "-");
        out_.raw("], \"added\": [");
        entries(diff.onlyInB, "+");
        out_.raw("]}");
        return;
    }
    out_.raw("hash table: ");
    if (diff.inA != diff.inB)
        out_.raw(diff.inA ? "only in the first file; " : "only in the second file; ");
    put(number(diff.onlyInB.size()), " entries added, ", number(diff.onlyInA.size()), " removed",
        diff.reordered ? ", the same entries in another order" : "", "\n");
    entries(diff.onlyInA, "-");
    entries(diff.onlyInB, "+");
}

}  // namespace

int runDiff(const QStringList& arguments) {
    CommandLine commandLine(
        QStringLiteral("diff"),
        QStringLiteral("Lists per section the rows added, removed and changed between two "
                       "placement files (changed cells as old \u2192 new, values exact), and "
                       "the differences of their name tables. Exit status 0 when the files are "
                       "equal, 1 when they differ, 2 on an error."));
    commandLine.addNameOptions();
    commandLine.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON object")});
    commandLine.addPositional(QStringLiteral("A"), QStringLiteral("The first file"));
    commandLine.addPositional(QStringLiteral("B"), QStringLiteral("The second file"));
    int exitCode = 0;
    DocumentOptions options;
    if (!commandLine.parse(arguments, 2, 2, exitCode)) return exitCode == 0 ? 0 : kTrouble;
    if (!commandLine.documentOptions(options)) return kTrouble;

    const QStringList paths = commandLine.positionals();
    Side sides[2];
    for (int i = 0; i < 2; ++i) {
        HashDictionary dictionary = options.dictionary;  // each file names by its own table
        QString error;
        if (!loadPlacementFile(paths[i], {.readHashTable = options.hashTable}, dictionary,
                               sides[i].document, error, nullptr, &sides[i].table)) {
            printError(error);
            return kTrouble;
        }
    }
    const DocumentDiff diff =
        diffDocuments(sides[0].document, sides[0].table, sides[1].document, sides[1].table);
    JsonWriter out(stdout);
    DiffPrinter(out, commandLine.isSet(QStringLiteral("json")), sides[0], sides[1]).print(diff);
    out.flush();
    if (std::ferror(stdout)) return kTrouble;
    return diff.equal() ? 0 : kDiffer;
}

}  // namespace varn::cli
