// Framed label: what a list draws differently through it while the
// class-wide row settings are set, tree rows (indentation, dotted tree
// lines, expand box, icon cell) and column rows (text split at positions).
#include "_TQCvlabel.h"

#include <cstdlib>

#include "_TQDdev.h"

const char* const TQCvlabel::ROW_LEVEL = "list-indent-level";
const char* const TQCvlabel::ROW_OPEN = "list-tr-open";
const char* const TQCvlabel::ROW_OPEN_CHANGED = "list-tr-open-ch";
const char* const TQCvlabel::ROW_STATUS = "list-indent-status";
const char* const TQCvlabel::ROW_FIRST = "list-lb-top";
const char* const TQCvlabel::ROW_LIST = "list-lb-list";
const char* const TQCvlabel::ROW_SELECTED = "ls-selected";

namespace {

long userLong(TQCbase* object, const char* key)
{
    return static_cast<long>(object->getUserLongData(key));
}

long numberAt(TQCstring& positions, long index, const char* separator)
{
    return std::strtol(positions.getWord(index, separator).getString(), nullptr, 10);
}

} // namespace

// Tree rows indent by their depth in steps of the content height h and
// leave a cell of h for the icon; a plain row with an icon keeps the
// picture over the content width and starts its text after the icon.
void TQCvlabel::rowPositions(Layout& l)
{
    unsigned char mode = get_vk_draw();
    bool icon = get_use_icon() != 0;
    long h = static_cast<long>(l.content.height);
    if (mode == ROW_TREE) {
        l.depth = userLong(this, ROW_LEVEL);
        if (icon) {
            l.pictureX = (l.depth + 1) * h;
            l.pictureWidth = static_cast<unsigned long>(h);
            l.pictureAlignment = 2;
            l.textX = (l.depth + 2) * h + h / 4;
        } else {
            l.textX = l.depth * h + h + h / 4;
        }
        l.highlightX = l.textX;
    } else if (icon) {
        l.pictureX = 0;
        l.textX = h + h / 4;
        l.highlightX = l.textX;
    }
}

// "," unless the label is a row of a list, which names its own.
TQCstring TQCvlabel::columnSeparator()
{
    TQCbase* parent = getParent();
    if (parent != nullptr && parent->cast("TQClist") != nullptr) {
        TQCstring separator(parent->getProperty("separator"), -2);
        if (separator.getChars() > 0)
            return separator;
    }
    return TQCstring(",", -2);
}

// Column 0 starts at the text position, the others at their border inside
// the frame; the last runs to the content width. A column narrower than a
// pixel is drawn 0 wide.
void TQCvlabel::drawColumns(TQDdev* dev, const Layout& l, TQCstring* text, long dx, long dy)
{
    TQCstring separatorText = columnSeparator();
    const char* separator = separatorText.getString();
    TQCstring positions = get_bar_pos();
    long n = positions.getWords(separator);
    long h = static_cast<long>(l.content.height);
    for (long k = 0; k <= n; ++k) {
        TQCstring column = text->getWord(k, separator);
        long left = k == 0 ? 0 : numberAt(positions, k - 1, separator);
        long right = k < n ? numberAt(positions, k, separator)
                           : static_cast<long>(l.content.width);
        long width = right - left;
        if (k == 0 && get_use_icon())
            width -= h + h / 4;
        if (width < 1)
            width = 0;
        long x = k == 0 ? l.textX + left : l.t + m_marginLeft + left;
        dev->drawString(x + dx, l.content.y + dy, static_cast<unsigned long>(width),
                        l.content.height, &column, m_font, l.alignment, -1, 0, 0, 0);
    }
}

// The tree column of depth d lies at mL + d*h + 2*(h/4).
void TQCvlabel::drawTreeLines(TQDdev* dev, const Layout& l)
{
    long h = static_cast<long>(l.content.height);
    long mL = m_marginLeft;
    long mT = m_marginTop;
    long status = userLong(this, ROW_STATUS);
    bool first = getUserData(ROW_FIRST) != nullptr;
    long x = mL + l.depth * h + 2 * (h / 4);
    dev->setLineDashType(8);
    dev->setForeColor(m_foreColor);
    dev->setLineWidth(1);
    if (status & ROW_SIBLING_FOLLOWS)
        dev->drawLine(x, first ? mT + h / 2 : mT, x, mT + h);
    else if (!first)
        dev->drawLine(x, mT, x, mT + h / 2);
    dev->drawLine(x, mT + h / 2, mL + l.depth * h + h / 4 + 3 * h / 4, mT + h / 2);
    drawAncestorLines(dev, l);
    dev->setLineDashType(0);
    if (status & ROW_HAS_CHILDREN)
        drawExpandBox(dev, l);
}

// Each shallower row above, nearest first, whose line runs on carries it
// through this row.
void TQCvlabel::drawAncestorLines(TQDdev* dev, const Layout& l)
{
    TQClistData* rows = static_cast<TQClistData*>(getUserData(ROW_LIST));
    if (rows == nullptr)
        return;
    long position = -1;
    for (long i = 0; i < rows->getNum() && position < 0; ++i)
        if (rows->getData(i) == this)
            position = i;
    long h = static_cast<long>(l.content.height);
    long level = l.depth;
    for (long i = position - 1; i >= 0 && level > 0; --i) {
        TQCbase* row = static_cast<TQCbase*>(rows->getData(i));
        long depth = userLong(row, ROW_LEVEL);
        if (depth >= level)
            continue;
        level = depth;
        if (userLong(row, ROW_STATUS) & ROW_SIBLING_FOLLOWS) {
            long x = m_marginLeft + depth * h + 2 * (h / 4);
            dev->drawLine(x, m_marginTop, x, m_marginTop + h);
        }
    }
}

// A square of odd side on the row's tree column: a minus, and the bar of
// a plus while the row is collapsed.
void TQCvlabel::drawExpandBox(TQDdev* dev, const Layout& l)
{
    long h = static_cast<long>(l.content.height);
    long left = m_marginLeft + l.depth * h;
    dev->setForeColor(m_backColor);
    dev->drawFillRect(left + h / 4, m_marginTop + h / 4, h / 2, h / 2);
    dev->setForeColor(m_foreColor);
    long b = (h / 2 - 1) / 2;
    long side = 2 * b + 1;
    long mx = left + 2 * (h / 4);
    long my = m_marginTop + h / 2;
    long b2 = b / 2;
    dev->drawRect(mx - b, my - b, side, side);
    dev->drawLine(mx - b2, my, mx + b2 + 1, my);
    if (getUserData(ROW_OPEN) == nullptr)
        dev->drawLine(mx, my - b2, mx, my + b2 + 1);
}
