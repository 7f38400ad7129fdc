#pragma once

// The text of settings.ini as lines of bytes: what the settings object reads values from and
// edits in place. Only the lines a write touches are re-encoded, so every other line (comments,
// blank lines, foreign sections, bytes that are not valid UTF-8) is written back exactly.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace varn {

class IniText {
public:
    struct Assignment {
        QString key;
        QString value;
    };

    explicit IniText(const QByteArray& bytes);

    // Every key of every section by its folded section and key name; where a name occurs twice
    // the first occurrence counts, as for a reader scanning from the top.
    [[nodiscard]] QHash<QString, QString> values() const;
    static QString lookupName(const QString& section, const QString& key);

    // Replaces the first occurrence of each key in the first section of that name, adds missing
    // keys after the section's last key and a missing section at the end of the text.
    void assign(const QString& section, const QList<Assignment>& assignments);

    [[nodiscard]] QByteArray bytes() const;

    // Names and values that a line of the file could not carry back unchanged.
    [[nodiscard]] static bool isStorableName(const QString& name);
    [[nodiscard]] static bool isStorableValue(const QString& value);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray text;    // without its line break
        QByteArray ending;  // "\n", "\r\n" or empty for a last line without one
        Kind kind = Kind::Other;
        QString name;  // folded section or key name
    };

    static Line parsed(QByteArray text, QByteArray ending);
    [[nodiscard]] int findSection(const QString& foldedName) const;
    [[nodiscard]] int sectionEnd(int header) const;
    [[nodiscard]] QByteArray newLineEnding() const;
    void appendLine(const QByteArray& text);

    bool hasBom_ = false;
    QList<Line> lines_;
};

}  // namespace varn
