#pragma once

#include <QObject>

class QWidget;

namespace varn {

class PlacementDocument;
class UserPrompts;

// File > Export and File > Import CSV into Section...: the current section as CSV or the whole
// document as JSON, with exact values; CSV rows into a section as one step, every cell checked
// before anything changes.
class InterchangeCommands : public QObject {
    Q_OBJECT
public:
    InterchangeCommands(PlacementDocument& document, UserPrompts& prompts, QWidget* window);

    // Asks for the file; its name decides: .json the document, else the section as CSV. The
    // message for the status bar, empty when nothing was written.
    QString exportFile(int section);
    // Asks for the file, reads and checks it, then asks Replace or Append; the message for the
    // status bar, empty when nothing changed.
    QString importCsv(int section);

private:
    PlacementDocument& document_;
    UserPrompts& prompts_;
    QWidget* window_;
};

}  // namespace varn
