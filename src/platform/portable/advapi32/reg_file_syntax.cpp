#include "platform/portable/advapi32/reg_file_syntax.h"

namespace portable::registry {

namespace {

// The data of a value line "name"=data or @=data, or nothing when the line is not one.
std::string_view valueData(std::string_view line) {
    size_t used = 1;
    if (line.empty() || (line.front() != '"' && line.front() != '@'))
        return {};
    std::string name;
    if (line.front() == '"' && !parseQuoted(line, &name, &used))
        return {};
    std::string_view rest = trimLeft(line.substr(used));
    if (rest.empty() || rest.front() != '=')
        return {};
    return trimLeft(rest.substr(1));
}

// A hex list that goes on over the next line.
bool continues(std::string_view line) {
    if (line.empty() || line.back() != '\\')
        return false;
    std::string_view data = valueData(line);
    return data.compare(0, 3, "hex") == 0 && data.back() == '\\';
}

} // namespace

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool parseQuoted(std::string_view text, std::string* out, size_t* used) {
    out->clear();
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            *used = i + 1;
            return true;
        }
        if (c == '\\') {
            if (++i == text.size())
                return false;
            switch (text[i]) {
            case '\\':
                c = '\\';
                break;
            case '"':
                c = '"';
                break;
            case 'n':
                c = '\n';
                break;
            case 'r':
                c = '\r';
                break;
            default:
                return false;
            }
        }
        out->push_back(c);
    }
    return false;
}

std::string_view RegFileLines::physical(size_t from, size_t* after) const {
    size_t end = text_.find('\n', from);
    *after = end == std::string_view::npos ? text_.size() : end + 1;
    return trim(text_.substr(from, (end == std::string_view::npos ? text_.size() : end) - from));
}

bool RegFileLines::next(RegFileLine* line) {
    if (next_ >= text_.size())
        return false;
    line->begin = next_;
    line->number = number_;
    line->first = physical(next_, &next_);
    line->continued = false;
    ++number_;
    if (continues(line->first)) {
        std::string_view last = line->first;
        while (!last.empty() && last.back() == '\\' && next_ < text_.size()) {
            last = physical(next_, &next_);
            line->continued = true;
            ++number_;
        }
    }
    line->end = next_;
    return true;
}

std::string RegFileLines::joined(const RegFileLine& line) const {
    std::string out(line.first);
    size_t at = line.begin;
    physical(at, &at);
    while (at < line.end) {
        out.pop_back(); // the backslash
        out += physical(at, &at);
    }
    return out;
}

} // namespace portable::registry
