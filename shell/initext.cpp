#include "initext.h"

namespace varn {
namespace {

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

QString folded(const QString& name) {
    return name.trimmed().toCaseFolded();
}

QByteArray keyLine(const QString& key, const QString& value) {
    return (key + QLatin1Char('=') + value).toUtf8();
}

bool hasLineBreakOrNul(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
           text.contains(QChar(0));
}

}  // namespace

IniText::IniText(const QByteArray& bytes) {
    hasBom_ = bytes.startsWith(kBom);
    qsizetype pos = hasBom_ ? kBom.size() : 0;
    while (pos < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', pos);
        if (newline < 0) {
            lines_.append(parsed(bytes.mid(pos), {}));
            break;
        }
        qsizetype textEnd = newline;
        QByteArray ending = QByteArrayLiteral("\n");
        if (newline > pos && bytes.at(newline - 1) == '\r') {
            textEnd = newline - 1;
            ending = QByteArrayLiteral("\r\n");
        }
        lines_.append(parsed(bytes.mid(pos, textEnd - pos), ending));
        pos = newline + 1;
    }
}

IniText::Line IniText::parsed(QByteArray text, QByteArray ending) {
    Line line{std::move(text), std::move(ending), Kind::Other, {}};
    const QByteArray trimmed = line.text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';')) return line;
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = folded(QString::fromUtf8(trimmed.mid(1, close - 1)));
        }
        return line;
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (equals > 0) {
        line.name = folded(QString::fromUtf8(trimmed.left(equals)));
        if (!line.name.isEmpty()) line.kind = Kind::Key;
    }
    return line;
}

QString IniText::lookupName(const QString& section, const QString& key) {
    return folded(section) + QChar(0) + folded(key);
}

QHash<QString, QString> IniText::values() const {
    QHash<QString, QString> result;
    result.reserve(lines_.size());
    bool inSection = false;
    QString section;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Section) {
            inSection = true;
            section = line.name;
        } else if (line.kind == Kind::Key && inSection) {
            const QString name = section + QChar(0) + line.name;
            if (result.contains(name)) continue;
            const qsizetype equals = line.text.indexOf('=');
            result.insert(name, QString::fromUtf8(line.text.mid(equals + 1).trimmed()));
        }
    }
    return result;
}

int IniText::findSection(const QString& foldedName) const {
    for (int i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && lines_[i].name == foldedName) return i;
    }
    return -1;
}

int IniText::sectionEnd(int header) const {
    int end = header + 1;
    while (end < lines_.size() && lines_[end].kind != Kind::Section)
        ++end;
    return end;
}

QByteArray IniText::newLineEnding() const {
    for (const Line& line : lines_) {
        if (!line.ending.isEmpty()) return line.ending;
    }
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

void IniText::appendLine(const QByteArray& text) {
    if (!lines_.isEmpty() && lines_.last().ending.isEmpty()) lines_.last().ending = newLineEnding();
    lines_.append(parsed(text, newLineEnding()));
}

void IniText::assign(const QString& section, const QList<Assignment>& assignments) {
    for (const Assignment& assignment : assignments) {
        const int header = findSection(folded(section));
        if (header < 0) {
            // A blank line keeps the new section apart from the one above it.
            if (!lines_.isEmpty() && !lines_.last().text.trimmed().isEmpty()) appendLine({});
            appendLine((QLatin1Char('[') + section + QLatin1Char(']')).toUtf8());
            appendLine(keyLine(assignment.key, assignment.value));
            continue;
        }
        const int end = sectionEnd(header);
        const QString key = folded(assignment.key);
        int insertAt = header + 1;
        bool replaced = false;
        for (int i = header + 1; i < end; ++i) {
            if (lines_[i].kind != Kind::Key) continue;
            if (lines_[i].name == key) {
                lines_[i] = parsed(keyLine(assignment.key, assignment.value), lines_[i].ending);
                replaced = true;
                break;
            }
            insertAt = i + 1;
        }
        if (replaced) continue;
        if (lines_[insertAt - 1].ending.isEmpty()) lines_[insertAt - 1].ending = newLineEnding();
        lines_.insert(insertAt, parsed(keyLine(assignment.key, assignment.value), newLineEnding()));
    }
}

QByteArray IniText::bytes() const {
    QByteArray result;
    if (hasBom_) result += kBom;
    for (const Line& line : lines_) {
        result += line.text;
        result += line.ending;
    }
    return result;
}

bool IniText::isStorableName(const QString& name) {
    return !name.isEmpty() && name == name.trimmed() && !hasLineBreakOrNul(name) &&
           !name.contains(QLatin1Char('=')) && !name.contains(QLatin1Char(']')) &&
           !name.startsWith(QLatin1Char('[')) && !name.startsWith(QLatin1Char(';'));
}

bool IniText::isStorableValue(const QString& value) {
    // Reading trims the blanks around a value, so a value with its own would come back changed.
    const auto trimmedOnRead = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
    };
    return !hasLineBreakOrNul(value) &&
           (value.isEmpty() || (!trimmedOnRead(value.front()) && !trimmedOnRead(value.back())));
}

}  // namespace varn
