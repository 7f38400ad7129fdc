#include "exchangenames.h"

#include "cellwrites.h"
#include "codepage.h"
#include "fieldtests.h"
#include "messages.h"

namespace varn {

bool modelNameEdit(std::string_view nameUtf8, std::uint32_t hash, const NameLookup& names,
                   std::optional<QString>& edit, QString& cause) {
    edit.reset();
    if (nameUtf8.empty()) return true;
    std::string shown;
    names.appendUtf8(hash, shown);
    if (shown == nameUtf8) return true;
    std::uint32_t own = 0;
    if (!hashOfNameUtf8(nameUtf8, own, cause)) return false;
    const QString name =
        QString::fromUtf8(nameUtf8.data(), static_cast<qsizetype>(nameUtf8.size()));
    if (own != hash) {
        cause = messages::modelNameMismatch(name, own, hash);
        return false;
    }
    edit = name;
    return true;
}

bool hashOfNameUtf8(std::string_view nameUtf8, std::uint32_t& hash, QString& cause) {
    std::string bytes;
    char32_t bad = 0;
    const QString name =
        QString::fromUtf8(nameUtf8.data(), static_cast<qsizetype>(nameUtf8.size()));
    if (!utf8ToWindows1252(nameUtf8, bytes, bad)) {
        cause = bad == 0xFFFD ? messages::notUtf8(name) : messages::notWindows1252(name, bad);
        return false;
    }
    if (bytes.find('\0') != std::string::npos) {
        cause = messages::zeroInText(name);
        return false;
    }
    return hashOfNameText(name, hash, &cause);
}

bool passesNameTest(const ExchangeField& field, std::string_view textUtf8, QString& cause) {
    if (field.kind != ExchangeKind::Text && field.kind != ExchangeKind::ModelName) return true;
    if (field.kind == ExchangeKind::ModelName && textUtf8.empty()) return true;
    const QString text =
        QString::fromUtf8(textUtf8.data(), static_cast<qsizetype>(textUtf8.size()));
    const FieldCheck check =
        checkField(field.test,
                   std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                       static_cast<std::size_t>(text.size())),
                   '.');
    if (check.valid) return true;
    cause = QString::fromUtf16(check.message.data(), static_cast<qsizetype>(check.message.size()));
    return false;
}

}  // namespace varn
