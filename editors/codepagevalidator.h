#pragma once

#include <QValidator>

namespace varn {

// Refuses, as they are typed or pasted, characters that a record's Windows-1252 text field
// cannot store, so that what the user sees is what the file will hold.
class CodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace varn
