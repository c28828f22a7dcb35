// The widget proxy: each operation either calls the bound local instance or
// makes one remote call of the widget table.
#include "_TQCRbase.h"

#include "_TQCRbase_operations.h"
#include "_TQCindexData.h"

using namespace tqremote;

namespace {

// Made by the first registration, kept for the life of the program.
TQCindexData* factories = nullptr;

} // namespace

TQCRbase::TQCRbase()
    : m_local(nullptr)
{
}

void TQCRbase::setCreateHandler(const char* className, CreateHandler handler)
{
    if (className == nullptr)
        return;
    if (factories == nullptr)
        factories = new TQCindexData;
    factories->setData(className, reinterpret_cast<void*>(handler));
}

TQCRbase* TQCRbase::getNewInstance(const char* className)
{
    CreateHandler handler = nullptr;
    if (factories != nullptr && className != nullptr)
        handler = reinterpret_cast<CreateHandler>(factories->getData(className));
    return handler != nullptr ? handler() : new TQCRbase;
}

// ---------------------------------------------------------------------------
// Operations by shape

void TQCRbase::send(const FlagOperation& operation, unsigned char on)
{
    if (m_local != nullptr)
        (m_local->*operation.run)(on);
    else
        call(kWidgetClass, operation.name, {{"#chr", operation.argument, &on}});
}

long TQCRbase::ask(const FocusOperation& operation, unsigned char on)
{
    if (m_local != nullptr)
        return (m_local->*operation.run)(on);
    long result = -1;
    call(kWidgetClass, operation.name, {{"#chr", "fl", &on}}, "#lng", &result);
    return result;
}

unsigned char TQCRbase::ask(const QueryOperation& operation)
{
    if (m_local != nullptr)
        return (m_local->*operation.run)();
    unsigned char result = 0;
    call(kWidgetClass, operation.name, {}, "#chr", &result);
    return result;
}

long TQCRbase::ask(const DrawOperation& operation)
{
    if (m_local != nullptr)
        return (m_local->*operation.run)();
    long result = 0;
    call(kWidgetClass, operation.name, {}, "#lng", &result);
    return result;
}

void TQCRbase::send(const PointOperation& operation, TQCpoint* point)
{
    if (m_local != nullptr) {
        (m_local->*operation.run)(point);
        return;
    }
    long x = point != nullptr ? point->x : 0;
    long y = point != nullptr ? point->y : 0;
    call(kWidgetClass, operation.name, {{"#lng", "x", &x}, {"#lng", "y", &y}});
}

void TQCRbase::send(const RectOperation& operation, TQCrect* area)
{
    if (m_local != nullptr) {
        (m_local->*operation.run)(area);
        return;
    }
    TQCrect none = {0, 0, 0, 0};
    const TQCrect& r = area != nullptr ? *area : none;
    long x = r.x, y = r.y;
    long w = static_cast<long>(r.width), h = static_cast<long>(r.height);
    call(kWidgetClass, operation.name,
         {{"#lng", "x", &x}, {"#lng", "y", &y}, {"#lng", "w", &w}, {"#lng", "h", &h}});
}

// ---------------------------------------------------------------------------
// Operations of their own shape

unsigned char TQCRbase::setProperty(const char* name, const TQCvariant& value)
{
    if (m_local != nullptr)
        return static_cast<unsigned char>(m_local->setProperty(name, value));
    TQCvariant copy(value);
    const char* text = copy.getCharPtr();
    unsigned char result = 0;
    call(kWidgetClass, kSetProperty, {{"#str", "prop", name}, {"#str", "val", text ? text : ""}},
         "#chr", &result);
    return result;
}

TQCvariant TQCRbase::getProperty(const char* name)
{
    if (m_local != nullptr)
        return m_local->getProperty(name);
    void* text = nullptr;
    if (callAlloc(kWidgetClass, kGetProperty, {{"#str", "prop", name}}, "#str", &text) != 0)
        return TQCvariant(static_cast<unsigned char>(0));
    if (text == nullptr)
        return TQCvariant();
    TQCvariant value(static_cast<char*>(text));
    delete[] static_cast<char*>(text);
    return value;
}

void TQCRbase::execProcedure(const char* procedureName)
{
    if (m_local != nullptr)
        m_local->execProcedure(procedureName);
    else
        call(kWidgetClass, kExecProcedureByName, {{"#str", "pn", procedureName}});
}

void TQCRbase::execProcedure(long trigger)
{
    if (m_local != nullptr)
        m_local->execProcedure(trigger);
    else
        call(kWidgetClass, kExecProcedureByTrigger, {{"#lng", "ev", &trigger}});
}

void TQCRbase::onMouseOut()
{
    if (m_local != nullptr)
        m_local->onMouseOut();
    else
        call(kWidgetClass, kOnMouseOut, {});
}

// ---------------------------------------------------------------------------
// The table's operations

void TQCRbase::setVisible(unsigned char on) { send(kSetVisible, on); }
void TQCRbase::setSensitive(unsigned char on) { send(kSetSensitive, on); }
void TQCRbase::onVisibleChange(unsigned char on) { send(kOnVisibleChange, on); }
void TQCRbase::onSensitiveChange(unsigned char on) { send(kOnSensitiveChange, on); }
void TQCRbase::onParentVisibleChange(unsigned char on) { send(kOnParentVisibleChange, on); }
void TQCRbase::onParentSensitiveChange(unsigned char on) { send(kOnParentSensitiveChange, on); }
void TQCRbase::onEditModeChange(unsigned char on) { send(kOnEditModeChange, on); }
void TQCRbase::onFocusChange(unsigned char on) { send(kOnFocusChange, on); }
void TQCRbase::onSpecialFocusChange(unsigned char on) { send(kOnSpecialFocusChange, on); }
void TQCRbase::onSelectionChange(unsigned char on) { send(kOnSelectionChange, on); }
long TQCRbase::setFocus(unsigned char on) { return ask(kSetFocus, on); }
long TQCRbase::setSpecialFocus(unsigned char on) { return ask(kSetSpecialFocus, on); }
unsigned char TQCRbase::getVisible() { return ask(kGetVisible); }
unsigned char TQCRbase::getFocus() { return ask(kGetFocus); }
unsigned char TQCRbase::getSpecialFocus() { return ask(kGetSpecialFocus); }
unsigned char TQCRbase::getSensitive() { return ask(kGetSensitive); }
long TQCRbase::draw() { return ask(kDraw); }
long TQCRbase::clear() { return ask(kClear); }
long TQCRbase::redraw() { return ask(kRedraw); }
long TQCRbase::cdraw() { return ask(kCdraw); }
void TQCRbase::onMouseIn(TQCpoint* point) { send(kOnMouseIn, point); }
void TQCRbase::onMouseMove(TQCpoint* point) { send(kOnMouseMove, point); }
void TQCRbase::onMousePress(TQCpoint* point) { send(kOnMousePress, point); }
void TQCRbase::onMouseRelease(TQCpoint* point) { send(kOnMouseRelease, point); }
void TQCRbase::onExpose(TQCrect* area) { send(kOnExpose, area); }
void TQCRbase::onResize(TQCrect* area) { send(kOnResize, area); }
