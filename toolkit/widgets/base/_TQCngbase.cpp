// Non-graphic component base: the hidden properties, the caption and the
// edit-mode figure.
#include "_TQCngbase.h"

#include "_TQCcolorSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"

TQ_TYPE_SERVER_FRAME(TQCngbase, TQCnwbase);

namespace {

const char kClassName[] = "TQCngbase";
const char kOutlineColor[] = "gray55";
// Centred across and down.
const char kCentred = 2;

} // namespace

TQCngbase::TQCngbase(TQCbase* parent, const char* name)
    : TQCnwbase(parent, name), m_title("Non GUI", -2)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        for (const char* hidden :
             {_TQNblinkColor(), _TQNblinkRate(), _TQNtwinBlink(), _TQNblinkFlag(),
              _TQNblinkRefreshing(), _TQNforeColor(), _TQNvis(), _TQNdet(), _TQNanchorTop(),
              _TQNanchorBottom(), _TQNanchorLeft(), _TQNanchorRight(), _TQNanchorTopFlag(),
              _TQNanchorBottomFlag(), _TQNanchorLeftFlag(), _TQNanchorRightFlag()})
            r.hide(hidden);
    });
}

long TQCngbase::_device_initialize()
{
    TQCnwbase::_device_initialize();
    return 0;
}

void TQCngbase::_set_title_string(const char* text)
{
    m_title.setString(text != nullptr ? text : "", -2);
}

// The update marks are cleared whether or not anything is painted.
long TQCngbase::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    if (!drawWanted(kClassName, __LINE__))
        return 0;
    unsigned char whole = getAbsoluteDraw();
    TQCbase::update();
    setAbsoluteDraw(0);
    if (!getPropertyEditMode())
        return 0;
    TQDdev* dev = getowndev();
    if (dev->beginDraw(m_x, m_y, m_width, m_height, whole, 1) != 0)
        return 0;
    dev->setForeColor(TQGIappColorSet()->getColorNo(kOutlineColor));
    dev->setLineWidth(1);
    dev->drawRect(0, 0, m_width, m_height);
    dev->drawString(0, 0, m_width, m_height, &m_title, 0, kCentred, -1, 0, 0, 0);
    dev->endDraw();
    return 0;
}
