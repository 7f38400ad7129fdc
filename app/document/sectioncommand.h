#pragma once

#include <QUndoCommand>

namespace varn {

class PlacementDocument;
class SectionModel;

// A change of one section's rows, made through that section's model so that every view
// follows. The document reads section() to tell which tabs differ from the saved file.
class SectionCommand : public QUndoCommand {
public:
    [[nodiscard]] int section() const { return section_; }

protected:
    SectionCommand(PlacementDocument& document, int section, const QString& text);
    [[nodiscard]] SectionModel& model() const;

private:
    PlacementDocument& document_;
    int section_;
};

}  // namespace varn
