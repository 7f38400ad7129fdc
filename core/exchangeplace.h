#pragma once

// Places in the text of an interchange file, for messages: "line 12, column 7".

#include <QString>

#include <string_view>

namespace varn {

struct TextPlace {
    qint64 line = 1;
    qint64 column = 1;  // in characters, counting a UTF-8 sequence as one
    [[nodiscard]] QString text() const {
        return QStringLiteral("line %1, column %2").arg(line).arg(column);
    }
};

// The place of at within the text that begins at begin.
[[nodiscard]] TextPlace placeOf(const char* begin, const char* at);

// Where a JSON text first breaks the rules that hold whatever its structure: a byte that is no
// valid UTF-8, a control character inside a string, or the opening quote of a string that never
// closes. nullptr when there is no such place.
[[nodiscard]] const char* firstMalformedByte(std::string_view json);

// Whether the bytes are valid UTF-8 throughout.
[[nodiscard]] bool isUtf8Text(std::string_view text);

// Where the object or array that opens at from (a '{' or '[') ends: just after its closing
// bracket, or nullptr when the text ends first. Strings are skipped; nothing else is checked.
[[nodiscard]] const char* endOfFirstValue(std::string_view json, const char* from);
// The first character from p on that is no JSON blank (space, tab, line feed, carriage return).
[[nodiscard]] const char* skipJsonBlanks(const char* p, const char* end);
// The comma that a closing ']' or '}' at "at" follows with only blanks between, or nullptr.
[[nodiscard]] const char* commaBeforeClose(const char* begin, const char* at);

}  // namespace varn
