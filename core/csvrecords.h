#pragma once

// RFC 4180 records of UTF-8 text, split incrementally so that a large file is read a piece at a
// time: fields separated by ',', records ended by CRLF, LF or CR, fields in double quotes where
// they hold a comma, a quote (doubled) or a line break. A UTF-8 byte order mark at the start is
// skipped and empty lines are passed over.

#include "exchangeplace.h"

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

class CsvRecords {
public:
    enum class Step { Record, NeedMore, End, Error };

    // Splits the next record of data from pos on. Record: the fields are available and pos has
    // moved past the record. NeedMore: the data ends inside a record and more will follow;
    // call again with the unread rest and more bytes (the place is kept). End: no more records.
    // Error: the record breaks the quoting rules; error() and errorPlace() say how.
    Step next(std::string_view data, bool final, std::size_t& pos);

    [[nodiscard]] int fieldCount() const { return static_cast<int>(fields_.size()); }
    [[nodiscard]] std::string_view field(int i) const;
    // Where field i of the last record begins, and where that record ends (its line break, or
    // the end of the text). Counted when asked, while the record's data is unchanged.
    [[nodiscard]] TextPlace fieldPlace(int i) const { return placeOf(fields_[i].at); }
    [[nodiscard]] TextPlace endPlace() const { return placeOf(end_); }
    [[nodiscard]] const QString& error() const { return error_; }
    [[nodiscard]] TextPlace errorPlace() const { return errorPlace_; }

private:
    // A position in the data, with the line it is on and where that line starts.
    struct Spot {
        std::size_t offset = 0;
        qint64 line = 1;
        std::size_t lineStart = 0;
    };
    struct Field {
        std::size_t begin = 0;  // in text_
        std::size_t end = 0;
        Spot at;
    };
    [[nodiscard]] Spot spot(std::size_t offset) const { return {offset, line_, lineStart_}; }
    [[nodiscard]] TextPlace placeOf(const Spot& spot) const;
    Step fail(std::string_view data, std::size_t at, const char* cause);
    void newLine(std::size_t nextLineStart);

    std::string text_;  // the unquoted text of the record's fields, one after another
    std::vector<Field> fields_;
    std::string_view data_;  // the data of the last record
    bool startSeen_ = false;
    qint64 line_ = 1;            // line of the record being split
    std::size_t lineStart_ = 0;  // where that line starts in the current data
    Spot end_;
    QString error_;
    TextPlace errorPlace_;
};

}  // namespace varn
