// The lines of the registry export format, shared by its reader and its writer: a logical line is
// one line of the file, or a value line with the lines that continue its hex list (each but the
// last ending with a backslash).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace portable::registry {

std::string_view trimLeft(std::string_view s);
// Drops trailing blanks and the carriage return of a CRLF line end.
std::string_view trimRight(std::string_view s);
inline std::string_view trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

// Reads a quoted string with \\ \" \n \r escapes from text[0] == '"'; *used: characters taken.
bool parseQuoted(std::string_view text, std::string* out, size_t* used);

struct RegFileLine {
    size_t begin = 0;       // offset of its first character in the text
    size_t end = 0;         // offset after its last line end
    int number = 0;         // 1-based number of its first line in the file
    std::string_view first; // its first line, trimmed
    bool continued = false; // more lines follow the first

    bool isBlankOrComment() const { return first.empty() || first.front() == ';'; }
    bool isKey() const { return !first.empty() && first.front() == '['; }
};

class RegFileLines {
  public:
    explicit RegFileLines(std::string_view text, size_t from = 0, int number = 1)
        : text_(text), next_(from), number_(number) {}

    // The next logical line; false at the end of the text.
    bool next(RegFileLine* line);
    // A logical line as one line: continuation lines appended without their indentation, the
    // backslashes that joined them dropped, trimmed.
    std::string joined(const RegFileLine& line) const;

  private:
    // The physical line at `from`: its trimmed text, and where the one after it starts.
    std::string_view physical(size_t from, size_t* after) const;

    std::string_view text_;
    size_t next_;
    int number_;
};

} // namespace portable::registry
