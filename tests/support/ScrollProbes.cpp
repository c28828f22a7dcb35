// The recording frame device and the shown scrolled form of the scrolling
// tests.
#include "ScrollProbes.h"

#include "_TQCbaseList.h"
#include "_TQCdevice.h"
#include "_TQCscrFrame.h"
#include "_TQCvscrBar.h"

long ScrFrameProbeDev::setValue(long key, void* value)
{
    bool frameKey = (key >= TQCscrFrame::VALUE_WORK_WIDTH && key <= TQCscrFrame::VALUE_V_OFFSET) ||
                    key == TQCscrFrame::VALUE_TITLE_HEIGHT;
    if (!frameKey)
        return RecordingWindowDev::setValue(key, value);
    containerLog().push_back("frame " + std::to_string(key) + "=" +
                             std::to_string(*static_cast<unsigned short*>(value)));
    return FakeWindowDev::setValue(key, value);
}

// The frame and the bars get their recording devices before the form is
// shown, which would give them the platform's.
ScrFormInWindow::ScrFormInWindow() : window(std::make_unique<SampleWindow>(nullptr, "win"))
{
    window->initialize();
    window->setVisible(1);
    form = new ProbeScrForm(window.get(), "sf");
    form->initialize();
    frame = form->getScrFrame();
    hbar = form->getHScrBar();
    vbar = form->getVScrBar();
    form->setProperty("width", TQCvariant(300L));
    form->setProperty("height", TQCvariant(200L));
    frame->setdev(new ScrFrameProbeDev);
    hbar->setdev(new FakeNwDev);
    vbar->setdev(new FakeNwDev);
    form->setVisible(1);
    TQGIappObjectList()->execUpdate();
    containerLog().clear();
}

ScrFormInWindow::~ScrFormInWindow()
{
    window.reset();
    TQGIappDevice()->clearDeleteList();
}

void ScrFormInWindow::set(const char* name, long v)
{
    form->setProperty(name, TQCvariant(v));
    TQGIappObjectList()->execUpdate();
}

long ScrFormInWindow::value(const char* name)
{
    return form->getProperty(name).getLong();
}
