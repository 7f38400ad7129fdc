#include "modeltext.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <string>

namespace varn::testmodel {
namespace {

constexpr int kFixedSignificantDigits = 10;
constexpr int kGeneralDigits = 15;

// A magnitude as 0.digits × 10^point: digits without leading or trailing zeros (none for zero).
struct Decimal {
    std::string digits;
    int point = 0;
};

// The exact value of a float: m × 2^-k has exactly k digits after the point.
Decimal exactDecimal(float magnitude) {
    const auto bits = std::bit_cast<std::uint32_t>(magnitude);
    if (bits == 0) return {};
    const int biased = static_cast<int>(bits >> 23);
    const std::uint32_t mantissa = biased == 0 ? bits : (bits & 0x7FFFFFu) | 0x800000u;
    const int exponent = (biased == 0 ? -149 : biased - 150) + std::countr_zero(mantissa);
    char buffer[256];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(magnitude),
                              std::chars_format::fixed, exponent < 0 ? -exponent : 0)
                    .ptr;
    std::string all(buffer, end);
    const std::size_t dot = all.find('.');
    Decimal d{all, static_cast<int>(dot == std::string::npos ? all.size() : dot)};
    if (dot != std::string::npos) d.digits.erase(dot, 1);
    const std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) return {};
    d.digits.erase(0, first);
    d.point -= static_cast<int>(first);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

// Keeps the first `keep` digits (none or fewer for a value rounded above its first digit),
// rounding half away from zero.
void keepDigits(Decimal& d, int keep) {
    if (static_cast<int>(d.digits.size()) <= keep) return;
    if (keep < 0) {
        d = {};
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        } else {
            ++d.digits[i];
        }
    }
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    if (d.digits.empty()) d.point = 0;
}

// The digit at a power of ten (0 the units, -1 the tenths).
char digitAt(const Decimal& d, int power) {
    const int index = d.point - 1 - power;
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
}

QString integerDigits(const Decimal& d) {
    QString text;
    for (int power = d.point - 1; power >= 0; --power)
        text += QLatin1Char(digitAt(d, power));
    return text.isEmpty() ? QStringLiteral("0") : text;
}

// "1.717986918E0010", "6.103515625E-5": the first digit, the others after the separator,
// then the power of ten of the first digit, padded to `pad` digits.
QString exponentForm(const Decimal& d, char separator, int pad) {
    QString text(QLatin1Char(d.digits[0]));
    if (d.digits.size() > 1)
        text += QLatin1Char(separator) + QString::fromStdString(d.digits.substr(1));
    const int exponent = d.point - 1;
    text += QLatin1Char('E');
    if (exponent < 0) text += QLatin1Char('-');
    return text + QStringLiteral("%1").arg(std::abs(exponent), pad, 10, QLatin1Char('0'));
}

QString special(float value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString trimmedFixed(float value, int decimals, char separator) {
    if (!std::isfinite(value)) return special(value);
    Decimal d = exactDecimal(std::fabs(value));
    keepDigits(d, std::min(d.point + decimals, kFixedSignificantDigits));
    const QString sign = value < 0 && !d.digits.empty() ? QStringLiteral("-") : QString();
    if (d.point > kFixedSignificantDigits)
        return sign + exponentForm(d, separator, decimals == 4 ? 4 : 0);
    QString text = sign + integerDigits(d) + QLatin1Char(separator);
    for (int power = -1; power >= -decimals; --power)
        text += QLatin1Char(digitAt(d, power));
    while (text.endsWith(QLatin1Char('0')) && text[text.size() - 2] != QLatin1Char(separator))
        text.chop(1);
    return text;
}

QString general15(float value, char separator) {
    if (!std::isfinite(value)) return special(value);
    Decimal d = exactDecimal(std::fabs(value));
    if (d.digits.empty()) return QStringLiteral("0");
    keepDigits(d, kGeneralDigits);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    if (d.point > kGeneralDigits || d.point < -3) return sign + exponentForm(d, separator, 0);
    QString fraction;
    for (int power = -1; power >= d.point - static_cast<int>(d.digits.size()); --power)
        fraction += QLatin1Char(digitAt(d, power));
    return sign + integerDigits(d) +
           (fraction.isEmpty() ? QString() : QLatin1Char(separator) + fraction);
}

}  // namespace

QString fieldText(Kind kind, std::uint32_t bits, char separator) {
    const auto value = std::bit_cast<float>(bits);
    switch (kind) {
        case Kind::Fixed4:
            return trimmedFixed(value, 4, separator);
        case Kind::Fixed7:
            return trimmedFixed(value, 7, separator);
        case Kind::FloatAsTyped:
            return general15(value, separator);
        case Kind::Int:
        case Kind::NonNegativeInt:
            return QString::number(static_cast<std::int32_t>(bits));
        default:
            return QString::number(bits);
    }
}

std::optional<std::uint32_t> floatBits(const QString& text, char separator) {
    std::string plain = text.toStdString();
    for (char& c : plain) {
        if (c == separator)
            c = '.';
        else if (c == '.')
            return std::nullopt;  // the other separator
    }
    float value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return std::bit_cast<std::uint32_t>(value);
}

bool isHashTextForm(const QString& text) {
    if (text.size() < 8 || !text.startsWith(QStringLiteral("[hash:")) ||
        !text.endsWith(QLatin1Char(']')))
        return false;
    for (QChar c : text.mid(6, text.size() - 7))
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

std::uint32_t hashTextNumber(const QString& text) {
    std::uint64_t value = 0;
    for (QChar c : text.mid(6, text.size() - 7))
        value = value * 10 + static_cast<std::uint64_t>(c.unicode() - '0');
    return static_cast<std::uint32_t>(value);
}

}  // namespace varn::testmodel
