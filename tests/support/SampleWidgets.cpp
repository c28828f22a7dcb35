// The sample widget family: registration of properties and triggers in the
// first constructor, value handlers, recorded hooks.
#include "SampleWidgets.h"

#include "_TQCclassInformation.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <cstring>
#include <new>

namespace {

// Handlers of a property kept in field Field of class Owner; every set is
// noted on the widget under the property's name.
template <typename Owner, typename T, T Owner::*Field, char* (*Name)()>
void setField(void* object, void* value)
{
    Owner* owner = static_cast<Owner*>(object);
    owner->*Field = *static_cast<T*>(value);
    owner->noteSet(Name());
}

template <typename Owner, typename T, T Owner::*Field>
void getField(void* object, void* value)
{
    *static_cast<T*>(value) = static_cast<Owner*>(object)->*Field;
}

template <typename T, long V>
void defaultOf(void* value)
{
    *static_cast<T*>(value) = static_cast<T>(V);
}

void noPointer(void* value)
{
    *static_cast<void**>(value) = nullptr;
}

void noText(void* value)
{
    *static_cast<char**>(value) = nullptr;
}

void formTitle(void* value)
{
    *static_cast<char**>(value) = TQGFstrdup("form");
}

template <typename Owner, typename T, T Owner::*Field, char* (*Name)()>
TQCproperty* add(TQCclassInformation* info, const char* className, unsigned char noCast,
                 const char* typeName, TQCproperty::DefaultHandler def)
{
    TQCproperty* prop = info->addProperty(Name(), className, noCast, typeName,
                                          setField<Owner, T, Field, Name>,
                                          getField<Owner, T, Field>, def, "");
    prop->setInit(1);
    return prop;
}

const char* const kWidget = "SampleWidget";
const char* const kButton = "SampleButton";
const char* const kForm = "SampleForm";

} // namespace

std::vector<std::string>& sampleLog()
{
    static std::vector<std::string> entries;
    return entries;
}

// ---------------------------------------------------------------------------

SampleWidget::SampleWidget(TQCbase* parent, const char* name) : TQCbase(parent, name)
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    if (!checkVersion(1000))
        reportRecompile(kWidget);
    TQCclassInformation* info = getClassInformation();
    unsigned char noCast = canBurstCast(this);
    typedef SampleWidget W;
    add<W, short, &W::x, _TQNx>(info, kWidget, noCast, "short", defaultOf<short, 0>);
    add<W, short, &W::y, _TQNy>(info, kWidget, noCast, "short", defaultOf<short, 0>);
    add<W, unsigned short, &W::width, _TQNwidth>(info, kWidget, noCast, "unsigned short",
                                                 defaultOf<unsigned short, 10>);
    add<W, unsigned short, &W::height, _TQNheight>(info, kWidget, noCast, "unsigned short",
                                                   defaultOf<unsigned short, 10>);
    add<W, char*, &W::labelString, _TQNlabelString>(info, kWidget, noCast, "char*", noText);
    add<W, short, &W::foreColor, _TQNforeColor>(info, kWidget, noCast, "short",
                                                defaultOf<short, 0>);
    add<W, short, &W::labelPixmap, _TQNlabelPixmap>(info, kWidget, noCast, "short",
                                                    defaultOf<short, -1>);
    add<W, long, &W::userValue, _TQNuserValue>(info, kWidget, noCast, "long", defaultOf<long, 0>);
    add<W, unsigned short, &W::mouse, _TQNmouse>(info, kWidget, noCast, "unsigned short",
                                                 defaultOf<unsigned short, 0>);
    add<W, TQCbool, &W::vis, _TQNvis>(info, kWidget, noCast, "TQCbool", defaultOf<TQCbool, 1>);
    const long triggers[] = { TQEV_VISIBLE_CH, TQEV_PARENT_VISIBLE_CH, TQEV_EXPOSE, TQEV_RESIZE,
                              TQEV_MOUSE_IN, TQEV_MOUSE_OUT, TQEV_MOUSE_PRESS,
                              TQEV_MOUSE_RELEASE, TQEV_MOUSE_MOVE };
    for (long code : triggers)
        info->setTrigger(code);
}

SampleWidget::~SampleWidget()
{
    delete[] labelString;
}

TQCbase* SampleWidget::createInstance(TQCbase* parent, const char* name)
{
    return new SampleWidget(parent, name);
}

void* SampleWidget::operator new(std::size_t size)
{
    return ::operator new(size);
}

void SampleWidget::operator delete(void* p, std::size_t size)
{
    std::memset(p, 0xA5, size);
    ::operator delete(p);
}

long SampleWidget::setCount(const std::string& property) const
{
    long n = 0;
    for (const std::string& s : sets)
        n += s == property ? 1 : 0;
    return n;
}

void SampleWidget::log(const char* hook)
{
    sampleLog().push_back(std::string(getInstanceName()) + "." + hook);
}

void SampleWidget::onExpose(TQCrect*)
{
    log("onExpose");
}

void SampleWidget::onResize(TQCrect* area)
{
    log(area != nullptr ? "onResize" : "onResize(null)");
}

void SampleWidget::onMousePress(TQCpoint*)
{
    log("onMousePress");
}

void SampleWidget::onMouseDoubleClick(TQCpoint*)
{
    log("onMouseDoubleClick");
}

void SampleWidget::onMouseRelease(TQCpoint*)
{
    log("onMouseRelease");
}

void SampleWidget::onMouseMove(TQCpoint*)
{
    log("onMouseMove");
}

void SampleWidget::onMouseOut()
{
    log("onMouseOut");
}

long SampleWidget::draw()
{
    log("draw");
    return 0;
}

void SampleWidget::update()
{
    log("update");
    TQCbase::update();
}

// ---------------------------------------------------------------------------

SampleButton::SampleButton(TQCbase* parent, const char* name) : SampleWidget(parent, name)
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    if (!checkVersion(1001))
        reportRecompile(kButton);
    TQCclassInformation* info = getClassInformation();
    unsigned char noCast = canBurstCast(this);
    typedef SampleButton B;
    add<B, TQCbool, &B::twinBlink, _TQNtwinBlink>(info, kButton, noCast, "TQCbool",
                                                  defaultOf<TQCbool, 0>);
    add<B, long, &B::interval, _TQNinterval>(info, kButton, noCast, "int", defaultOf<long, 250>);
    add<B, double, &B::barValue, _TQNbarValue>(info, kButton, noCast, "double",
                                               defaultOf<double, 0>);
    add<B, float, &B::workWidth, _TQNworkWidth>(info, kButton, noCast, "float",
                                                defaultOf<float, 0>);
    add<B, char, &B::cont, _TQNcont>(info, kButton, noCast, "char", defaultOf<char, 0>);
    add<B, unsigned char, &B::shadowThickness, _TQNshadowThickness>(
        info, kButton, noCast, "unsigned char", defaultOf<unsigned char, 2>);
    add<B, unsigned long, &B::maxLength, _TQNmaxLength>(info, kButton, noCast, "unsigned long",
                                                        defaultOf<unsigned long, 0>);
    add<B, void*, &B::extension, _TQNextension>(info, kButton, noCast, "void*",
                                                noPointer);
    // A property of an unknown type can be listed but not set or read.
    info->addProperty(_TQNrunning(), kButton, noCast, "record", nullptr, nullptr, nullptr, "");
    info->setTrigger(TQEV_ACTIVATE);
}

SampleButton::~SampleButton() = default;

TQCbase* SampleButton::createInstance(TQCbase* parent, const char* name)
{
    return new SampleButton(parent, name);
}

// ---------------------------------------------------------------------------

SampleForm::SampleForm(TQCbase* parent, const char* name) : SampleWidget(parent, name)
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    if (!checkVersion(1010))
        reportRecompile(kForm);
    TQCclassInformation* info = getClassInformation();
    unsigned char noCast = canBurstCast(this);
    typedef SampleForm F;
    add<F, char*, &F::titleString, _TQNtitleString>(info, kForm, noCast, "char*", formTitle);
    info->changeDefault(_TQNwidth(), kForm, "unsigned short", defaultOf<unsigned short, 100>);
    info->withdrawProperty(_TQNlabelPixmap(), kForm);
    info->setTrigger(TQEV_VALUE_CH);
    info->setExtTrigger(36, "STATUS-CH");
}

TQCbase* SampleForm::createInstance(TQCbase* parent, const char* name)
{
    return new SampleForm(parent, name);
}

// Each child takes itself out of the list as it goes.
SampleForm::~SampleForm()
{
    while (children.getNum() > 0) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(0));
        delete child;
        if (children.getNum() > 0 && children.getData(0) == child)
            children.delPos(0);
    }
    delete[] titleString;
}

// ---------------------------------------------------------------------------

SampleCombo::SampleCombo(TQCbase* parent, const char* name) : SampleForm(parent, name)
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    if (!checkVersion(1010))
        reportRecompile("SampleCombo");
    getClassInformation()->setDelTrigger(TQEV_MOUSE_PRESS);
}

TQCbase* SampleCombo::createInstance(TQCbase* parent, const char* name)
{
    return new SampleCombo(parent, name);
}

long SampleCombo::initialize()
{
    SampleForm::initialize();
    std::string partName = std::string(getInstanceName()) + "-btn";
    part = new SampleButton(this, partName.c_str());
    part->setInternalObject(1);
    part->initialize();
    return 0;
}

// ---------------------------------------------------------------------------

SampleStale::SampleStale(TQCbase* parent, const char* name) : SampleWidget(parent, name)
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    if (!checkVersion(1000))
        reportRecompile("SampleStale");
    TQCclassInformation* info = getClassInformation();
    typedef SampleStale S;
    add<S, long, &S::interval, _TQNinterval>(info, "SampleStale", canBurstCast(this), "long",
                                             defaultOf<long, 7>);
}
