// Multi-column list: the Detail presets, a 20-pixel title band, and the
// header made with the list.
#include "_TQCverbList.h"

#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCverbList, TQClist);

namespace {

const unsigned char kTitleHeight = 20;

} // namespace

TQCverbList::TQCverbList(TQCbase* parent, const char* name) : TQClist(parent, name)
{
    setTitleBand(kTitleHeight);
    presetDisplay(this, TYPE_DETAIL, [](Registrar& r) {
        r.changeDefault<TitleHeightSlot>(_TQNtitleHeight(), kTitleHeight);
    });
}

// The header is a child of the list, made once the list has its name and
// place among its parent's children.
long TQCverbList::initialize()
{
    long result = TQClist::initialize();
    buildTitleBar();
    return result;
}
