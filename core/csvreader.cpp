// Reading one section from CSV: the header names the columns, every further record is a row.
// Large files are read a piece at a time; the rows are kept only as records (and the few texts
// that are not just their field).

#include "csvrecords.h"
#include "exchangefields.h"
#include "exchangenames.h"
#include "messages.h"
#include "sectioncsv.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>

namespace varn {
namespace {

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

    // Splits and reads records while more() supplies bytes: more(buffer) appends to buffer and
    // returns false once the input has ended.
    template <typename More>
    bool run(More more, RowBlock& rows, QString& error);

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
        const int field = exchangeFieldIndex(target_.layout(), name);
        const QString shown = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        if (field < 0)
            return failAt(records_.fieldPlace(column), -1,
                          QStringLiteral("\"%1\" is no field of section %2")
                              .arg(shown)
                              .arg(target_.number()));
        if (fieldColumn_[field] >= 0)
            return failAt(records_.fieldPlace(column), -1,
                          QStringLiteral("the column \"%1\" appears twice").arg(shown));
        fieldColumn_[field] = column;
    }
    for (std::size_t f = 0; f < fields_.size(); ++f)
        if (fieldColumn_[f] < 0)
            return failAt(records_.fieldPlace(0), -1,
                          QStringLiteral("the column \"%1\" is missing")
                              .arg(QString::fromStdString(fields_[f].name)));
    headerRead_ = true;
    return true;
}

bool CsvSectionReader::readRow() {
    const int columns = static_cast<int>(fields_.size());
    if (records_.fieldCount() != columns) {
        const QString cause = QStringLiteral("this line has %1 fields, but the first line names %2")
                                  .arg(records_.fieldCount())
                                  .arg(columns);
        return failAt(records_.fieldCount() > columns ? records_.fieldPlace(columns)
                                                      : records_.endPlace(),
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
        if (!storeExactField(field, text, record, cause)) return failField(static_cast<int>(f), cause);
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

template <typename More>
bool CsvSectionReader::run(More more, RowBlock& rows, QString& error) {
    std::string buffer;
    std::size_t pos = 0;
    bool final = !more(buffer);
    while (true) {
        switch (records_.next(buffer, final, pos)) {
            case CsvRecords::Step::Record:
                if (!(headerRead_ ? readRow() : readHeader())) {
                    error = error_;
                    return false;
                }
                break;
            case CsvRecords::Step::NeedMore:
                buffer.erase(0, pos);
                pos = 0;
                final = !more(buffer);
                break;
            case CsvRecords::Step::End:
                if (!headerRead_) {
                    error = messages::cannotRead(source_, QStringLiteral("line 1"),
                                                 QStringLiteral("the file is empty; its first "
                                                                "line must name the fields"));
                    return false;
                }
                if (!block_.edits.empty()) block_.edits.resize(static_cast<std::size_t>(block_.count));
                rows = std::move(block_);
                return true;
            case CsvRecords::Step::Error:
                failAt(records_.errorPlace(), -1, records_.error());
                error = error_;
                return false;
        }
    }
}

template <typename More>
bool readWith(More more, const QString& sourceName, const SectionTable& target,
              const CsvReadOptions& options, RowBlock& rows, QString& error) {
    try {
        CsvSectionReader reader(sourceName, target, options);
        return reader.run(more, rows, error);
    } catch (const std::bad_alloc&) {
        error = messages::cannotRead(sourceName, QStringLiteral("the whole file"),
                                     QStringLiteral("out of memory"));
        return false;
    }
}

}  // namespace

bool readSectionCsv(QByteArrayView bytes, const QString& sourceName, const SectionTable& target,
                    const CsvReadOptions& options, RowBlock& rows, QString& error) {
    bool given = false;
    const auto more = [&](std::string& buffer) {
        if (given) return false;
        buffer.append(bytes.data(), static_cast<std::size_t>(bytes.size()));
        given = true;
        return false;  // everything is there at once
    };
    return readWith(more, sourceName, target, options, rows, error);
}

bool readSectionCsvFile(const QString& path, const SectionTable& target,
                        const CsvReadOptions& options, RowBlock& rows, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    constexpr qint64 kPiece = 4 << 20;
    bool failed = false;
    const auto more = [&](std::string& buffer) {
        const std::size_t start = buffer.size();
        buffer.resize(start + kPiece);
        const qint64 got = file.read(buffer.data() + start, kPiece);
        buffer.resize(start + static_cast<std::size_t>(std::max<qint64>(got, 0)));
        failed = failed || got < 0;
        return got > 0;
    };
    RowBlock read;
    if (!readWith(more, path, target, options, read, error)) return false;
    if (failed) {
        error = messages::cannotOpen(path, file.errorString());
        return false;
    }
    rows = std::move(read);
    return true;
}

}  // namespace varn
