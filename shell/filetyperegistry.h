#pragma once

// The registry entries that make Windows open .wpl files with this program, and the check and
// the write of them over any RegistryAccess rooted where file types live (HKEY_CLASSES_ROOT).

#include "registryaccess.h"

#include <string>
#include <string_view>

namespace varn {

inline constexpr std::u16string_view kWplExtensionKey = u"\\.wpl";
inline constexpr std::u16string_view kWplFileType = u"WinPlFile";
inline constexpr std::u16string_view kWplFileTypeName = u"Windows Placement File";
inline constexpr std::u16string_view kWplOpenVerb = u"&Open";

// "\"<exe>\" \"%1\"": the program with the opened file as its first argument.
[[nodiscard]] std::u16string wplCommandText(std::u16string_view executablePath);
// "<exe>,0": the program's first icon.
[[nodiscard]] std::u16string wplIconText(std::u16string_view executablePath);

// "Failed to set data for '<value name>'"; the default value has the empty name.
[[nodiscard]] std::u16string failedToSetData(std::u16string_view valueName);
[[nodiscard]] std::u16string failedToCreateKey(std::u16string_view keyPath);

// With ".wpl" as the current key: true when all five entries hold exactly this program's data.
// A value that cannot be read as a string counts as different.
[[nodiscard]] bool isFileTypeRegistered(RegistryAccess& registry,
                                        std::u16string_view executablePath);

// Writes the five entries in order, creating missing keys. Stops at the first key that can
// neither be opened nor created, or at the first value refused, with its message in error; the
// entries written before stay.
[[nodiscard]] bool registerFileType(RegistryAccess& registry, std::u16string_view executablePath,
                                    std::u16string& error);

}  // namespace varn
