#include "document.h"

namespace varn {

Document::Document(char separator, std::shared_ptr<const NameLookup> names)
    : context_(std::make_shared<const TextContext>(TextContext{separator, std::move(names)})) {
    tables_.reserve(kKnownSectionCount);
    for (const SectionLayout& layout : sectionsInFileOrder())
        tables_.emplace_back(layout, context_);
}

SectionTable& Document::table(int sectionNumber) {
    return tables_.at(fileOrderIndex(sectionNumber));
}

const SectionTable& Document::table(int sectionNumber) const {
    return tables_.at(fileOrderIndex(sectionNumber));
}

std::int64_t Document::totalRows() const {
    std::int64_t total = 0;
    for (const SectionTable& t : tables_)
        total += t.rowCount();
    return total;
}

void Document::clearRows() {
    for (SectionTable& t : tables_)
        t.clear();
    appendedTable.reset();  // its names were those of the rows
}

}  // namespace varn
