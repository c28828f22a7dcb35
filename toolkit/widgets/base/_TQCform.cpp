// Form: construction, the 30 properties and what setting each one does, the
// device set-up and the class frame. Drawing and layout have files of their own.
#include "_TQCform.h"

#include "_TQCbaseList.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"
#include "_TQR.h"
#include "_TQS.h"

TQ_TYPE_SERVER_FRAME(TQCform, TQCbase);

TQCform::TQCform(TQCbase* parent, const char* name)
    : TQCbase(parent, name), m_children(8), m_gradation(0), m_shadowThickness(2),
      m_shadowType(0), m_pixmapStyle(1), m_noRefresh(0), m_sizeChanged(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        // The name given at construction is not replaced by the default.
        TQCbaseProperties::identity(r);
        registerFormBody(r, 1);
        TQCbaseProperties::exported(r);
        TQCbaseProperties::keepPixmapCache(r);
    });
}

TQCform::~TQCform()
{
    deleteOwnedChildren(m_children);
}

// Hidden while the stored state is handed over, shown again when visible.
long TQCform::_device_initialize()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    dev->setVisible(0);
    handOverState(dev, true);
    dev->setEnableEventBit((1L << TQEV_EXPOSE) | (1L << TQEV_RESIZE) | (1L << TQEV_MOUSE_IN));
    if (getVisible())
        dev->setVisible(1);
    TQCbase::_device_initialize();
    return 0;
}

void TQCform::handOverState(TQDdev* dev, bool withOffsets)
{
    const short* xOffset = withOffsets ? getXOffsetPtr() : nullptr;
    const short* yOffset = withOffsets ? getYOffsetPtr() : nullptr;
    short x = static_cast<short>(m_x + (xOffset != nullptr ? *xOffset : 0));
    short y = static_cast<short>(m_y + (yOffset != nullptr ? *yOffset : 0));
    unsigned short width = m_width, height = m_height, mouse = m_mouse;
    short backColor = m_backColor, backPixmap = m_backPixmap;
    char pixmapStyle = static_cast<char>(m_pixmapStyle);
    dev->setValue(TQDdev::VALUE_X, &x);
    dev->setValue(TQDdev::VALUE_Y, &y);
    dev->setValue(TQDdev::VALUE_MOUSE_CURSOR, &mouse);
    dev->setValue(TQDdev::VALUE_WIDTH, &width);
    dev->setValue(TQDdev::VALUE_HEIGHT, &height);
    dev->setValue(TQDdev::VALUE_BACK_COLOR, &backColor);
    dev->setValue(TQDdev::VALUE_BACK_IMAGE, &backPixmap);
    dev->setValue(TQDdev::VALUE_PIXMAP_STYLE, &pixmapStyle);
}

// ---------------------------------------------------------------------------
// Property hooks. They reach the device only once it is set up; before,
// _device_initialize hands it the stored values.

// The placement of an anchored form in a parent that lays out its children:
// the near anchor fixes the position; the far one alone leaves it to the
// parent's layout, which is asked for (true).
bool TQCform::placedByParent(TQCbool nearFlag, TQCbool farFlag, unsigned short nearDistance,
                             short* position)
{
    TQCbase* parent = anchoringParent(this);
    if (parent == nullptr)
        return false;
    if (nearFlag) {
        *position = static_cast<short>(nearDistance);
        return false;
    }
    if (!farFlag)
        return false;
    parent->needLayout();
    return true;
}

void TQCform::moveDevice(long key, short position, const short* offset)
{
    short value = static_cast<short>(position + (offset != nullptr ? *offset : 0));
    getowndev()->setValue(key, &value);
    setGeometryChanged(1);
}

void TQCform::setWorkTQNx(short)
{
    if (!deviceReady() || placedByParent(m_anchorLeftFlag, m_anchorRightFlag, m_anchorLeft, &m_x))
        return;
    moveDevice(TQDdev::VALUE_X, m_x, getXOffsetPtr());
}

void TQCform::setWorkTQNy(short)
{
    if (!deviceReady() || placedByParent(m_anchorTopFlag, m_anchorBottomFlag, m_anchorTop, &m_y))
        return;
    moveDevice(TQDdev::VALUE_Y, m_y, getYOffsetPtr());
}

// A form anchored on both sides is sized by its parent's layout.
void TQCform::resizeDevice(long key, unsigned short size)
{
    if (deviceReady()) {
        if (stretchedByParent(key == TQDdev::VALUE_WIDTH)) {
            anchoringParent(this)->needLayout();
            return;
        }
        getowndev()->setValue(key, &size);
    }
    setGeometryChanged(1);
    m_sizeChanged = 1;
    // A gradation is laid out over the whole form.
    if (deviceReady() && m_gradation != 0) {
        setAbsoluteDraw(1);
        needUpdate();
    }
}

bool TQCform::stretchedByParent(bool horizontal)
{
    return nearAnchored(horizontal) && farAnchored(horizontal) && anchoringParent(this) != nullptr;
}

void TQCform::setWorkTQNwidth(unsigned short width)
{
    resizeDevice(TQDdev::VALUE_WIDTH, width);
}

void TQCform::setWorkTQNheight(unsigned short height)
{
    resizeDevice(TQDdev::VALUE_HEIGHT, height);
}

void TQCform::setWorkTQNbackColor(short color)
{
    if (deviceReady())
        getowndev()->setValue(TQDdev::VALUE_BACK_COLOR, &color);
}

void TQCform::setWorkTQNbackPixmap(short image)
{
    if (deviceReady())
        getowndev()->setValue(TQDdev::VALUE_BACK_IMAGE, &image);
}

void TQCform::getWorkTQNbackPixmap(short* image)
{
    setWorkTQNbackPixmap(*image);
}

void TQCform::setWorkTQNpixmapStyle(unsigned char style)
{
    char value = static_cast<char>(style);
    if (deviceReady())
        getowndev()->setValue(TQDdev::VALUE_PIXMAP_STYLE, &value);
}

void TQCform::setWorkTQNmouse(unsigned short cursor)
{
    if (deviceReady())
        getowndev()->setValue(TQDdev::VALUE_MOUSE_CURSOR, &cursor);
}

// Switching an anchor on asks the parent for a new layout; switching it off
// asks for none.
void TQCform::anchorSwitched(TQCbool on)
{
    if (on && getParent() != nullptr)
        getParent()->needLayout();
}
