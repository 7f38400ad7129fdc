#pragma once

// What the interchange writers share: a large buffer written to a device in pieces, JSON
// string quoting, and the rows of a table as saving writes them.

#include "sectiontable.h"

#include <QIODevice>
#include <QString>

#include <memory>
#include <string>
#include <string_view>

namespace varn {

class ExchangeOutput {
public:
    explicit ExchangeOutput(QIODevice& device);

    // Append here, then call pieceDone(); the buffer goes out once it is large.
    std::string& buffer() { return buffer_; }
    void pieceDone() {
        if (buffer_.size() >= kPieceSize) flush();
    }
    // Writes what is buffered; false (and error() set) once any write failed.
    bool flush();
    [[nodiscard]] const QString& error() const { return error_; }
    // The device's file name, or "standard output" for a device without one.
    [[nodiscard]] QString name() const;

private:
    static constexpr std::size_t kPieceSize = 1 << 20;
    QIODevice& device_;
    std::string buffer_;
    QString error_;
};

// A JSON string of UTF-8 text.
void appendJsonString(std::string& out, std::string_view utf8);

struct ExchangeField;

// A field's exact value as a JSON value: numbers bare (a whole float with ".0"), texts and the
// texts of infinities and NaNs as strings; section 0's model name as the name of the row.
void appendJsonValue(const SectionTable& table, const ExchangeField& field, const char* record,
                     int row, std::string& scratch, std::string& out);

// A table's records as saving would write them (edited cells converted), a piece at a time.
class SavedRecords {
public:
    explicit SavedRecords(const SectionTable& table);
    // The next piece of rows; false at the end, or on failure with error set.
    bool next(int& first, int& count, const char*& records, QString& cause, QString& where);

private:
    const SectionTable& table_;
    std::unique_ptr<char[]> piece_;
    int next_ = 0;
};

// The model name a section 0 row carries in interchange files: its edited name or the name the
// dictionary gives its hash, as UTF-8; nothing when that is only a hash text.
void appendModelName(const SectionTable& table, int row, std::string& out);

}  // namespace varn
