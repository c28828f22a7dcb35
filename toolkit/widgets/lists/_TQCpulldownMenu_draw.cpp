// Menu title: draw. An extended look's procedure paints it when the look
// has one; otherwise the label's background and text, with the open state
// (a raised frame in look A, the highlight in look B), the underlined
// shortcut and the hatched or embossed text of an insensitive title.
#include "_TQCpulldownMenu.h"

#include <memory>

#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"

namespace {

const char* const kClassName = "TQCpulldownMenu";

const short kHighlightRole = -7;
const short kHighlightTextRole = -18;
const char kHatchNone = 0;
const char kHatchStipple = 8;
const unsigned char kBlinkBackOnly = 1;

unsigned long inside(unsigned short size, long margins)
{
    return size > margins ? size - margins : 0;
}

} // namespace

// What one classic drawing decides before it paints.
struct TQCpulldownMenu::Look {
    bool insensitive;
    bool alternate;  // in the blink phase with twinBlink: the blink colours
    bool hidden;     // out of the blink phase without twinBlink: no text
    long policy;
    long underline;  // -1: none
    std::unique_ptr<TQCstring> text;
    unsigned long boxWidth;
    unsigned long boxHeight;
};

long TQCpulldownMenu::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing <= 0)
        return drawing;
    if (!drawWanted(kClassName, __LINE__))
        return 0;
    bool phase = getBlinkPhase() != 0;
    if (m_shadowType == -1 && phase && !m_twinBlink) {
        traceDraw(kClassName, __LINE__, "not draw..");
        return 0;
    }
    TQDdev* dev = getowndev();
    if (drawThroughLook(dev) || !openDrawing(kClassName, __LINE__))
        return 0;

    Look look;
    look.insensitive = !getSensitive() || (getPropertyEditMode() && !_get_sensitive_work());
    look.alternate = phase && m_blinkType != kBlinkBackOnly && m_twinBlink;
    look.hidden = m_blinkFlag && !phase && m_blinkType != kBlinkBackOnly && !m_twinBlink;
    look.policy = TQGIappGuiPolicy()->getGuiPolicy();
    look.text.reset(preparedText(m_shadowThickness));
    look.underline = shortcutPosition(*look.text, m_shortcut);
    look.boxWidth = inside(m_width, m_marginLeft + m_marginRight);
    look.boxHeight = inside(m_height, m_marginTop + m_marginBottom);
    if (m_width != 0 && m_height != 0) {
        bool backBlink = m_blinkType != 0 && phase && m_twinBlink;
        dev->setForeColor(m_reverseFlag ? (backBlink ? m_blinkColor : m_foreColor)
                                        : (backBlink ? m_backBlinkColor : m_backColor));
        dev->drawFillRect(0, 0, m_width, m_height);
        drawOpenState(dev, look);
    }
    drawLabelText(dev, look);
    dev->endDraw();
    return 0;
}

void TQCpulldownMenu::fillDrawBlock(TQCpulldownMenuDrawBlock& b)
{
    fillLabelFields(b);
    b.shortcut = m_shortcut;
    b.popupOpen = m_opened;
    b.orientation = m_orientation;
}

// The shadow type is "out" from construction: the open title shows raised.
void TQCpulldownMenu::drawOpenState(TQDdev* dev, const Look& look)
{
    if (!m_opened)
        return;
    if (look.policy & TQCguiPolicy::LOOK_A) {
        TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                       m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
    } else if (look.policy & TQCguiPolicy::LOOK_B) {
        dev->setForeColor(TQGIappColorSet()->getDefaultColorNo(kHighlightRole));
        dev->drawFillRect(0, 0, m_width, m_height);
    }
}

// An insensitive title draws its text hatched, or embossed: a copy in the
// light shadow a pixel right and down under the text in the dark one. The
// underline is set before each string, and reset when the label does not
// hold the shortcut.
void TQCpulldownMenu::drawLabelText(TQDdev* dev, const Look& look)
{
    long underlineFirst = look.underline >= 0 ? look.underline : 0;
    long underlineCount = look.underline >= 0 ? 1 : 0;
    long x = m_marginLeft, y = m_marginTop;
    char alignment = getAlignment();
    if (!look.insensitive) {
        dev->setHatchPattern(kHatchNone);
    } else if (!m_emboss) {
        dev->setHatchPattern(kHatchStipple);
    } else {
        dev->setForeColor(look.alternate ? m_blinkColor : m_topShadowColor);
        dev->setBackColor(m_backColor);
        if (!look.hidden && !(m_blinkFlag && m_twinBlink)) {
            dev->setUnderLineChar(underlineFirst, underlineCount);
            dev->drawString(x + 1, y + 1, look.boxWidth, look.boxHeight, look.text.get(),
                            m_font, alignment, -1, 0, 0, 0);
        }
    }
    short fore = m_reverseFlag ? m_backColor : m_foreColor;
    if (look.alternate)
        fore = m_reverseFlag ? m_backBlinkColor : m_blinkColor;
    else if (m_emboss && look.insensitive)
        fore = m_bottomShadowColor;
    if (m_opened && (look.policy & TQCguiPolicy::LOOK_B))
        fore = TQGIappColorSet()->getDefaultColorNo(kHighlightTextRole);
    dev->setForeColor(fore);
    dev->setBackColor(m_reverseFlag ? m_foreColor : m_backColor);
    if (look.hidden)
        return;
    dev->setUnderLineChar(underlineFirst, underlineCount);
    dev->drawString(x, y, look.boxWidth, look.boxHeight, look.text.get(), m_font, alignment, -1,
                    0, 0, 0);
}
