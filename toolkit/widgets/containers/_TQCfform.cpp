// Floating form: construction and the 36 properties, the position hooks that
// keep the dock position, the device set-up of both states, and the grip
// bar and resize grip it draws over the form. Tearing off, moving, resizing
// and docking are in _TQCfform_float.cpp.
#include "_TQCfform.h"

#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQDwindowDev.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCfform, TQCbase);

namespace {

// The grip strip takes presses, so the docked window reports them too.
const long kPointerEvents =
    (1L << TQEV_MOUSE_PRESS) | (1L << TQEV_MOUSE_RELEASE) | (1L << TQEV_MOUSE_MOVE);
// Floating, the keys reach the window as well.
const long kFloatingEvents = 0x3ee00;
const char* const kGripHandles = "GH-LIST";
// The grooves end this far before the far end of the grip bar.
const long kGrooveEnd = 8;

unsigned char defaultFont()
{
    return static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo() & 0x0f);
}

} // namespace

TQCfform::TQCfform(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_font(defaultFont()), m_orientation(1), m_indicatorOn(1),
      m_pressed(0), m_floating(0), m_rememberedVisible(0), m_switchPending(0), m_resizing(0),
      m_dragStarted(0), m_anchorLayout(0)
{
    m_pixmapStyle = 0;
    addEventMask(kPointerEvents);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_SLOT(r, name, TQCnameSlot, nullptr)->setInit(0);
        TQ_WATCH_SLOT(r, userString, TQCuserStringSlot, nullptr);
        TQ_WATCH(r, titleString, "");
        TQ_WATCH_SLOT(r, userValue, TQCuserValueSlot, 0);
        registerFormBody(r, 0);
        TQ_WATCH_BITS(r, orientation, 1, orientation);
        TQCbaseProperties::exported(r);
        TQ_WATCH_FLAG(r, indicatorOn, 1, bool3);
        TQ_WATCH(r, barThickness, 8);
        TQ_WATCH_BITS(r, font, defaultFont());
        TQ_WATCH(r, margin, 0);
        TQCbaseProperties::keepPixmapCache(r);
        r.info()->setExtTrigger(TRIGGER_STATUS, "STATUS-CH");
    });
}

// The children go with the form's own destructor, after this one.
TQCfform::~TQCfform()
{
    releaseSharedState();
    delete[] m_titleString;
    if (void* handles = getUserData(kGripHandles)) {
        delete static_cast<TQCroot*>(handles);
        setUserData(kGripHandles, nullptr);
    }
}

// ---------------------------------------------------------------------------
// Position and layout. Docked, the anchors place the form in its parent and
// the position set is remembered as the dock position; floating, x and y
// are the window's place on the screen.

void TQCfform::setWorkTQNx(short)
{
    placeAxis(true);
}

void TQCfform::setWorkTQNy(short)
{
    placeAxis(false);
}

void TQCfform::placeAxis(bool horizontal)
{
    short& position = horizontal ? m_x : m_y;
    if (!m_floating) {
        if (nearAnchored(horizontal)) {
            position = static_cast<short>(nearDistance(horizontal));
        } else if (farAnchored(horizontal)) {
            if (TQCbase* parent = getParent())
                parent->needLayout();
            return;
        }
    }
    if (deviceReady())
        moveDevice(horizontal ? TQDdev::VALUE_X : TQDdev::VALUE_Y, position,
                   horizontal ? getXOffsetPtr() : getYOffsetPtr());
    if (!m_floating)
        (horizontal ? m_dockX : m_dockY) = position;
}

void TQCfform::setWorkTQNwidth(unsigned short)
{
    if (m_width == 0 && !m_anchorLayout)
        m_width = 1;
    TQCform::setWorkTQNwidth(m_width);
}

void TQCfform::setWorkTQNheight(unsigned short)
{
    if (m_height == 0 && !m_anchorLayout)
        m_height = 1;
    TQCform::setWorkTQNheight(m_height);
}

bool TQCfform::stretchedByParent(bool horizontal)
{
    return !m_floating && TQCform::stretchedByParent(horizontal);
}

void TQCfform::_adjust_for_anchors(unsigned short width, unsigned short height)
{
    if (m_floating)
        return;
    m_anchorLayout = 1;
    LifeGuard guard(this);
    TQCform::_adjust_for_anchors(width, height);
    if (guard.alive())
        m_anchorLayout = 0;
}

// ---------------------------------------------------------------------------
// Device set-up

long TQCfform::_device_initialize()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    if (!m_floating)
        return TQCform::_device_initialize();
    return initializeFloatingDevice(dev);
}

long TQCfform::initializeFloatingDevice(TQDdev* dev)
{
    if (!getPropertyEditMode()) {
        char noTitleBar = 0;
        dev->setValue(TQDwindowDev::VALUE_TITLE_BAR, &noTitleBar);
    }
    unsigned char on = 1;
    char empty[] = "";
    dev->setValue(TQDwindowDev::VALUE_POPUP, &on);
    dev->setValue(TQDwindowDev::VALUE_ALWAYS_ON_TOP, &on);
    handOverState(dev, false);
    dev->setValue(TQDwindowDev::VALUE_TITLE, m_titleString != nullptr ? m_titleString : empty);
    dev->setEnableEventBit(kFloatingEvents);
    if (TQCbase* parent = getParent())
        dev->setValue(TQDwindowDev::VALUE_PARENT, parent);
    if (getVisible())
        dev->setVisible(1);
    TQCbase::_device_initialize();
    return 0;
}

// ---------------------------------------------------------------------------
// Drawing: over the form's background and frame, the grip bar, and while
// floating the resize grip.

void TQCfform::drawFigure(TQDdev* dev)
{
    TQCform::drawFigure(dev);
    drawGripBar(dev);
    if (m_floating && m_indicatorOn)
        drawResizeGrip(dev);
}

// Two grooves along the top (orientation 0, after the title) or the left
// edge; a bar too short for them shows none.
void TQCfform::drawGripBar(TQDdev* dev)
{
    long st = m_shadowThickness;
    long middle = m_barThickness / 2;
    TQCstring title(m_titleString != nullptr ? m_titleString : "", -2);
    TQCfontSet* fonts = TQGIappFontSet();
    long titleWidth = title.getChars() > 0 ? fonts->getStringWidth(m_font, &title) : 0;
    bool horizontal = m_orientation == 0;
    long length = horizontal ? m_width - 2 * st - titleWidth - m_margin - kGrooveEnd
                             : m_height - 2 * st - m_margin - kGrooveEnd;
    for (long offset : {-2L, 2L}) {
        if (length <= 0)
            break;
        long across = middle + offset + st;
        long x = horizontal ? titleWidth + st + 2 : across;
        long y = horizontal ? across : st + 2;
        TQGFdrawShadow(dev, 0, 1, m_foreColor, m_topShadowColor, m_bottomShadowColor,
                       m_backColor, static_cast<short>(x), static_cast<short>(y),
                       static_cast<unsigned short>(horizontal ? length : 2),
                       static_cast<unsigned short>(horizontal ? 2 : length), 0);
    }
    if (!horizontal || titleWidth == 0)
        return;
    long titleHeight = fonts->getStringHeight(m_font, &title);
    dev->setForeColor(m_foreColor);
    dev->drawString(st + 2, st + 2, titleWidth, titleHeight, &title, static_cast<char>(m_font), 2,
                    -1, 0, 0, 0);
}

// Diagonal ridges in the bottom-right corner: light lines, each followed by
// two dark ones.
void TQCfform::drawResizeGrip(TQDdev* dev)
{
    long inset = m_shadowThickness + 2;
    long right = m_width - 3;
    long bottom = m_height - 3;
    auto ridge = [&](long k) {
        dev->drawLine(static_cast<short>(m_width - inset - k), static_cast<short>(bottom),
                      static_cast<short>(right), static_cast<short>(m_height - inset - k));
    };
    dev->setLineWidth(0);
    dev->setForeColor(m_topShadowColor);
    for (long k : {15, 11, 7, 3})
        ridge(k);
    dev->setForeColor(m_bottomShadowColor);
    for (long k : {14, 13, 10, 9, 6, 5, 2, 1})
        ridge(k);
}
