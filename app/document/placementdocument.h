#pragma once

#include "document.h"
#include "placementfile.h"

#include <QObject>
#include <QString>

#include <array>
#include <bitset>

class QUndoCommand;
class QUndoStack;

namespace varn {

class FileWatch;
class SectionModel;

// The open document: the section tables, their models, the path and byte order it was read
// in, and the history of changes. Every change of rows is a command pushed here; whether a
// section differs from the file last loaded or saved follows from the history, never from a
// flag set by hand.
class PlacementDocument : public QObject {
    Q_OBJECT
public:
    explicit PlacementDocument(char separator, QObject* parent = nullptr);
    ~PlacementDocument() override;

    [[nodiscard]] Document& document() { return document_; }
    [[nodiscard]] const Document& document() const { return document_; }
    [[nodiscard]] SectionModel& model(int section) const;
    [[nodiscard]] QUndoStack& undoStack() const { return *undoStack_; }
    [[nodiscard]] const QString& path() const { return path_; }
    void setPath(const QString& path);
    // The byte order of the file last read; saving follows the name it is saved under.
    [[nodiscard]] bool readBigEndian() const { return readBigEndian_; }

    // Runs the command and keeps it in the history.
    void push(QUndoCommand* command);

    // The section's rows differ from the file last loaded or saved (or from an empty new
    // document): changed since, or undone from there.
    [[nodiscard]] bool isSectionChanged(int section) const;
    [[nodiscard]] bool hasChanges() const;

    // Replaces the document with the file's; on failure the document, its path and its history
    // stay exactly as they were.
    [[nodiscard]] bool load(const QString& path, const LoadOptions& options,
                            HashDictionary& dictionary, QString& error, ProgressSink* progress);
    // Writes the document; on success the path is the saved one and every section is in sync.
    [[nodiscard]] bool save(const QString& path, const SaveOptions& options,
                            HashDictionary& dictionary, QString& error, ProgressSink* progress);
    // Every table empty, no path, no history; the version and the header counts stay.
    void clear();
    // The watch on the document's file, which tells of other programs' changes.
    [[nodiscard]] FileWatch& fileWatch() const { return *fileWatch_; }

signals:
    // Rows, the history or the saved state changed: tabs and titles follow.
    void changed();
    // The whole document was replaced (load, New): views and what they hold start anew.
    void replaced();

private:
    void replaceDocument(Document document);
    [[nodiscard]] int commandSection(int index) const;

    Document document_;
    std::array<SectionModel*, kKnownSectionCount> models_{};
    QUndoStack* undoStack_;
    FileWatch* fileWatch_;
    QString path_;
    bool readBigEndian_ = false;
    // Sections changed by commands the history dropped while the saved state lay past them
    // (undone, then a new command pushed); they differ from the file until the next save.
    std::bitset<kSectionCount> lostChanges_;
    int divergence_ = 0;  // where the history left the saved state when it was dropped
};

}  // namespace varn
