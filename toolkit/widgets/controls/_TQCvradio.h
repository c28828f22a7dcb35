// The radio button: a toggle with a smaller indicator in the window colour
// and no frame around it. With unique on the indicator is a sunken disc
// with a dot while on, otherwise a sunken square with a tick. The lists'
// radio group builds its members from it.
#ifndef _TQCVRADIO_H
#define _TQCVRADIO_H

#include "_TQCvtoggle.h"

// What an extended look's "TQCvradio::draw" procedure is handed: the
// toggle's block.
typedef TQCvtoggleDrawBlock TQCvradioDrawBlock;

class TQCvradio : public TQCvtoggle {
public:
    TQ_CLASS_FRAME(TQCvradio, TQCvtoggle, 1000, 1000)
    TQ_LOOK_HOOK(TQCvradio, TQCvradioDrawBlock)
    TQCvradio(TQCbase* parent, const char* name);


protected:
    // No frame around the control.
    void drawFrame(TQDdev*, const Look&) override {}
    void drawIndicator(TQDdev* dev, const Look& look) override;

private:
    void drawDisc(TQDdev* dev, TQCpoint at);
    void drawCheck(TQDdev* dev, TQCpoint at);
};

void* TQCvradio_create(void* parent);
void TQCvradio_delete(void* object);

#endif
