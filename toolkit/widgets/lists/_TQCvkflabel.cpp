// File-selector row label: construction with the highlight colours of the
// list rows kept unused until the focus comes, and the focus change.
#include "_TQCvkflabel.h"

#include "_TQCindexVariantData.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDkeyboard.h"

TQ_TYPE_SERVER_FRAME(TQCvkflabel, TQCvklabel);

// Stored without the set hooks, so that the highlight stays off.
TQCvkflabel::TQCvkflabel(TQCbase* parent, const char* name) : TQCvklabel(parent, name)
{
    m_selectColor = -7;
    m_selectForeColor = -18;
    TQCregisterClass(this, VERSION, [](Registrar&) {});
}

// Made with the registered select colours, so the row label's made values
// do not hold here.
void TQCvkflabel::getMadeValues(TQCindexVariantData* values)
{
    TQCvklabel::getMadeValues(values);
    values->del(_TQNselectColor());
    values->del(_TQNselectForeColor());
}

void TQCvkflabel::onFocusChange(unsigned char focus)
{
    if (focus && !getSensitive())
        return;
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (focus) {
        _select_back_color = m_selectColor;
        _select_fore_color = m_selectForeColor;
        if (keyboard != nullptr) {
            keyboard->setFocusInputWorkProc(_key_handler, nullptr, this, this);
            keyboard->setEnableFep(getowndev(), 0);
        }
    } else {
        _select_back_color = 0;
        _select_fore_color = 0;
        if (keyboard != nullptr)
            keyboard->resetFocusInputWorkProc();
    }
    setAbsoluteDraw(1);
    draw();
}
