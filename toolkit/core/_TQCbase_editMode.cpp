// Builder edit mode of the base object: selection for the property editor,
// the nine grip handles of a selected object, and the geometry they drag on
// the grip grid.
#include "_TQCbase.h"

#include <cstdint>

#include "_TQCbaseList.h"
#include "_TQDdev.h"
#include "_TQGFbuilder.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"
#include "_TQCbase_internal.h"

using tqbase::hasGeometry;

namespace {

const long kHandleCount = 9;
const long kHandleSize = 10;

// Where a handle sits along one side of the client: at its start, centred,
// at its end, or half a handle before the end.
enum Along { START, MIDDLE, END, EDGE };

struct HandlePlace {
    Along horizontal;
    Along vertical;
    unsigned short cursor;
};

// Handles 0 to 8: the four corners and four edges clockwise from the top
// left, then the centre.
const HandlePlace kHandlePlaces[kHandleCount] = {
    {START, START, 195}, {MIDDLE, START, 197}, {END, START, 196},
    {EDGE, MIDDLE, 176}, {END, END, 135},      {MIDDLE, EDGE, 136},
    {START, END, 134},   {START, MIDDLE, 163}, {MIDDLE, MIDDLE, 154}};

long offsetAlong(Along place, long size)
{
    switch (place) {
    case MIDDLE:
        return size / 2 - kHandleSize / 2;
    case END:
        return size - kHandleSize;
    case EDGE:
        return size - kHandleSize / 2;
    default:
        return 0;
    }
}

struct GripGrid {
    unsigned short x = 1;
    unsigned short y = 1;
    TQCbase::GripHandMaker maker = nullptr;
};

GripGrid& gripGrid()
{
    static GripGrid* grid = new GripGrid;
    return *grid;
}

long numberOf(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

void setNumber(TQCbase* object, const char* name, long value)
{
    object->setProperty(name, TQCvariant(value));
}

bool flagSet(TQCbase* object, const char* name)
{
    return object->existProperty(name) && numberOf(object, name) == 1;
}

TQClistData* gripHands(TQCbase* object)
{
    return static_cast<TQClistData*>(object->getUserData(TQCbase::GRIP_HANDS_KEY));
}

// ---------------------------------------------------------------------------
// Dragging

struct Box {
    long x, y, w, h;
};

// The sides a handle moves, and whether it needs all of them allowed.
enum Side { NONE, LEFT, TOP, RIGHT, BOTTOM };
struct HandleSides {
    Side horizontal;
    Side vertical;
    bool together;
};
const HandleSides kHandleSides[kHandleCount - 1] = {
    {LEFT, TOP, true},    {NONE, TOP, false},   {RIGHT, TOP, false},
    {RIGHT, NONE, false}, {RIGHT, BOTTOM, false}, {NONE, BOTTOM, false},
    {LEFT, BOTTOM, false}, {LEFT, NONE, false}};

// What one drag step may change: the client as it is, the pointer's offset,
// the grid and the limits of the parent.
class GripStep {
public:
    GripStep(const Box& boxArg, long dxArg, long dyArg, long pwArg, long phArg)
        : box(boxArg), dx(dxArg), dy(dyArg), pw(pwArg), ph(phArg)
    {
        getGrid();
    }

    bool allowed(Side side) const
    {
        switch (side) {
        case LEFT:
            return box.x - dx >= 0 && box.w + dx >= 1;
        case TOP:
            return box.y - dy >= 0 && box.h + dy >= 1;
        case RIGHT:
            return box.x + box.w - dx < pw && box.w - dx >= 1;
        case BOTTOM:
            return box.y + box.h - dy < ph && box.h - dy >= 1;
        default:
            return true;
        }
    }

    void apply(Side side)
    {
        long x = box.x, y = box.y;
        switch (side) {
        case LEFT:
            box.x = snap(x - dx, gx);
            box.w = snap(box.w + (x - box.x), gx);
            break;
        case TOP:
            box.y = snap(y - dy, gy);
            box.h = snap(box.h + (y - box.y), gy);
            break;
        case RIGHT:
            box.w = snap(box.w - dx, gx);
            break;
        case BOTTOM:
            box.h = snap(box.h - dy, gy);
            break;
        default:
            break;
        }
    }

    void move()
    {
        if (box.x - dx >= 0 && box.w + box.x - dx < pw)
            box.x = snap(box.x - dx, gx);
        if (box.y - dy >= 0 && box.h + box.y - dy < ph)
            box.y = snap(box.y - dy, gy);
    }

    const Box& result() const { return box; }

private:
    void getGrid()
    {
        unsigned short x, y;
        TQCbase::getGripHandGrid(&x, &y);
        gx = x;
        gy = y;
    }
    static long snap(long v, long g) { return TQGFadjustNumber(v, g); }

    Box box;
    long dx, dy, pw, ph, gx = 1, gy = 1;
};

bool anchoredOn(TQCbase* client, Side side)
{
    switch (side) {
    case LEFT:
        return flagSet(client, _TQNanchorLeftFlag());
    case TOP:
        return flagSet(client, _TQNanchorTopFlag());
    case RIGHT:
        return flagSet(client, _TQNanchorRightFlag());
    case BOTTOM:
        return flagSet(client, _TQNanchorBottomFlag());
    default:
        return false;
    }
}

// A blocked handle leaves the box as it is.
Box dragged(TQCbase* client, short number, GripStep step)
{
    if (number == kHandleCount - 1) {
        if (!anchoredOn(client, LEFT) && !anchoredOn(client, TOP) &&
            !anchoredOn(client, RIGHT) && !anchoredOn(client, BOTTOM))
            step.move();
        return step.result();
    }
    if (number < 0 || number >= kHandleCount - 1)
        return step.result();
    const HandleSides& sides = kHandleSides[number];
    if (anchoredOn(client, sides.horizontal) || anchoredOn(client, sides.vertical))
        return step.result();
    bool h = step.allowed(sides.horizontal), v = step.allowed(sides.vertical);
    if (sides.together && !(h && v))
        return step.result();
    if (v)
        step.apply(sides.vertical);
    if (h)
        step.apply(sides.horizontal);
    return step.result();
}

// The parent's size, or its work size where it has one; the screen-wide
// limit for a top-level object.
void limitsOf(TQCbase* client, long* pw, long* ph)
{
    *pw = *ph = 0xFFFF;
    TQCbase* parent = client->getParent();
    if ((client->getObjectType() & TQCbase::OBJECT_TOP_LEVEL) || parent == nullptr)
        return;
    const char* names[2][2] = {{_TQNwidth(), _TQNworkWidth()}, {_TQNheight(), _TQNworkHeight()}};
    long* limits[2] = {pw, ph};
    for (int i = 0; i < 2; ++i) {
        for (const char* name : names[i]) {
            if (parent->existProperty(name))
                *limits[i] = numberOf(parent, name);
        }
    }
}

void writeBox(TQCbase* client, const Box& before, const Box& after)
{
    if (after.x != before.x)
        setNumber(client, _TQNx(), after.x);
    if (after.y != before.y)
        setNumber(client, _TQNy(), after.y);
    if (after.w != before.w)
        setNumber(client, _TQNwidth(), after.w);
    if (after.h != before.h)
        setNumber(client, _TQNheight(), after.h);
}

} // namespace

bool tqbase::hasGeometry(TQCbase* object)
{
    return object->existProperty(_TQNx()) && object->existProperty(_TQNy()) &&
           object->existProperty(_TQNwidth()) && object->existProperty(_TQNheight());
}

// ---------------------------------------------------------------------------
// Selection

long TQCbase::setPropertyEditExecute(unsigned char on)
{
    LifeGuard guard(this);
    TQCbase* editor = TQGIappPropertyEditor();
    if (on) {
        setPropertyEditMode(1);
        if (editor != nullptr && guard.alive())
            editor->setPropertyV(_TQNclient(), static_cast<void*>(this));
        if (guard.alive())
            TQGFnotifyPropertyEditor(this, 1);
    } else {
        if (editor != nullptr && editor->existProperty(_TQNclient()) &&
            editor->getProperty(_TQNclient()).getVoidPtr() == this)
            editor->setPropertyV(_TQNclient(), static_cast<void*>(nullptr));
        TQGFnotifyPropertyEditor(this, 2);
    }
    if (!guard.alive())
        return 0;
    setShowGriphand(on);
    if (!guard.alive())
        return 0;
    setAbsoluteDraw(1);
    redraw();
    return 0;
}

long TQCbase::setShowGriphand(unsigned char on)
{
    on = on ? 1 : 0;
    if (state.showGriphand == on)
        return 0;
    if (on) {
        if (ownDevice == nullptr)
            return -1;
        ownDevice->setEnableEvent(TQEV_EXPOSE);
        state.showGriphand = 1;
        drawGriphand();
        return 0;
    }
    state.showGriphand = 0;
    clearGriphand();
    setAbsoluteDraw(1);
    redraw();
    return 0;
}

// ---------------------------------------------------------------------------
// Grip handles

long TQCbase::drawGriphand()
{
    if (!state.showGriphand)
        return 0;
    if (!hasGeometry(this))
        return -1;
    short x = 0, y = 0;
    if (!(getObjectType() & OBJECT_CONTAINER)) {
        x = static_cast<short>(numberOf(this, _TQNx()));
        y = static_cast<short>(numberOf(this, _TQNy()));
    }
    _draw_grip_hand(x, y, static_cast<unsigned short>(numberOf(this, _TQNwidth())),
                    static_cast<unsigned short>(numberOf(this, _TQNheight())));
    return 0;
}

long TQCbase::_draw_grip_hand(short x, short y, unsigned short w, unsigned short h)
{
    TQClistData* hands = gripHands(this);
    if (hands == nullptr) {
        GripHandMaker maker = gripGrid().maker;
        if (maker == nullptr)
            return -1;
        hands = new TQClistData(16);
        setUserData(GRIP_HANDS_KEY, hands);
        for (long n = 0; n < kHandleCount; ++n) {
            TQCbase* hand = maker(this);
            if (hand == nullptr)
                continue;
            if (n == 1 || n == 5)
                setNumber(hand, _TQNheight(), numberOf(hand, _TQNheight()) / 2);
            if (n == 3 || n == 7)
                setNumber(hand, _TQNwidth(), numberOf(hand, _TQNwidth()) / 2);
            hand->setUserData(GRIP_HANDLER_KEY, reinterpret_cast<void*>(_griph_geom_handler));
            hand->setUserData(GRIP_CLIENT_KEY, this);
            hand->setUserData(GRIP_NUMBER_KEY, reinterpret_cast<void*>(static_cast<intptr_t>(n)));
            hands->add(hand);
        }
    }
    // A handle may take its own path out of the list while it is placed.
    TQClistData placed(*hands);
    for (long i = 0; i < placed.getNum(); ++i) {
        TQCbase* hand = static_cast<TQCbase*>(placed.getData(i));
        if (!TQGIappObjectList()->existInstance(hand))
            continue;
        intptr_t number = reinterpret_cast<intptr_t>(hand->getUserData(GRIP_NUMBER_KEY));
        const HandlePlace& place = kHandlePlaces[number % kHandleCount];
        setNumber(hand, _TQNx(), x + offsetAlong(place.horizontal, w));
        setNumber(hand, _TQNy(), y + offsetAlong(place.vertical, h));
        setNumber(hand, _TQNmouse(), place.cursor);
        hand->setVisible(1);
    }
    return 0;
}

long TQCbase::clearGriphand()
{
    TQClistData* hands = gripHands(this);
    if (hands == nullptr)
        return 0;
    setUserData(GRIP_HANDS_KEY, nullptr);
    for (long i = 0; i < hands->getNum(); ++i) {
        TQCbase* hand = static_cast<TQCbase*>(hands->getData(i));
        if (TQGIappObjectList()->existInstance(hand))
            delete hand;
    }
    delete hands;
    return 0;
}

void TQCbase::setGripHandGrid(unsigned short gx, unsigned short gy)
{
    gripGrid().x = gx < 1 ? 1 : gx;
    gripGrid().y = gy < 1 ? 1 : gy;
}

void TQCbase::getGripHandGrid(unsigned short* gx, unsigned short* gy)
{
    if (gx != nullptr)
        *gx = gripGrid().x;
    if (gy != nullptr)
        *gy = gripGrid().y;
}

void TQCbase::setGripHandMaker(GripHandMaker maker)
{
    gripGrid().maker = maker;
}

// A top-level window follows only its right edge, bottom edge and
// bottom-right corner. The client is hidden while it changes unless it has
// a window of its own; after every step, also a refused one, the handles
// are placed again and the builder hears of it.
void _griph_geom_handler(TQCbase* client, short number, short dx, short dy)
{
    if (client == nullptr || !hasGeometry(client))
        return;
    if (client->cast("TQCwindow") != nullptr && number != 3 && number != 4 && number != 5)
        return;
    Box before = {numberOf(client, _TQNx()), numberOf(client, _TQNy()),
                  numberOf(client, _TQNwidth()), numberOf(client, _TQNheight())};
    long pw, ph;
    limitsOf(client, &pw, &ph);
    if (dx == 0 && dy == 0)
        return;
    TQCbase::LifeGuard guard(client);
    bool hide = !(client->getObjectType() & TQCbase::OBJECT_NATIVE_WINDOW) &&
                client->getOwnVisible();
    if (hide)
        client->setVisible(0);
    if (guard.alive())
        writeBox(client, before, dragged(client, number, GripStep(before, dx, dy, pw, ph)));
    if (hide && guard.alive())
        client->setVisible(1);
    if (!guard.alive())
        return;
    client->drawGriphand();
    client->update();
    TQGFmarkChanged(client);
    TQGFnotifyGeometryUpdate();
    TQGFnotifyPropertyEditor(client, 0);
}
