#pragma once

// Find in files: which placement files under some folders place a model, and where.

#include "hashdictionary.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace varn {

struct FileSearchQuery {
    // The model: by hash, or else by name (matched through the dictionary and each file's own
    // name table, and by its own name hash). Section 9 rows match by a hash slot or, for a name,
    // by a model name slot equal to it without regard to case.
    std::optional<std::uint32_t> hash;
    QString modelName;
    // Only hits within radius of (x, y), measured in the X/Y plane; a section 9 row by the
    // middle of its two corners.
    bool hasNear = false;
    double x = 0;
    double y = 0;
    double radius = 0;
};

struct FileSearchHit {
    QString file;  // as reached from the path given: "PATH/sub/a.wpl"
    int section = 0;  // 0 or 9
    qint64 row = 0;   // 0-based, as the tables number them
    QString model;    // the model's name as the file or dictionary gives it, else its hash text
    float x = 0;      // section 0: the position; section 9: the middle of the two corners
    float y = 0;
    float z = 0;
    bool operator==(const FileSearchHit&) const = default;
};

struct FileSearchProblem {
    QString file;
    QString message;  // one line: the reason the file was skipped, naming it
};

// The placement files (*.wpl, *.xpl in any case) of the paths: a file path as it is, a folder
// searched recursively. Sorted, without repeats; a path that does not exist gives a problem.
[[nodiscard]] QStringList listPlacementFiles(const QStringList& paths,
                                             std::vector<FileSearchProblem>* problems = nullptr);

class FileSearch {
public:
    // Called once per file searched, with its hits (sorted by section, then row; possibly none),
    // the number of files done so far and the total.
    using FileDone =
        std::function<void(std::vector<FileSearchHit> hits, int filesDone, int filesTotal)>;
    using ProblemFound = std::function<void(const FileSearchProblem& problem)>;

    // Threads reading files; 0 picks one per processor, at most four.
    explicit FileSearch(int threads = 0);

    // Searches the files (as listPlacementFiles gives them) in parallel, reading of each file
    // only the header, sections 0 and 9 and, for a name query, the appended table. Blocks until
    // every file is done or cancel turns true (files not started then are skipped).
    // Both callbacks are called from the worker threads, one call at a time (never
    // concurrently); a window marshals them to its own thread. Files are reported in the order
    // they finish, not in list order. Returns the number of files searched.
    int run(const QStringList& files, const FileSearchQuery& query,
            const HashDictionary* dictionary, const FileDone& onFileDone,
            const ProblemFound& onProblem, const std::atomic<bool>* cancel = nullptr) const;

    // The hits of one file, for tests and for a search without threads; false with the message
    // when the file cannot be read or is malformed.
    [[nodiscard]] static bool searchFile(const QString& file, const FileSearchQuery& query,
                                         const HashDictionary* dictionary,
                                         std::vector<FileSearchHit>& hits, QString& error);

private:
    int threads_;
};

// All hits of the files sorted by file, then section and row, with the problems in file order:
// run() without callbacks.
[[nodiscard]] std::vector<FileSearchHit> searchFiles(const QStringList& files,
                                                     const FileSearchQuery& query,
                                                     const HashDictionary* dictionary,
                                                     std::vector<FileSearchProblem>& problems);

}  // namespace varn
