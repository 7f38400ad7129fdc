#pragma once

#include "filesearch.h"
#include "hashdictionary.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace varn {

// One search over a folder's placement files at a time, on a thread of its own (which reads the
// files on FileSearch's pool). What it finds arrives through the signals, on the thread this
// object lives on. Stopping sets the cancel flag and waits for the thread; nothing of a stopped
// run is told after that, and destroying the object stops it.
class SearchRun : public QObject {
    Q_OBJECT
public:
    explicit SearchRun(QObject* parent = nullptr);
    ~SearchRun() override;

    // Stops a run in progress, then searches the folder for the query. The names of the
    // dictionary are copied: the window may load another file meanwhile.
    void start(const QString& folder, const FileSearchQuery& query,
               const HashDictionary& dictionary);
    // Sets the cancel flag and waits until the thread has ended; true when a run was stopped.
    bool stop();
    [[nodiscard]] bool isRunning() const { return running_; }

signals:
    // The folder was listed: total files to search.
    void filesListed(int total);
    void fileSearched(const std::vector<FileSearchHit>& hits, int done, int total);
    void problemFound(const FileSearchProblem& problem);
    // The run ended: searched files of total; cancelled when Cancel cut it short.
    void finished(int searched, int total, bool cancelled);

private:
    // Runs on the search's threads: the call is made on this object's thread, unless the run
    // has been stopped by then.
    void post(int run, std::function<void()> call);
    void search(int run, QString folder, FileSearchQuery query, HashDictionary dictionary);

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    int run_ = 0;  // the run whose news is told; read and written on this object's thread only
    bool running_ = false;
};

}  // namespace varn
