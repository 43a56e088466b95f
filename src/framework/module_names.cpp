#include "framework/module_names.h"

namespace {

// Where the file name starts: after the last separator or drive colon.
size_t fileNameStart(const std::string& path) {
    size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? 0 : separator + 1;
}

// Where the file name's extension starts (its dot), or the end of the path.
size_t extensionStart(const std::string& path) {
    size_t dot = path.rfind('.');
    return dot == std::string::npos || dot < fileNameStart(path) ? path.size() : dot;
}

} // namespace

std::string TitleFromModulePath(const std::string& path) {
    size_t start = fileNameStart(path);
    return path.substr(start, extensionStart(path) - start);
}

std::string HelpFileFromModulePath(const std::string& path) {
    return path.substr(0, extensionStart(path)) + ".HLP";
}
