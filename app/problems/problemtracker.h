#pragma once

#include "problems.h"

#include <QObject>

#include <functional>
#include <map>
#include <vector>

namespace varn {

class HashDictionary;
class PlacementDocument;
class SectionModel;

// The open document's problems, kept in step with it while active: the whole document is
// checked when it is replaced (New, Open, reload); after a change of rows only the rows it
// touched are checked again, with the twins of duplicate placements on either side of the
// change. Rows that come and go renumber the problems of the rows after them.
class ProblemTracker : public QObject {
    Q_OBJECT
public:
    ProblemTracker(PlacementDocument& document, const HashDictionary& dictionary,
                   QObject* parent = nullptr);

    // Inactive, the list is empty and changes cost nothing; made active, the document is
    // checked at once.
    void setActive(bool on);
    [[nodiscard]] bool isActive() const { return active_; }
    // In the check's order: section, row, code.
    [[nodiscard]] const std::vector<Problem>& problems() const { return problems_; }
    // Checks what changed since, now (it is done after every command, and soon after any other
    // change of rows).
    void update();
    // Rows checked again since the last full check, for a look at what a change cost.
    [[nodiscard]] qint64 rowsRechecked() const { return rowsRechecked_; }

signals:
    void problemsChanged();

private:
    // Rows of one section waiting to be checked again; whole when its rows were replaced.
    struct Pending {
        bool whole = false;
        std::vector<qint64> rows;
    };
    // Where an old row is now; -1 when it was removed.
    using RowMap = std::function<qint64(qint64)>;

    void follow(SectionModel* model);
    void checkAll();
    void checkSection(int section, Pending pending);
    void mark(int section, qint64 first, qint64 last);
    void markAll(int section);
    void renumber(int section, const RowMap& map);
    void schedule();

    PlacementDocument& document_;
    const HashDictionary& dictionary_;
    bool active_ = false;
    bool scheduled_ = false;
    bool replacing_ = false;  // the models were reset and the document's replaced() is due
    std::vector<Problem> problems_;
    std::map<int, Pending> pending_;
    // A bulk removal or insertion told ahead of the reset that carries it out.
    std::map<int, std::function<void()>> bulkAhead_;
    // Rows a bulk edit reported one by one; the range signal that follows is then no news.
    std::map<int, bool> reported_;
    qint64 rowsRechecked_ = 0;
};

}  // namespace varn
