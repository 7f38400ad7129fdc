#pragma once

// Why a bulk edit (Change Column, Move and Rotate) is refused; the window and the tool say the
// same. A refusal that concerns one row names it by its row number.

#include <QString>

namespace varn::messages {

// A refused bulk edit of a file's rows, for the tool: nothing was written.
[[nodiscard]] QString cannotChange(const QString& path, const QString& cause);

[[nodiscard]] QString rowHoldsNoNumber(int row, const QString& caption, const QString& text);
[[nodiscard]] QString beyondFloatRange(int row, const QString& caption, double value);
[[nodiscard]] QString beyondIntegerRange(int row, const QString& caption, double value,
                                         const QString& range);
[[nodiscard]] QString notWholeNumber(int row, const QString& caption, double value);

[[nodiscard]] QString notANumber(const QString& text);
[[nodiscard]] QString valueRefused(const QString& caption, const QString& text,
                                   const QString& reason);
[[nodiscard]] QString numbersOnly(const QString& caption);
[[nodiscard]] QString namesOnly(const QString& caption);
[[nodiscard]] QString followsItsName(const QString& caption);
[[nodiscard]] QString notChangeable(const QString& caption);
[[nodiscard]] QString chooseOneName(const QString& caption);

[[nodiscard]] QString notMovableSection(int section);
[[nodiscard]] QString boxesNotTurned();
[[nodiscard]] QString transformNotFinite();
[[nodiscard]] QString positionNotFinite(int row);
[[nodiscard]] QString orientationNotFinite(int row);

}  // namespace varn::messages
