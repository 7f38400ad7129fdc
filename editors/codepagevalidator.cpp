#include "codepagevalidator.h"

#include "codepage.h"

namespace varn {

QValidator::State CodePageValidator::validate(QString& input, int&) const {
    return isWindows1252Text(input) ? Acceptable : Invalid;
}

}  // namespace varn
