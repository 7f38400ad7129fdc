#include "csvrecords.h"

#include <QCoreApplication>

namespace varn {
namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}
}  // namespace

std::string_view CsvRecords::field(int i) const {
    return std::string_view(text_).substr(fields_[i].begin, fields_[i].end - fields_[i].begin);
}

TextPlace CsvRecords::placeOf(const Spot& spot) const {
    TextPlace place = varn::placeOf(data_.data() + spot.lineStart, data_.data() + spot.offset);
    place.line += spot.line - 1;
    return place;
}

CsvRecords::Step CsvRecords::fail(std::string_view data, std::size_t at, const char* cause) {
    data_ = data;
    errorPlace_ = placeOf(spot(at));
    error_ = QCoreApplication::translate("varn::CsvImport", cause);
    return Step::Error;
}

void CsvRecords::newLine(std::size_t nextLineStart) {
    ++line_;
    lineStart_ = nextLineStart;
}

CsvRecords::Step CsvRecords::next(std::string_view data, bool final, std::size_t& pos) {
    if (!startSeen_) {
        if (data.size() < kByteOrderMark.size() && !final && kByteOrderMark.starts_with(data))
            return Step::NeedMore;
        if (data.substr(pos).starts_with(kByteOrderMark)) pos += kByteOrderMark.size();
        startSeen_ = true;
    }
    lineStart_ = pos;
    // Empty lines carry no record.
    while (pos < data.size() && isLineBreak(data[pos])) {
        if (data[pos] == '\r' && pos + 1 == data.size() && !final) return Step::NeedMore;
        pos += data[pos] == '\r' && pos + 1 < data.size() && data[pos + 1] == '\n' ? 2 : 1;
        newLine(pos);
    }
    if (pos >= data.size()) return final ? Step::End : Step::NeedMore;

    const qint64 firstLine = line_;
    const std::size_t firstLineStart = lineStart_;
    const auto needMore = [&] {
        line_ = firstLine;  // the record is split again from its start
        lineStart_ = firstLineStart;
        return Step::NeedMore;
    };
    text_.clear();
    fields_.clear();
    std::size_t i = pos;
    while (true) {
        Field field;
        field.at = spot(i);
        field.begin = text_.size();
        if (i < data.size() && data[i] == '"') {
            ++i;
            while (true) {
                if (i >= data.size()) {
                    if (!final) return needMore();
                    data_ = data;
                    errorPlace_ = placeOf(field.at);  // lines inside the quotes are counted
                    error_ = QCoreApplication::translate("varn::CsvImport",
                                                         "the quoted field never ends");
                    return Step::Error;
                }
                const char c = data[i];
                if (c == '"') {
                    if (i + 1 >= data.size() && !final) return needMore();
                    if (i + 1 < data.size() && data[i + 1] == '"') {
                        text_ += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (c == '\n' || (c == '\r' && !(i + 1 < data.size() && data[i + 1] == '\n')))
                    newLine(i + 1);
                text_ += c;
                ++i;
            }
            if (i < data.size() && data[i] != ',' && !isLineBreak(data[i]))
                return fail(data, i,
                            QT_TRANSLATE_NOOP(
                                "varn::CsvImport",
                                "a closing quote must be followed by a comma or a line break"));
        } else {
            const std::size_t start = i;
            while (i < data.size() && data[i] != ',' && !isLineBreak(data[i])) {
                if (data[i] == '"')
                    return fail(
                        data, i,
                        QT_TRANSLATE_NOOP("varn::CsvImport",
                                          "a quote inside a field that does not start with one"));
                ++i;
            }
            text_.append(data.substr(start, i - start));
        }
        field.end = text_.size();
        fields_.push_back(field);
        if (i < data.size() && data[i] == ',') {
            ++i;
            continue;
        }
        if (i >= data.size() && !final) return needMore();
        end_ = spot(i);
        data_ = data;
        if (i < data.size()) {
            if (data[i] == '\r' && i + 1 >= data.size() && !final) return needMore();
            i += data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n' ? 2 : 1;
            newLine(i);
        }
        pos = i;
        return Step::Record;
    }
}

}  // namespace varn
