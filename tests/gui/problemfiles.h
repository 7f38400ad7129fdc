#pragma once

// Placement files for the window tests, written through the program's own saving: section 0
// rows of a model at chosen places, unit rotations unless a row says otherwise.

#include "cellwrites.h"
#include "document.h"
#include "hashdictionary.h"
#include "placementfile.h"
#include "recordlayout.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <vector>

namespace varn::test {

inline constexpr int kPosXCell = 0, kPosYCell = 1, kPosZCell = 2, kRotWCell = 6, kModelCell = 7;

struct PlacedRow {
    QString x;
    QString y;
    QString model;
    QString z = QStringLiteral("0.0");
};

// Writes the rows as the file at path (an .xpl name gives the big-endian layout); false with
// the error on failure.
inline bool writePlacementRows(const QString& path, const std::vector<PlacedRow>& rows,
                               QString& error) {
    Document document;
    SectionTable& table = document.table(0);
    for (const PlacedRow& placed : rows) {
        const int row = table.appendDefaultRow();
        RowWrites writes{{kPosXCell, placed.x},
                         {kPosYCell, placed.y},
                         {kPosZCell, placed.z},
                         {kRotWCell, QStringLiteral("1.0")},
                         {kModelCell, placed.model}};
        if (!addNameHashWrites(*sectionLayout(0), writes)) {
            error = QStringLiteral("no hash for ") + placed.model;
            return false;
        }
        table.applyWrites(row, writes);
    }
    QDir().mkpath(QFileInfo(path).path());
    HashDictionary none;
    return savePlacementFile(path, {}, document, none, error);
}

}  // namespace varn::test
