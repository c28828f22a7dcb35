// A colour resource: its source is the colour name ("#rrggbb", "#rgb" or a
// platform colour name); naming it realises it on the platform at once.
#ifndef _TQDCOLOR_H
#define _TQDCOLOR_H

#include "_TQDres.h"

class TQDcolor : public TQDres {
public:
    TQDcolor();
    TQ_ROOT_FRAME(TQDcolor, TQDres)

    long setColorName(const char* name);
    char* getColorName() { return getSrc(); }

    long setUsePrivateCell(unsigned char on);
    unsigned char getUsePrivateCell() const { return m_usePrivateCell; }

    // Components read from a "#" name alone; -1 for any other name. A
    // platform class may answer from its realised colour instead.
    virtual long getRGB(long* r, long* g, long* b);
    virtual long getAlpha();

private:
    unsigned char m_usePrivateCell;
};

#endif
