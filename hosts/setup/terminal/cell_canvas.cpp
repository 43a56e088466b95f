#include "cell_canvas.h"

#include <algorithm>

namespace terminal {

CellCanvas::CellCanvas(int columns, int rows)
    : columns_(std::max(0, columns)), rows_(std::max(0, rows)),
      cells_(size_t(columns_) * size_t(rows_)) {}

bool CellCanvas::inside(int col, int row) const {
    return col >= 0 && row >= 0 && col < columns_ && row < rows_;
}

const Cell& CellCanvas::at(int col, int row) const {
    static const Cell outside;
    return inside(col, row) ? cells_[size_t(row) * size_t(columns_) + size_t(col)] : outside;
}

void CellCanvas::put(int col, int row, int glyph, Role role, bool underline) {
    if (!inside(col, row))
        return;
    Cell& cell = cells_[size_t(row) * size_t(columns_) + size_t(col)];
    cell.glyph = glyph;
    cell.role = role;
    cell.underline = underline;
}

int CellCanvas::text(int col, int row, const std::string& text, Role role, int width) {
    int limit = width < 0 ? columns_ - col : width;
    int written = 0;
    for (char c : text) {
        if (written >= limit)
            break;
        unsigned char u = static_cast<unsigned char>(c);
        put(col + written, row, u < 0x20 ? ' ' : u, role);
        ++written;
    }
    return written;
}

void CellCanvas::fill(int left, int top, int right, int bottom, Role role) {
    for (int row = top; row < bottom; ++row)
        for (int col = left; col < right; ++col)
            put(col, row, ' ', role);
}

void CellCanvas::box(int left, int top, int right, int bottom, Role role) {
    for (int col = left + 1; col < right; ++col) {
        put(col, top, HLine, role);
        put(col, bottom, HLine, role);
    }
    for (int row = top + 1; row < bottom; ++row) {
        put(left, row, VLine, role);
        put(right, row, VLine, role);
    }
    put(left, top, TopLeft, role);
    put(right, top, TopRight, role);
    put(left, bottom, BottomLeft, role);
    put(right, bottom, BottomRight, role);
}

void CellCanvas::setCursor(int col, int row) {
    cursorCol_ = inside(col, row) ? col : -1;
    cursorRow_ = inside(col, row) ? row : -1;
}

std::string CellCanvas::rowText(int row) const {
    std::string line;
    for (int col = 0; col < columns_; ++col) {
        int glyph = at(col, row).glyph;
        switch (glyph) {
        case HLine:
            line += '-';
            break;
        case VLine:
            line += '|';
            break;
        case TopLeft:
        case TopRight:
        case BottomLeft:
        case BottomRight:
            line += '+';
            break;
        case ScrollTrack:
            line += ':';
            break;
        case ScrollThumb:
            line += '#';
            break;
        default:
            line += glyph < 0x100 ? char(glyph) : '?';
        }
    }
    return line;
}

} // namespace terminal
