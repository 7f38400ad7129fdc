#pragma once

#include <QString>

namespace varn {

// A caption or a menu text as it is read: a lone '&' only underlines the letter after it (the
// key that goes to it), and "&&" shows one.
[[nodiscard]] inline QString readableText(const QString& text) {
    QString read;
    read.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        read += text[i];
    }
    return read;
}

}  // namespace varn
