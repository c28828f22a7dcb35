// Multi-line input field: construction, the view origin placed by a program
// and scrolled by copying, and the cursor move that keeps the cursor in
// view.
#include "_TQCvmifield.h"

#include <cstdlib>

#include "_TQCfontSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQDfont.h"

TQ_TYPE_SERVER_FRAME(TQCvmifield, TQCvifield);

namespace {

struct Area {
    long x, y, w, h;
};

// One scroll of the field's inside: the kept part moves from `from` to
// (toX, toY); the strips it uncovers, each reaching 2 pixels past the
// uncovered area on every side, are exposed.
struct ScrollPlan {
    Area from;
    long toX, toY;
    Area strips[2];
    int count = 0;
    void strip(long x, long y, long w, long h) { strips[count++] = {x, y, w, h}; }
};

// The inside starts at (x0, y0) and is h0 high (height without the frame
// is `height`); w x h stays visible; l is the extra room of a cursor's
// scroll. By the signs of dx and dy.
ScrollPlan planScroll(long x0, long y0, long w, long h, long h0, long height, long l, long dx,
                      long dy)
{
    ScrollPlan p;
    if (dx <= 0 && dy > 0) {
        p.from = {x0, y0 + dy, w, h - l};
        p.toX = x0 - dx;
        p.toY = y0;
        p.strip(x0 - dx - 2, y0 + h - l - 2, w + 4, l + dy + 4);
        if (dx != 0)
            p.strip(x0 - 2, y0 - 2, 4 - dx, h0 + 4);
    } else if (dx < 0 && dy == 0) {
        p.from = {x0 + l, y0, w - l, h};
        p.toX = x0 - dx + l;
        p.toY = y0;
        p.strip(x0 - 2, y0 - 2, l - dx + 4, height + 4);
    } else if (dx <= 0) {
        p.from = {x0, y0 + l, w, h - l};
        p.toX = x0 - dx;
        p.toY = y0 - dy + l;
        if (dy != 0)
            p.strip(x0 - dx - 2, y0 - 2, w + 4, l - dy + 4);
        if (dx != 0)
            p.strip(x0 - 2, y0 - 2, 4 - dx, height + 4);
    } else if (dy == 0) {
        p.from = {x0 + dx, y0, w - l, h};
        p.toX = x0;
        p.toY = y0;
        p.strip(x0 + w - l - 2, y0 - 2, dx + l + 4, h0 + 4);
    } else if (dy > 0) {
        p.from = {x0 + dx, y0 + dy, w, h - l};
        p.toX = x0;
        p.toY = y0;
        p.strip(x0 - 2, y0 + h - l - 2, w + 4, l + dy + 4);
        p.strip(x0 + w - 2, y0 - 2, dx + 4, h0 + 4);
    } else {
        p.from = {x0 + dx, y0 + l, w, h - l};
        p.toX = x0;
        p.toY = y0 - dy + l;
        p.strip(x0 - 2, y0 - 2, w + 4, l - dy + 4);
        p.strip(x0 + w - 2, y0 - 2, dx + 4, h0 + 4);
    }
    return p;
}

} // namespace

TQCvmifield::TQCvmifield(TQCbase* parent, const char* name) : TQCvifield(parent, name)
{
    m_multiLine = 1;
    m_lengthLimit = 0;
    m_returnKeyFocus = 1;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        // What serves a single line keeps the base's default here.
        for (const char* unused :
             {_TQNenableFocusMove(), _TQNfillSpace(), _TQNinterCur(), _TQNmaxLength(),
              _TQNupward(), _TQNdownward(), _TQNleftward(), _TQNrightward(), _TQNreturn(),
              _TQNifieldSkipMode()})
            r.withdraw(unused);
        r.changeDefault<TQCflagOf<m_returnKeyFocusSlot>>(_TQNreturnKeyFocus(), 1);
    });
}

long TQCvmifield::fontHeight()
{
    TQDfont* font = TQGIappFontSet()->getFont(m_font);
    return font != nullptr ? font->getFontHeight() : 0;
}

void TQCvmifield::getCursorBase(long* x, long* y)
{
    if (x != nullptr)
        *x = m_scrollX;
    if (y != nullptr)
        *y = m_scrollY;
}

void TQCvmifield::setCursorBase(long x, long y)
{
    // In 32 bits, so that a jump of any length keeps its direction.
    long dx = x - m_scrollX;
    long dy = y - m_scrollY;
    m_scrollX = x;
    m_scrollY = y;
    m_keepScroll = 1;
    TQDdev* dev = getowndev();
    if (!getVisible() || dev == nullptr)
        return;
    scrollShown(dev, dx, dy);
}

// The device takes places in the parent's coordinates. A scroll that keeps
// nothing visible exposes the whole inside.
void TQCvmifield::scrollShown(TQDdev* dev, long dx, long dy)
{
    long t = m_shadowThickness;
    long inset = m_shadowType != -1 ? t : 0;
    long x0 = m_x + inset;
    long y0 = m_y + inset;
    long w = m_width - std::labs(dx) - 2 * inset;
    long h = m_height - std::labs(dy) - 2 * inset;
    long l = m_scrollingForCursor ? 2 * fontHeight() : 0;
    if (h < l)
        h = 0;
    ScrollPlan plan = planScroll(x0, y0, w, h, m_height - 2 * inset, m_height, l, dx, dy);
    if (w < 1 || h < 1 || plan.from.w < 1 || plan.from.h < 1) {
        long insideW = m_width > 2 * t ? m_width - 2 * t : m_width;
        long insideH = m_height > 2 * t ? m_height - 2 * t : m_height;
        dev->exposeArea(x0, y0, insideW, insideH, 1);
        return;
    }
    dev->copyArea(plan.from.x, plan.from.y, plan.from.w, plan.from.h, plan.toX, plan.toY);
    for (int i = 0; i < plan.count; ++i) {
        const Area& a = plan.strips[i];
        dev->exposeArea(a.x, a.y, a.w, a.h, 1);
    }
}

long TQCvmifield::_cursor_move(char direction)
{
    long ox = 0, oy = 0;
    _get_disp_cur_pos(&ox, &oy);
    setCursorFore(1);
    long refused = TQCvifield::_cursor_move(direction);
    if (refused != 0)
        return refused;
    long cx = 0, cy = 0, nx = m_scrollX, ny = m_scrollY;
    if (!m_keepScroll) {
        _get_disp_cur_pos(&cx, &cy);
        viewOriginFor(cx, cy, &nx, &ny);
    }
    if (nx == m_scrollX && ny == m_scrollY) {
        TQDdev* dev = getowndev();
        if (getVisible() && dev != nullptr)
            exposeAroundCursor(dev, ox, oy, cx, cy);
        return 0;
    }
    LifeGuard guard(this);
    m_scrollingForCursor = 1;
    setCursorBase(nx, ny);
    if (!guard.alive())
        return 0;
    m_keepScroll = 0;
    m_scrollingForCursor = 0;
    return 0;
}

// Cursor places are in the field's coordinates, the text area included: a
// box of 5 x 5 cells when the cursor moved within two cells, else a band
// five lines high across the text area.
void TQCvmifield::exposeAroundCursor(TQDdev* dev, long ox, long oy, long cx, long cy)
{
    long fh = fontHeight();
    TQDfont* font = TQGIappFontSet()->getFont(m_font);
    long cw = font != nullptr ? font->getStringWidth("MM", -2) : 0;
    long top = m_y + cy - 2 * fh - m_scrollY;
    bool near = cx - 2 * cw < ox && ox < cx + 2 * cw && cy - 2 * fh < oy && oy < cy + 2 * fh;
    if (near) {
        dev->exposeArea(m_x + cx - 2 * cw - m_scrollX, top, 5 * cw, 5 * fh, 1);
        return;
    }
    TQCrect area = textArea();
    dev->exposeArea(m_x + area.x, top, area.width, 5 * fh, 1);
}
