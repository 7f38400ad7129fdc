#include "placementdocument.h"

#include "filewatch.h"
#include "sectioncommand.h"
#include "sectionmodel.h"

#include <QUndoStack>

namespace varn {

PlacementDocument::PlacementDocument(char separator, QObject* parent)
    : QObject(parent),
      document_(separator),
      undoStack_(new QUndoStack(this)),
      fileWatch_(new FileWatch(this)) {
    for (int i = 0; i < kKnownSectionCount; ++i)
        models_[i] = new SectionModel(document_, sectionsInFileOrder()[i].number, this);
    connect(undoStack_, &QUndoStack::indexChanged, this, &PlacementDocument::changed);
    connect(undoStack_, &QUndoStack::cleanChanged, this, &PlacementDocument::changed);
}

PlacementDocument::~PlacementDocument() = default;

SectionModel& PlacementDocument::model(int section) const {
    return *models_.at(fileOrderIndex(section));
}

void PlacementDocument::setPath(const QString& path) {
    path_ = path;
    fileWatch_->watch(path_);
    emit changed();
}

int PlacementDocument::commandSection(int index) const {
    const auto* command = dynamic_cast<const SectionCommand*>(undoStack_->command(index));
    return command ? command->section() : -1;
}

void PlacementDocument::push(QUndoCommand* command) {
    // A push drops the commands after the current one. When the saved state lies among them,
    // what they changed can no longer be undone into: remember those sections as changed.
    const int saved = undoStack_->cleanIndex() >= 0 ? undoStack_->cleanIndex() : divergence_;
    if (saved > undoStack_->index()) {
        for (int i = undoStack_->index(); i < saved; ++i)
            if (const int section = commandSection(i); section >= 0) lostChanges_.set(section);
        divergence_ = undoStack_->index();
    }
    undoStack_->push(command);
}

bool PlacementDocument::isSectionChanged(int section) const {
    if (lostChanges_.test(section)) return true;
    const int saved = undoStack_->cleanIndex() >= 0 ? undoStack_->cleanIndex() : divergence_;
    const int now = undoStack_->index();
    for (int i = std::min(saved, now); i < std::max(saved, now); ++i)
        if (commandSection(i) == section) return true;
    return false;
}

bool PlacementDocument::hasChanges() const {
    for (int section : sectionsInTabOrder())
        if (isSectionChanged(section)) return true;
    return false;
}

void PlacementDocument::replaceDocument(Document document) {
    for (SectionModel* model : models_)
        model->beginDocumentChange();
    document_ = std::move(document);
    for (SectionModel* model : models_)
        model->endDocumentChange();
    lostChanges_.reset();
    divergence_ = 0;
    undoStack_->clear();
    emit replaced();
    emit changed();
}

bool PlacementDocument::load(const QString& path, const LoadOptions& options,
                             HashDictionary& dictionary, QString& error, ProgressSink* progress) {
    Document loaded(document_.separator());
    if (!loadPlacementFile(path, options, dictionary, loaded, error, progress)) return false;
    readBigEndian_ = isBigEndianPath(path);
    path_ = path;
    fileWatch_->watch(path_);
    replaceDocument(std::move(loaded));
    return true;
}

bool PlacementDocument::save(const QString& path, const SaveOptions& options,
                             HashDictionary& dictionary, QString& error, ProgressSink* progress) {
    // What the editor writes itself is no change by another program.
    fileWatch_->pause();
    const bool saved = savePlacementFile(path, options, document_, dictionary, error, progress);
    fileWatch_->watch(saved ? path : path_);
    if (!saved) return false;
    path_ = path;
    lostChanges_.reset();
    divergence_ = 0;
    undoStack_->setClean();
    emit changed();
    return true;
}

void PlacementDocument::clear() {
    Document empty(document_.separator());
    empty.version = document_.version;
    empty.headerCounts = document_.headerCounts;
    path_.clear();
    fileWatch_->watch(path_);
    replaceDocument(std::move(empty));
}

SectionCommand::SectionCommand(PlacementDocument& document, int section, const QString& text)
    : QUndoCommand(text), document_(document), section_(section) {}

SectionModel& SectionCommand::model() const {
    return document_.model(section_);
}

}  // namespace varn
