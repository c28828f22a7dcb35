// Drag and drop inside the program on Win32: a press on a drag site starts
// a drag, shown by the cursor of the site's form device, and the next
// button release on any form device ends it over the drop site whose window
// is under the pointer, if any. No system protocol is involved.
#ifndef TQDWINDRAGDROP_H
#define TQDWINDRAGDROP_H

#include "_TQClistData.h"
#include "_TQDdragDrop.h"

class TQDwinformDev;

class TQDwinDragDrop : public TQDdragDrop {
public:
    // The cursor a drag shows on its source's device.
    enum { DRAG_CURSOR = 154 };

    TQDwinDragDrop() = default;
    TQ_ROOT_FRAME(TQDwinDragDrop, TQDdragDrop)

    // A site that is already one only takes the new message. 0; -1 for no
    // site or when the site refuses the press procedure. A site that is
    // not registered is left alone by the unregistering.
    long registerDragSite(TQCbase* site, char* message) override;
    // A drag that runs goes on until the next release. 0.
    long unregisterDragSite(TQCbase* site) override;
    // dropProc gets (target, source) when a drag ends over the site's
    // window; only sites with a form device of their own can be hit, the
    // last registered first. 0.
    long registerDropSite(TQCbase* site, char* message,
                          void (*dropProc)(TQCbase* target, TQCbase* source)) override;
    long unregisterDropSite(TQCbase* site) override;

    unsigned char getDragState() const { return m_dragging; }
    // Ends a running drag: the drop procedure of the site under the
    // pointer, then the source's cursor as it was. Without a drag it only
    // forgets the source.
    void executeDrop();

    // The MOUSE_PRESS procedure of every drag site.
    static void _btn_press_drag_start(TQCbase* site);

private:
    void startDrag(TQCbase* site);
    TQCbase* dropSiteUnderPointer();
    // The source's form device: its own, else its device's parent.
    static TQDwinformDev* formDeviceOf(TQCbase* widget);
    static void showCursorOf(TQDwinformDev* device, unsigned short id);

    TQClistData m_dropSites;
    TQCbase* m_source = nullptr;
    unsigned char m_dragging = 0;
    unsigned short m_savedCursor = 0;
};

TQDdragDrop* _winDrag_drop_create_handler_();
void TQGFinitializeWinDragDrop();
// The application's drag-and-drop service as the Win32 one, or null.
TQDwinDragDrop* TQGIwinAppDragDrop();

#endif
