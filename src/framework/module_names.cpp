#include "framework/module_names.h"

namespace {

// Where the file name starts: after the last separator or drive colon.
size_t fileNameStart(const char* path) {
    size_t start = 0;
    for (size_t i = 0; path[i] != '\0'; ++i)
        if (path[i] == '\\' || path[i] == '/' || path[i] == ':')
            start = i + 1;
    return start;
}

// Where the file name's extension starts (its last dot), or the end of the path.
size_t extensionStart(const char* path) {
    size_t start = fileNameStart(path);
    const char* dot = std::strrchr(path + start, '.');
    return dot != nullptr ? static_cast<size_t>(dot - path) : std::strlen(path);
}

} // namespace

HeapText TitleFromModulePath(const char* path) {
    size_t start = fileNameStart(path);
    return HeapText(path + start, extensionStart(path) - start);
}

HeapText HelpFileFromModulePath(const char* path) {
    HeapText helpFile(path, extensionStart(path));
    helpFile.append(".HLP");
    return helpFile;
}
