#pragma once

// The texts the editing run expects, worked out without the program's own formatting, hashing
// or code-page code: float texts for the values the run types (sixteenths and a short table of
// worked examples), the one-at-a-time name hash, hash texts, and the code page of the string
// fields for the characters the run uses.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace varn::property {

enum class FloatRule : std::uint8_t { Fixed4, Fixed7, General15 };

// A float text whose form under every rule is known in advance.
struct WorkedFloat {
    QString typed;            // with '.' as separator
    std::uint32_t typedBits;  // the float nearest to the typed text
    QString fixed4;           // what a 4-decimal field shows after OK, and the float it saves
    std::uint32_t fixed4Bits;
    QString fixed7;
    std::uint32_t fixed7Bits;
    QString general;  // empty when not worked out: the text is then never typed as-is
};
[[nodiscard]] const std::vector<WorkedFloat>& workedFloats();

// Bits of the float k/16 (exact for |k| < 2^24).
[[nodiscard]] std::uint32_t sixteenthsBits(std::int64_t k);
// "12.5", "-0.0625", "3.0": the value k/16 in trimmed fixed form, the same for 4 and 7 decimals
// while |k/16| < 10^5.
[[nodiscard]] QString sixteenthsFixed(std::int64_t k, char separator);
// "12.5", "-0.0625", "3": the general form of k/16.
[[nodiscard]] QString sixteenthsGeneral(std::int64_t k, char separator);

// The text a loaded float shows under the rule; nothing when the value is not one the run can
// produce, which the run reports as a fault of its own model.
[[nodiscard]] std::optional<QString> floatText(std::uint32_t bits, FloatRule rule, char separator);

// Replaces '.' by the run's separator.
[[nodiscard]] QString withSeparator(QString text, char separator);

[[nodiscard]] std::uint32_t oneAtATimeHash(const QString& name);
[[nodiscard]] bool isHashTextForm(const QString& text);
// The hash a hash text stands for; its digits fit the signed 64-bit range.
[[nodiscard]] std::uint32_t hashTextNumber(const QString& text);
[[nodiscard]] bool isNameForm(const QString& text);

// Windows-1252 for ASCII, Latin-1 letters and the euro sign, the only characters the run types.
[[nodiscard]] QByteArray codePageBytes(const QString& text);

}  // namespace varn::property
