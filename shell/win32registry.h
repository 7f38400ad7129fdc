#pragma once

// The Windows registry through advapi32, below one root key (HKEY_CLASSES_ROOT for the
// association). Built only on Windows. Closes the key it holds open when it is destroyed, so a
// command that stops at an error still releases it.

#include "registryaccess.h"

#include <windows.h>

namespace varn {

class Win32Registry : public RegistryAccess {
public:
    explicit Win32Registry(HKEY root, REGSAM access = KEY_ALL_ACCESS);
    ~Win32Registry() override;
    Win32Registry(const Win32Registry&) = delete;
    Win32Registry& operator=(const Win32Registry&) = delete;

    bool openKey(std::u16string_view path, bool create) override;
    std::optional<std::u16string> readDefaultString() override;
    bool writeDefaultString(std::u16string_view value) override;

private:
    void closeCurrent();

    HKEY root_;
    REGSAM access_;
    HKEY current_ = nullptr;
};

}  // namespace varn
