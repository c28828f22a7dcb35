// The balloon help: a small frameless window, kept above the others, that
// shows a help text near the pointer. Widgets are registered with it with
// their texts; a short while after the pointer has entered one, the
// balloon opens beside the pointer, and leaving the widget or pressing a
// button in it closes it. One shared instance serves the application; the
// keyboard makes a private one for its input-mode window.
#ifndef _TQCBALLOONHELP_H
#define _TQCBALLOONHELP_H

#include "_TQCwindow.h"

class TQCvlabel;

class TQCballoonHelp : public TQCwindow {
public:
    TQ_CLASS_FRAME(TQCballoonHelp, TQCwindow, 1000, 1000)
    TQCballoonHelp(TQCbase* parent, const char* name);
    // Every client is unregistered first, so that none keeps procedures or
    // a pending pop-up that lead here.
    ~TQCballoonHelp() override;

    // The border, the override-redirect frame and the inner label, sized.
    long initialize() override;
    void getMadeValues(TQCindexVariantData* values) override;
    // A pop-up window without frame, kept above all others.
    long _device_initialize() override;

    TQ_PROPERTY_WORK_HOOK(font, unsigned char)
    TQ_PROPERTY_WORK_HOOK(labelString, char*)

    // Sizes the balloon and its label from the label's text: the widest
    // line plus 20 by the line height times the lines plus 10. Lines end at
    // a backslash followed by n or, when there is none, at line feeds.
    virtual long _adjust();

    // Shown at (x, y) of the screen with text, as given.
    void popup(const char* text, short x, short y);
    void popdown();
    // New text, sized again; shown or hidden as before.
    void setString(const char* text);
    // 0, or -1 when the client is registered already (its first text
    // stays). A null text counts as "".
    long registerClient(TQCbase* client, const char* text);
    // 0, or -1 when the client is not registered. A pending pop-up of the
    // client is removed, and a balloon shown for it is hidden.
    long unregisterClient(TQCbase* client);

    // The internal procedures a client is given: on mouse-in (arms the
    // pop-up), on mouse-out and button press (disarms, hides), on deletion
    // (unregisters).
    static void _balloon_help_popup(TQCbase* client);
    static void _balloon_help_popdown(TQCbase* client);
    static void _balloon_help_unregister(TQCbase* client);
    // The application timer's one-shot: shows the client's text when the
    // pointer is still inside the client, edges included.
    static void _popup_after_secs_(unsigned char tick, void* client);

private:
    TQClistData m_clients;
    TQCvlabel* m_label = nullptr;
    char* m_labelString = nullptr;
    unsigned char m_font : 4;
    TQ_BIT_FIELD_SLOT(m_font)
};

// The application's balloon, "app-balloonhelp", made and initialised on the
// first call; never destroyed.
TQCballoonHelp* TQGIappBalloonHelp();

void* TQCballoonHelp_create(void* parent);
void TQCballoonHelp_delete(void* object);

#endif
