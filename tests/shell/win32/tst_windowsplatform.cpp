// What only the Windows build does: the .wpl association written for the user alone (under
// HKEY_CURRENT_USER\Software\Classes, seen through HKEY_CLASSES_ROOT), the settings folder in the
// roaming profile, and the programs' subsystems and version resources. Runs in the throwaway
// wine prefix of the Windows test stage, or on Windows itself.

#include "programfiles.h"
#include "varnversion.h"
#include "win32association.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <windows.h>

namespace {

const QString kProgram = QStringLiteral("C:\\Tools\\Varn\\varn-placement-editor.exe");

QString defaultValue(HKEY root, const wchar_t* key) {
    wchar_t buffer[512];
    DWORD size = sizeof buffer;
    if (RegGetValueW(root, key, nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return QStringLiteral("<missing>");
    return QString::fromWCharArray(buffer);
}

void removeUserAssociation() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\.wpl");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\WinPlFile");
}

// IMAGE_SUBSYSTEM_WINDOWS_GUI (2) or IMAGE_SUBSYSTEM_WINDOWS_CUI (3) from the PE header.
int subsystem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = file.read(4096);
    if (head.size() < 0x40) return -1;
    const auto peOffset = *reinterpret_cast<const quint32*>(head.constData() + 0x3c);
    // Signature (4), file header (20), then the optional header, whose subsystem is at 68.
    const qsizetype at = peOffset + 4 + 20 + 68;
    if (at + 2 > head.size()) return -1;
    return *reinterpret_cast<const quint16*>(head.constData() + at);
}

QString versionString(const QString& path, const wchar_t* name) {
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return QStringLiteral("<no version resource>");
    QByteArray data(size, '\0');
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return QStringLiteral("<unread>");
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.constData(), query.c_str(), reinterpret_cast<void**>(&value), &length))
        return QStringLiteral("<missing>");
    return QString::fromWCharArray(value);
}

}  // namespace

class WindowsPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void init() { removeUserAssociation(); }
    void cleanupTestCase() { removeUserAssociation(); }

    void associationIsWrittenForTheUser() {
        varn::Win32Association association(kProgram);
        // The machine's classes may hold another .wpl association: this copy's is not there.
        QVERIFY(association.state() != varn::FileTypeAssociation::State::Registered);
        const QString machineBefore = defaultValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.wpl");
        QString error;
        QVERIFY2(association.write(error), qPrintable(error));
        const HKEY user = HKEY_CURRENT_USER;
        QCOMPARE(defaultValue(user, L"Software\\Classes\\.wpl"), QStringLiteral("WinPlFile"));
        QCOMPARE(defaultValue(user, L"Software\\Classes\\WinPlFile\\Shell\\Open\\command"),
                 QStringLiteral("\"%1\" \"%2\"").arg(kProgram, QStringLiteral("%1")));
        QCOMPARE(defaultValue(user, L"Software\\Classes\\WinPlFile\\DefaultIcon"),
                 kProgram + QStringLiteral(",0"));
        // The machine's classes, which a standard user cannot write, are as they were.
        QCOMPARE(defaultValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.wpl"), machineBefore);
        // Windows looks it up in the merged view, where the user's entries count.
        QCOMPARE(association.state(), varn::FileTypeAssociation::State::Registered);
        QCOMPARE(varn::Win32Association(QStringLiteral("D:\\Other\\varn-placement-editor.exe")).state(),
                 varn::FileTypeAssociation::State::Different);
    }

    void settingsOfAnInstalledProgramRoam() {
        QCoreApplication::setApplicationName(QStringLiteral("varn-placement-editor"));
        const QString appData = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
        QVERIFY(!appData.isEmpty());
        QCOMPARE(varn::userSettingsFolder(), appData + QStringLiteral("/varn-placement-editor"));
    }

    void programsHaveTheirSubsystemAndVersion_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("expectedSubsystem");
        QTest::newRow("editor, no console") << QStringLiteral(VARN_EDITOR_EXE) << 2;
        QTest::newRow("tool, console") << QStringLiteral(VARN_TOOL_EXE) << 3;
    }
    void programsHaveTheirSubsystemAndVersion() {
        QFETCH(QString, program);
        QFETCH(int, expectedSubsystem);
        QCOMPARE(subsystem(program), expectedSubsystem);
        QCOMPARE(versionString(program, L"ProductName"), QStringLiteral("Varn Placement Editor"));
        QCOMPARE(versionString(program, L"ProductVersion"), QString::fromLatin1(varn::kProgramVersion));
        QCOMPARE(versionString(program, L"FileVersion"), QString::fromLatin1(varn::kProgramVersion));
    }

    void editorCarriesItsIcon() {
        const std::wstring path = QDir::toNativeSeparators(QStringLiteral(VARN_EDITOR_EXE)).toStdWString();
        const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        QVERIFY(module);
        // The association's DefaultIcon names "<exe>,0": the first icon group.
        QVERIFY(FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON));
        FreeLibrary(module);
    }
};

QTEST_GUILESS_MAIN(WindowsPlatformTest)
#include "tst_windowsplatform.moc"
