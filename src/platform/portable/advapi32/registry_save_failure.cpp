// The words for a failed save, shared by every host.
#include "platform/portable/registry_save_failure.h"

#include <cstdio>
#include <cstring>

namespace portable {

namespace {

using Cause = RegistrySaveFailure::Cause;

std::string inParentheses(int code) {
    return code != 0 ? std::string(" (") + std::strerror(code) + ")" : std::string();
}

std::string seconds(int ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", ms / 1000.0);
    return text;
}

std::string lockHolder(long pid) {
    return pid > 0 ? "process " + std::to_string(pid) : std::string("another process");
}

// Why, starting with ": ".
std::string causeText(const RegistrySaveFailure& failure) {
    switch (failure.cause) {
    case Cause::kNone:
        break;
    case Cause::kLocked:
        return ": cannot save: " +
               (failure.lockForReading ? std::string("another process holds a read lock on it")
                                       : lockHolder(failure.lockHolder) + " holds its lock") +
               ", and still held it after " + seconds(failure.waitedMs);
    case Cause::kFileNotWritable:
        return ": cannot save: no permission to write the file" + inParentheses(failure.code);
    case Cause::kFolderNotWritable:
        return ": cannot save: no permission to make files in its folder " + failure.folder +
               inParentheses(failure.code);
    case Cause::kNoSpace:
        return ": cannot save: no space left on its file system" + inParentheses(failure.code);
    case Cause::kReadOnlyFileSystem:
        return ": cannot save: its file system is mounted read-only";
    case Cause::kUnwritableHive:
    case Cause::kOther:
        return failure.detail;
    }
    return std::string();
}

} // namespace

std::string describeSaveFailure(const RegistrySaveFailure& failure) {
    if (failure.cause == Cause::kNone)
        return std::string();
    std::string text = failure.path + causeText(failure);
    const bool sentence = !text.empty() && text.back() == '.';
    if (failure.wroteWhole)
        return text + (sentence ? " The file holds the change, but a crash now may undo it."
                                : "; the file holds the change, but a crash now may undo it");
    if (failure.wroteAnything)
        return text + (sentence ? " The file may be left part changed."
                                : "; the file may be left part changed");
    return text + (sentence ? " Nothing was changed." : "; nothing was changed");
}

} // namespace portable
