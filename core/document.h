#pragma once

#include "recordlayout.h"
#include "sectiontable.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace varn {

inline constexpr std::uint32_t kDefaultVersion = 3;

// The open placement document: the eight section tables, the header version and the counts
// of the header as last read or written, and the file's appended name table as read or written
// with it.
class Document {
public:
    explicit Document(char separator = '.', std::shared_ptr<const NameLookup> names =
                                                std::make_shared<const NameLookup>());
    Document(Document&&) noexcept = default;
    Document& operator=(Document&&) noexcept = default;

    [[nodiscard]] SectionTable& table(int sectionNumber);
    [[nodiscard]] const SectionTable& table(int sectionNumber) const;
    // The tables in file order 0, 2, 3, 4, 8, 15, 9, 10.
    [[nodiscard]] std::span<SectionTable> tables() { return tables_; }
    [[nodiscard]] std::span<const SectionTable> tables() const { return tables_; }

    [[nodiscard]] const TextContext& context() const { return *context_; }
    [[nodiscard]] char separator() const { return context_->separator; }

    std::uint32_t version = kDefaultVersion;
    std::array<std::int32_t, kSectionCount> headerCounts{};
    // Carried as it is by a JSON export, so that a file built from the export has it too.
    AppendedTable appendedTable;

    [[nodiscard]] std::int64_t totalRows() const;
    // New: every table empty and no name table; the version and the header counts stay.
    void clearRows();

private:
    std::shared_ptr<const TextContext> context_;
    std::vector<SectionTable> tables_;
};

}  // namespace varn
