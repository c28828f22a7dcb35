// The sample widget family: what each class registers, and recorded hooks.
#include "SampleWidgets.h"

#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <cstring>
#include <new>

// The class's own new hands out the global allocation that its delete gives
// back after poisoning it; once that new is inlined into a new-expression of
// this file, GCC (at -O1 and -O2) no longer pairs the two and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

std::vector<std::string>& sampleLog()
{
    static std::vector<std::string> entries;
    return entries;
}

// ---------------------------------------------------------------------------

SampleWidget::SampleWidget(TQCbase* parent, const char* name) : TQCbase(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        r.notifySets(&SampleWidget::noteSet);
        r.field<&SampleWidget::x>(_TQNx(), 0);
        r.field<&SampleWidget::y>(_TQNy(), 0);
        r.field<&SampleWidget::width>(_TQNwidth(), 10);
        r.field<&SampleWidget::height>(_TQNheight(), 10);
        r.field<&SampleWidget::labelString>(_TQNlabelString(), nullptr);
        r.field<&SampleWidget::foreColor>(_TQNforeColor(), 0);
        r.field<&SampleWidget::labelPixmap>(_TQNlabelPixmap(), -1);
        r.field<&SampleWidget::userValue>(_TQNuserValue(), 0);
        r.field<&SampleWidget::mouse>(_TQNmouse(), 0);
        r.field<TQCflag<&SampleWidget::vis>>(_TQNvis(), 1);
        r.triggers({ TQEV_VISIBLE_CH, TQEV_PARENT_VISIBLE_CH, TQEV_EXPOSE, TQEV_RESIZE,
                     TQEV_MOUSE_IN, TQEV_MOUSE_OUT, TQEV_MOUSE_PRESS, TQEV_MOUSE_RELEASE,
                     TQEV_MOUSE_MOVE });
    });
}

SampleWidget::~SampleWidget()
{
    delete[] labelString;
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
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        r.notifySets(&SampleWidget::noteSet);
        r.field<TQCflag<&SampleButton::twinBlink>>(_TQNtwinBlink(), 0);
        r.field<&SampleButton::interval>(_TQNinterval(), 250);
        r.field<&SampleButton::barValue>(_TQNbarValue(), 0);
        r.field<&SampleButton::workWidth>(_TQNworkWidth(), 0);
        r.field<&SampleButton::cont>(_TQNcont(), 0);
        r.field<&SampleButton::shadowThickness>(_TQNshadowThickness(), 2);
        r.field<&SampleButton::maxLength>(_TQNmaxLength(), 0);
        r.field<&SampleButton::extension>(_TQNextension(), nullptr);
        // A property of an unknown type can be listed but not set or read.
        r.info()->addProperty(_TQNrunning(), r.className(), r.noCast(), "record", nullptr,
                              nullptr, nullptr, "");
        r.triggers({ TQEV_ACTIVATE });
    });
}

// ---------------------------------------------------------------------------

SampleForm::SampleForm(TQCbase* parent, const char* name) : SampleWidget(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        r.notifySets(&SampleWidget::noteSet);
        r.field<&SampleForm::titleString>(_TQNtitleString(), "form");
        r.changeDefault<&SampleForm::width>(_TQNwidth(), 100);
        r.withdraw(_TQNlabelPixmap());
        r.triggers({ TQEV_VALUE_CH });
        r.info()->setExtTrigger(36, "STATUS-CH");
    });
}

SampleForm::~SampleForm()
{
    deleteOwnedChildren(children);
    delete[] titleString;
}

// ---------------------------------------------------------------------------

SampleCombo::SampleCombo(TQCbase* parent, const char* name) : SampleForm(parent, name)
{
    TQCregisterClass(this, VERSION,
                     [](Registrar& r) { r.info()->setDelTrigger(TQEV_MOUSE_PRESS); });
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
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        r.notifySets(&SampleWidget::noteSet);
        r.field<&SampleStale::interval>(_TQNinterval(), 7);
    });
}
