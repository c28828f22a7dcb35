// The process-wide mouse service: the button state of the event being
// delivered, the pointer grab, the cursor table (sorted by cursor id, each id
// once), an application-wide cursor override and a global hook that sees
// every mouse event before the widgets. The platform derives from it and
// supplies it through a create-instance handler.
#ifndef _TQDMOUSE_H
#define _TQDMOUSE_H

#include "TQtypes.h"
#include "_TQClistData.h"
#include "_TQCroot.h"
#include "_TQDcreateInstance.h"

class TQCbase;
class TQCmouseData;

class TQDmouse : public TQCroot {
public:
    // Status bits of the buttons held during the current event.
    enum { STATUS_BUTTON1 = 0x100, STATUS_BUTTON2 = 0x200, STATUS_BUTTON3 = 0x400 };

    // Sees a mouse event (its trigger code and the widget) before delivery;
    // 0 stops the event.
    typedef unsigned char (*GlobalMouseHook)(long event, TQCbase* obj);

    TQDmouse();
    ~TQDmouse() override;
    TQ_ROOT_FRAME(TQDmouse, TQCroot)

    // The platform's part; the base knows no pointer and does nothing.
    virtual long getMousePosition(short* x, short* y);
    virtual long getMousePosition(short* x, short* y, TQCbase* relativeTo);
    virtual unsigned long getMouseStatus() = 0;
    virtual void setMousePosition(short x, short y);
    virtual void setMouseCursor(long id);
    virtual void setupMouseCursor(char* entry);
    virtual void initialize();
    virtual void resetMouseCursors();
    // Removes the entry at a 0-based position; positions outside the table
    // are ignored.
    virtual void delMouseCursor(long position);

    TQ_CREATE_HANDLER_FRAME(TQDmouse)

    void setStatus(u32 status) { m_status = status; }
    u32 getStatus() const { return m_status; }
    void setTargetBtn(u32 button) { m_targetBtn = button; }
    u32 getTargetBtn() const { return m_targetBtn; }

    void setMouseFocusClient(TQCbase* client) { m_focusClient = client; }
    TQCbase* getMouseFocusClient() const { return m_focusClient; }
    void setMouseUngrabClient(TQCbase* client) { m_ungrabClient = client; }
    TQCbase* getMouseUngrabClient() const { return m_ungrabClient; }

    // Adds the cursor, or gives an existing id the new handle and name.
    long addMouseCursor(long id, long handle, const char* name);
    // -1 past the end of the table.
    long getMouseCursorId(long position) const;
    // "" for a cursor without name, null for an unknown id.
    char* getMouseCursorName(long id) const;
    // The handle for an id (the override id, when set, replaces it); falls
    // back to cursor 0, then to the first cursor; 0 for an empty table.
    long getMouseCursor(long id) const;

    void setGlobalMouseHook(GlobalMouseHook hook) { m_hook = hook; }
    GlobalMouseHook getGlobalMouseHook() const { return m_hook; }
    // The hook's answer; 1 when no hook is installed.
    unsigned char execGlobalMouseHook(long event, TQCbase* obj);

    void setGlobalMouseId(short id) { m_globalMouseId = id; }
    void resetGlobalMouseId() { m_globalMouseId = -1; }
    short getGlobalMouseId() const { return m_globalMouseId; }
    unsigned char getGlobalMouseIdStatus() const { return m_globalMouseId != -1 ? 1 : 0; }

    void setGlobalMouseSensitive(unsigned char on) { m_globalMouseSensitive = on; }
    unsigned char getGlobalMouseSensitive() const { return m_globalMouseSensitive; }

private:
    TQCmouseData* entryAt(long position) const;
    TQCmouseData* findEntry(long id) const;
    void insertSorted(TQCmouseData* entry);

    TQClistData m_cursors;
    u32 m_targetBtn;
    u32 m_status;
    TQCbase* m_focusClient;
    GlobalMouseHook m_hook;
    short m_globalMouseId;
    unsigned char m_globalMouseSensitive;
    TQCbase* m_ungrabClient;
};

// The process's mouse, made by the installed handler on first call; null
// while none is installed.
TQDmouse* TQGIappMouse();

#endif
