// The drag-and-drop service: widgets register as drag sites and as drop
// sites. The platform supplies it through a create handler; without one the
// service refuses every registration.
#ifndef _TQDDRAGDROP_H
#define _TQDDRAGDROP_H

#include "_TQDres.h"

class TQCbase;

class TQDdragDrop : public TQDres {
public:
    TQ_ROOT_FRAME(TQDdragDrop, TQDres)

    virtual long registerDragSite(TQCbase* site, char* type);
    virtual long unregisterDragSite(TQCbase* site);
    virtual long registerDropSite(TQCbase* site, char* type,
                                  void (*onDrop)(TQCbase* target, TQCbase* source));
    virtual long unregisterDropSite(TQCbase* site);

    static void setCreateHandler(TQDdragDrop* (*handler)());
};

// The process's service, made on first call.
TQDdragDrop* TQGIappDragDrop();

#endif
