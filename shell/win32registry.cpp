#include "win32registry.h"

#include <vector>

namespace varn {
namespace {

// Windows strings are UTF-16 in wchar_t, so the bytes of a std::u16string serve as they are.
std::wstring wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace

Win32Registry::Win32Registry(HKEY root, REGSAM access) : root_(root), access_(access) {}

Win32Registry::~Win32Registry() {
    closeCurrent();
}

void Win32Registry::closeCurrent() {
    if (current_) RegCloseKey(current_);
    current_ = nullptr;
}

bool Win32Registry::openKey(std::u16string_view path, bool create) {
    const bool absolute = !path.empty() && path.front() == u'\\';
    const HKEY base = (absolute || !current_) ? root_ : current_;
    const std::wstring subKey = wide(absolute ? path.substr(1) : path);
    HKEY opened = nullptr;
    const LSTATUS status =
        create ? RegCreateKeyExW(base, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access_,
                                 nullptr, &opened, nullptr)
               : RegOpenKeyExW(base, subKey.c_str(), 0, access_, &opened);
    if (status != ERROR_SUCCESS) return false;
    closeCurrent();
    current_ = opened;
    return true;
}

std::optional<std::u16string> Win32Registry::readDefaultString() {
    if (!current_) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(current_, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    // The value may grow between the two calls; ask again until the buffer holds it.
    std::vector<wchar_t> buffer;
    LSTATUS status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = RegQueryValueExW(current_, nullptr, nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    std::u16string value(buffer.begin(), buffer.begin() + size / sizeof(wchar_t));
    while (!value.empty() && value.back() == u'\0')
        value.pop_back();
    return value;
}

bool Win32Registry::writeDefaultString(std::u16string_view value) {
    if (!current_) return false;
    const std::wstring data = wide(value);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(current_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          bytes) == ERROR_SUCCESS;
}

}  // namespace varn
