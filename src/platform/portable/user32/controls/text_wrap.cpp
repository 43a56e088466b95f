#include "platform/portable/text_wrap.h"

#include <algorithm>

namespace portable {

namespace {
// Appends the lines of one paragraph (a line of the text without its end).
void wrapParagraph(std::string paragraph, size_t width, std::vector<std::string>* lines) {
    for (;;) {
        if (paragraph.size() <= width) {
            lines->push_back(paragraph);
            return;
        }
        // The last blank that leaves the line at most width long; a word longer than the
        // line is cut at its width.
        size_t blank = paragraph.rfind(' ', width);
        size_t end = blank == std::string::npos || blank == 0 ? width : blank;
        size_t line = paragraph.find_last_not_of(' ', end - 1);
        lines->push_back(paragraph.substr(0, line == std::string::npos ? end : line + 1));
        size_t next = paragraph.find_first_not_of(' ', end);
        if (next == std::string::npos)
            return;
        paragraph.erase(0, next);
    }
}
} // namespace

std::vector<std::string> wrapText(const std::string& text, int columns) {
    const size_t width = size_t(std::max(1, columns));
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find('\n', start);
        std::string paragraph = text.substr(start, end == std::string::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.pop_back();
        wrapParagraph(paragraph, width, &lines);
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

} // namespace portable
