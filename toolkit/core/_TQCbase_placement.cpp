// What a press does in the builder's edit mode: it selects the object under
// the pointer, or, while the object list asks for new instances, lets the
// user drag out the rectangle of a new object in a container.
#include "_TQCbase.h"

#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCindexVariantData.h"
#include "_TQDdev.h"
#include "_TQDmouse.h"
#include "_TQDprivateTimer.h"
#include "_TQGFbuilder.h"
#include "_TQN.h"
#include "_TQCbase_internal.h"

using tqbase::hasGeometry;

namespace {

const long kReleaseBit = 0x4000;
const unsigned long kFirstButton = TQDmouse::STATUS_BUTTON1;
const long kPlacementRate = 5;
const long kBandCount = 4;
const long kBandThickness = 2;
const long kMinimumBand = 10;
const long kMinimumNewSize = 20;

long numberOr0(TQCbase* object, const char* name)
{
    return object->existProperty(name) ? object->getProperty(name).getLong() : 0;
}

// The state of the one placement that can run at a time, kept for the
// process.
struct Placement {
    TQDprivateTimer* timer = nullptr;
    TQCbase* bands[kBandCount] = {};
    short pressX = 0;
    short pressY = 0;
};

Placement& placement()
{
    static Placement* state = new Placement;
    return *state;
}

// The band windows go with the other windows when the program tidies up:
// they are made again when one of them is gone.
bool bandsExist()
{
    for (TQCbase* band : placement().bands) {
        if (band == nullptr || !TQGIappObjectList()->existInstance(band))
            return false;
    }
    return true;
}

void makeBands()
{
    if (bandsExist())
        return;
    for (TQCbase*& band : placement().bands) {
        if (band != nullptr && TQGIappObjectList()->existInstance(band))
            continue;
        band = TQCbase::getNewInstance("TQCwindow", nullptr, "tqcbase_sep_window");
        if (band == nullptr)
            continue;
        band->initialize();
        band->setProperty(_TQNtitleBar(), TQCvariant(6L));
        band->setProperty(_TQNshadowThickness(), TQCvariant(0L));
        band->setPropertyV(_TQNbackColor(), "#606060");
        band->setProperty(_TQNindicatorOn(), TQCvariant(0L));
    }
}

void showBands(bool on)
{
    for (TQCbase* band : placement().bands)
        band->setVisible(on ? 1 : 0);
}

// One side of the band from the press at s to the pointer at m: at least
// kMinimumBand long, on the side the pointer is.
void spanOf(long s, long m, long* start, long* length)
{
    long d = m - s;
    if (d <= -kMinimumBand) {
        *start = m;
        *length = -d;
    } else if (d < 0) {
        *start = s - kMinimumBand;
        *length = kMinimumBand;
    } else {
        *start = s;
        *length = d < kMinimumBand ? kMinimumBand : d;
    }
}

void placeBand(TQCbase* band, long x, long y, long w, long h)
{
    band->setProperty(_TQNx(), TQCvariant(x));
    band->setProperty(_TQNy(), TQCvariant(y));
    band->setProperty(_TQNwidth(), TQCvariant(w));
    band->setProperty(_TQNheight(), TQCvariant(h));
}

// A frame two pixels thick round the rectangle.
void placeBands(long left, long top, long width, long height)
{
    TQCbase** bands = placement().bands;
    placeBand(bands[0], left, top, width, kBandThickness);
    placeBand(bands[1], left, top, kBandThickness, height);
    placeBand(bands[2], left + width - kBandThickness, top, kBandThickness, height);
    placeBand(bands[3], left, top + height - kBandThickness, width, kBandThickness);
}

void endPlacement()
{
    showBands(false);
    placement().timer->stopTimer();
}

// The new object's record, in the container's coordinates.
void createInstanceAt(TQCbase* target, long left, long top, long width, long height)
{
    TQDdev* dev = target->getowndev();
    if (dev == nullptr)
        return;
    short ox = 0, oy = 0;
    dev->getDispAddr(&ox, &oy);
    TQCindexVariantData values;
    values.setData("class", TQCvariant(TQGIappObjectList()->getNewInstanceClassName().getString()));
    values.setData("name", TQCvariant("new_insntace"));
    values.setData("x", TQCvariant(left - ox));
    values.setData("y", TQCvariant(top - oy));
    values.setData("width", TQCvariant(width < kMinimumNewSize ? kMinimumNewSize : width));
    values.setData("height", TQCvariant(height < kMinimumNewSize ? kMinimumNewSize : height));
    TQGFexecCreateInstanceHandler(target, &values);
}

} // namespace

// ---------------------------------------------------------------------------
// Press

void TQCbase::onMousePress(TQCpoint* point)
{
    TQCbase* target = builderPressTarget(point);
    if (target == nullptr)
        return;
    if (TQGIappObjectList()->getNewInstancePositionMode())
        target->_start_new_instance_positioning();
    else
        target->setPropertyEditExecute(1);
}

// A part of a composite stands for its nearest owner that is not a part; a
// press on a spot where a child (or, for a window-less widget, a sibling
// stacked above it) lies belongs to that one instead.
TQCbase* TQCbase::builderPressTarget(TQCpoint* point)
{
    if (state.internalObject) {
        TQCbase* owner = parent;
        while (owner != nullptr && owner->state.internalObject)
            owner = owner->parent;
        if (owner == nullptr || !owner->state.editMode)
            return nullptr;
        short px = 0, py = 0;
        getMouseAddr(&px, &py);
        return coveredAt(owner->getChildrenPtr(), 0, px, py, true) ? nullptr : owner;
    }
    if (!state.editMode || point == nullptr)
        return nullptr;
    const char* device = getUseDevName();
    if (device != nullptr && std::strcmp(device, "nwDev") == 0) {
        if (parent == nullptr)
            return this;
        long px = point->x + numberOr0(this, _TQNx());
        long py = point->y + numberOr0(this, _TQNy());
        TQClistData* siblings = parent->getChildrenPtr();
        long after = 0;
        while (siblings != nullptr && after < siblings->getNum() &&
               siblings->getData(after) != this)
            ++after;
        return coveredAt(siblings, after + 1, px, py, false) ? nullptr : this;
    }
    return coveredAt(getChildrenPtr(), 0, point->x, point->y, false) ? nullptr : this;
}

bool TQCbase::coveredAt(TQClistData* children, long first, long px, long py, bool skipInternal)
{
    for (long i = first; children != nullptr && i < children->getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children->getData(i));
        if (child == nullptr || (skipInternal && child->state.internalObject))
            continue;
        TQDdev* dev = child->ownDevice;
        if (dev == nullptr || dev->getParentDev() == nullptr || !hasGeometry(child) ||
            !child->getVisible())
            continue;
        long x = child->getProperty(_TQNx()).getLong();
        long y = child->getProperty(_TQNy()).getLong();
        long w = child->getProperty(_TQNwidth()).getLong();
        long h = child->getProperty(_TQNheight()).getLong();
        if (x <= px && px < x + w && y <= py && py < y + h)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// New-instance placement

long TQCbase::_start_new_instance_positioning()
{
    if (!(getObjectType() & OBJECT_CONTAINER))
        return -1;
    eventMask |= kReleaseBit;
    if (ownDevice != nullptr)
        ownDevice->setEnableEventBit(static_cast<long>(eventMask));
    Placement& state = placement();
    if (state.timer == nullptr) {
        state.timer = TQDprivateTimer::getNewInstance();
        if (state.timer == nullptr)
            return -1;
        state.timer->setRate(kPlacementRate);
    }
    state.timer->setWorkProc(_new_instance_pos_work_proc, this);
    makeBands();
    if (TQDmouse* mouse = TQGIappMouse())
        mouse->getMousePosition(&state.pressX, &state.pressY);
    state.timer->startTimer();
    return 0;
}

// While the first button is held the band follows the pointer; when it is
// let go, the rectangle goes to the create-instance handler.
void TQCbase::_new_instance_pos_work_proc(void* data)
{
    Placement& state = placement();
    TQDmouse* mouse = TQGIappMouse();
    if (!bandsExist() || mouse == nullptr)
        return;
    TQCbase* target = static_cast<TQCbase*>(data);
    if (!TQGIappObjectList()->existInstance(target)) {
        endPlacement();
        return;
    }
    short mx = 0, my = 0;
    mouse->getMousePosition(&mx, &my);
    long left, top, width, height;
    spanOf(state.pressX, mx, &left, &width);
    spanOf(state.pressY, my, &top, &height);
    if (mouse->getStatus() & kFirstButton) {
        placeBands(left, top, width, height);
        showBands(true);
        return;
    }
    endPlacement();
    createInstanceAt(target, left, top, width, height);
}
