#include "runsetup.h"

#include "modellayout.h"
#include "namehash.h"

#include <QByteArray>

namespace varn::property {
namespace {

void appendLittle32(QByteArray& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFFu));
}

QByteArray hashesFile(const std::vector<NameEntry>& names) {
    QByteArray bytes;
    appendLittle32(bytes, static_cast<std::uint32_t>(names.size()));
    for (const NameEntry& entry : names) {
        bytes += entry.name.leftJustified(testmodel::kEntryNameBytes, '\0', true);
        appendLittle32(bytes, entry.hash);
    }
    return bytes;
}

QtMessageHandler passOn = nullptr;

void withoutRaiseNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && (text.contains(QStringLiteral("does not support raise()")) ||
                                 text.contains(QStringLiteral("does not support propagateSizeHints()"))))
        return;
    passOn(type, context, text);
}

}  // namespace

std::vector<NameEntry> runBaseNames() {
    const auto named = [](const char* name) {
        return NameEntry{name, nameHash(QString::fromLatin1(name))};
    };
    return {named("base_rock"), {"alias_name", 12345}, {"second", 12345},
            {"", 777},          named("Tree_01"),      named("abcdefghijklmnopqrstuvwx")};
}

void writeRunFolder(const test::ProgramFolder& folder, char separator, bool showMap) {
    QByteArray text = "[Settings]\nShowToolBar=1\nShowActiveTabsOnly=0\nwriteht=1\nSep=";
    text += separator == ',' ? "1\n" : "0\n";
    if (showMap) text += "ShowMap=1\n";
    for (const testmodel::SectionShape& shape : testmodel::sectionShapes())
        text += QStringLiteral("[Section%1]\nsect%1cap=%2\n")
                    .arg(shape.number)
                    .arg(shape.caption)
                    .toUtf8();
    folder.write(QStringLiteral("settings.ini"), text);
    folder.write(QStringLiteral("hashes.dat"), hashesFile(runBaseNames()));
}

std::uint64_t numberFromEnvironment(const char* name, std::uint64_t fallback) {
    const QByteArray text = qgetenv(name);
    bool ok = false;
    const std::uint64_t value = text.toULongLong(&ok);
    return ok ? value : fallback;
}

void quietRaiseNotes() {
    if (!passOn) passOn = qInstallMessageHandler(withoutRaiseNotes);
}

}  // namespace varn::property
