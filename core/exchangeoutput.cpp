#include "exchangeoutput.h"

#include "exactvalue.h"
#include "exchangefields.h"
#include "messages.h"

#include <QFileDevice>

#include <algorithm>

namespace varn {
namespace {
constexpr int kRowsPerPiece = 16384;
}

ExchangeOutput::ExchangeOutput(QIODevice& device) : device_(device) {
    buffer_.reserve(kPieceSize + kPieceSize / 4);
}

QString ExchangeOutput::name() const {
    const auto* file = qobject_cast<const QFileDevice*>(&device_);
    return file && !file->fileName().isEmpty() ? file->fileName()
                                               : QStringLiteral("standard output");
}

bool ExchangeOutput::flush() {
    if (!error_.isEmpty()) {
        buffer_.clear();  // nothing more goes out after a failed write
        return false;
    }
    const auto size = static_cast<qint64>(buffer_.size());
    if (size > 0 && device_.write(buffer_.data(), size) != size) {
        error_ = messages::cannotWrite(name(), device_.errorString());
        buffer_.clear();
        return false;
    }
    buffer_.clear();
    return true;
}

void appendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendJsonValue(const SectionTable& table, const ExchangeField& field, const char* record,
                     int row, std::string& scratch, std::string& out) {
    scratch.clear();
    if (field.kind == ExchangeKind::ModelName) {
        appendModelName(table, row, scratch);
        appendJsonString(out, scratch);
        return;
    }
    appendExactField(field, record, scratch);
    const bool isFloat = field.kind == ExchangeKind::Float;
    if (field.kind == ExchangeKind::Text || (isFloat && isSpecialFloatText(scratch))) {
        appendJsonString(out, scratch);
        return;
    }
    out += scratch;
    // A whole float keeps a fraction ("-0.0", "1.0"): readers that tell integers from floats
    // by the text (Python's json among them) keep it a float, the sign of -0 included.
    if (isFloat && scratch.find_first_of(".e") == std::string::npos) out += ".0";
}

SavedRecords::SavedRecords(const SectionTable& table) : table_(table) {}

bool SavedRecords::next(int& first, int& count, const char*& records, QString& cause,
                        QString& where) {
    if (next_ >= table_.rowCount()) return false;
    const int size = table_.layout().recordSize;
    if (!piece_) piece_.reset(new char[static_cast<std::size_t>(kRowsPerPiece) * size]);
    first = next_;
    count = std::min(kRowsPerPiece, table_.rowCount() - first);
    int failedRow = 0;
    int failedCell = 0;
    if (!table_.writeRecords(first, count, piece_.get(), failedRow, failedCell, cause)) {
        where = QStringLiteral("section %1, row %2, column \"%3\"")
                    .arg(table_.number())
                    .arg(failedRow)
                    .arg(QString::fromStdString(table_.layout().cells[failedCell].caption));
        return false;
    }
    records = piece_.get();
    next_ += count;
    return true;
}

void appendModelName(const SectionTable& table, int row, std::string& out) {
    const std::size_t start = out.size();
    table.appendCellUtf8(row, table.layout().modelName().nameCell, out);
    const std::string_view name(out.data() + start, out.size() - start);
    const bool hashText =
        name.size() > 7 && name.starts_with("[hash:") && name.ends_with(']') &&
        std::all_of(name.begin() + 6, name.end() - 1, [](char c) { return c >= '0' && c <= '9'; });
    if (hashText) out.resize(start);
}

}  // namespace varn
