// Base object: the keyboard focus and the special focus, and the search for
// the object a focus move (arrow keys, Return, Tab, Back-Tab) goes to.
#include "_TQCbase.h"

#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCstring.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

namespace {

const char* const kFocusListKey = "FOCUS_LIST";
const char* const kBaseObjectKey = "BASE-CPTR";
const long kFocusListStep = 16;
const long kFocusDescendantStep = 64;
const long kWrapRight = 0x7FFF;

TQCbase* g_focusHolder = nullptr;
TQCbase* g_specialFocusHolder = nullptr;

// One search in progress. Direction properties may name each other in a
// ring; a search that would repeat one still running can only recurse
// forever, so it is skipped.
struct SearchFrame {
    TQCbase* object;
    long direction;
    unsigned char retry;
    TQCbase* origin;
    const SearchFrame* outer;
};
const SearchFrame* g_searches = nullptr;

class SearchScope {
public:
    SearchScope(TQCbase* object, long direction, unsigned char retry, TQCbase* origin)
        : frame{ object, direction, retry, origin, g_searches }
    {
        g_searches = &frame;
    }
    ~SearchScope() { g_searches = frame.outer; }
    SearchScope(const SearchScope&) = delete;
    SearchScope& operator=(const SearchScope&) = delete;

private:
    SearchFrame frame;
};

bool searchRunning(TQCbase* object, long direction, unsigned char retry, TQCbase* origin)
{
    for (const SearchFrame* f = g_searches; f != nullptr; f = f->outer) {
        if (f->object == object && f->direction == direction && f->retry == retry &&
            f->origin == origin)
            return true;
    }
    return false;
}

struct Box {
    long x;
    long y;
    long w;
    long h;
};

// A geometry property the object lacks counts as 0.
Box boxOf(TQCbase* object)
{
    short x = 0;
    short y = 0;
    unsigned short w = 0;
    unsigned short h = 0;
    object->getPropertyV(_TQNx(), &x);
    object->getPropertyV(_TQNy(), &y);
    object->getPropertyV(_TQNwidth(), &w);
    object->getPropertyV(_TQNheight(), &h);
    return Box{ x, y, w, h };
}

long overlap(long start1, long length1, long start2, long length2)
{
    long end1 = start1 + length1;
    long end2 = start2 + length2;
    return (end1 < end2 ? end1 : end2) - (start1 > start2 ? start1 : start2);
}

bool canTakeFocus(TQCbase* object)
{
    return object->getVisible() && object->getSensitive() && object->canFocus();
}

const char* directionPropertyName(long direction)
{
    switch (direction) {
    case TQCbase::FOCUS_LEFT:
        return _TQNleftward();
    case TQCbase::FOCUS_RIGHT:
        return _TQNrightward();
    case TQCbase::FOCUS_DOWN:
        return _TQNdownward();
    case TQCbase::FOCUS_RETURN:
        return _TQNreturn();
    case TQCbase::FOCUS_TAB:
        return _TQNtab();
    case TQCbase::FOCUS_BACKTAB:
        return _TQNbacktab();
    default:
        return _TQNupward();
    }
}

// The object under which names are looked up: the object's own
// "BASE-CPTR", else that of the nearest ancestor reached through parts of
// a composite.
TQCbase* baseObjectFor(TQCbase* object)
{
    TQCbase* base = static_cast<TQCbase*>(object->getUserData(kBaseObjectKey));
    TQCbase* o = object;
    while (base == nullptr && o->getInternalObject() && o->getParent() != nullptr) {
        o = o->getParent();
        base = static_cast<TQCbase*>(o->getUserData(kBaseObjectKey));
    }
    return base;
}

TQCbase* resolveName(TQCbase* base, const char* name)
{
    TQCbase* found = nullptr;
    if (base != nullptr) {
        found = base->getChildInstance(name);
        if (found == nullptr && std::strcmp(base->getClassName(), name) == 0)
            found = base;
    }
    if (found == nullptr)
        found = TQGIappObjectList()->getInstance("TQCbase", name);
    return found;
}

// The objects named in the direction property, in word order; unknown and
// empty names are left out.
void namedTargets(TQCbase* object, long direction, TQClistData& targets)
{
    char* text = nullptr;
    if (!object->getPropertyV(directionPropertyName(direction), &text) || text == nullptr ||
        text[0] == '\0')
        return;
    TQCstring names(text, -2);
    TQCbase* base = baseObjectFor(object);
    long words = names.getWords(",");
    for (long i = 0; i < words; ++i) {
        TQCstring word = names.getWord(i, ",");
        word.delHeadSpace();
        word.delTailSpace();
        // An empty name (a stray comma) would match objects given no name.
        if (word.getChars() == 0)
            continue;
        TQCbase* target = resolveName(base, word.getString());
        if (target != nullptr)
            targets.add(target);
    }
}

// Distance of candidate k from s in the direction, or false when k does
// not lie that way. Squares need more than 32 bits at the far ends of the
// coordinate range.
bool distanceTo(long direction, const Box& s, const Box& k, long long* distance)
{
    long long dx = static_cast<long long>(k.x) - s.x;
    switch (direction) {
    case TQCbase::FOCUS_UP: {
        if (k.y + k.h > s.y)
            return false;
        long long gap = s.y - k.y - k.h;
        *distance = overlap(k.x, k.w, s.x, s.w) <= 0 ? dx * dx + gap * gap : gap * gap;
        return true;
    }
    case TQCbase::FOCUS_DOWN:
    case TQCbase::FOCUS_RETURN: {
        if (s.y + s.h > k.y)
            return false;
        long long gap = k.y - s.y - s.h;
        *distance = overlap(k.x, k.w, s.x, s.w) <= 0 ? dx * dx + gap * gap : gap * gap;
        return true;
    }
    case TQCbase::FOCUS_LEFT:
    case TQCbase::FOCUS_BACKTAB:
        // One pixel of overlap with the left edge still counts as left.
        if (k.x + k.w > s.x + 1 || overlap(k.y, k.h, s.y, s.h) <= 0)
            return false;
        *distance = s.x - k.x - k.w;
        return true;
    case TQCbase::FOCUS_RIGHT:
    case TQCbase::FOCUS_TAB:
        if (s.x + s.w > k.x || overlap(k.y, k.h, s.y, s.h) <= 0)
            return false;
        *distance = k.x - s.x - s.w;
        return true;
    default:
        return false;
    }
}

// The nearest sibling in the parent's focus order. Among equal distances
// the first wins, but a later one at distance 0 replaces the choice, and
// so does any later one after a choice at distance -1.
TQCbase* nearestSibling(TQCbase* object, long direction, unsigned char retry, bool* noList)
{
    TQCbase* parent = object->getParent();
    TQClistData* order = static_cast<TQClistData*>(parent->getUserData(kFocusListKey));
    *noList = order == nullptr || order->getNum() < 2;
    if (*noList)
        return nullptr;
    Box s = boxOf(object);
    if (retry && direction == TQCbase::FOCUS_UP)
        s.x = kWrapRight;
    if (retry && (direction == TQCbase::FOCUS_DOWN || direction == TQCbase::FOCUS_RETURN))
        s.x = 0;

    TQCbase* choice = nullptr;
    long long best = -1;
    for (long i = 0; i < order->getNum(); ++i) {
        TQCbase* candidate = static_cast<TQCbase*>(order->getData(i));
        if (candidate == nullptr || candidate == object || !canTakeFocus(candidate))
            continue;
        long long distance = 0;
        if (!distanceTo(direction, s, boxOf(candidate), &distance))
            continue;
        if (distance < best || distance == 0 || best == -1) {
            choice = candidate;
            best = distance;
        }
    }
    return choice;
}

// Each holder pointer with the hook that tells an object of its change;
// only the keyboard focus runs the FOCUS_CH procedures itself, for the
// objects that want them run.
struct Holder {
    TQCbase** slot;
    void (TQCbase::*notify)(unsigned char);
    bool runsProcedures;
    long descendantStep;
    long (TQCbase::*set)(unsigned char);
};

const Holder kKeyboardFocus = { &g_focusHolder, &TQCbase::onFocusChange, true,
                                kFocusDescendantStep, &TQCbase::setFocus };
const Holder kSpecialFocus = { &g_specialFocusHolder, &TQCbase::onSpecialFocusChange, false,
                               0, &TQCbase::setSpecialFocus };

// False when the object did not survive its hook and procedures.
bool tellChange(const Holder& holder, TQCbase* object, unsigned char on)
{
    TQCbase::LifeGuard guard(object);
    (object->*holder.notify)(on);
    if (holder.runsProcedures && guard.alive() && object->runsFocusProcedures())
        object->execProcedure(TQEV_FOCUS_CH);
    return guard.alive();
}

bool isDescendant(TQCbase* container, TQCbase* object, long step)
{
    TQClistData all = step > 0 ? TQClistData(step) : TQClistData();
    container->getAllChildren(all);
    for (long i = 0; i < all.getNum(); ++i) {
        if (all.getData(i) == object)
            return true;
    }
    return false;
}

void takeAway(const Holder& holder, TQCbase* object)
{
    if (*holder.slot != object)
        return;
    *holder.slot = nullptr;
    tellChange(holder, object, 0);
}

// Makes the object the holder unless it became one meanwhile; false when
// it did not survive being told.
bool takeOver(const Holder& holder, TQCbase* object, unsigned char on)
{
    if (*holder.slot == object)
        return true;
    *holder.slot = object;
    return tellChange(holder, object, on);
}

void give(const Holder& holder, TQCbase* object, unsigned char on)
{
    TQCbase* previous = *holder.slot;
    if (previous == object)
        return;
    if (previous == nullptr) {
        takeOver(holder, object, on);
        return;
    }
    TQCbase::LifeGuard previousAlive(previous);
    TQCbase::LifeGuard objectAlive(object);
    *holder.slot = nullptr;
    tellChange(holder, previous, 0);
    if (!objectAlive.alive() || !takeOver(holder, object, on))
        return;
    // A container that gets the focus hands it back to the descendant
    // that had it.
    if (previousAlive.alive() && (object->getObjectType() & TQCbase::OBJECT_CONTAINER) != 0 &&
        isDescendant(object, previous, holder.descendantStep))
        (previous->*holder.set)(1);
}

} // namespace

TQCbase* TQCbase::getFocusInstance()
{
    return g_focusHolder;
}

TQCbase* TQCbase::getSpecialFocusInstance()
{
    return g_specialFocusHolder;
}

unsigned char TQCbase::getFocus()
{
    return g_focusHolder == this ? 1 : 0;
}

unsigned char TQCbase::getSpecialFocus()
{
    return g_specialFocusHolder == this ? 1 : 0;
}

long TQCbase::setFocus(unsigned char on)
{
    if (on)
        give(kKeyboardFocus, this, on);
    else
        takeAway(kKeyboardFocus, this);
    return 0;
}

long TQCbase::setSpecialFocus(unsigned char on)
{
    if (on)
        give(kSpecialFocus, this, on);
    else
        takeAway(kSpecialFocus, this);
    return 0;
}

void TQCbase::releaseFocusHolders()
{
    if (g_specialFocusHolder == this)
        g_specialFocusHolder = nullptr;
    setFocus(0);
}

void TQCbase::_register_focus_move()
{
    if (parent == nullptr)
        return;
    TQClistData* order = static_cast<TQClistData*>(parent->getUserData(kFocusListKey));
    if (order == nullptr) {
        order = new TQClistData(kFocusListStep);
        parent->setUserData(kFocusListKey, order);
    }
    order->add(this);
}

TQCbase* TQCbase::getFocusMoveInstance(long direction)
{
    TQCbase* target = _get_focus_move_instance(direction, 0, nullptr);
    if (target == nullptr || !target->getSensitive() || !target->canFocus())
        return nullptr;
    TQCbase* inner = target->getFocusMoveInternalInstance(direction);
    return inner != nullptr ? inner : target;
}

TQCbase* TQCbase::giveFocusToward(long direction)
{
    TQCbase* target = getFocusMoveInstance(direction);
    if (target == nullptr)
        return nullptr;
    LifeGuard guard(target);
    target->setFocus(1);
    return guard.alive() ? target : nullptr;
}

TQCbase* TQCbase::_get_focus_move_instance(long direction, unsigned char retry, TQCbase* origin)
{
    if (parent == nullptr)
        return nullptr;
    SearchScope scope(this, direction, retry, origin);

    TQClistData targets;
    namedTargets(this, direction, targets);
    for (long i = 0; i < targets.getNum(); ++i) {
        TQCbase* target = static_cast<TQCbase*>(targets.getData(i));
        if (canTakeFocus(target))
            return target;
    }
    // None of the named objects can take the focus: each passes the search
    // on, with the object that began it as the origin; the origin itself
    // does not.
    TQCbase* from = origin != nullptr ? origin : this;
    for (long i = 0; i < targets.getNum() && origin != this; ++i) {
        TQCbase* target = static_cast<TQCbase*>(targets.getData(i));
        if (searchRunning(target, direction, retry, from))
            continue;
        TQCbase* found = target->_get_focus_move_instance(direction, retry, from);
        if (found != nullptr && (origin != nullptr || found != this))
            return found;
    }

    bool noList = false;
    TQCbase* choice = nearestSibling(this, direction, retry, &noList);
    if (choice != nullptr || noList)
        return choice;
    if (direction == FOCUS_TAB)
        return _get_focus_move_instance(FOCUS_DOWN, 1, nullptr);
    if (direction == FOCUS_BACKTAB)
        return _get_focus_move_instance(FOCUS_UP, 1, nullptr);
    return nullptr;
}
