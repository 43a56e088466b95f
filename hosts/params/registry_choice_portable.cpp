// Linux: the registry is a file, chosen as quorlan-setup chooses it.
#include "registry_choice.h"

#include "platform/portable/portable.h"
#include "platform/windows_1252.h"
#include "setup/registry_file.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <unistd.h>

namespace quorlan_params {

namespace {

RegistryFileUsed fileInUse;

// UTF-8 into the locale's character set through iconv; a character it lacks becomes '?'.
std::string fromUtf8(const std::string& utf8, const char* charset) {
    iconv_t convert = iconv_open((std::string(charset) + "//TRANSLIT").c_str(), "UTF-8");
    if (convert == reinterpret_cast<iconv_t>(-1))
        return utf8;
    std::string out(utf8.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* to = out.data();
    size_t toLeft = out.size();
    while (inLeft > 0 && iconv(convert, &in, &inLeft, &to, &toLeft) == static_cast<size_t>(-1)) {
        if (errno != EILSEQ && errno != EINVAL)
            break;
        if (toLeft == 0)
            break;
        *to++ = '?'; // one character the charset lacks: skip its bytes
        --toLeft;
        do {
            ++in;
            --inLeft;
        } while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
    }
    iconv_close(convert);
    out.resize(out.size() - toLeft);
    return out;
}

} // namespace

bool chooseRegistry(bool fileGiven, const std::string& file, std::string* error) {
    fileInUse = chooseRegistryFile(fileGiven, file);
    if (!portable::useRegistryFile(fileInUse.path, error))
        return false;
    // A hive left dirty by a crash was brought up to date from its logs: said once.
    std::string replayed = portable::registryReplayNote();
    if (!replayed.empty())
        std::fprintf(stderr, "quorlan-params: %s\n", replayed.c_str());
    return true;
}

std::string missingRegistryFile() {
    if (fileInUse.existed || fileInUse.path.empty())
        return std::string();
    return "the registry file " + fileInUse.path + " (" + fileInUse.origin + ") does not exist";
}

std::string unwritableRegistryReason() {
    return portable::registryNotice();
}

std::string saveFailureText(long status) {
    std::string text = portable::lastRegistrySaveError();
    return text.empty() ? "error " + std::to_string(status) : text;
}

std::string saveNote() {
    return portable::lastRegistrySaveNote();
}

std::string inOutputCharset(const std::string& ansi) {
    bool ascii = true;
    for (char c : ansi)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return ansi;
    std::string utf8 = windows_1252::toUtf8(ansi);
    const char* charset = nl_langinfo(CODESET);
    return charset == nullptr || std::string(charset) == "UTF-8" ? utf8 : fromUtf8(utf8, charset);
}

// A closed descriptor 1 or 2 is taken by /dev/null opened for reading, so that writes to it
// still fail (EBADF) and no registry or temporary file the command opens lands there.
void prepareOutput() {
    std::setlocale(LC_CTYPE, "");
    for (int fd : {STDOUT_FILENO, STDERR_FILENO})
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            int held = ::open("/dev/null", O_RDONLY);
            if (held >= 0 && held != fd) {
                ::dup2(held, fd);
                ::close(held);
            }
        }
}

const char* registryHelp() {
    return "The registry is the file given with --registry, else $QUORLAN_REGISTRY, else\n"
           "./quorlan.reg, as quorlan-setup takes it; a missing file is an empty registry.\n"
           "Stored text is taken as Windows-1252 and written in the terminal's character set.\n";
}

} // namespace quorlan_params
