#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace varn {

// One-at-a-time hash over the 16-bit codes of the name, with A-Z lower-cased and "\" read as "/".
[[nodiscard]] std::uint32_t nameHash(QStringView name);
// The hash of a name stored as Windows-1252 bytes, as nameHash of its decoded text.
[[nodiscard]] std::uint32_t nameHashOfBytes(const char* bytes, int size);

// "[hash:" + unsigned decimal + "]".
[[nodiscard]] QString hashText(std::uint32_t hash);
// "[hash:" + one or more digits + "]", exactly, case-sensitive.
[[nodiscard]] bool isHashText(QStringView text);
// The value of a hash text modulo 2^32. False, with the integer message in error, when its
// digits exceed the signed 64-bit range.
[[nodiscard]] bool hashTextValue(QStringView text, std::uint32_t& value, QString* error = nullptr);

}  // namespace varn
