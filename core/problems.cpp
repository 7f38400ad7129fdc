#include "problems.h"

#include "byteorder.h"
#include "cellvalues.h"
#include "codepage.h"
#include "duplicateindex.h"
#include "namehash.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace varn {
namespace {

constexpr double kUnitTolerance = 1e-3;
constexpr int kPositionCells0 = 3;  // Pos X, Y, Z
constexpr int kPositionCells9 = 6;  // X1 .. Z2
constexpr int kFirstRotationCell = 3;

// Kinds of rotation-not-unit, in ProblemFinding::fields.
enum RotationDetail : std::uint32_t { kWrongLength, kZero, kNotFinite };

// The 32 bits saving would write for a numeric cell.
std::uint32_t fieldBits(const SectionTable& table, int row, int cell) {
    std::uint32_t bits = 0;
    if (table.rowEdits(row) && cellBits(table, row, cell, bits)) return bits;
    return loadU32(table.record(row) + table.layout().cells[cell].offset);
}

float fieldFloat(const SectionTable& table, int row, int cell) {
    return std::bit_cast<float>(fieldBits(table, row, cell));
}

Placement placementOf(const SectionTable& table, int row) {
    Placement p;
    if (!table.rowEdits(row)) {
        // The record starts with the position, the quaternion and the model hash.
        static_assert(sizeof(Placement) == 32);
        std::memcpy(&p, table.record(row), sizeof p);
        return p;
    }
    for (int k = 0; k < 3; ++k)
        p.position[k] = fieldFloat(table, row, k);
    for (int k = 0; k < 4; ++k)
        p.rotation[k] = fieldFloat(table, row, kFirstRotationCell + k);
    p.model = fieldBits(table, row, table.layout().modelName().hashCell);
    return p;
}

// The placements of a table's rows: its records themselves, or, once a row is edited, copies
// with the values saving would write.
class TablePlacements {
public:
    explicit TablePlacements(const SectionTable& table) {
        const auto count = static_cast<std::size_t>(table.rowCount());
        bool edited = false;
        for (int row = 0; row < table.rowCount() && !edited; ++row)
            edited = table.rowEdits(row) != nullptr;
        if (!edited) {
            rows_ = {count ? table.record(0) : nullptr,
                     static_cast<std::size_t>(table.layout().recordSize), count};
            return;
        }
        copies_.resize(count);
        for (int row = 0; row < table.rowCount(); ++row)
            copies_[row] = placementOf(table, row);
        rows_ = {reinterpret_cast<const char*>(copies_.data()), sizeof(Placement), count};
    }
    [[nodiscard]] const PlacementRows& rows() const { return rows_; }

private:
    std::vector<Placement> copies_;
    PlacementRows rows_;
};

// The hashes some entry names, ascending.
std::vector<std::uint32_t> namedHashes(const Document& document, const HashDictionary* dictionary) {
    std::vector<std::uint32_t> hashes;
    auto add = [&](const QList<HashTableEntry>& entries) {
        for (const HashTableEntry& e : entries)
            if (!e.name.isEmpty()) hashes.push_back(e.hash);
    };
    if (dictionary) {
        add(dictionary->baseEntries);
        add(dictionary->fileEntries);
    }
    if (document.appendedTable) add(*document.appendedTable);
    std::sort(hashes.begin(), hashes.end());
    hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
    return hashes;
}

class Checker {
public:
    Checker(const Document& document, const HashDictionary* dictionary, ProblemLevel minimum,
            const ProblemVisitor& visit)
        : document_(document), minimum_(minimum), visit_(visit) {
        if (wants(ProblemLevel::Note)) known_ = namedHashes(document, dictionary);
    }

    [[nodiscard]] bool wants(ProblemLevel level) const { return level >= minimum_; }

    void tableEntry(qint64 index) {
        const HashTableEntry& e = (*document_.appendedTable)[index];
        const std::uint32_t own =
            nameHashOfBytes(e.name.constData(), static_cast<int>(e.name.size()));
        if (own == e.hash) return;
        ProblemFinding f =
            start(ProblemKind::NameHashMismatch, ProblemLevel::Error, kAppendedTableSection, index);
        f.storedHash = e.hash;
        f.nameHash = own;
        f.name = decodeWindows1252(e.name);
        visit_(f);
    }

    void instanceRow(const SectionTable& table, const Placement& p, int row,
                     const DuplicateIndex* duplicates) {
        positionRow(table, row, kPositionCells0);
        rotation(p, row);
        if (duplicates) {
            if (const std::int64_t twin = duplicates->firstTwin(row); twin >= 0) {
                ProblemFinding f =
                    start(ProblemKind::DuplicatePlacement, ProblemLevel::Warning, 0, row);
                f.relatedRow = twin;
                visit_(f);
            }
        }
        if (wants(ProblemLevel::Note) &&
            !std::binary_search(known_.begin(), known_.end(), p.model)) {
            ProblemFinding f = start(ProblemKind::UnknownModel, ProblemLevel::Note, 0, row);
            f.storedHash = p.model;
            visit_(f);
        }
    }

    void lodCullRow(const SectionTable& table, int row) {
        positionRow(table, row, kPositionCells9);
        const SectionLayout& layout = table.layout();
        for (std::size_t slot = 0; slot < layout.namedHashes.size(); ++slot) {
            const NamedHash& pair = layout.namedHashes[slot];
            const std::uint32_t stored = fieldBits(table, row, pair.hashCell);
            QString edited;
            std::uint32_t own = 0;
            if (table.isEdited(row, pair.nameCell)) {
                edited = table.cellText(row, pair.nameCell);
                if (edited.isEmpty()) continue;
                own = nameHash(edited);
            } else {
                const CellLayout& cell = layout.cells[pair.nameCell];
                const char* bytes = table.record(row) + cell.offset;
                const int size = static_cast<int>(strnlen(bytes, cell.width));
                if (size == 0) continue;  // an unused slot
                own = nameHashOfBytes(bytes, size);
                if (own != stored) edited = decodeWindows1252(bytes, size);
            }
            if (own == stored) continue;
            ProblemFinding f = start(ProblemKind::NameHashMismatch, ProblemLevel::Error, 9, row);
            f.fields = static_cast<std::uint32_t>(slot);
            f.storedHash = stored;
            f.nameHash = own;
            f.name = edited;
            visit_(f);
        }
    }

private:
    static ProblemFinding start(ProblemKind kind, ProblemLevel level, int section, qint64 row) {
        ProblemFinding f;
        f.kind = kind;
        f.level = level;
        f.section = section;
        f.row = row;
        return f;
    }

    void positionRow(const SectionTable& table, int row, int cells) {
        std::uint32_t bad = 0;
        std::array<float, 6> values{};
        for (int k = 0; k < cells; ++k) {
            values[k] = fieldFloat(table, row, k);
            if (!std::isfinite(values[k])) bad |= 1u << k;
        }
        if (bad == 0) return;
        ProblemFinding f =
            start(ProblemKind::PositionNotFinite, ProblemLevel::Error, table.number(), row);
        f.fields = bad;
        f.values = values;
        visit_(f);
    }

    void rotation(const Placement& p, int row) {
        bool finite = true;
        bool zero = true;
        double squares = 0;
        for (float q : p.rotation) {
            finite = finite && std::isfinite(q);
            zero = zero && q == 0;
            squares += static_cast<double>(q) * q;
        }
        const double length = std::sqrt(squares);
        if (finite && !zero && std::abs(length - 1) <= kUnitTolerance) return;
        const ProblemLevel level = finite && !zero ? ProblemLevel::Warning : ProblemLevel::Error;
        if (!wants(level)) return;
        ProblemFinding f = start(ProblemKind::RotationNotUnit, level, 0, row);
        f.fields = !finite ? kNotFinite : zero ? kZero : kWrongLength;
        f.value = length;
        visit_(f);
    }

    const Document& document_;
    ProblemLevel minimum_;
    const ProblemVisitor& visit_;
    std::vector<std::uint32_t> known_;
};

// The sentences carry %1, %2, ... for their values. The tool writes them in English; the
// window reads them through its translations (see toProblem).
constexpr char kSentenceContext[] = "varn::Problems";

std::string numberText(std::uint64_t v) {
    char digits[24];
    return {digits, std::to_chars(digits, digits + sizeof digits, v).ptr};
}

std::string floatText(float v) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    char digits[32];
    return {digits, std::to_chars(digits, digits + sizeof digits, v).ptr};
}

std::string utf8Text(const QString& text) { return text.toStdString(); }

// Appends pattern with each %1 .. %9 replaced by its argument.
void appendFilled(std::string& out, std::string_view pattern,
                  std::initializer_list<std::string_view> args) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            static_cast<std::size_t>(pattern[i + 1] - '1') < args.size()) {
            out += args.begin()[pattern[i + 1] - '1'];
            ++i;
        } else {
            out += pattern[i];
        }
    }
}

// text(source) gives the sentence pattern to fill: the source itself, or its translation.
template <class Text>
void appendPositionSentence(const ProblemFinding& f, std::string& out, const Text& text) {
    const SectionLayout& layout = *sectionLayout(f.section);
    std::string cells;
    for (int k = 0; k < 6; ++k) {
        if (!(f.fields >> k & 1)) continue;
        if (!cells.empty()) cells += ", ";
        appendFilled(cells, text(QT_TRANSLATE_NOOP("varn::Problems", "%1 is %2")),
                     {layout.cells[k].caption, floatText(f.values[k])});
    }
    appendFilled(out,
                 f.section == 0
                     ? text(QT_TRANSLATE_NOOP("varn::Problems",
                                              "%1: the position is not a finite point."))
                     : text(QT_TRANSLATE_NOOP("varn::Problems",
                                              "%1: the box corners are not finite points.")),
                 {cells});
}

template <class Text>
void appendRotationSentence(const ProblemFinding& f, std::string& out, const Text& text) {
    switch (f.fields) {
        case kZero:
            appendFilled(out, text(QT_TRANSLATE_NOOP("varn::Problems",
                                                     "The rotation quaternion is zero: it is no rotation.")),
                         {});
            return;
        case kNotFinite:
            appendFilled(out, text(QT_TRANSLATE_NOOP("varn::Problems",
                                                     "The rotation quaternion is not finite: it is no rotation.")),
                         {});
            return;
        default:
            break;
    }
    char digits[32];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, f.value, std::chars_format::general, 6).ptr;
    appendFilled(out,
                 text(QT_TRANSLATE_NOOP("varn::Problems",
                                        "The rotation quaternion has length %1, not 1.")),
                 {std::string_view(digits, static_cast<std::size_t>(end - digits))});
}

template <class Text>
void appendMismatchSentence(const ProblemFinding& f, std::string& out, const Text& text) {
    if (f.section == kAppendedTableSection) {
        appendFilled(out,
                     text(QT_TRANSLATE_NOOP("varn::Problems",
                                            "The name table gives \"%1\" the hash %2, but the "
                                            "name hashes to %3.")),
                     {utf8Text(f.name), numberText(f.storedHash), numberText(f.nameHash)});
        return;
    }
    appendFilled(out,
                 text(QT_TRANSLATE_NOOP("varn::Problems",
                                        "model%1 \"%2\" hashes to %3, but hash%1 holds %4.")),
                 {numberText(f.fields + 1), utf8Text(f.name), numberText(f.nameHash),
                  numberText(f.storedHash)});
}

template <class Text>
void appendSentence(const ProblemFinding& f, std::string& out, const Text& text) {
    switch (f.kind) {
        case ProblemKind::PositionNotFinite:
            appendPositionSentence(f, out, text);
            return;
        case ProblemKind::RotationNotUnit:
            appendRotationSentence(f, out, text);
            return;
        case ProblemKind::NameHashMismatch:
            appendMismatchSentence(f, out, text);
            return;
        case ProblemKind::DuplicatePlacement:
            appendFilled(out,
                         text(QT_TRANSLATE_NOOP("varn::Problems",
                                                "Row %1 places the same model at the same "
                                                "position and orientation.")),
                         {numberText(static_cast<std::uint64_t>(f.relatedRow))});
            return;
        case ProblemKind::UnknownModel:
            appendFilled(out,
                         text(QT_TRANSLATE_NOOP("varn::Problems",
                                                "Neither the dictionary nor the file's name "
                                                "table names the model hash %1.")),
                         {numberText(f.storedHash)});
            return;
    }
}

std::vector<qint64> allRows(qint64 count) {
    std::vector<qint64> rows(static_cast<std::size_t>(count));
    for (qint64 row = 0; row < count; ++row)
        rows[row] = row;
    return rows;
}

// Checks the rows of one section. withTwins marks rows a caller chose: they are put in order
// and the rows of their duplicates are checked too.
void checkSectionRows(Checker& checker, const Document& document, int section,
                      std::vector<qint64> rows, bool withTwins) {
    if (withTwins) {  // rows a caller gave; the whole sections come in order
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    if (section == kAppendedTableSection) {
        const qint64 entries = document.appendedTable ? document.appendedTable->size() : 0;
        for (qint64 row : rows)
            if (row >= 0 && row < entries) checker.tableEntry(row);
        return;
    }
    if (section != 0 && section != 9) return;
    const SectionTable& table = document.table(section);
    std::erase_if(rows, [&](qint64 row) { return row < 0 || row >= table.rowCount(); });
    if (section == 9) {
        for (qint64 row : rows)
            checker.lodCullRow(table, static_cast<int>(row));
        return;
    }
    const TablePlacements placements(table);
    std::optional<DuplicateIndex> index;
    if (checker.wants(ProblemLevel::Warning)) index.emplace(placements.rows());
    if (index && withTwins) {
        // The twins of the rows change with them.
        const std::size_t given = rows.size();
        for (std::size_t i = 0; i < given; ++i)
            for (std::int64_t twin : index->twins(rows[i]))
                rows.push_back(twin);
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    constexpr std::size_t kAhead = 16;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (index && i + kAhead < rows.size()) index->prefetch(rows[i + kAhead]);
        checker.instanceRow(table, placements.rows().at(static_cast<std::size_t>(rows[i])),
                            static_cast<int>(rows[i]), index ? &*index : nullptr);
    }
}

}  // namespace

const char* problemLevelText(ProblemLevel level) {
    switch (level) {
        case ProblemLevel::Note:
            return "note";
        case ProblemLevel::Warning:
            return "warning";
        case ProblemLevel::Error:
            break;
    }
    return "error";
}

QString problemLevelName(ProblemLevel level) {
    return QString::fromLatin1(problemLevelText(level));
}

std::optional<ProblemLevel> parseProblemLevel(QStringView name) {
    for (ProblemLevel level : {ProblemLevel::Note, ProblemLevel::Warning, ProblemLevel::Error})
        if (name == problemLevelName(level)) return level;
    return std::nullopt;
}

const char* problemCode(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::PositionNotFinite:
            return "position-not-finite";
        case ProblemKind::RotationNotUnit:
            return "rotation-not-unit";
        case ProblemKind::NameHashMismatch:
            return "name-hash-mismatch";
        case ProblemKind::DuplicatePlacement:
            return "duplicate-placement";
        case ProblemKind::UnknownModel:
            break;
    }
    return "unknown-model";
}

void appendProblemSentence(const ProblemFinding& f, std::string& out) {
    appendSentence(f, out, [](const char* source) { return std::string_view(source); });
}

Problem toProblem(const ProblemFinding& f) {
    std::string sentence;
    appendSentence(f, sentence, [](const char* source) {
        return QCoreApplication::translate(kSentenceContext, source).toStdString();
    });
    return {QString::fromLatin1(problemCode(f.kind)), f.level, f.section, f.row,
            QString::fromStdString(sentence), f.relatedRow};
}

void forEachProblem(const Document& document, const HashDictionary* dictionary,
                    ProblemLevel minimum, const ProblemVisitor& visit) {
    Checker checker(document, dictionary, minimum, visit);
    const qint64 entries = document.appendedTable ? document.appendedTable->size() : 0;
    checkSectionRows(checker, document, kAppendedTableSection, allRows(entries), false);
    checkSectionRows(checker, document, 0, allRows(document.table(0).rowCount()), false);
    checkSectionRows(checker, document, 9, allRows(document.table(9).rowCount()), false);
}

std::vector<Problem> checkPlacementFile(const Document& document, const HashDictionary* dictionary,
                                        ProblemLevel minimum) {
    std::vector<Problem> problems;
    forEachProblem(document, dictionary, minimum,
                   [&](const ProblemFinding& f) { problems.push_back(toProblem(f)); });
    return problems;
}

std::vector<Problem> checkRows(const Document& document, const HashDictionary* dictionary,
                               int section, const std::vector<qint64>& rows) {
    std::vector<Problem> problems;
    const ProblemVisitor visit = [&](const ProblemFinding& f) {
        problems.push_back(toProblem(f));
    };
    Checker checker(document, dictionary, ProblemLevel::Note, visit);
    checkSectionRows(checker, document, section, rows, true);
    return problems;
}

}  // namespace varn
