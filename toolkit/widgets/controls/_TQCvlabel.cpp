// Framed label: construction, the 26 properties and their hooks, the device
// set-up, the update path, alignment, the content rectangle, the text as it
// is drawn and the class-wide list-row settings. Drawing has files of its own.
#include "_TQCvlabel.h"

#include <memory>

#include "_TQCfontSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQDkeyboard.h"
#include "_TQGFstring.h"
#include "_TQGFtextLayout.h"

TQ_TYPE_SERVER_FRAME(TQCvlabel, TQCnwbase);

namespace {

const unsigned short kLongestText = 1024;

// The class-wide list-row settings.
unsigned char g_rowMode = TQCvlabel::ROW_PLAIN;
unsigned char g_useIcon = 0;
TQCstring& columnPositions()
{
    static TQCstring positions;
    return positions;
}

unsigned char defaultFontNo()
{
    return static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo());
}

} // namespace

TQCvlabel::TQCvlabel(TQCbase* parent, const char* name)
    : TQCnwbase(parent, name), m_gradation(0), m_marginTop(2), m_marginBottom(2),
      m_marginLeft(2), m_marginRight(2), m_shadowThickness(2), m_shadowType(3),
      m_font(defaultFontNo()), m_blinkType(0), m_reverseFlag(0), m_usePixmap(0),
      m_alignmentV(2), m_alignmentH(2), m_emboss(0), m_orientation(0), m_autoLineFeeding(0),
      _transparent_dirty(0), _focus_frame(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_BITS(r, shadowType, 3, shadowType);
        TQ_WATCH_BITS(r, shadowThickness, 2);
        TQ_WATCH(r, backColor, -13);
        TQ_WATCH(r, topShadowColor, -15);
        TQ_WATCH(r, bottomShadowColor, -16);
        TQ_WATCH_FLAG(r, reverseFlag, 0, bool4);
        TQ_WATCH(r, backBlinkColor, -13);
        TQ_WATCH_BITS(r, blinkType, 0, blinkType);
        TQ_WATCH_FLAG(r, emboss, 0, bool1);
        TQ_WATCH_FLAG(r, usePixmap, 0, bool4);
        TQ_WATCH(r, labelString, nullptr);
        TQ_WATCH_BITS(r, orientation, 0, orientation);
        TQ_WATCH_BITS(r, alignmentV, 2, alignmentV);
        TQ_WATCH_BITS(r, alignmentH, 2, alignmentH);
        TQ_REGISTER_MARGINS(r, 2);
        TQ_WATCH(r, maxLength, 64);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
        TQ_WATCH(r, labelPixmap, -1);
        TQ_WATCH(r, blinkPixmap, -1);
        TQ_WATCH_BITS(r, gradation, 0, gradation);
        TQ_WATCH(r, gradationMargin, 0);
        TQCbaseProperties::keepPixmapCache(r);
        TQ_WATCH_FLAG(r, autoLineFeeding, 0, bool4);
    });
}

TQCvlabel::~TQCvlabel()
{
    m_internalString.clear();
    delete[] m_labelString;
    m_labelString = nullptr;
}

long TQCvlabel::initializeDeviceWith(long events)
{
    if (getowndev() == nullptr)
        return -1;
    addEventMask(events);
    TQCvlabel::_device_initialize();
    return 0;
}

long TQCvlabel::focusDirectionOf(TQDkeyboard* keyboard)
{
    switch (keyboard->getKey()) {
    case TQDkeyboard::KEY_LEFT:
        return FOCUS_LEFT;
    case TQDkeyboard::KEY_RIGHT:
        return FOCUS_RIGHT;
    case TQDkeyboard::KEY_UP:
        return FOCUS_UP;
    case TQDkeyboard::KEY_DOWN:
        return FOCUS_DOWN;
    case TQDkeyboard::KEY_TAB:
        return keyboard->withShift() ? FOCUS_BACKTAB : FOCUS_TAB;
    default:
        return -1;
    }
}

void TQCvlabel::takeFocusKeys(TQDkeyboard* keyboard,
                              void (*handler)(void*, TQDkeyboard*, unsigned char))
{
    if (keyboard == nullptr)
        return;
    keyboard->setFocusInputWorkProc(handler, nullptr, this, this);
    if (getowndev() != nullptr)
        keyboard->resetFep(getowndev());
}

// The base set-up draws without a pixmap; usePixmap asks for one.
long TQCvlabel::_device_initialize()
{
    TQCnwbase::_device_initialize();
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    if (m_usePixmap) {
        unsigned char on = 1;
        dev->setValue(TQDdev::VALUE_USE_PIXMAP, &on);
    }
    return 0;
}

void TQCvlabel::update()
{
    updateDrawing(m_shadowType == -1);
}

// ---------------------------------------------------------------------------
// Property hooks

// A transparent label cannot draw through a pixmap: what lies beneath would
// not show.
void TQCvlabel::setWorkTQNshadowType(char type)
{
    if (type != -1)
        return;
    if (m_usePixmap) {
        m_usePixmap = 0;
        if (TQDdev* dev = getowndev()) {
            unsigned char off = 0;
            dev->setValue(TQDdev::VALUE_USE_PIXMAP, &off);
        }
    }
    _transparent_dirty = 1;
}

// Without a device the flag waits for _device_initialize.
void TQCvlabel::setWorkTQNusePixmap(unsigned char on)
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return;
    if (on && m_shadowType == -1) {
        on = 0;
        m_usePixmap = 0;
    }
    dev->setValue(TQDdev::VALUE_USE_PIXMAP, &on);
}

// The internal string refers to the property's own text.
void TQCvlabel::setWorkTQNlabelString(char*)
{
    m_internalString.setStaticString(m_labelString, -2);
    if (m_shadowType == -1)
        _transparent_dirty = 1;
}

void TQCvlabel::setWorkTQNmaxLength(unsigned short length)
{
    if (length > kLongestText)
        m_maxLength = kLongestText;
}

// ---------------------------------------------------------------------------
// Layout

char TQCvlabel::getAlignment()
{
    // Rows: alignmentH 0 left, 1 right, 2 centre; columns: alignmentV
    // 2 centre, 3 top, 4 bottom.
    static const char codes[3][3] = {{0, 5, 6}, {1, 7, 8}, {2, 3, 4}};
    unsigned char h = m_alignmentH <= 2 ? m_alignmentH : 2;
    unsigned char v = m_alignmentV >= 2 && m_alignmentV <= 4 ? m_alignmentV : 2;
    return codes[h][v - 2];
}

TQCrect TQCvlabel::contentRect(unsigned short t) const
{
    long w = static_cast<long>(m_width) - 2 * t - (m_marginLeft + m_marginRight);
    long h = static_cast<long>(m_height) - 2 * t - (m_marginTop + m_marginBottom);
    return {t + m_marginLeft, t + m_marginTop, static_cast<unsigned long>(w < 1 ? 1 : w),
            static_cast<unsigned long>(h < 1 ? 1 : h)};
}

// Escapes are processed on a fresh copy at every drawing, so that a doubled
// backslash before n always shows as a backslash and an n.
TQCstring* TQCvlabel::preparedText(unsigned short t)
{
    if (m_orientation == 1) {
        TQCstring* vertical = new TQCstring(m_labelString != nullptr ? m_labelString : "", -2);
        TQGFcreateVerticalString(vertical);
        return vertical;
    }
    std::unique_ptr<TQCstring> text(new TQCstring(m_internalString));
    text->replaceString("\\n", "\n");
    text->replaceString("\\\n", "\\n");
    if (!m_autoLineFeeding)
        return text.release();
    unsigned short width = m_width > 2 * t ? m_width - 2 * t : m_width;
    return TQGFcreateLineFeedStringByWidth(text.get(), m_font, width);
}

TQCvlabel::BlinkState TQCvlabel::blinkState()
{
    bool phase = getBlinkPhase() != 0;
    return {phase, phase && (m_blinkType == 0 || m_blinkType == 2),
            phase && (m_blinkType == 1 || m_blinkType == 2)};
}

// ---------------------------------------------------------------------------
// Class-wide list-row settings

unsigned char TQCvlabel::get_vk_draw()
{
    return g_rowMode;
}

void TQCvlabel::set_vk_draw(unsigned char mode)
{
    g_rowMode = mode;
}

unsigned char TQCvlabel::get_use_icon()
{
    return g_useIcon;
}

void TQCvlabel::set_use_icon(unsigned char on)
{
    g_useIcon = on;
}

TQCstring TQCvlabel::get_bar_pos()
{
    return columnPositions();
}

void TQCvlabel::set_bar_pos(TQCstring positions)
{
    columnPositions() = positions;
}
