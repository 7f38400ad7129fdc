#include "searchrun.h"

#include <QMetaObject>

namespace varn {

SearchRun::SearchRun(QObject* parent) : QObject(parent) {}

SearchRun::~SearchRun() {
    stop();
}

void SearchRun::start(const QString& folder, const FileSearchQuery& query,
                      const HashDictionary& dictionary) {
    stop();
    cancel_ = false;
    running_ = true;
    const int run = ++run_;
    HashDictionary names;
    names.baseEntries = dictionary.baseEntries;  // each file's own table is read with the file
    worker_ = std::thread(&SearchRun::search, this, run, folder, query, std::move(names));
}

bool SearchRun::stop() {
    if (!worker_.joinable()) return false;
    cancel_ = true;
    worker_.join();
    ++run_;  // what the stopped run queued on its way out is no news any more
    const bool wasRunning = running_;
    running_ = false;
    return wasRunning;
}

void SearchRun::post(int run, std::function<void()> call) {
    QMetaObject::invokeMethod(
        this,
        [this, run, call = std::move(call)] {
            if (run == run_) call();
        },
        Qt::QueuedConnection);
}

void SearchRun::search(int run, QString folder, FileSearchQuery query, HashDictionary dictionary) {
    std::vector<FileSearchProblem> listing;
    const QStringList files = listPlacementFiles({folder}, &listing);
    const int total = static_cast<int>(files.size());
    post(run, [this, total] { emit filesListed(total); });
    for (const FileSearchProblem& problem : listing)
        post(run, [this, problem] { emit problemFound(problem); });
    int searched = 0;
    if (!cancel_ && total > 0) {
        searched = FileSearch().run(
            files, query, &dictionary,
            [this, run](std::vector<FileSearchHit> hits, int done, int all) {
                post(run, [this, hits = std::move(hits), done, all] {
                    emit fileSearched(hits, done, all);
                });
            },
            [this, run](const FileSearchProblem& problem) {
                post(run, [this, problem] { emit problemFound(problem); });
            },
            &cancel_);
    }
    const bool cancelled = cancel_;
    post(run, [this, searched, total, cancelled] {
        running_ = false;
        emit finished(searched, total, cancelled);
    });
}

}  // namespace varn
