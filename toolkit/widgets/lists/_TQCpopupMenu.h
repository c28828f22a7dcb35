// The pop-up menu: a menu window attached to client widgets, which opens at
// the pointer when the third button is pressed on one of them, or is run
// modally by popup(). A choice runs the menu's VALUE_CH procedures, hides
// it, then runs its procedures named by the chosen entry. Only one pop-up
// menu of the program is open at a time.
#ifndef _TQCPOPUPMENU_H
#define _TQCPOPUPMENU_H

#include "_TQCpulldownMenuPopup.h"

class TQCprocedure;
class TQDdev;
class TQDkeyboard;

class TQCpopupMenu : public TQCpulldownMenuPopup {
public:
    TQ_CLASS_FRAME(TQCpopupMenu, TQCpulldownMenuPopup, 1000, 1000)
    TQCpopupMenu(TQCbase* parent, const char* name);
    // An open menu is closed first, and every client let go.
    ~TQCpopupMenu() override;

    // Opens at the pointer and returns once it has closed: 0, or -1 when it
    // could not open (another pop-up menu is open, the pointer cannot be
    // read, or the window did not show).
    long popup();
    // Closes without running an entry. 0.
    long popdown();
    // With recursive, the client's container descendants too. 0.
    long registerClient(TQCbase* client, unsigned char recursive);
    long unregisterClient(TQCbase* client);
    // Append to menuItems. 0.
    long addItem(char* label, char* procName, char* shortcut, long id, char* imageName);
    long beginCascade(char* label);
    long endCascade();

    // Event 59, a grab lost to another window, closes the menu first.
    long execEventProc(long event, void* data) override;
    void onMouseMove(TQCpoint* point) override;
    void onMousePress(TQCpoint*) override {}
    void onMouseRelease(TQCpoint* point) override;

    TQ_PROPERTY_HOOKS(client, void*)
    // Runs the ACTIVATE procedures.
    virtual void onActivate();

    // The pop-up menu open now, or null.
    static TQCpopupMenu* _popuped_instance;

private:
    static void registerProperties(Registrar& r);

    // Opening and closing.
    long _popup_menu();
    void placeAt(short x, short y);
    void forgetOpening();
    void choose();
    void _popdown_and_execute();
    // Hides the menu and lets go of every claim; false when that deleted
    // it. Then the choice, the modal run and the client are forgotten.
    bool close();
    void forgetChoice();
    void takeGrab(TQCbase* target);
    void releaseGrab();
    static TQDdev* grabDevice(TQCbase* target);
    void flipToggle(short id);
    static void _key_handler(void* menu, TQDkeyboard* keyboard, unsigned char pressed);
    bool runShortcut(unsigned char c);
    void closeByKey(TQDkeyboard* keyboard);
    // Gives the grab back and ends the client's part in the opening; false
    // when no press of the client popped the menu.
    bool finishWithClient(TQCbase* client, TQCbase* target);
    // Whatever way the menu closes: the pressed widget's mouse flags off,
    // the client no longer marked as showing it.
    void releaseClient();

    // Clients.
    void attach(TQCbase* client, unsigned char recursive, bool descendant);
    void detach(TQCbase* client, bool deleteNow);
    static void _on_btn_press(TQCbase* w);
    static void _on_btn_release(TQCbase* w);
    static void _on_btn_move(TQCbase* w);
    static void _on_btn_press_recursive(TQCbase* d);
    static void _on_btn_release_recursive(TQCbase* d);
    static void _on_btn_move_recursive(TQCbase* d);
    static void _on_delete(TQCbase* w);
    static void climb(TQCbase* d, const char* procName, bool target);
    static TQCbase* takeTarget(TQCbase* w);
    static void outsideFlags(TQCbase* target, bool on);
    static void deleteRetired(unsigned char tick, void* unused);

    TQClistData m_clientList;
    TQCbase* m_savedModalClient = nullptr;
    void* m_client = nullptr;
    // The object on whose device the pointer grab is held, and the widget
    // whose press opened the menu.
    TQCbase* m_grabTarget = nullptr;
    TQCbase* m_pressTarget = nullptr;
    unsigned char m_pressPopped : 1;
    unsigned char m_pointerGrabbed : 1;
    unsigned char m_inModalLoop : 1;
};

void* TQCpopupMenu_create(void* parent);
void TQCpopupMenu_delete(void* object);

#endif
