#pragma once

// What changes one row: texts for some of its cells. An editor's OK, a paste or an import hands
// these to the document; a name always travels with the hash that is saved for it.

#include "recordlayout.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace varn {

struct CellWrite {
    int cell = 0;
    QString text;
    bool operator==(const CellWrite&) const = default;
};
using RowWrites = std::vector<CellWrite>;

// The hash saved for a name cell's text: the value of a hash text ("[hash:N]"), else the name
// hash of the text. False, with the integer message, when a hash text exceeds its range.
[[nodiscard]] bool hashOfNameText(QStringView text, std::uint32_t& hash, QString* error = nullptr);

// Puts the write of its hash cell right after every write of a name cell, replacing any hash
// write the list already had for it. False, with the message, when a name gives no hash.
[[nodiscard]] bool addNameHashWrites(const SectionLayout& layout, RowWrites& writes,
                                     QString* error = nullptr);

}  // namespace varn
