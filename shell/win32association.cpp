#include "win32association.h"

#include "filetyperegistry.h"
#include "win32registry.h"

#include <windows.h>
#include <shlobj.h>

namespace varn {
namespace {

constexpr wchar_t kUserClasses[] = L"Software\\Classes";

// HKEY_CURRENT_USER\Software\Classes, created when the profile has none yet; closed with it.
class UserClassesKey {
public:
    UserClassesKey() {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kUserClasses, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key_, nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~UserClassesKey() {
        if (key_) RegCloseKey(key_);
    }
    UserClassesKey(const UserClassesKey&) = delete;
    UserClassesKey& operator=(const UserClassesKey&) = delete;
    [[nodiscard]] HKEY key() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

Win32Association::Win32Association(QString executablePath)
    : executablePath_(std::move(executablePath)) {}

// The user's own .wpl entries decide where they exist, as they do in Windows' merged view (wine's
// HKEY_CLASSES_ROOT shows the machine's alone); else the machine's.
FileTypeAssociation::State Win32Association::state() {
    HKEY userClasses = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kUserClasses, 0, KEY_READ, &userClasses) == ERROR_SUCCESS) {
        Win32Registry user(userClasses, KEY_READ);
        const bool userHasWpl = user.openKey(kWplExtensionKey, false);
        const State userState =
            userHasWpl ? RegistryAssociation(user, executablePath_).state() : State::Missing;
        RegCloseKey(userClasses);
        if (userHasWpl) return userState;
    }
    Win32Registry classes(HKEY_CLASSES_ROOT, KEY_READ);
    return RegistryAssociation(classes, executablePath_).state();
}

bool Win32Association::write(QString& error) {
    const UserClassesKey userClasses;
    if (!userClasses.key()) {
        error = QString::fromStdU16String(
            failedToCreateKey(u"HKEY_CURRENT_USER\\Software\\Classes"));
        return false;
    }
    Win32Registry registry(userClasses.key());
    const bool written = RegistryAssociation(registry, executablePath_).write(error);
    // Even a partial write changed what the Explorer shows.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return written;
}

}  // namespace varn
