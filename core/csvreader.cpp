// Reading one section from CSV: the header names the columns, every further record is a row.
// Large files are read a piece at a time; the rows are kept only as records (and the few texts
// that are not just their field).

#include "csvrecords.h"
#include "exchangefields.h"
#include "exchangenames.h"
#include "messages.h"
#include "sectioncsv.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace varn {
namespace {

// The text to split: what has been read and not yet consumed, and whether that is all.
class CsvSource {
public:
    virtual ~CsvSource() = default;
    [[nodiscard]] virtual std::string_view text() const = 0;
    [[nodiscard]] virtual bool ended() const = 0;
    // Drops the first consumed bytes of the text and reads on; false, with the message, when
    // reading fails.
    virtual bool more(std::size_t consumed, QString& error) = 0;
};

class CsvSectionReader {
public:
    CsvSectionReader(const QString& source, const SectionTable& target,
                     const CsvReadOptions& options)
        : source_(source),
          target_(target),
          options_(options),
          fields_(exchangeFields(target.layout())),
          modelName_(modelNameField(target.layout())),
          modelHash_(modelHashField(target.layout())) {
        const SectionLayout& layout = target.layout();
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            const int nameCell = layout.nameCellOf(fields_[f].cell);
            int nameField = -1;
            for (std::size_t g = 0; g < fields_.size(); ++g)
                if (nameCell >= 0 && fields_[g].cell == nameCell) nameField = static_cast<int>(g);
            hashOfName_.push_back(nameField);
        }
        fieldColumn_.assign(fields_.size(), -1);
    }

    bool run(CsvSource& source, std::size_t sizeHint, RowBlock& rows, QString& error);

private:
    bool readHeader();
    bool readRow();
    bool failAt(TextPlace place, int column, const QString& cause);
    bool failField(int field, const QString& cause) {
        return failAt(records_.fieldPlace(fieldColumn_[field]), fieldColumn_[field], cause);
    }

    const QString& source_;
    const SectionTable& target_;
    const CsvReadOptions& options_;
    std::span<const ExchangeField> fields_;
    const int modelName_;
    const int modelHash_;
    std::vector<int> hashOfName_;   // per field: the field of the name whose hash it holds
    std::vector<int> fieldColumn_;  // per field: its column in the file
    CsvRecords records_;
    bool headerRead_ = false;
    RowBlock block_;
    QString error_;
};

bool CsvSectionReader::failAt(TextPlace place, int column, const QString& cause) {
    QString where = place.text();
    if (column >= 0) {
        const auto name = fields_[static_cast<std::size_t>(std::distance(
                                      fieldColumn_.begin(),
                                      std::find(fieldColumn_.begin(), fieldColumn_.end(), column)))]
                              .name;
        where += QStringLiteral(" (column \"%1\")").arg(QString::fromStdString(name));
    }
    error_ = messages::cannotRead(source_, where, cause);
    return false;
}

bool CsvSectionReader::readHeader() {
    for (int column = 0; column < records_.fieldCount(); ++column) {
        const std::string_view name = records_.field(column);
        // Zero bytes between the letters, or a byte order mark of FF FE or FE FF: UTF-16.
        const bool utf16 = name.find('\0') != std::string_view::npos ||
                           name.starts_with("\xFF\xFE") || name.starts_with("\xFE\xFF");
        if (utf16 || !isUtf8Text(name))
            return failAt(
                records_.fieldPlace(column), -1,
                utf16 ? QCoreApplication::translate(
                            "varn::CsvImport",
                            "the file is not UTF-8 text but UTF-16, it seems; "
                            "save it as UTF-8")
                      : QCoreApplication::translate(
                            "varn::CsvImport", "the file is not UTF-8 text; save it as UTF-8"));
        const int field = exchangeFieldIndex(target_.layout(), name);
        const QString shown = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        if (field < 0)
            return failAt(
                records_.fieldPlace(column), -1,
                QCoreApplication::translate("varn::CsvImport", "\"%1\" is no field of section %2")
                    .arg(shown)
                    .arg(target_.number()));
        if (fieldColumn_[field] >= 0)
            return failAt(
                records_.fieldPlace(column), -1,
                QCoreApplication::translate("varn::CsvImport", "the column \"%1\" appears twice")
                    .arg(shown));
        fieldColumn_[field] = column;
    }
    for (std::size_t f = 0; f < fields_.size(); ++f)
        if (fieldColumn_[f] < 0)
            return failAt(
                records_.fieldPlace(0), -1,
                QCoreApplication::translate("varn::CsvImport", "the column \"%1\" is missing")
                    .arg(QString::fromStdString(fields_[f].name)));
    headerRead_ = true;
    return true;
}

bool CsvSectionReader::readRow() {
    const int columns = static_cast<int>(fields_.size());
    if (records_.fieldCount() != columns) {
        const QString cause =
            QCoreApplication::translate("varn::CsvImport",
                                        "this line has %1 fields, but the first line names %2")
                .arg(records_.fieldCount())
                .arg(columns);
        return failAt(
            records_.fieldCount() > columns ? records_.fieldPlace(columns) : records_.endPlace(),
            -1, cause);
    }
    const auto size = static_cast<std::size_t>(target_.layout().recordSize);
    block_.records.resize(block_.records.size() + size, '\0');
    char* record = block_.records.data() + block_.records.size() - size;
    QString cause;
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        const ExchangeField& field = fields_[f];
        const std::string_view text = records_.field(fieldColumn_[f]);
        if (field.kind == ExchangeKind::ModelName) continue;
        if (hashOfName_[f] >= 0 && text.empty()) {  // the hash of its name, once all are read
            std::uint32_t hash = 0;
            const int name = hashOfName_[f];
            if (!hashOfNameUtf8(records_.field(fieldColumn_[name]), hash, cause))
                return failField(name, cause);
            std::memcpy(record + field.offset, &hash, 4);
            continue;
        }
        if (!storeExactField(field, text, record, cause))
            return failField(static_cast<int>(f), cause);
        if (options_.fieldTests && field.kind == ExchangeKind::Text &&
            !passesNameTest(field, text, cause))
            return failField(static_cast<int>(f), cause);
    }
    if (modelName_ >= 0) {
        const std::string_view name = records_.field(fieldColumn_[modelName_]);
        std::uint32_t hash = 0;
        std::memcpy(&hash, record + fields_[modelHash_].offset, 4);
        std::optional<QString> edit;
        if (!modelNameEdit(name, hash, *target_.context().names, edit, cause) ||
            (edit && options_.fieldTests && !passesNameTest(fields_[modelName_], name, cause)))
            return failField(modelName_, cause);
        if (edit)
            setBlockCellText(block_, target_.layout().cellCount(), block_.count,
                             fields_[modelName_].cell, *edit);
    }
    ++block_.count;
    return true;
}

bool CsvSectionReader::run(CsvSource& source, std::size_t sizeHint, RowBlock& rows,
                           QString& error) {
    // Room for the rows the text can hold at most, reserved but untouched until used.
    block_.records.reserve(sizeHint / (fields_.size() * 2) *
                           static_cast<std::size_t>(target_.layout().recordSize));
    std::size_t pos = 0;
    while (true) {
        switch (records_.next(source.text(), source.ended(), pos)) {
            case CsvRecords::Step::Record:
                if (!(headerRead_ ? readRow() : readHeader())) {
                    error = error_;
                    return false;
                }
                break;
            case CsvRecords::Step::NeedMore:
                if (!source.more(pos, error)) return false;
                pos = 0;
                break;
            case CsvRecords::Step::End:
                if (!headerRead_) {
                    error = messages::cannotRead(
                        source_, TextPlace{}.text(),
                        QCoreApplication::translate("varn::CsvImport",
                                                    "the file is empty; its first "
                                                    "line must name the fields"));
                    return false;
                }
                if (!block_.edits.empty())
                    block_.edits.resize(static_cast<std::size_t>(block_.count));
                rows = std::move(block_);
                return true;
            case CsvRecords::Step::Error:
                failAt(records_.errorPlace(), -1, records_.error());
                error = error_;
                return false;
        }
    }
}

// Bytes in memory: all there at once.
class BytesSource : public CsvSource {
public:
    explicit BytesSource(QByteArrayView bytes)
        : text_(bytes.data(), static_cast<std::size_t>(bytes.size())) {}
    std::string_view text() const override { return text_; }
    bool ended() const override { return true; }
    bool more(std::size_t, QString&) override { return false; }

private:
    std::string_view text_;
};

// A file read a piece at a time into one buffer that holds the unread rest of the text.
class FileSource : public CsvSource {
public:
    explicit FileSource(QFile& file) : file_(file) {}
    std::string_view text() const override { return {buffer_.get(), size_}; }
    bool ended() const override { return ended_; }
    bool more(std::size_t consumed, QString& error) override {
        // Nothing to keep (and no buffer yet) before the first piece.
        if (consumed < size_) std::memmove(buffer_.get(), buffer_.get() + consumed, size_ - consumed);
        size_ -= consumed;
        if (capacity_ - size_ < kPiece / 2) {  // a record longer than the buffer
            const std::size_t capacity = std::max(kPiece, 2 * capacity_);
            std::unique_ptr<char[]> larger(new char[capacity]);
            if (size_ > 0) std::memcpy(larger.get(), buffer_.get(), size_);
            buffer_ = std::move(larger);
            capacity_ = capacity;
        }
        const qint64 got =
            file_.read(buffer_.get() + size_, static_cast<qint64>(capacity_ - size_));
        if (got < 0) {
            error = messages::cannotOpen(file_.fileName(), file_.errorString());
            return false;
        }
        size_ += static_cast<std::size_t>(got);
        ended_ = got == 0 || file_.atEnd();
        return true;
    }

private:
    static constexpr std::size_t kPiece = 4 << 20;
    QFile& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
    bool ended_ = false;
};

bool readFrom(CsvSource& source, std::size_t sizeHint, const QString& sourceName,
              const SectionTable& target, const CsvReadOptions& options, RowBlock& rows,
              QString& error) {
    try {
        CsvSectionReader reader(sourceName, target, options);
        RowBlock read;
        if (!reader.run(source, sizeHint, read, error)) return false;
        rows = std::move(read);
        return true;
    } catch (const std::bad_alloc&) {
        error = messages::cannotRead(
            sourceName, QCoreApplication::translate("varn::CsvImport", "the whole file"),
            QCoreApplication::translate("varn::CsvImport", "out of memory"));
        return false;
    }
}

}  // namespace

bool readSectionCsv(QByteArrayView bytes, const QString& sourceName, const SectionTable& target,
                    const CsvReadOptions& options, RowBlock& rows, QString& error) {
    BytesSource source(bytes);
    return readFrom(source, static_cast<std::size_t>(bytes.size()), sourceName, target, options,
                    rows, error);
}

bool readSectionCsvFile(const QString& path, const SectionTable& target,
                        const CsvReadOptions& options, RowBlock& rows, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    FileSource source(file);
    if (!source.more(0, error)) return false;
    return readFrom(source, static_cast<std::size_t>(file.size()), path, target, options, rows,
                    error);
}

}  // namespace varn
