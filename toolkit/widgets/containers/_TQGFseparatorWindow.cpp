// The grey drag bars shared by the split form and the floating form.
#include "_TQGFseparatorWindow.h"

#include "_TQCwindow.h"
#include "_TQN.h"

TQCwindow* TQGFnewSeparatorWindow()
{
    TQCwindow* bar = new TQCwindow(nullptr, "sform_sep_window");
    bar->initialize();
    bar->setPropertyV(_TQNtitleBar(), static_cast<char>(TQCwindow::TITLE_BAR_OVERRIDE_REDIRECT));
    bar->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(0));
    bar->setPropertyV(_TQNbackColor(), "#606060");
    bar->setPropertyV(_TQNindicatorOn(), static_cast<unsigned char>(0));
    return bar;
}

void TQGFplaceSeparatorWindow(TQCwindow* bar, long x, long y, long w, long h)
{
    bar->setProperty(_TQNx(), TQCvariant(x));
    bar->setProperty(_TQNy(), TQCvariant(y));
    bar->setProperty(_TQNwidth(), TQCvariant(w));
    bar->setProperty(_TQNheight(), TQCvariant(h));
    if (!bar->getOwnVisible())
        bar->setVisible(1);
}
