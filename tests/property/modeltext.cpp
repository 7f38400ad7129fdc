#include "modeltext.h"

#include <bit>
#include <cmath>

namespace varn::property {
namespace {

constexpr std::int64_t kLargestSixteenths = std::int64_t{1} << 20;

// The four decimals of (k mod 16)/16 without trailing zeros: 1/16 = 0.0625.
QString sixteenthsFraction(std::int64_t magnitude) {
    QString digits = QStringLiteral("%1").arg((magnitude % 16) * 625, 4, 10, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return digits;
}

}  // namespace

// Worked out by hand from the exact binary values (each bits field is the float nearest to the
// text beside it); the general texts round those values to 15 significant digits.
const std::vector<WorkedFloat>& workedFloats() {
    static const std::vector<WorkedFloat> table = {
        {"0.1", 0x3dcccccd, "0.1", 0x3dcccccd, "0.1", 0x3dcccccd, "0.100000001490116"},
        {"0.70710678", 0x3f3504f3, "0.7071", 0x3f350481, "0.7071068", 0x3f3504f4,
         "0.70710676908493"},
        {"1.23456", 0x3f9e0610, "1.2346", 0x3f9e075f, "1.23456", 0x3f9e0610, "1.23456001281738"},
        {"10000000000", 0x501502f9, "1E0010", 0x501502f9, "1E10", 0x501502f9, "10000000000"},
        {"17179869184", 0x50800000, "1.717986918E0010", 0x50800000, "1.717986918E10", 0x50800000,
         "17179869184"},
        {"0.00048828125", 0x3a000000, "0.0005", 0x3a03126f, "0.0004883", 0x3a000142,
         "0.00048828125"},
        {"0.00006103515625", 0x38800000, "0.0001", 0x38d1b717, "0.000061", 0x387fda40,
         "6.103515625E-5"},
        {"0.00001", 0x3727c5ac, "0.0", 0x00000000, "0.00001", 0x3727c5ac, "9.99999974737875E-6"},
        {"123456.7890625", 0x47f12065, "123456.7891", 0x47f12065, "123456.7891", 0x47f12065,
         "123456.7890625"},
        {"1000.12347412109375", 0x447a07e7, "1000.1235", 0x447a07e7, "1000.123474", 0x447a07e7,
         "1000.12347412109"},
    };
    return table;
}

std::uint32_t sixteenthsBits(std::int64_t k) {
    return std::bit_cast<std::uint32_t>(static_cast<float>(static_cast<double>(k) / 16.0));
}

QString sixteenthsFixed(std::int64_t k, char separator) {
    const std::int64_t magnitude = k < 0 ? -k : k;
    QString fraction = sixteenthsFraction(magnitude);
    if (fraction.isEmpty()) fraction = QStringLiteral("0");
    return (k < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 16) +
           QLatin1Char(separator) + fraction;
}

QString sixteenthsGeneral(std::int64_t k, char separator) {
    const std::int64_t magnitude = k < 0 ? -k : k;
    const QString fraction = sixteenthsFraction(magnitude);
    QString text = (k < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 16);
    if (!fraction.isEmpty()) text += QLatin1Char(separator) + fraction;
    return text;
}

std::optional<QString> floatText(std::uint32_t bits, FloatRule rule, char separator) {
    const double sixteenths = static_cast<double>(std::bit_cast<float>(bits)) * 16.0;
    if (std::isfinite(sixteenths) && std::floor(sixteenths) == sixteenths &&
        std::fabs(sixteenths) <= static_cast<double>(kLargestSixteenths)) {
        const auto k = static_cast<std::int64_t>(sixteenths);
        return rule == FloatRule::General15 ? sixteenthsGeneral(k, separator)
                                            : sixteenthsFixed(k, separator);
    }
    for (const WorkedFloat& worked : workedFloats()) {
        if (rule == FloatRule::Fixed4 && worked.fixed4Bits == bits)
            return withSeparator(worked.fixed4, separator);
        if (rule == FloatRule::Fixed7 && worked.fixed7Bits == bits)
            return withSeparator(worked.fixed7, separator);
        if (rule == FloatRule::General15 && worked.typedBits == bits && !worked.general.isEmpty())
            return withSeparator(worked.general, separator);
    }
    return std::nullopt;
}

QString withSeparator(QString text, char separator) {
    return text.replace(QLatin1Char('.'), QLatin1Char(separator));
}

std::uint32_t oneAtATimeHash(const QString& name) {
    std::uint32_t h = 0;
    for (QChar qc : name) {
        std::uint32_t c = qc.unicode();
        if (c >= 'A' && c <= 'Z') c += 0x20;
        if (c == '\\') c = '/';
        h += c;
        h += h << 10;
        h ^= h >> 6;
    }
    h += h << 3;
    h ^= h >> 11;
    h += h << 15;
    return h;
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

bool isNameForm(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool letter = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!letter && !(u >= '0' && u <= '9') && u != '_') return false;
    }
    return true;
}

QByteArray codePageBytes(const QString& text) {
    QByteArray bytes;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x20AC)
            bytes.append('\x80');
        else if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
            bytes.append(static_cast<char>(u));
        else
            bytes.append('?');  // never typed by the run
    }
    return bytes;
}

}  // namespace varn::property
