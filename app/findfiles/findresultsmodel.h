#pragma once

#include "filesearch.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace varn {

// The hits of a search over many files for a table: file, section, row, model and position.
// Hits come file by file as the files are searched, in any order, and stand sorted by file,
// then section and row; the files are shown as reached from the searched folder.
class FindResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        FileColumn,
        SectionColumn,
        RowColumn,
        ModelColumn,
        XColumn,
        YColumn,
        ZColumn,
        ColumnCount
    };

    // separator: the decimal separator of the run's number texts.
    explicit FindResultsModel(char separator, QObject* parent = nullptr);

    // Empties the table for a search of the folder.
    void startSearch(const QString& folder);
    // One file's hits (sorted by section, then row), put in at their file's place.
    void addFileHits(std::vector<FileSearchHit> hits);
    [[nodiscard]] const FileSearchHit& hit(int row) const {
        return hits_[static_cast<std::size_t>(row)];
    }
    [[nodiscard]] int hitCount() const { return static_cast<int>(hits_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    [[nodiscard]] QString fileText(const QString& file) const;
    [[nodiscard]] QString numberText(float value) const;

    char separator_;
    QString folder_;
    std::vector<FileSearchHit> hits_;
};

}  // namespace varn
