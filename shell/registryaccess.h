#pragma once

// The part of a registry that the file-type association needs: keys below one root, one current
// key, and that key's default (unnamed) string value. Plain C++, so that the Windows
// implementation builds and is tested without Qt.

#include <optional>
#include <string>
#include <string_view>

namespace varn {

class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;

    // A path starting with '\' names a key below the root, any other path a key below the
    // current key (below the root while none is open yet). On success that key becomes the
    // current key; on failure the current key stays what it was.
    [[nodiscard]] virtual bool openKey(std::u16string_view path, bool create) = 0;
    // The current key's default value, when it is there and holds a string.
    [[nodiscard]] virtual std::optional<std::u16string> readDefaultString() = 0;
    // False when the registry refuses the value or no key is open.
    [[nodiscard]] virtual bool writeDefaultString(std::u16string_view value) = 0;
};

}  // namespace varn
