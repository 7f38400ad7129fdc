// The registry side of the .wpl association against the real Windows registry: every entry
// written, read back with advapi32 directly, checked, and the failure paths. Plain C++ so that it
// builds with mingw-w64 alone and runs under wine. With --classes-root it also writes to
// HKEY_CLASSES_ROOT itself, which only a throwaway wine prefix should allow.

#include "filetyperegistry.h"
#include "win32registry.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

int failures = 0;

std::string narrow(std::u16string_view text) {
    std::string result;
    for (char16_t c : text)
        result += c < 128 ? static_cast<char>(c) : '?';
    return result;
}

void check(bool condition, const char* what, int line) {
    if (!condition) {
        ++failures;
        std::printf("FAIL line %d: %s\n", line, what);
    }
}
#define CHECK(condition) check((condition), #condition, __LINE__)

void checkEqual(const std::optional<std::u16string>& actual, std::u16string_view expected,
                int line) {
    if (!actual || *actual != expected) {
        ++failures;
        std::printf("FAIL line %d: expected \"%s\", got %s%s%s\n", line, narrow(expected).c_str(),
                    actual ? "\"" : "", actual ? narrow(*actual).c_str() : "nothing",
                    actual ? "\"" : "");
    }
}
#define CHECK_EQUAL(actual, expected) checkEqual((actual), (expected), __LINE__)

std::wstring wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

// The default value as advapi32 reports it, without the code under test.
std::optional<std::u16string> rawDefault(HKEY root, std::u16string_view key) {
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    if (RegGetValueW(root, wide(key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::u16string(buffer, buffer + size / sizeof(wchar_t) - 1);
}

bool keyExists(HKEY root, std::u16string_view key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, wide(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

const std::u16string kProgram = u"C:\\Program Files\\Varn\\varn-placement-editor.exe";
const std::u16string kMovedProgram = u"D:\\Tools\\varn-placement-editor.exe";

void checkFiveEntries(HKEY root, const std::u16string& program, int line) {
    checkEqual(rawDefault(root, u".wpl"), u"WinPlFile", line);
    checkEqual(rawDefault(root, u"WinPlFile"), u"Windows Placement File", line);
    checkEqual(rawDefault(root, u"WinPlFile\\Shell\\Open"), u"&Open", line);
    checkEqual(rawDefault(root, u"WinPlFile\\Shell\\Open\\command"), u"\"" + program + u"\" \"%1\"",
               line);
    checkEqual(rawDefault(root, u"WinPlFile\\DefaultIcon"), program + u",0", line);
    if (rawDefault(root, u"WinPlFile\\Shell")) {
        ++failures;
        std::printf("FAIL line %d: Shell got a default value\n", line);
    }
}

bool registeredFor(HKEY root, const std::u16string& program) {
    varn::Win32Registry registry(root);
    return registry.openKey(varn::kWplExtensionKey, false) &&
           varn::isFileTypeRegistered(registry, program);
}

void testOpeningKeys(HKEY root) {
    varn::Win32Registry registry(root);
    CHECK(!registry.openKey(u"\\.wpl", false));
    CHECK(!registry.readDefaultString());
    CHECK(!registry.writeDefaultString(u"nowhere"));
    CHECK(registry.openKey(u"\\Probe\\Inner", true));
    CHECK(registry.writeDefaultString(u"inner"));
    CHECK(registry.openKey(u"\\Probe", false));
    CHECK(!registry.readDefaultString());
    // A relative path goes below the current key; a failed open keeps the current key.
    CHECK(registry.openKey(u"Inner", false));
    CHECK(!registry.openKey(u"Missing", false));
    CHECK_EQUAL(registry.readDefaultString(), u"inner");
    CHECK(registry.openKey(u"\\PROBE\\inner", false));
    CHECK_EQUAL(registry.readDefaultString(), u"inner");
    RegDeleteTreeW(root, L"Probe");
}

void testRegisterAndCheck(HKEY root) {
    {
        varn::Win32Registry registry(root);
        std::u16string error;
        CHECK(varn::registerFileType(registry, kProgram, error));
        CHECK(error.empty());
    }
    checkFiveEntries(root, kProgram, __LINE__);
    CHECK(registeredFor(root, kProgram));
    // The same program from another folder is a different association.
    CHECK(!registeredFor(root, kMovedProgram));
    {
        varn::Win32Registry registry(root);
        std::u16string error;
        CHECK(varn::registerFileType(registry, kMovedProgram, error));
    }
    checkFiveEntries(root, kMovedProgram, __LINE__);
    CHECK(registeredFor(root, kMovedProgram));
    CHECK(!registeredFor(root, kProgram));
}

void testNonStringValue(HKEY root) {
    const DWORD number = 7;
    CHECK(RegSetKeyValueW(root, L"WinPlFile\\DefaultIcon", nullptr, REG_DWORD, &number,
                          sizeof number) == ERROR_SUCCESS);
    CHECK(!registeredFor(root, kMovedProgram));
    varn::Win32Registry registry(root);
    CHECK(registry.openKey(u"\\WinPlFile\\DefaultIcon", false));
    CHECK(!registry.readDefaultString());
}

void testRefusedWrites(HKEY writableRoot, const wchar_t* rootPath) {
    const wchar_t other[] = L"OtherType";
    CHECK(RegSetKeyValueW(writableRoot, L".wpl", nullptr, REG_SZ, other, sizeof other) ==
          ERROR_SUCCESS);
    HKEY readOnlyRoot = nullptr;
    CHECK(RegOpenKeyExW(HKEY_CURRENT_USER, rootPath, 0, KEY_READ, &readOnlyRoot) == ERROR_SUCCESS);
    {
        // Existing keys open for reading only: the first value is refused.
        varn::Win32Registry registry(readOnlyRoot, KEY_READ);
        std::u16string error;
        CHECK(!varn::registerFileType(registry, kProgram, error));
        CHECK(error == u"Failed to set data for ''");
        CHECK_EQUAL(rawDefault(writableRoot, u".wpl"), u"OtherType");
    }
    RegCloseKey(readOnlyRoot);
}

void testUncreatableKeys() {
    // A volatile key can hold only volatile keys, so no lasting key can be made below it.
    const wchar_t* rootPath = L"Software\\VarnVolatileTest";
    RegDeleteTreeW(HKEY_CURRENT_USER, rootPath);
    HKEY root = nullptr;
    CHECK(RegCreateKeyExW(HKEY_CURRENT_USER, rootPath, 0, nullptr, REG_OPTION_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &root, nullptr) == ERROR_SUCCESS);
    CHECK(RegSetValueExW(root, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"root"),
                         5 * sizeof(wchar_t)) == ERROR_SUCCESS);
    {
        varn::Win32Registry registry(root);
        std::u16string error;
        CHECK(!varn::registerFileType(registry, kProgram, error));
        CHECK(error == u"Failed to create key '.wpl'");
        CHECK(!keyExists(root, u".wpl"));
        // The value meant for the key that failed went nowhere else.
        CHECK_EQUAL(rawDefault(root, u""), u"root");
    }
    RegCloseKey(root);
    RegDeleteTreeW(HKEY_CURRENT_USER, rootPath);
}

void testClassesRoot() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".wpl");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"WinPlFile");
    CHECK(!registeredFor(HKEY_CLASSES_ROOT, kProgram));
    {
        varn::Win32Registry registry(HKEY_CLASSES_ROOT);
        std::u16string error;
        CHECK(varn::registerFileType(registry, kProgram, error));
    }
    checkFiveEntries(HKEY_CLASSES_ROOT, kProgram, __LINE__);
    CHECK(registeredFor(HKEY_CLASSES_ROOT, kProgram));
}

}  // namespace

int main(int argc, char** argv) {
    const wchar_t* rootPath = L"Software\\VarnRegistryTest";
    RegDeleteTreeW(HKEY_CURRENT_USER, rootPath);
    HKEY root = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, rootPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root,
                        nullptr) != ERROR_SUCCESS) {
        std::printf("FAIL: cannot create the scratch key\n");
        return 1;
    }
    testOpeningKeys(root);
    testRegisterAndCheck(root);
    testNonStringValue(root);
    testRefusedWrites(root, rootPath);
    testUncreatableKeys();
    RegCloseKey(root);
    RegDeleteTreeW(HKEY_CURRENT_USER, rootPath);
    if (argc > 1 && std::string_view(argv[1]) == "--classes-root") testClassesRoot();

    std::printf("%s: %d failure(s)\n", failures == 0 ? "PASS" : "FAIL", failures);
    return failures == 0 ? 0 : 1;
}
