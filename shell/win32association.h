#pragma once

// The .wpl association on Windows, for a user without administrator rights: it is read where
// Windows looks it up (HKEY_CLASSES_ROOT, the machine's and the user's classes merged) and
// written to the user's own classes (HKEY_CURRENT_USER\Software\Classes), which take precedence
// in that merged view. After a write the Explorer is told that associations changed.

#include "fileassociation.h"

#include <QString>

namespace varn {

class Win32Association : public FileTypeAssociation {
public:
    explicit Win32Association(QString executablePath);
    State state() override;
    bool write(QString& error) override;

private:
    QString executablePath_;
};

}  // namespace varn
