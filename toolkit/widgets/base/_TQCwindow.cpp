// Top-level window: construction and destruction, the properties and what
// setting each one hands the window device, the device set-up and the
// records of property-edit mode. Visibility and the active window, and
// drawing and layout, have files of their own.
#include "_TQCwindow.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"
#include "_TQR.h"
#include "_TQS.h"

TQ_TYPE_SERVER_FRAME(TQCwindow, TQCbase);

namespace {

// Records of property-edit mode: where the program put the window, its
// visibility and its title bar, while the builder shows it as edited.
const char* const kEditX = "WW-X";
const char* const kEditY = "WW-Y";
const char* const kEditVisible = "TQ-VIS";
const char* const kEditTitleBar = "WW-TITLEB";

} // namespace

TQCwindow::TQCwindow(TQCbase* parent, const char* name)
    : TQCbase(parent, name), m_titleString(nullptr), m_group(nullptr),
      m_children(8), m_x(0), m_y(0), m_width(100), m_height(30),
      m_foreColor(-2), m_backColor(-1), m_topShadowColor(-3), m_bottomShadowColor(-4),
      m_backPixmap(-1), m_derivedColors{-1, -1, -1}, m_mouse(0), m_marginLeft(2),
      m_barThickness(16), m_gradationMargin(0), m_gradation(0), m_shadowThickness(0),
      m_titleBar(1), m_shadowType(0), m_unique(0), m_pixmapStyle(0), m_exit(0), m_margin(2),
      m_resizePending(0), m_indicatorOn(1), m_emboss(0), m_visibilityGuard(0),
      m_enableClose(1)
{
    getWorkWindowList().add(this);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_SLOT(r, name, TQCnameSlot, nullptr)->setInit(0);
        TQ_WATCH(r, titleString, nullptr);
        TQ_WATCH_SLOT(r, userString, TQCuserStringSlot, nullptr);
        TQ_WATCH_SLOT(r, userValue, TQCuserValueSlot, 0);
        TQ_WATCH_GEOMETRY(r, 0, 0, 100, 30);
        TQ_WATCH_BITS(r, shadowThickness, 0);
        TQ_WATCH_SHADOW_COLORS(r, -2, -1, -3, -4);
        TQ_WATCH(r, backPixmap, -1);
        TQ_WATCH_BITS(r, titleBar, 1, titleBar);
        TQ_WATCH_BITS(r, shadowType, 0, shadowType);
        TQCbaseProperties::visibility(r);
        TQCbaseProperties::sensitivity(r);
        TQ_WATCH_BITS(r, pixmapStyle, 0, pixmapStyle);
        TQ_WATCH(r, group, nullptr);
        TQ_WATCH_FLAG(r, unique, 0, bool3);
        TQ_WATCH(r, mouse, 0);
        TQ_WATCH_BITS(r, gradation, 0, gradation);
        TQ_WATCH(r, gradationMargin, 0);
        TQ_WATCH_FLAG(r, exit, 0, bool3);
        TQ_WATCH_FLAG(r, indicatorOn, 1, bool3);
        TQ_WATCH_BITS(r, margin, 2);
        TQ_WATCH(r, marginLeft, 2);
        TQ_WATCH_FLAG(r, emboss, 0, bool3);
        TQ_WATCH(r, barThickness, 16);
        TQCbaseProperties::exported(r);
        TQCbaseProperties::keepPixmapCache(r);
        r.triggers({TQEV_INITIALIZE, TQEV_FOCUS_CH, TQEV_MOUSE_MOVE, TQEV_MOUSE_IN,
                    TQEV_MOUSE_OUT, TQEV_MOUSE_PRESS, TQEV_MOUSE_RELEASE,
                    TQEV_PARENT_VISIBLE_CH, TQEV_VISIBLE_CH, TQEV_RESIZE, TQEV_ACTIVATE,
                    TQEV_EXPOSE});
        r.info()->setExtTrigger(TRIGGER_EXIT, "EXIT");
        r.info()->setExtTrigger(TQDwindowDev::TRIGGER_WINDOW_CLOSED, "WINDOW-CLOSED");
    });
}

// Children go first: each one's destruction takes it out of the list.
TQCwindow::~TQCwindow()
{
    deleteOwnedChildren(m_children);
    forgetActiveWindow(this);
    getWorkWindowList().del(this);
    delete[] m_titleString;
    delete[] m_group;
}

TQClistData& TQCwindow::getWorkWindowList()
{
    static TQClistData* windows = new TQClistData(8);
    return *windows;
}

long TQCwindow::initialize()
{
    TQCbase::initialize();
    return 0;
}

long TQCwindow::getObjectType()
{
    return OBJECT_TOP_LEVEL | OBJECT_CONTAINER | OBJECT_NATIVE_WINDOW;
}

const char* TQCwindow::getUseDevName()
{
    return "windowDev";
}

void TQCwindow::setChildren(TQClistData& children)
{
    if (&children != &m_children)
        m_children = children;
}

// ---------------------------------------------------------------------------
// Device keys

bool TQCwindow::realised()
{
    return getInitialized() && getowndev() != nullptr;
}

// The pop-up flag goes first: it decides which frame the kind applies to.
void TQCwindow::sendTitleBar(char kind)
{
    unsigned char popup = kind == TITLE_BAR_OVERRIDE_REDIRECT ? 1 : 0;
    sendKey(TQDwindowDev::VALUE_POPUP, popup);
    sendKey(TQDwindowDev::VALUE_TITLE_BAR, static_cast<char>(popup ? 0 : kind));
}

long TQCwindow::_device_initialize()
{
    if (getowndev() == nullptr)
        return -1;
    bool edit = getPropertyEditMode();
    unsigned char popup = m_titleBar == TITLE_BAR_OVERRIDE_REDIRECT && !edit ? 1 : 0;
    if (!edit)
        sendKey(TQDwindowDev::VALUE_TITLE_BAR, static_cast<char>(popup ? 0 : m_titleBar));
    sendKey(TQDwindowDev::VALUE_POPUP, popup);
    sendKey(TQDdev::VALUE_MOUSE_CURSOR, m_mouse);
    sendKey(TQDdev::VALUE_X, m_x);
    sendKey(TQDdev::VALUE_Y, m_y);
    sendKey(TQDdev::VALUE_WIDTH, m_width);
    sendKey(TQDdev::VALUE_HEIGHT, m_height);
    sendKey(TQDdev::VALUE_BACK_COLOR, m_backColor);
    sendKey(TQDdev::VALUE_BACK_IMAGE, m_backPixmap);
    sendKey(TQDdev::VALUE_PIXMAP_STYLE, static_cast<unsigned char>(m_pixmapStyle));
    static char noTitle[] = "";
    sendKey(TQDwindowDev::VALUE_TITLE, m_titleString != nullptr ? m_titleString : noTitle);
    // Expose, resize and mouse-in.
    getowndev()->setEnableEventBit(0xE00);
    if (getParent() != nullptr)
        sendKey(TQDwindowDev::VALUE_PARENT, getParent());
    return TQCbase::_device_initialize();
}

void TQCwindow::keepAsPopup()
{
    sendKey(TQDwindowDev::VALUE_POPUP, static_cast<unsigned char>(1));
    sendKey(TQDwindowDev::VALUE_ALWAYS_ON_TOP, static_cast<unsigned char>(1));
}

// No repaint is queued: the expose of the shown window, or the owner,
// draws it.
void TQCwindow::showAsPopup()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr && (dev = attachdev()) != nullptr) {
        sendKey(TQDwindowDev::VALUE_TITLE_BAR, static_cast<char>(0));
        dev->setEnableEventBit(getEventMask());
    }
    LifeGuard guard(this);
    setParentVisible(1);
    if (guard.alive() && dev != nullptr)
        dev->setVisible(1);
}

void TQCwindow::onDefaultColorChange()
{
    sendKey(TQDdev::VALUE_BACK_COLOR, m_backColor);
}

// ---------------------------------------------------------------------------
// Property hooks

void TQCwindow::setWorkTQNtitleString(char* text)
{
    if (realised())
        sendKey(TQDwindowDev::VALUE_TITLE, text);
}

// In property-edit mode the builder moves the window by y only; x is kept
// as the program's value.
void TQCwindow::setWorkTQNx(short v)
{
    if (getPropertyEditMode()) {
        setUserLongData(kEditX, static_cast<unsigned long>(static_cast<long>(v)));
        return;
    }
    if (realised()) {
        sendKey(TQDdev::VALUE_X, v);
        setGeometryChanged(1);
    }
}

void TQCwindow::getWorkTQNx(short* v)
{
    if (getPropertyEditMode())
        *v = static_cast<short>(getUserLongData(kEditX));
}

void TQCwindow::setWorkTQNy(short v)
{
    if (getPropertyEditMode())
        setUserLongData(kEditY, static_cast<unsigned long>(static_cast<long>(v)));
    if (realised()) {
        sendKey(TQDdev::VALUE_Y, v);
        setGeometryChanged(1);
    }
}

void TQCwindow::getWorkTQNy(short* v)
{
    if (getPropertyEditMode())
        *v = static_cast<short>(getUserLongData(kEditY));
}

void TQCwindow::setWorkTQNwidth(unsigned short v)
{
    sizeSet(TQDdev::VALUE_WIDTH, v);
}

void TQCwindow::setWorkTQNheight(unsigned short v)
{
    sizeSet(TQDdev::VALUE_HEIGHT, v);
}

// The size reaches a device that is not there yet at its set-up; the
// resize event it owes is sent by the next update or draw.
void TQCwindow::sizeSet(long key, unsigned short v)
{
    if (realised())
        sendKey(key, v);
    m_resizePending = 1;
    setGeometryChanged(1);
    adjustForm();
}

void TQCwindow::setWorkTQNbackColor(short color)
{
    if (realised())
        sendKey(TQDdev::VALUE_BACK_COLOR, color);
    for (short& derived : m_derivedColors)
        derived = -1;
}

void TQCwindow::setWorkTQNbackPixmap(short image)
{
    if (realised())
        sendKey(TQDdev::VALUE_BACK_IMAGE, image);
}

void TQCwindow::setWorkTQNpixmapStyle(unsigned char style)
{
    if (realised())
        sendKey(TQDdev::VALUE_PIXMAP_STYLE, style);
}

void TQCwindow::setWorkTQNmouse(unsigned short cursor)
{
    if (realised())
        sendKey(TQDdev::VALUE_MOUSE_CURSOR, cursor);
}

// A window being edited always shows a full title bar.
void TQCwindow::setWorkTQNtitleBar(char kind)
{
    if (getPropertyEditMode()) {
        setUserLongData(kEditTitleBar, static_cast<unsigned long>(static_cast<long>(kind)));
        if (getowndev() != nullptr)
            sendTitleBar(1);
        return;
    }
    if (realised())
        sendTitleBar(kind);
}

void TQCwindow::getWorkTQNtitleBar(char* kind)
{
    if (getPropertyEditMode())
        *kind = static_cast<char>(getUserLongData(kEditTitleBar));
}

// A window being edited stays as shown; the program's value is recorded.
void TQCwindow::setWorkTQNvis(TQCbool v)
{
    if (getPropertyEditMode()) {
        setUserLongData(kEditVisible, v ? 1 : 0);
        return;
    }
    setVisible(v);
}

void TQCwindow::getWorkTQNvis(TQCbool* v)
{
    if (getPropertyEditMode())
        *v = static_cast<TQCbool>(getUserLongData(kEditVisible));
}

void TQCwindow::setWorkTQNdet(TQCbool v)
{
    if (!getPropertyEditMode())
        setSensitive(v);
}

void TQCwindow::onEditModeChange(unsigned char on)
{
    TQCbase::onEditModeChange(on);
    if (!on)
        return;
    setUserLongData(kEditX, static_cast<unsigned long>(static_cast<long>(m_x)));
    setUserLongData(kEditY, static_cast<unsigned long>(static_cast<long>(m_y)));
    setUserLongData(kEditVisible, getOwnVisible());
    setUserLongData(kEditTitleBar, static_cast<unsigned long>(static_cast<long>(m_titleBar)));
}
