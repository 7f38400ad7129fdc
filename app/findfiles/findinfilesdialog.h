#pragma once

#include "filesearch.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace varn {

class FindResultsModel;
class HashDictionary;
class SearchRun;
class UserPrompts;

// File -> "Find in Files...": which placement files under a folder place a model, and where.
// The model is a name (completed from the dictionary) or a hash, optionally only near a point;
// the hits fill the table as the files are searched, with a progress bar, Cancel, and a line
// for the files that could not be read. A double-click or Return on a hit asks the window to
// show it. Closing the dialog stops the search.
class FindInFilesDialog : public QDialog {
    Q_OBJECT
public:
    FindInFilesDialog(const HashDictionary& dictionary, UserPrompts& prompts, char separator,
                      QWidget* parent = nullptr);
    ~FindInFilesDialog() override;

    // Fills the model names for completion from the dictionary again.
    void refreshNames();
    [[nodiscard]] FindResultsModel& results() const { return *results_; }
    [[nodiscard]] bool isSearching() const;

public slots:
    // Starts a search with the fields as they are; a field that does not read says so instead.
    void find();
    // Stops the search; the hits so far stay.
    void cancel();
    void done(int result) override;

signals:
    void hitChosen(const FileSearchHit& hit);

private:
    void createFields();
    void createResults();
    void browse();
    // The query the fields give, or nullopt with the reason shown.
    [[nodiscard]] std::optional<FileSearchQuery> readQuery();
    void chooseHit();
    void showProgress(int done, int total);
    void addProblem(const FileSearchProblem& problem);
    void showFinished(int searched, int total, bool cancelled);
    void setSearching(bool on);

    const HashDictionary& dictionary_;
    UserPrompts& prompts_;
    QLineEdit* folder_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLineEdit* model_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QLineEdit* radius_ = nullptr;
    QPushButton* find_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* close_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* problems_ = nullptr;
    QTableView* view_ = nullptr;
    FindResultsModel* results_;
    SearchRun* run_;
    QStringList problemLines_;
    int filesDone_ = 0;
    int filesTotal_ = 0;
};

}  // namespace varn
