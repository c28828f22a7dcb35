// The scene of the control tests.
#include "ControlScene.h"

#include "FakeAppDev.h"
#include "RecordingKeyboard.h"
#include "TQDwinCodeConvert.h"
#include "_TQCfontSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCimageSet.h"
#include "_TQDkeyboard.h"

namespace {

TQDkeyboard* recordingKeyboard()
{
    return new RecordingKeyboard;
}

// The services keep the first object they make for the process. Text goes
// through the platform's own code converter.
bool installFakes()
{
    TQDcodeConvert::_set_code_convert_handler(_code_convert_create_handler_);
    TQGIappCodeConvert()->initialize();
    TQDkeyboard::setCreateInstanceHandler(recordingKeyboard);
    TQDtimer::setCreateInstanceHandler(FakeTimer::create);
    TQDmouse::setCreateInstanceHandler(FakeMouse::create);
    TQDappDev::setCreateInstanceHandler(FakeAppDev::create);
    TQGIappFontSet()->addFont(new FakeFont(0));
    TQGIappFontSet()->setDefaultFont(0);
    return true;
}

} // namespace

std::vector<std::string>& triggerLog()
{
    static std::vector<std::string> entries;
    return entries;
}

ControlScene::ControlScene()
{
    static bool installed = installFakes();
    (void)installed;
    // Set again for every scene: a test without the scene may have put the
    // platform's images back.
    TQGIappImageSet()->setCreateHandler(FakeImage::create);
    savedPolicy = TQGIappGuiPolicy()->getGuiPolicy();
    TQGIappGuiPolicy()->setGuiPolicy(TQCguiPolicy::LOOK_B, 0);
    form->setVisible(1);
    TQGIappObjectList()->execUpdate();
    triggerLog().clear();
}

ControlScene::~ControlScene()
{
    TQGIappGuiPolicy()->setGuiPolicy(savedPolicy, 0);
}

void ControlScene::place(TQCbase* control, long x, long y, long w, long h)
{
    for (auto [prop, v] : {std::pair{"x", x}, {"y", y}, {"width", w}, {"height", h}})
        control->setProperty(prop, TQCvariant(v));
    control->setVisible(1);
    TQGIappObjectList()->execUpdate();
    draw.clear();
    containerLog().clear();
}

long ControlScene::send(TQCbase* control, long event, long x, long y)
{
    TQCpoint point = {x, y};
    return control->execEventProc(event, &point);
}

std::vector<std::string> ControlScene::repaint(TQCbase* control)
{
    draw.clear();
    control->setAbsoluteDraw(1);
    control->draw();
    return draw.callStrings();
}

FakeTimer* ControlScene::timer()
{
    return static_cast<FakeTimer*>(TQGIappTimer());
}

TQDkeyboard* ControlScene::keyboard()
{
    return TQGIappKeyboard();
}
