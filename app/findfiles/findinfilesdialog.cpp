#include "findinfilesdialog.h"

#include "codepage.h"
#include "findresultsmodel.h"
#include "hashdictionary.h"
#include "namehash.h"
#include "numbertext.h"
#include "searchrun.h"
#include "userprompts.h"

#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace varn {
namespace {

constexpr int kRowHeight = 20;
constexpr int kProblemLinesShown = 4;

QLineEdit* createField(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    return field;
}

QPushButton* createButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

// A number with '.' or ',' as its decimal separator.
std::optional<double> numberOf(const QString& text) {
    std::string digits = text.trimmed().toStdString();
    for (char& c : digits)
        if (c == ',') c = '.';
    float value = 0;
    if (parseFloatText(digits, '.', value) != ParseStatus::Ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

FindInFilesDialog::FindInFilesDialog(const HashDictionary& dictionary, UserPrompts& prompts,
                                     char separator, QWidget* parent)
    : QDialog(parent),
      dictionary_(dictionary),
      prompts_(prompts),
      results_(new FindResultsModel(separator, this)),
      run_(new SearchRun(this)) {
    setObjectName(QStringLiteral("FindInFilesDialog"));
    setWindowTitle(tr("Find in Files"));
    setSizeGripEnabled(true);
    createFields();
    createResults();
    refreshNames();
    setSearching(false);
    resize(760, 520);

    connect(run_, &SearchRun::filesListed, this, [this](int total) { showProgress(0, total); });
    connect(run_, &SearchRun::fileSearched, this,
            [this](const std::vector<FileSearchHit>& hits, int done, int total) {
                results_->addFileHits(hits);
                showProgress(done, total);
            });
    connect(run_, &SearchRun::problemFound, this, &FindInFilesDialog::addProblem);
    connect(run_, &SearchRun::finished, this, &FindInFilesDialog::showFinished);
}

FindInFilesDialog::~FindInFilesDialog() {
    run_->stop();  // before the fields and the table go
}

void FindInFilesDialog::createFields() {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    folder_ = createField("FindFolder", tr("Folder"), this);
    browse_ = createButton("FindBrowse", tr("&Browse..."), this);
    browse_->setAccessibleName(tr("Browse for the folder"));
    connect(browse_, &QPushButton::clicked, this, &FindInFilesDialog::browse);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_);
    folderRow->addWidget(browse_);
    form->addRow(tr("F&older:"), folderRow);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(folderRow))) label->setBuddy(folder_);

    model_ = createField("FindModel", tr("Model name or hash"), this);
    model_->setPlaceholderText(tr("A model name, or its hash as a number or [hash:N]"));
    form->addRow(tr("&Model:"), model_);

    x_ = createField("FindX", tr("Near X"), this);
    y_ = createField("FindY", tr("Near Y"), this);
    radius_ = createField("FindRadius", tr("Radius"), this);
    auto* nearRow = new QHBoxLayout;
    const std::pair<QString, QLineEdit*> parts[] = {
        {tr("&X:"), x_}, {tr("&Y:"), y_}, {tr("R&adius:"), radius_}};
    for (const auto& [text, field] : parts) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        field->setPlaceholderText(tr("any"));
        nearRow->addWidget(label);
        nearRow->addWidget(field, 1);
    }
    auto* nearLabel = new QLabel(tr("Only near:"), this);
    form->addRow(nearLabel, nearRow);

    auto* buttons = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("FindProgress"));
    progress_->setAccessibleName(tr("Files searched"));
    progress_->setFormat(tr("%v of %m files"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    buttons->addWidget(progress_, 1);
    find_ = createButton("FindStart", tr("&Find"), this);
    find_->setDefault(true);
    cancel_ = createButton("FindCancel", tr("&Cancel"), this);
    cancel_->setToolTip(tr("Stop the search; the hits found so far stay"));
    close_ = createButton("FindClose", tr("C&lose"), this);
    buttons->addWidget(find_);
    buttons->addWidget(cancel_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);
    connect(find_, &QPushButton::clicked, this, &FindInFilesDialog::find);
    connect(cancel_, &QPushButton::clicked, this, &FindInFilesDialog::cancel);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    // Return in a field starts the search, as the default button.
    for (QLineEdit* field : {folder_, model_, x_, y_, radius_})
        connect(field, &QLineEdit::returnPressed, this, &FindInFilesDialog::find);
}

void FindInFilesDialog::createResults() {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("FindStatus"));
    status_->setAccessibleName(tr("Search status"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(status_);

    auto* hitsLabel = new QLabel(tr("&Hits:"), this);
    layout->addWidget(hitsLabel);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("FindResults"));
    view_->setAccessibleName(tr("Hits"));
    hitsLabel->setBuddy(view_);
    view_->setModel(results_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTabKeyNavigation(false);
    view_->setWordWrap(false);
    view_->setAlternatingRowColors(true);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->setColumnWidth(FindResultsModel::FileColumn, 220);
    view_->setColumnWidth(FindResultsModel::SectionColumn, 60);
    view_->setColumnWidth(FindResultsModel::RowColumn, 60);
    view_->setColumnWidth(FindResultsModel::ModelColumn, 150);
    for (int column : {FindResultsModel::XColumn, FindResultsModel::YColumn, FindResultsModel::ZColumn})
        view_->setColumnWidth(column, 80);
    layout->addWidget(view_, 1);
    // Double-click opens the hit; Return too, kept from the dialog's default button.
    connect(view_, &QTableView::activated, this, &FindInFilesDialog::chooseHit);
    for (const QKeySequence key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* open = new QShortcut(key, view_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this, &FindInFilesDialog::chooseHit);
    }

    problems_ = new QLabel(this);
    problems_->setObjectName(QStringLiteral("FindProblems"));
    problems_->setAccessibleName(tr("Files skipped"));
    problems_->setWordWrap(true);
    problems_->setTextFormat(Qt::PlainText);
    problems_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    problems_->hide();
    layout->addWidget(problems_);
}

void FindInFilesDialog::refreshNames() {
    QStringList names;
    for (const QList<HashTableEntry>* entries : {&dictionary_.baseEntries, &dictionary_.fileEntries})
        for (const HashTableEntry& entry : *entries)
            if (!entry.name.isEmpty()) names << decodeWindows1252(entry.name);
    names.sort(Qt::CaseInsensitive);
    names.removeDuplicates();
    auto* completer = new QCompleter(names, model_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    if (QCompleter* old = model_->completer()) old->deleteLater();
    model_->setCompleter(completer);
}

bool FindInFilesDialog::isSearching() const {
    return run_->isRunning();
}

void FindInFilesDialog::browse() {
    const QString folder = prompts_.askFolderPath(this, folder_->text());
    if (!folder.isEmpty()) folder_->setText(QDir::toNativeSeparators(folder));
}

std::optional<FileSearchQuery> FindInFilesDialog::readQuery() {
    FileSearchQuery query;
    const QString model = model_->text().trimmed();
    std::uint32_t hash = 0;
    if (model.isEmpty()) {
        status_->setText(tr("Give a model name or a hash."));
        model_->setFocus();
        return std::nullopt;
    }
    if (isHashText(model) ? hashTextValue(model, hash) : parseUInt32Text(model.toStdString(), hash))
        query.hash = hash;
    else
        query.modelName = model;

    const QString texts[] = {x_->text().trimmed(), y_->text().trimmed(), radius_->text().trimmed()};
    const bool anyNear = !texts[0].isEmpty() || !texts[1].isEmpty() || !texts[2].isEmpty();
    if (anyNear) {
        const std::optional<double> x = numberOf(texts[0]), y = numberOf(texts[1]),
                                    radius = numberOf(texts[2]);
        if (!x || !y || !radius || *radius < 0) {
            status_->setText(tr("Give X, Y and a radius of 0 or more as numbers, or leave all "
                                "three empty."));
            (!x ? x_ : !y ? y_ : radius_)->setFocus();
            return std::nullopt;
        }
        query.hasNear = true;
        query.x = *x;
        query.y = *y;
        query.radius = *radius;
    }
    return query;
}

void FindInFilesDialog::find() {
    const QString folder = QDir::fromNativeSeparators(folder_->text().trimmed());
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        status_->setText(folder.isEmpty() ? tr("Give the folder to search.")
                                          : tr("There is no folder \"%1\".")
                                                .arg(QDir::toNativeSeparators(folder)));
        folder_->setFocus();
        return;
    }
    const std::optional<FileSearchQuery> query = readQuery();
    if (!query) return;
    results_->startSearch(folder);
    problemLines_.clear();
    problems_->clear();
    problems_->hide();
    filesDone_ = 0;
    filesTotal_ = 0;
    progress_->setRange(0, 0);  // busy until the folder is listed
    status_->setText(tr("Listing the files..."));
    run_->start(folder, *query, dictionary_);
    setSearching(true);
}

void FindInFilesDialog::cancel() {
    if (!run_->isRunning()) return;
    // Stopping waits for the files being read; what they found is kept.
    run_->stop();
    showFinished(filesDone_, filesTotal_, true);
}

void FindInFilesDialog::done(int result) {
    if (run_->isRunning()) cancel();
    QDialog::done(result);
}

void FindInFilesDialog::chooseHit() {
    const QModelIndex current = view_->currentIndex();
    if (current.isValid()) emit hitChosen(results_->hit(current.row()));
}

void FindInFilesDialog::showProgress(int done, int total) {
    filesDone_ = done;
    filesTotal_ = total;
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(done);
    if (run_->isRunning())
        status_->setText(tr("Searching: %1 of %2 files, %3 hits so far...")
                             .arg(done)
                             .arg(total)
                             .arg(results_->hitCount()));
}

void FindInFilesDialog::addProblem(const FileSearchProblem& problem) {
    problemLines_ << problem.message;
    QStringList shown = problemLines_.mid(0, kProblemLinesShown);
    if (problemLines_.size() > kProblemLinesShown)
        shown << tr("... and %1 more.").arg(problemLines_.size() - kProblemLinesShown);
    const QString heading = problemLines_.size() == 1
                                ? tr("1 file was skipped:")
                                : tr("%1 files were skipped:").arg(problemLines_.size());
    problems_->setText(heading + u'\n' + shown.join(u'\n'));
    problems_->setToolTip(problemLines_.join(u'\n'));
    problems_->show();
}

void FindInFilesDialog::showFinished(int searched, int total, bool cancelled) {
    setSearching(false);
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(searched);
    const int hits = results_->hitCount();
    if (cancelled)
        status_->setText(tr("Cancelled: %1 hits in the %2 files searched.").arg(hits).arg(searched));
    else if (total == 0)
        status_->setText(tr("No placement files in the folder."));
    else if (hits == 0)
        status_->setText(tr("No hits in %1 files.").arg(searched));
    else
        status_->setText(tr("%1 hits in %2 files.").arg(hits).arg(searched));
    if (hits > 0 && !view_->currentIndex().isValid())
        view_->setCurrentIndex(results_->index(0, 0));
}

// Find stays enabled: a new search stops the one running first.
void FindInFilesDialog::setSearching(bool on) {
    cancel_->setEnabled(on);
}

}  // namespace varn
