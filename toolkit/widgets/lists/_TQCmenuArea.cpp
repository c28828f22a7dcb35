// Menu bar: construction, the width rule, the layout of the areas of one
// parent and of their titles, and the groove it draws instead of a frame.
#include "_TQCmenuArea.h"

#include <algorithm>
#include <vector>

#include "_TQCindexVariantData.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCmenuArea, TQCform);

namespace {

// The menu colour role; no shadow frame.
const short kMenuBack = -5;
const char kNoShadow = -1;
const char kResizeFunction[] = "_resize_work";

long numberOf(TQCbase* object, const char* property)
{
    return object->existProperty(property) ? object->getProperty(property).getLong() : 0;
}

// Stable: equal positions keep their child order.
void sortBy(std::vector<TQCbase*>& objects, const char* property)
{
    std::stable_sort(objects.begin(), objects.end(), [property](TQCbase* a, TQCbase* b) {
        return numberOf(a, property) < numberOf(b, property);
    });
}

} // namespace

const char* const TQCmenuArea::BOUND_KEY = "menuarea-resize-work";
const char* const TQCmenuArea::RESIZE_PROC = "resizeop";

TQCmenuArea::TQCmenuArea(TQCbase* parent, const char* name) : TQCform(parent, name)
{
    m_backColor = kMenuBack;
    m_shadowType = kNoShadow;
    TQCregisterClass(this, VERSION, registerProperties);
}

void TQCmenuArea::registerProperties(Registrar& r)
{
    r.changeDefault<m_shadowTypeSlot>(_TQNshadowType(), kNoShadow);
    r.changeDefault<&TQCmenuArea::m_backColor>(_TQNbackColor(), kMenuBack);
    r.withdraw(_TQNshadowThickness());
    r.withdraw(_TQNshadowType());
    for (const char* anchor : {_TQNanchorLeftFlag(), _TQNanchorLeft(), _TQNanchorRightFlag(),
                               _TQNanchorRight(), _TQNanchorTopFlag(), _TQNanchorTop(),
                               _TQNanchorBottomFlag(), _TQNanchorBottom()})
        r.hide(anchor);
}

// Anchored to both side edges of the parent at its border, and placed
// there already: the parent's anchor layout runs only when it is resized.
long TQCmenuArea::initialize()
{
    long result = TQCform::initialize();
    TQCbase* parent = getParent();
    setPropertyV(_TQNwidth(), static_cast<unsigned short>(1));
    applyMadeValues();
    if (parent == nullptr || underBoxForm())
        return result;
    if (parent->getUserData(BOUND_KEY) == nullptr) {
        parent->setUserData(BOUND_KEY, reinterpret_cast<void*>(1));
        parent->addInternalProcedure(RESIZE_PROC, TQEV_RESIZE, &TQCmenuArea::_resize_work,
                                     kResizeFunction);
    }
    _resize_work(parent);
    return result;
}

// At the parent's border, anchored to both sides of it. The width follows
// the parent whatever is asked, so no width is made.
void TQCmenuArea::getMadeValues(TQCindexVariantData* values)
{
    TQCform::getMadeValues(values);
    TQCbase* parent = getParent();
    unsigned short border =
        static_cast<unsigned short>(parent != nullptr ? numberOf(parent, _TQNshadowThickness()) : 0);
    values->setData(_TQNx(), TQCvariant(static_cast<short>(border)));
    values->setData(_TQNy(), TQCvariant(static_cast<short>(0)));
    values->setData(_TQNanchorLeft(), TQCvariant(border));
    values->setData(_TQNanchorRight(), TQCvariant(border));
    values->setData(_TQNanchorLeftFlag(), TQCvariant(1));
    values->setData(_TQNanchorRightFlag(), TQCvariant(1));
}

unsigned short TQCmenuArea::parentInnerWidth()
{
    TQCbase* parent = getParent();
    if (parent == nullptr)
        return 0;
    long inner = numberOf(parent, _TQNwidth()) - 2 * numberOf(parent, _TQNshadowThickness());
    return static_cast<unsigned short>(std::max(inner, 1L));
}

bool TQCmenuArea::underBoxForm()
{
    TQCbase* parent = getParent();
    return parent != nullptr && parent->cast("TQCvertForm") != nullptr;
}

// The property follows the window, so that the area always draws what it
// covers; the window is resized only when the derived width changed.
void TQCmenuArea::setWorkTQNwidth(unsigned short)
{
    if (getParent() == nullptr)
        return;
    unsigned short target = parentInnerWidth();
    m_width = target;
    if (target == m_appliedWidth || !deviceReady())
        return;
    TQCform::setWorkTQNwidth(target);
    m_appliedWidth = target;
}

// ---------------------------------------------------------------------------
// Layout

// Areas from the top of the parent's border, by their y. An object counts by
// its own visibility: the parent's first RESIZE comes before its children
// hear that it shows.
void TQCmenuArea::_resize_work(TQCbase* parent)
{
    if (parent == nullptr)
        return;
    std::vector<TQCbase*> areas;
    TQClistData children(parent->getChildren());
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (child->getOwnVisible() && child->cast("TQCmenuArea") != nullptr)
            areas.push_back(child);
    }
    sortBy(areas, _TQNy());
    long y = static_cast<unsigned char>(numberOf(parent, _TQNshadowThickness()));
    for (TQCbase* area : areas) {
        area->setPropertyV(_TQNy(), static_cast<short>(y));
        y += numberOf(area, _TQNheight());
        layOutTitles(area);
    }
}

// Left to right without gaps, each keeping its own width; windows, the
// area's own parts and nested areas are left where they are.
void TQCmenuArea::layOutTitles(TQCbase* area)
{
    std::vector<TQCbase*> titles;
    TQClistData children(area->getChildren());
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (child->getOwnVisible() && !child->getInternalObject() &&
            child->cast("TQCmenuArea") == nullptr &&
            (child->getObjectType() & OBJECT_TOP_LEVEL) == 0)
            titles.push_back(child);
    }
    sortBy(titles, _TQNx());
    long areaHeight = numberOf(area, _TQNheight());
    unsigned short height = static_cast<unsigned short>(areaHeight > 2 ? areaHeight - 2 : 1);
    long x = 0;
    for (TQCbase* title : titles) {
        title->setPropertyV(_TQNx(), static_cast<short>(x));
        title->setPropertyV(_TQNy(), static_cast<short>(0));
        title->setPropertyV(_TQNheight(), height);
        x += numberOf(title, _TQNwidth());
    }
}

// ---------------------------------------------------------------------------
// Drawing

void TQCmenuArea::fillDrawBlock(TQCmenuAreaDrawBlock& block)
{
    fillFormFields(block);
}

// Any other shadow type draws the form's frame.
void TQCmenuArea::drawFigure(TQDdev* dev)
{
    if (m_shadowType != kNoShadow) {
        TQCform::drawFigure(dev);
        return;
    }
    dev->setLineWidth(0);
    dev->setForeColor(m_bottomShadowColor);
    dev->drawLine(0, static_cast<short>(m_height - 2), static_cast<short>(m_width),
                  static_cast<short>(m_height - 2));
    dev->setForeColor(m_topShadowColor);
    dev->drawLine(0, static_cast<short>(m_height - 1), static_cast<short>(m_width),
                  static_cast<short>(m_height - 1));
}

void TQCmenuArea::drawFinished()
{
    TQCbase* parent = getParent();
    if (getDotMode() && parent != nullptr && !underBoxForm() && m_width != parentInnerWidth())
        parent->needLayout();
}
