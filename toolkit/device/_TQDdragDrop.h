// The drag-and-drop service: widgets register as drag sites and as drop
// sites. The platform supplies it through a create handler; without one the
// service refuses every registration.
#ifndef _TQDDRAGDROP_H
#define _TQDDRAGDROP_H

#include "_TQDcreateInstance.h"
#include "_TQDres.h"

class TQCbase;

class TQDdragDrop : public TQDres {
public:
    TQ_ROOT_FRAME(TQDdragDrop, TQDres)
    TQ_CREATE_HANDLER_FRAME(TQDdragDrop)

    virtual long registerDragSite(TQCbase* site, char* type);
    virtual long unregisterDragSite(TQCbase* site);
    virtual long registerDropSite(TQCbase* site, char* type,
                                  void (*onDrop)(TQCbase* target, TQCbase* source));
    virtual long unregisterDropSite(TQCbase* site);

    // The platform's service, as TQ_PLATFORM_FACTORY installs it.
    static void setCreateHandler(CreateInstanceHandler handler)
    {
        setCreateInstanceHandler(handler);
    }
};

// The process's service, made on first call.
TQDdragDrop* TQGIappDragDrop();

#endif
