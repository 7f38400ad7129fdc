#pragma once

// String fields are stored in the Windows-1252 code page. The five bytes that code page leaves
// undefined (81, 8D, 8F, 90, 9D) map to the code points of the same number, so every byte
// survives a decode and encode.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace varn {

// The bytes of a fixed-size field up to its first zero byte, or all of them.
[[nodiscard]] QByteArray fieldBytes(const char* field, int width);
[[nodiscard]] QString decodeWindows1252(const char* bytes, int size);
[[nodiscard]] inline QString decodeWindows1252(const QByteArray& bytes) {
    return decodeWindows1252(bytes.constData(), static_cast<int>(bytes.size()));
}
// Appends the text of Windows-1252 bytes to out, UTF-8 encoded.
void appendWindows1252AsUtf8(const char* bytes, int size, std::string& out);
// A character the code page lacks becomes "?".
[[nodiscard]] QByteArray encodeWindows1252(QStringView text);
// True when every character of the text has a Windows-1252 byte.
[[nodiscard]] bool isWindows1252Text(QStringView text);
[[nodiscard]] bool isWindows1252Char(char16_t c);

// Appends the Windows-1252 bytes of UTF-8 text to out. False when the text is no valid UTF-8
// (bad is then U+FFFD) or holds a character the code page lacks (bad is that character); out
// then holds the bytes before it.
[[nodiscard]] bool utf8ToWindows1252(std::string_view utf8, std::string& out, char32_t& bad);

}  // namespace varn
