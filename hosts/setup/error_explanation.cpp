#include "error_explanation.h"

#include "platform/win32.h"
#include "scenario/run/registry_stage.h"

namespace {

const char kRoot[] = "HKEY_LOCAL_MACHINE";

bool keyOpens(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The longest leading part of the path that is a key, "" when not even the first part is.
std::string deepestKey(const std::string& path) {
    std::string found;
    for (size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        std::string part = path.substr(0, end);
        if (!keyOpens(part))
            return found;
        found = part;
        if (end == std::string::npos)
            return found;
    }
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string fileText(const RegistryFileUsed& file) {
    return "the registry file " + file.path + " (" + file.origin + ")";
}

} // namespace

std::string explainError(const std::string& service, const RegistryFileUsed& file,
                         const std::vector<std::string>& messages) {
    const std::string path = scenario::parametersKeyPath(service);
    const std::string key = std::string(kRoot) + "\\" + path;
    std::string text;
    if (!keyOpens(path)) {
        text = "the key " + key + " was looked for in " + fileText(file);
        if (!file.existed)
            return text + ", which does not exist: a missing file is an empty registry.\n";
        std::string found = deepestKey(path);
        std::string missing = found.empty() ? path : path.substr(found.size() + 1);
        return text + ": it has " + kRoot + (found.empty() ? "" : "\\" + found) + ", but no " +
               missing + " under it.\n";
    }
    text = "the key " + key + " is in " + fileText(file);
    if (messages.empty())
        return text + ", but the dialog could not be shown.\n";
    text += ", and the dialog ended after it said ";
    for (size_t i = 0; i < messages.size(); ++i)
        text += (i == 0 ? "" : i + 1 == messages.size() ? " and " : ", ") + quoted(messages[i]);
    return text + ".\n";
}
