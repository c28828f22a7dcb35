// The base of the non-graphic components: objects of the widget tree that
// are not controls (timers, spacers, balloon help, sockets, databases). At
// run time such a component paints nothing; in the builder's edit mode it
// shows as a grey outline with its caption centred in it, so that it can be
// seen and placed.
//
// What a derived component gets:
//   - a window-less widget ("nwDev") with its place and size (x, y, width,
//     height), name, userString, userValue, export and mouse, as TQCnwbase
//     keeps them;
//   - foreColor, the blink properties, vis, det and the anchors kept as
//     TQCnwbase keeps them but left out of the property builder: set and
//     read by name they still work;
//   - a drawing that shows nothing outside edit mode and the edit-mode
//     figure inside it, and an update that repaints only when one is
//     pending;
//   - the caption, "Non GUI" until the component says otherwise.
// What it must provide:
//   - its frame, TQ_CLASS_FRAME(Class, TQCngbase, Version, 1000), and the
//     class's type server (TQ_TYPE_SERVER_FRAME(Class, TQCngbase));
//   - a constructor TQCname(TQCbase* parent, const char* name) that builds
//     this part with the same arguments, registers its own properties with
//     TQCregisterClass and sets its caption with _set_title_string;
//   - a caption kept up to date with its state (it may hold several lines
//     separated by "\n"), again through _set_title_string;
//   - its behaviour (ticks, connections, queries) in its own hooks: this
//     class adds no virtual operation of its own, and a component that
//     draws at run time is not a non-graphic component.
#ifndef _TQCNGBASE_H
#define _TQCNGBASE_H

#include "_TQCnwbase.h"
#include "_TQCstring.h"

class TQCngbase : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCngbase, TQCnwbase, 1000, 1000)
    TQCngbase(TQCbase* parent, const char* name);

    // The window-less set-up; 0 even without a device.
    long _device_initialize() override;
    // Nothing outside edit mode (0); -1 without a device of its own.
    long draw() override;

    // The caption becomes a copy of text, in the application's encoding.
    void _set_title_string(const char* text);
    TQCstring& getTitleString() { return m_title; }

private:
    TQCstring m_title;
};

void* TQCngbase_create(void* parent);
void TQCngbase_delete(void* object);

#endif
