// Main window: the window's class with exit on by default; setting and
// reading exit stay the window's.
#include "_TQCmainWindow.h"

#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCmainWindow, TQCwindow);

// The flag is on before any property is applied.
TQCmainWindow::TQCmainWindow(TQCbase* parent, const char* name) : TQCwindow(parent, name)
{
    m_exit = 1;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        r.changeDefault<TQCflagOf<m_exitSlot>>(_TQNexit(), 1);
    });
}
