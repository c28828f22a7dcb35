// Grid: the line tables from lineX and lineY, cell rectangles and the hit
// test, the text alignment, and the drawing of cells, lines and frame.
#include "_TQCgrid.h"

#include "_TQCstring.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

// Pixel positions stay within what the device's coordinates hold.
const long kFarthest = SHRT_MAX;

// A word read as atoi reads it (blanks skipped, an optional sign, the digits
// up to the first other character, 0 without any), kept within reach.
long positionOf(const char* word)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(word);
    while (*p != '\0' && std::isspace(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = std::min(kFarthest, value * 10 + (*p - '0'));
    return negative ? -value : value;
}

// The code of the device's string drawing for alignmentH x 3 + alignmentV - 2.
const char kAlignmentCodes[9] = {0, 5, 6, 1, 7, 8, 2, 3, 4};

} // namespace

// ---------------------------------------------------------------------------
// Line tables

// Rows first, then columns. A count of 0 becomes 1, and the shape is cut
// down to MAX_CELLS cells, columns first; neither is announced.
void TQCgrid::_adjust_line()
{
    m_vcolumns = std::clamp<unsigned long>(m_vcolumns, 1, MAX_CELLS);
    m_hcolumns = std::clamp<unsigned long>(m_hcolumns, 1, MAX_CELLS);
    m_vcolumns = std::min<unsigned long>(m_vcolumns, MAX_CELLS / m_hcolumns);
    fillLineTable(m_yTable, m_vcolumns, m_lineY, m_height);
    fillLineTable(m_xTable, m_hcolumns, m_lineX, m_width);
}

// count - 1 lines from the comma-separated list; the last entry is 0. Lines
// the list does not give are spaced evenly after the last one it gives (or
// 0) up to the far edge; an empty list gives none. Given positions are
// taken as they are.
void TQCgrid::fillLineTable(std::vector<long>& table, unsigned long count, const char* list,
                            long farEdge)
{
    table.assign(count, 0);
    size_t lines = count - 1;
    std::vector<TQCstring> words;
    if (list != nullptr && list[0] != '\0')
        words = TQCstring(list, -2).getWordList(",", static_cast<long>(lines), -2);
    size_t given = std::min(words.size(), lines);
    for (size_t i = 0; i < given; ++i)
        table[i] = positionOf(words[i].getString(-2));
    long from = given > 0 ? table[given - 1] : 0;
    long span = std::max(std::min(farEdge, kFarthest) - from, 0L);
    long missing = static_cast<long>(lines - given);
    for (long j = 1; j <= missing; ++j)
        table[given + j - 1] = from + span * j / (missing + 1);
}

// ---------------------------------------------------------------------------
// Rectangles

TQCgrid::CellRect TQCgrid::cellRect(unsigned long column, unsigned long row) const
{
    CellRect rect;
    rect.x = column > 0 ? m_xTable[column - 1] : 0;
    rect.y = row > 0 ? m_yTable[row - 1] : 0;
    long right = column + 1 < m_hcolumns ? m_xTable[column] : m_width;
    long bottom = row + 1 < m_vcolumns ? m_yTable[row] : m_height;
    rect.width = right - rect.x;
    rect.height = bottom - rect.y;
    return rect;
}

long TQCgrid::getCellNo(long x, long y, unsigned long* column, unsigned long* row)
{
    refreshShape(false);
    for (unsigned long i = 0; i < m_cells.size(); ++i) {
        CellRect r = cellRect(i % m_hcolumns, i / m_hcolumns);
        if (r.x < x && x < r.x + r.width && r.y < y && y < r.y + r.height) {
            if (column != nullptr)
                *column = i % m_hcolumns;
            if (row != nullptr)
                *row = i / m_hcolumns;
            return 0;
        }
    }
    return -1;
}

long TQCgrid::getCellGeometry(unsigned long column, unsigned long row, short* x, short* y,
                              unsigned short* width, unsigned short* height)
{
    refreshShape(false);
    if (column >= m_hcolumns || row >= m_vcolumns || cellIndex(column, row) >= m_cells.size())
        return -1;
    CellRect r = cellRect(column, row);
    if (x != nullptr)
        *x = static_cast<short>(r.x);
    if (y != nullptr)
        *y = static_cast<short>(r.y);
    if (width != nullptr)
        *width = static_cast<unsigned short>(std::max(r.width, 0L));
    if (height != nullptr)
        *height = static_cast<unsigned short>(std::max(r.height, 0L));
    return 0;
}

char TQCgrid::getAlignment()
{
    long h = m_alignmentH <= 2 ? m_alignmentH : 0;
    long v = m_alignmentV >= 2 && m_alignmentV <= 4 ? m_alignmentV : 2;
    return kAlignmentCodes[h * 3 + v - 2];
}

// ---------------------------------------------------------------------------
// Drawing

long TQCgrid::_device_initialize()
{
    if (TQCform::_device_initialize() != 0)
        return -1;
    getowndev()->setEnableEventBit((1L << TQEV_EXPOSE) | (1L << TQEV_RESIZE) |
                                   (1L << TQEV_MOUSE_PRESS) | (1L << TQEV_MOUSE_RELEASE));
    return 0;
}

long TQCgrid::draw()
{
    TQDdev* dev = nullptr;
    long ready = readyToDraw(&dev);
    if (ready != 1)
        return ready;
    _value_update();
    if (!openGround(dev, DOTS_INSIDE_AREA))
        return 0;
    drawFigure(dev);
    dev->endDraw();
    return 0;
}

// Cells, lines, then the frame: without a shadow (-1) an outline in the
// line pen.
void TQCgrid::drawFigure(TQDdev* dev)
{
    drawCells(dev);
    drawLines(dev);
    if (m_shadowType != -1) {
        TQCform::drawFigure(dev);
        return;
    }
    if (m_lineWidth == 0)
        return;
    long half = m_lineWidth / 2;
    dev->drawRect(static_cast<short>(half), static_cast<short>(half),
                  static_cast<unsigned short>(std::max(long{m_width} - 2 * half, 0L)),
                  static_cast<unsigned short>(std::max(long{m_height} - 2 * half, 0L)));
}

// Each cell's rectangle in its back colour, its text over the whole of it
// in its fore colour; a cell without area is left out.
void TQCgrid::drawCells(TQDdev* dev)
{
    char alignment = getAlignment();
    for (unsigned long i = 0; i < m_cells.size(); ++i) {
        CellRect r = cellRect(i % m_hcolumns, i / m_hcolumns);
        if (r.width <= 0 || r.height <= 0)
            continue;
        short x = static_cast<short>(r.x), y = static_cast<short>(r.y);
        unsigned short w = static_cast<unsigned short>(r.width);
        unsigned short h = static_cast<unsigned short>(r.height);
        dev->setForeColor(cellBackColor(i));
        dev->drawFillRect(x, y, w, h);
        dev->setForeColor(cellForeColor(i));
        TQCstring text(m_cells[i], -2);
        dev->drawString(x, y, w, h, &text, static_cast<char>(m_font), alignment, -1, 0, 0, 0);
    }
}

// Also sets the line pen the frame is drawn with.
void TQCgrid::drawLines(TQDdev* dev)
{
    dev->setForeColor(m_foreColor);
    dev->setLineWidth(m_lineWidth);
    dev->setLineDashType(static_cast<char>(m_lineType));
    if (m_lineWidth == 0)
        return;
    short w = static_cast<short>(std::min<long>(m_width, kFarthest));
    short h = static_cast<short>(std::min<long>(m_height, kFarthest));
    for (unsigned long i = 0; i + 1 < m_vcolumns; ++i)
        dev->drawLine(0, static_cast<short>(m_yTable[i]), w, static_cast<short>(m_yTable[i]));
    for (unsigned long j = 0; j + 1 < m_hcolumns; ++j)
        dev->drawLine(static_cast<short>(m_xTable[j]), 0, static_cast<short>(m_xTable[j]), h);
}
