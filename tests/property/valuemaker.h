#pragma once

// Random field texts for the editing run: valid ones with the text a commit leaves in the cell
// and the field value saving then writes, and invalid ones that OK must refuse.

#include "modeldocument.h"

#include <QString>

#include <cstdint>
#include <random>
#include <vector>

namespace varn::property {

using testmodel::Kind;
using testmodel::NameEntry;

struct TypedValue {
    QString typed;           // what goes into the field
    QString committed;       // the cell's text after OK
    std::uint32_t bits = 0;  // the numeric field saving writes; for a model name its hash
};

class ValueMaker {
public:
    ValueMaker(std::mt19937_64& random, char separator, std::vector<NameEntry> baseNames);

    [[nodiscard]] TypedValue valid(Kind kind);
    [[nodiscard]] QString invalid(Kind kind);
    // The tests of the editors as the run understands them, for texts left in a field.
    [[nodiscard]] bool accepts(Kind kind, const QString& text) const;
    // The message an invalid icon carries; empty where the run does not check it.
    [[nodiscard]] static QString invalidMessage(Kind kind);

    int below(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    TypedValue validFloat(Kind kind);
    // What OK leaves of a typed float and what saving then writes.
    [[nodiscard]] TypedValue floatValue(Kind kind, const QString& typed) const;
    QString sixteenths(Kind kind, std::int64_t k);
    TypedValue zero(Kind kind);
    TypedValue validInteger(Kind kind);
    TypedValue modelName();
    QString name(int minLength, int maxLength);
    QString anyText(int maxLength);
    [[nodiscard]] bool isFloatForm(const QString& text) const;

    std::mt19937_64& random_;
    char separator_;
    std::vector<NameEntry> baseNames_;
};

}  // namespace varn::property
