#include "placementmodel.h"

#include "codepage.h"
#include "numbertext.h"

#include <bit>

namespace varn::fuzz {
namespace {

std::uint32_t littleAt(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t{b[3]} << 24);
}

std::uint32_t bigAt(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return (std::uint32_t{b[0]} << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
}

void putLittle(char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>(v >> (8 * i));
}

QByteArray nameUpToZero(const char* field, int width) {
    int size = 0;
    while (size < width && field[size] != 0)
        ++size;
    return QByteArray(field, size);
}

}  // namespace

PlacementModel::PlacementModel(const QByteArray& file, bool bigEndian)
    : file_(file), bigEndian_(bigEndian) {
    if (file_.size() < kHeaderSize) return;
    for (int k = 0; k < kSectionCount; ++k)
        counts_[k] = static_cast<std::int32_t>(field(4 + 4 * k));
    recordsEnd_ = kHeaderSize;
    bool sound = true;
    for (int k = 0; k < kSectionCount; ++k) {
        if (counts_[k] == 0) continue;
        const SectionLayout* layout = sectionLayout(k);
        sound = sound && layout && counts_[k] > 0;
        if (layout) recordsEnd_ += static_cast<qint64>(counts_[k]) * layout->recordSize;
    }
    loadable_ = sound && recordsEnd_ <= file_.size();
    if (!loadable_ || file_.size() - recordsEnd_ < 4) return;
    const qint64 entries = littleAt(file_.constData() + recordsEnd_);
    if (file_.size() - recordsEnd_ != 4 + entries * kEntrySize) return;
    hasTable_ = true;
    for (qint64 i = 0; i < entries; ++i) {
        const char* entry = file_.constData() + recordsEnd_ + 4 + i * kEntrySize;
        table_.append({nameUpToZero(entry, kEntryNameSize), littleAt(entry + kEntryNameSize)});
    }
}

std::uint32_t PlacementModel::field(qint64 offset) const {
    const char* p = file_.constData() + offset;
    return bigEndian_ ? bigAt(p) : littleAt(p);
}

qint64 PlacementModel::recordOffset(const SectionLayout& layout, int row) const {
    qint64 offset = kHeaderSize;
    for (const SectionLayout& before : sectionsInFileOrder()) {
        if (before.number == layout.number) break;
        offset += static_cast<qint64>(counts_[before.number]) * before.recordSize;
    }
    return offset + static_cast<qint64>(row) * layout.recordSize;
}

QString PlacementModel::cellText(const SectionLayout& layout, int row, int cell,
                                 const HashDictionary& names, char separator) const {
    const CellLayout& c = layout.cells[cell];
    if (c.rule == TextRule::Marker) return QStringLiteral("[...]");
    const qint64 at = recordOffset(layout, row) + c.offset;
    if (c.rule == TextRule::String)
        return decodeWindows1252(nameUpToZero(file_.constData() + at, c.width));
    const std::uint32_t bits = field(at);
    switch (c.rule) {
        case TextRule::Fixed4:
        case TextRule::Fixed7:
            return QString::fromStdString(
                trimmedFixed(std::bit_cast<float>(bits), c.writeBackDecimals(), separator));
        case TextRule::General15:
            return QString::fromStdString(general15(std::bit_cast<float>(bits), separator));
        case TextRule::Int:
            return QString::number(static_cast<std::int32_t>(bits));
        case TextRule::UInt:
            return QString::number(bits);
        case TextRule::HashName:
            return lookupName(names, bits);
        case TextRule::String:
        case TextRule::Marker:
            break;
    }
    return {};
}

QByteArray PlacementModel::savedRecords() const {
    QByteArray out = file_.mid(kHeaderSize, recordsEnd_ - kHeaderSize);
    for (const SectionLayout& layout : sectionsInFileOrder()) {
        for (int row = 0; row < counts_[layout.number]; ++row) {
            const qint64 record = recordOffset(layout, row) - kHeaderSize;
            for (const CellLayout& c : layout.cells) {
                if (c.offset < 0) continue;
                char* p = out.data() + record + c.offset;
                if (c.type != FieldType::Text) {
                    putLittle(p, field(kHeaderSize + record + c.offset));
                    continue;
                }
                for (int i = nameUpToZero(p, c.width).size(); i < c.width; ++i)
                    p[i] = 0;
            }
        }
    }
    return out;
}

QString lookupName(const HashDictionary& names, std::uint32_t hash) {
    for (const HashTableEntry& e : names.fileEntries) {
        if (e.hash != hash) continue;
        if (!e.name.isEmpty()) return decodeWindows1252(e.name);
        break;
    }
    return lookupBaseName(names, hash);
}

QString lookupBaseName(const HashDictionary& names, std::uint32_t hash) {
    for (const HashTableEntry& e : names.baseEntries)
        if (e.hash == hash) return decodeWindows1252(e.name);
    return QStringLiteral("[hash:") + QString::number(hash) + QLatin1Char(']');
}

}  // namespace varn::fuzz
