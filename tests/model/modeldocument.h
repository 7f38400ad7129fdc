#pragma once

// The tests' own picture of an open document: per section the rows as cell texts with the
// fields a save writes, the name dictionary, the version and the header counts. It reads a
// file's bytes into rows and writes the bytes a save must produce by the rules the program is
// meant to keep; of the program it uses only the code page and the name hash.

#include "modellayout.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace varn::testmodel {

// A (name, hash) pair of hashes.dat or of a file's appended table; the name as its code-page
// bytes up to the first zero byte.
struct NameEntry {
    QByteArray name;
    std::uint32_t hash = 0;
    bool operator==(const NameEntry&) const = default;
};

struct ModelCell {
    QString text;
    std::uint32_t bits = 0;  // numeric cells: the field saving writes
    // What the row's record held when it was loaded or added: a text equal to the stored one
    // saves the stored field, bit for bit.
    QString storedText;
    std::uint32_t storedBits = 0;
};
using ModelRow = std::vector<ModelCell>;

// A cell a confirmed editor writes: its new text and, for a numeric cell, the field it saves.
struct CellWrite {
    int cell;
    QString text;
    std::uint32_t bits = 0;
};

class ModelDocument {
public:
    ModelDocument(char separator, std::vector<NameEntry> baseNames,
                  std::vector<NameEntry> fileNames = {});

    [[nodiscard]] char separator() const { return separator_; }
    [[nodiscard]] const std::vector<ModelRow>& rows(int section) const { return rows_.at(section); }
    // A section's rows as a step of the history left them.
    void setRows(int section, std::vector<ModelRow> rows) { rows_[section] = std::move(rows); }
    [[nodiscard]] std::uint32_t version() const { return version_; }
    // The counts of the header last read or written.
    [[nodiscard]] const std::array<std::int32_t, kSectionCount>& headerCounts() const {
        return counts_;
    }
    [[nodiscard]] const std::vector<NameEntry>& baseNames() const { return baseNames_; }
    [[nodiscard]] const std::vector<NameEntry>& fileNames() const { return fileNames_; }
    // The model name a loaded section 0 row shows for its hash, or its hash text.
    [[nodiscard]] QString nameOf(std::uint32_t hash) const;

    int appendDefaultRow(int section);
    void removeRow(int section, int row);
    // The cells' new texts, then the side cells that follow from the names: every OK hashes
    // the names afresh, edited or not.
    void commit(int section, int row, const std::vector<CellWrite>& writes);

    // Loading a file: false when the program must refuse it, and then nothing changes. A table
    // is taken into the file names when readHashTable is on and the file ends in one.
    bool load(const QByteArray& file, bool bigEndian, bool readHashTable);
    // The bytes a save writes now; afterwards the counts and the names are as after a save.
    QByteArray save(bool writeHashTable);

private:
    [[nodiscard]] ModelCell defaultCell(const CellShape& shape) const;
    [[nodiscard]] ModelRow readRecord(const SectionShape& shape, const char* record,
                                      bool bigEndian) const;
    [[nodiscard]] QByteArray record(const SectionShape& shape, const ModelRow& row) const;
    [[nodiscard]] std::vector<NameEntry> tableEntries() const;
    void refreshSideCells(int section, ModelRow& row) const;

    char separator_;
    std::vector<NameEntry> baseNames_;
    std::vector<NameEntry> fileNames_;
    std::map<int, std::vector<ModelRow>> rows_;
    std::uint32_t version_ = 3;
    std::array<std::int32_t, kSectionCount> counts_{};
};

}  // namespace varn::testmodel
