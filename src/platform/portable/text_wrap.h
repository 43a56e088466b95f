// How a static control lays its text out on lines of character cells (DrawText with
// DT_WORDBREAK): the message box sizes itself by it, and front ends draw statics by it.
#pragma once

#include <string>
#include <vector>

namespace portable {

// The text's lines ("\n", or "\r\n", ends one), each broken at blanks so that no line is wider
// than columns; the blanks at a break are dropped, and a word wider than a line is cut.
std::vector<std::string> wrapText(const std::string& text, int columns);

} // namespace portable
