// Push button: draw. An extended look's procedure paints it when the look
// has one; otherwise background or gradation, picture, button frame, the
// special-focus outline, shortcut underline, text and the focus mark, all
// one pixel lower while pressed.
#include "_TQCvbtn.h"

#include <memory>

#include "_TQCfontSet.h"
#include "_TQCimageSet.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDfont.h"
#include "_TQDimage.h"
#include "_TQGFgeometry.h"

namespace {

const char* const kClassName = "TQCvbtn";

// Role colour of the special-focus outline: the 3-D dark shadow.
const short kOutlineColor = -17;

// Device alignments of a picture or text placed beside the other: left,
// right, centre.
const char kAlignLeft = 0;
const char kAlignRight = 1;
const char kAlignCentre = 2;

long clampedWidth(long width)
{
    return width < 0 ? 0 : width;
}

} // namespace

// What one classic drawing decides before it paints.
struct TQCvbtn::Look {
    BlinkState blink;
    bool insensitive;    // drawn insensitive: hatched, or embossed
    bool pressedLook;    // the sunken frame
    long down;           // 1 while pressed: the gradation, picture and text move down
    unsigned short t;
    TQCrect inner;
    char code;           // the label's alignment code
    long policy;
    std::unique_ptr<TQCstring> text;
    TQDimage* picture;
    long pictureWidth;
    long textWidth;
};

long TQCvbtn::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing <= 0)
        return drawing;
    TQDdev* dev = getowndev();
    if (drawThroughLook(dev) || !drawWanted(kClassName, __LINE__))
        return 0;

    Look look;
    look.policy = TQGIappGuiPolicy()->getGuiPolicy();
    look.code = getAlignment();
    bool sensitive = getSensitive() != 0;
    look.blink = blinkState();
    if (m_shadowType == -1 && look.blink.phase && !m_twinBlink) {
        traceDraw(kClassName, __LINE__, "not draw..");
        return 0;
    }
    look.insensitive = !sensitive || (getPropertyEditMode() && !_get_sensitive_work());
    look.pressedLook = sensitive && !look.insensitive && m_pressed;
    look.down = m_pressed ? 1 : 0;
    look.t = m_shadowThickness;
    look.inner = contentRect(look.t);
    look.text.reset(preparedText(look.t));
    if (!openDrawing(kClassName, __LINE__))
        return 0;

    drawBackground(dev, look);
    drawPicture(dev, look);
    drawFrame(dev, look);
    drawLabel(dev, look);
    dev->endDraw();
    return 0;
}

void TQCvbtn::fillDrawBlock(TQCvbtnDrawBlock& b)
{
    fillLabelLook(b.label);
    b.backBlinkColor = m_backBlinkColor;
    b.topShadowColor = m_topShadowColor;
    b.bottomShadowColor = m_bottomShadowColor;
    b.labelString = m_labelString;
    b.shortcut = m_shortcut;
    b.labelPixmap = m_labelPixmap;
    b.blinkPixmap = m_blinkPixmap;
    b.pushPixmap = m_pushPixmap;
    b.pressed = m_pressed;
    b.orientation = m_orientation;
    fillLabelMargins(b.margins);
    b.drawFocusBorder = m_drawFocusBorder;
    b.emboss = m_emboss;
    b.font = m_font;
    b.reverseFlag = m_reverseFlag;
    b.enableFocusMove = m_enableFocusMove;
    b.noBackground = m_noBackground;
    b.pixmapOverlap = m_pixmapOverlap;
    b.autoLineFeeding = m_autoLineFeeding;
}

// The gradation moves down a pixel while pressed.
void TQCvbtn::drawBackground(TQDdev* dev, const Look& look)
{
    if (m_gradation != 0) {
        dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, 0,
                           static_cast<short>(look.down), m_width, m_height, m_gradationMargin);
        return;
    }
    bool back = look.blink.back;
    dev->setForeColor(m_reverseFlag ? (back ? m_blinkColor : m_foreColor)
                                    : (back ? m_backBlinkColor : m_backColor));
    dev->drawFillRect(0, 0, m_width, m_height);
}

// While pressed the push picture replaces the label picture; the blink
// phase of the foreground shows the blink picture, with twinBlink only.
// With pixmapOverlap off the picture is placed beside the text.
void TQCvbtn::drawPicture(TQDdev* dev, Look& l)
{
    l.picture = nullptr;
    l.pictureWidth = 0;
    l.textWidth = 0;
    short no = m_labelPixmap;
    if (l.blink.fore)
        no = m_blinkPixmap != -1 && m_twinBlink ? m_blinkPixmap : -1;
    else if (m_pressed && m_pushPixmap != -1)
        no = m_pushPixmap;
    if (no == -1 || (l.picture = TQGIappImageSet()->getImage(no)) == nullptr)
        return;
    l.pictureWidth = l.picture->getImageWidth();
    if (TQDfont* font = TQGIappFontSet()->getFont(m_font))
        l.textWidth = font->getStringWidth(l.text.get());

    const TQCrect& in = l.inner;
    long top = in.y + l.down;
    char code = l.code;
    if (m_pixmapOverlap || code == 0 || code == 1) {
        dev->drawImage(in.x, top, in.width, in.height, l.picture, code);
        return;
    }
    static const char across[] = {0, 0, 0, kAlignCentre, kAlignCentre, kAlignLeft, kAlignLeft,
                                  kAlignRight, kAlignRight};
    if (code == 2)
        dev->drawImage(in.x + (static_cast<long>(in.width) - l.textWidth - l.pictureWidth) / 2,
                       top, in.width, in.height, l.picture, kAlignLeft);
    else  // the picture takes the half of the area that the text leaves
        dev->drawImage(in.x, code == 3 || code == 5 || code == 7 ? top + in.height / 2 : top,
                       in.width, in.height / 2, l.picture, across[static_cast<int>(code)]);
}

// The special-focus button of look A draws its frame a pixel inside the
// outline; in both looks it gets the outline.
void TQCvbtn::drawFrame(TQDdev* dev, const Look& look)
{
    if (look.t == 0)
        return;
    bool special = getSpecialFocus() && m_drawFocusBorder;
    bool inset = special && (look.policy & TQCguiPolicy::LOOK_A) == 0;
    short x = inset ? 1 : 0;
    unsigned short w = inset ? m_width - 2 : m_width;
    unsigned short h = inset ? m_height - 2 : m_height;
    TQGFdrawBtnShadow(dev, look.pressedLook ? 1 : 0, look.t, m_topShadowColor, m_topShadowColor,
                      m_bottomShadowColor, m_backColor, x, x, w, h, 0);
    if (!special)
        return;
    dev->setForeColor(kOutlineColor);
    dev->setLineWidth(1);
    dev->drawRect(0, 0, m_width, m_height);
}

// Underline, hatch or emboss, text; the focus mark goes with the text.
void TQCvbtn::drawLabel(TQDdev* dev, const Look& look)
{
    TQCstring* text = look.text.get();
    underlineShortcut(dev, *text, m_shortcut);
    if (look.insensitive && !m_emboss)
        dev->setHatchPattern(8);
    bool hidden = look.blink.fore && !m_twinBlink;
    if (hidden)
        return;

    const TQCrect& in = look.inner;
    long x = in.x, y = in.y, w = in.width, h = in.height;
    char align = look.code;
    if (!m_pixmapOverlap && look.picture != nullptr) {
        static const char across[] = {kAlignLeft, kAlignRight, kAlignLeft, kAlignCentre,
                                      kAlignCentre, kAlignLeft, kAlignLeft, kAlignRight,
                                      kAlignRight};
        long pw = look.pictureWidth;
        switch (look.code) {
        case 0:
            x += pw;
            w = clampedWidth(w - pw);
            break;
        case 1:
            w = clampedWidth(w - pw);
            break;
        case 2:
            x += (w - look.textWidth - pw) / 2 + pw;
            break;
        case 3:
        case 5:
        case 7:
            h /= 2;
            break;
        default:
            y += h / 2;
            h /= 2;
            break;
        }
        align = across[static_cast<int>(look.code)];
    }
    if (look.insensitive && m_emboss && !(m_blinkFlag && m_twinBlink)) {
        dev->setForeColor(m_topShadowColor);
        dev->drawString(x + 1, y + 1, w, h, text, m_font, align, -1, 0, 0, 0);
    }
    short color = m_reverseFlag ? m_backColor : m_foreColor;
    if (look.blink.fore && m_twinBlink)
        color = m_reverseFlag ? m_backBlinkColor : m_blinkColor;
    else if (look.insensitive && m_emboss)
        color = m_bottomShadowColor;
    dev->setForeColor(color);
    dev->drawString(x, y + look.down, w, h, text, m_font, align, -1, 0, 0, 0);
    drawFocusMark(dev, look);
}

// Dotted, inside the frame, when the button is large enough for it.
void TQCvbtn::drawFocusMark(TQDdev* dev, const Look& look)
{
    long t = look.t;
    if (!getFocus() || !m_enableFocusMove || !m_drawFocusBorder || m_width <= 2 * t + 4 ||
        m_height <= 2 * t + 4)
        return;
    dev->setLineWidth(0);
    dev->setLineDashType(8);
    dev->drawRect(t + 2, t + 2 + look.down, m_width - 2 * t - 4, m_height - 2 * t - 4);
}
