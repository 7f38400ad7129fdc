#pragma once

// A registry held in memory, with the Windows rules that matter here: key names compared without
// regard to ASCII case, intermediate keys created along with a new key, values compared exactly.
// The tests use it to stand for HKEY_CLASSES_ROOT and to make keys and writes fail on purpose.

#include "registryaccess.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace varn {

class MemoryRegistry : public RegistryAccess {
public:
    bool openKey(std::u16string_view path, bool create) override;
    std::optional<std::u16string> readDefaultString() override;
    bool writeDefaultString(std::u16string_view value) override;

    // Paths below the root without the leading '\', e.g. u"WinPlFile\\Shell\\Open".
    void setDefaultString(std::u16string_view key, std::u16string_view value);
    // The key's default value becomes a number, which no string read accepts.
    void setDefaultNumber(std::u16string_view key);
    [[nodiscard]] bool hasKey(std::u16string_view key) const;
    [[nodiscard]] std::optional<std::u16string> defaultString(std::u16string_view key) const;

    // Makes the key (not yet there) impossible to create, or its default value refuse writes.
    void refuseCreating(std::u16string_view key);
    void refuseWriting(std::u16string_view key);

    [[nodiscard]] int writeCount() const { return writeCount_; }
    [[nodiscard]] int keyCount() const { return static_cast<int>(keys_.size()); }

private:
    struct Key {
        std::optional<std::u16string> value;
        bool holdsNumber = false;
    };

    [[nodiscard]] std::u16string resolved(std::u16string_view path) const;
    static std::u16string folded(std::u16string_view path);
    Key& createKey(const std::u16string& foldedPath);

    std::map<std::u16string, Key> keys_;  // by folded path
    std::set<std::u16string> uncreatable_;
    std::set<std::u16string> unwritable_;
    std::optional<std::u16string> current_;  // folded path of the current key
    int writeCount_ = 0;
};

}  // namespace varn
