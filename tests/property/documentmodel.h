#pragma once

// The editing run's own picture of the document: per section the rows as lists of cell texts
// and field values, the name dictionary, the tab states, and the file the last save wrote.
// It follows the rules the program is meant to keep and shares no code with it.

#include "sectionshapes.h"
#include "valuemaker.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace varn::property {

enum class TabState : std::uint8_t { Empty, InSync, Changed };

struct ModelCell {
    QString text;
    std::uint32_t bits = 0;  // the numeric field saving writes
    // What the row's record held when it was loaded or added: a text equal to the stored one
    // saves the stored field, bit for bit.
    QString storedText;
    std::uint32_t storedBits = 0;
};
using ModelRow = std::vector<ModelCell>;

// One field of a confirmed editor: the new text and value, or the text left as it was.
struct FieldWrite {
    int cell;
    bool kept;
    TypedValue value;
};

class DocumentModel {
public:
    DocumentModel(char separator, std::vector<NameEntry> baseNames);

    [[nodiscard]] char separator() const { return separator_; }
    [[nodiscard]] const std::vector<ModelRow>& rows(int section) const { return rows_.at(section); }
    [[nodiscard]] TabState state(int section) const { return states_.at(section); }

    int appendDefaultRow(int section);
    void removeRow(int section, int row);
    // Add's editor cancelled: the new row goes again and the tab is as it was.
    void withdrawLastRow(int section, TabState before);
    // An OK that passed: the fields' texts, then the side cells that follow from the names.
    void commit(int section, int row, const std::vector<FieldWrite>& writes);

    // The bytes a save writes now; afterwards the tabs and the dictionary are as after a save.
    QByteArray save(bool writeHashTable);
    [[nodiscard]] bool hasSavedFile() const { return !savedBytes_.isEmpty(); }
    [[nodiscard]] const QByteArray& savedBytes() const { return savedBytes_; }
    // Loading the file the last save wrote. False, with the reason, when the model cannot say
    // what a field would show.
    bool load(bool readHashTable, QString& problem);

    // The model name a loaded section 0 row shows for its hash.
    [[nodiscard]] QString hashToText(std::uint32_t hash) const;

private:
    struct Saved {
        std::map<int, std::vector<ModelRow>> rows;
        std::vector<NameEntry> table;  // the appended table; empty when none was written
    };
    [[nodiscard]] ModelCell defaultCell(const CellShape& shape) const;
    [[nodiscard]] std::vector<NameEntry> tableEntries() const;
    [[nodiscard]] QByteArray record(const SectionShape& shape, const ModelRow& row) const;
    bool loadedCell(const CellShape& shape, ModelCell& cell, QString& problem) const;
    void refreshSideCells(int section, ModelRow& row) const;

    char separator_;
    std::vector<NameEntry> baseNames_;
    std::vector<NameEntry> fileNames_;
    std::map<int, std::vector<ModelRow>> rows_;
    std::map<int, TabState> states_;
    std::uint32_t version_ = 3;
    Saved saved_;
    QByteArray savedBytes_;
};

// Little-endian pieces of the expected file, written without the program's byte-order code.
void appendLittle32(QByteArray& bytes, std::uint32_t value);
void putLittle32(QByteArray& bytes, int offset, std::uint32_t value);

}  // namespace varn::property
