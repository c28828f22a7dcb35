// One of the nine grip handles the builder shows round a selected object:
// a small form that, while the first button is held on it, polls the
// pointer every 100 ms and hands the pointer's offset from its centre to
// the geometry handler that moves or resizes its client.
#ifndef _TQCGRIPHAND_H
#define _TQCGRIPHAND_H

#include "_TQCform.h"

class TQDprivateTimer;

class TQCgripHand : public TQCform {
public:
    TQ_CLASS_FRAME(TQCgripHand, TQCform, 1000, 1010)
    TQCgripHand(TQCbase* parent, const char* name);
    // Stops the drag and leaves the client's list of handles.
    ~TQCgripHand() override;

    // Records the client's state as an undo step and starts the drag.
    void onMousePress(TQCpoint* point) override;
    // Ends the drag and redraws the client.
    void onMouseRelease(TQCpoint* point) override;
    long _device_initialize() override;
    long getObjectType() override { return OBJECT_CONTAINER | OBJECT_NATIVE_WINDOW; }

    static void _grip_hand_update_proc(void* handle);

private:
    TQDprivateTimer* m_dragTimer = nullptr;
};

// A handle for the client, inside it on its own device, 10 x 10, not yet
// shown.
TQCbase* TQGFgetNewGripHand(TQCbase* client);

void* TQCgripHand_create(void* parent);
void TQCgripHand_delete(void* object);

#endif
