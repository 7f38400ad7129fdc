#include "bulkeditmessages.h"

#include <QCoreApplication>
#include <QDir>

namespace varn::messages {
namespace {

// Locale-free, like every number text of the program.
QString shownNumber(double value) {
    return QString::number(value, 'g', 10);
}

}  // namespace

QString cannotChange(const QString& path, const QString& cause) {
    const QString sentence = cause.endsWith(u'.') ? cause : cause + u'.';
    return QCoreApplication::translate("varn::messages",
                                       "Cannot change file \"%1\". %2 Nothing was written.")
        .arg(QDir::toNativeSeparators(path), sentence);
}

QString rowHoldsNoNumber(int row, const QString& caption, const QString& text) {
    return QCoreApplication::translate("varn::messages",
                                       "Row %1: %2 holds \"%3\", which is no number.")
        .arg(row)
        .arg(caption, text);
}

QString beyondFloatRange(int row, const QString& caption, double value) {
    return QCoreApplication::translate("varn::messages",
                                       "Row %1: %2 would become %3, beyond the range of a float.")
        .arg(row)
        .arg(caption, shownNumber(value));
}

QString beyondIntegerRange(int row, const QString& caption, double value, const QString& range) {
    return QCoreApplication::translate("varn::messages",
                                       "Row %1: %2 would become %3, outside its range %4.")
        .arg(row)
        .arg(caption, shownNumber(value), range);
}

QString notWholeNumber(int row, const QString& caption, double value) {
    return QCoreApplication::translate(
               "varn::messages", "Row %1: %2 would become %3, but it holds whole numbers only.")
        .arg(row)
        .arg(caption, shownNumber(value));
}

QString notANumber(const QString& text) {
    return QCoreApplication::translate("varn::messages", "\"%1\" is not a number.").arg(text);
}

QString valueRefused(const QString& caption, const QString& text, const QString& reason) {
    const QString sentence = reason.endsWith(u'.') ? reason : reason + u'.';
    return QCoreApplication::translate("varn::messages", "\"%1\" does not fit %2: %3")
        .arg(text, caption, sentence);
}

QString numbersOnly(const QString& caption) {
    return QCoreApplication::translate("varn::messages", "%1 holds no numbers: it can only be set.")
        .arg(caption);
}

QString namesOnly(const QString& caption) {
    return QCoreApplication::translate(
               "varn::messages",
               "Only model names can have one name replaced by another; %1 is none.")
        .arg(caption);
}

QString followsItsName(const QString& caption) {
    return QCoreApplication::translate("varn::messages",
                                       "%1 follows from its name: change the name instead.")
        .arg(caption);
}

QString notChangeable(const QString& caption) {
    return QCoreApplication::translate("varn::messages", "%1 has no value of its own to change.")
        .arg(caption);
}

QString chooseOneName(const QString& caption) {
    return QCoreApplication::translate(
               "varn::messages",
               "%1 stands for all ten names, which can only have one name replaced by "
               "another: to set a name, choose one of model1 to model10.")
        .arg(caption);
}

QString notMovableSection(int section) {
    return QCoreApplication::translate(
               "varn::messages",
               "Move and Rotate works on the rows of sections 0 and 9, not of section %1.")
        .arg(section);
}

QString boxesNotTurned() {
    return QCoreApplication::translate(
        "varn::messages",
        "The boxes of section 9 can be moved but not turned: a turned "
        "axis-aligned box is not a box.");
}

QString transformNotFinite() {
    return QCoreApplication::translate(
        "varn::messages",
        "The offset, the angle and the point to turn about must be finite "
        "numbers.");
}

QString positionNotFinite(int row) {
    return QCoreApplication::translate(
               "varn::messages",
               "Row %1 cannot be turned about a point: its position holds INF or NAN.")
        .arg(row);
}

QString orientationNotFinite(int row) {
    return QCoreApplication::translate(
               "varn::messages",
               "Row %1 cannot be turned: its orientation (Rot X to Rot W) holds INF "
               "or NAN.")
        .arg(row);
}

}  // namespace varn::messages
