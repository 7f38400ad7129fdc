#pragma once

// The command that makes .wpl files open with this program: it looks at the association first,
// writes it without asking where none exists, does nothing where this program's association is
// complete, and asks before replacing a different one.

#include "registryaccess.h"

#include <QString>

class QWidget;

namespace varn {

// Where the association lives: the registry on Windows, the freedesktop files elsewhere.
class FileTypeAssociation {
public:
    enum class State {
        Missing,     // nothing stands in the way: write without asking
        Registered,  // every entry is this program's: nothing to do
        Different,   // another association would be replaced: ask first
    };
    virtual ~FileTypeAssociation() = default;
    [[nodiscard]] virtual State state() = 0;
    [[nodiscard]] virtual bool write(QString& error) = 0;
};

// The Yes/No question before a different association is replaced.
class ReplaceQuestion {
public:
    virtual ~ReplaceQuestion() = default;
    [[nodiscard]] virtual bool confirmReplace() = 0;
};

class MessageBoxReplaceQuestion : public ReplaceQuestion {
public:
    explicit MessageBoxReplaceQuestion(QWidget* parent) : parent_(parent) {}
    bool confirmReplace() override;

private:
    QWidget* parent_;
};

[[nodiscard]] QString replaceQuestionText();

enum class AssociationOutcome { AlreadyRegistered, Written, Declined, Failed };

[[nodiscard]] AssociationOutcome associateFileType(FileTypeAssociation& association,
                                                   ReplaceQuestion& question, QString& error);

// The five registry entries of .wpl under the accessor's root.
class RegistryAssociation : public FileTypeAssociation {
public:
    RegistryAssociation(RegistryAccess& registry, QString executablePath);
    State state() override;
    bool write(QString& error) override;

private:
    RegistryAccess& registry_;
    std::u16string executablePath_;
};

// The menu command: this program's association on this platform, errors in a message box.
AssociationOutcome associateWplFiles(QWidget* parent);

}  // namespace varn
