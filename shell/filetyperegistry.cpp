#include "filetyperegistry.h"

#include <initializer_list>

namespace varn {
namespace {

bool defaultValueIs(RegistryAccess& registry, std::u16string_view expected) {
    const std::optional<std::u16string> value = registry.readDefaultString();
    return value && *value == expected;
}

bool opensAndHolds(RegistryAccess& registry, std::u16string_view path,
                   std::u16string_view expected) {
    return registry.openKey(path, false) && defaultValueIs(registry, expected);
}

// Built by appending: g++ 12 warns falsely about prefixing a literal to a temporary string.
std::u16string joined(std::initializer_list<std::u16string_view> parts) {
    std::u16string result;
    for (std::u16string_view part : parts)
        result.append(part);
    return result;
}

std::u16string absolute(std::u16string_view path) {
    return joined({u"\\", path});
}

// One key to create and, unless value is null, the default value to give it. keyName is the
// key's full path for the message when it cannot be created.
struct Step {
    std::u16string path;
    std::u16string keyName;
    const std::u16string* value;
};

}  // namespace

std::u16string wplCommandText(std::u16string_view executablePath) {
    return joined({u"\"", executablePath, u"\" \"%1\""});
}

std::u16string wplIconText(std::u16string_view executablePath) {
    return joined({executablePath, u",0"});
}

std::u16string failedToSetData(std::u16string_view valueName) {
    return joined({u"Failed to set data for '", valueName, u"'"});
}

std::u16string failedToCreateKey(std::u16string_view keyPath) {
    return joined({u"Failed to create key '", keyPath, u"'"});
}

bool isFileTypeRegistered(RegistryAccess& registry, std::u16string_view executablePath) {
    const std::u16string fileTypeKey = absolute(kWplFileType);
    return defaultValueIs(registry, kWplFileType) &&
           opensAndHolds(registry, fileTypeKey, kWplFileTypeName) &&
           registry.openKey(u"Shell", false) && opensAndHolds(registry, u"Open", kWplOpenVerb) &&
           opensAndHolds(registry, u"command", wplCommandText(executablePath)) &&
           registry.openKey(fileTypeKey, false) &&
           opensAndHolds(registry, u"DefaultIcon", wplIconText(executablePath));
}

bool registerFileType(RegistryAccess& registry, std::u16string_view executablePath,
                      std::u16string& error) {
    const std::u16string fileType(kWplFileType);
    const std::u16string fileTypeName(kWplFileTypeName);
    const std::u16string verb(kWplOpenVerb);
    const std::u16string command = wplCommandText(executablePath);
    const std::u16string icon = wplIconText(executablePath);
    const Step steps[] = {
        {std::u16string(kWplExtensionKey), u".wpl", &fileType},
        {absolute(fileType), fileType, &fileTypeName},
        {u"Shell", fileType + u"\\Shell", nullptr},
        {u"Open", fileType + u"\\Shell\\Open", &verb},
        {u"command", fileType + u"\\Shell\\Open\\command", &command},
        {absolute(fileType), fileType, nullptr},
        {u"DefaultIcon", fileType + u"\\DefaultIcon", &icon},
    };
    for (const Step& step : steps) {
        // Writing on after a key failed to open would put the value into the previous key.
        if (!registry.openKey(step.path, true)) {
            error = failedToCreateKey(step.keyName);
            return false;
        }
        if (step.value && !registry.writeDefaultString(*step.value)) {
            error = failedToSetData(u"");
            return false;
        }
    }
    return true;
}

}  // namespace varn
