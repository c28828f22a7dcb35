// The title of one menu in a menu bar: a window-less label that owns a menu
// window ("pm-" and its name) and runs the whole open, choose and close
// protocol. A press opens the menu; a release over an entry chooses it, a
// release on the title keeps the menu open with the pointer held until the
// next click; dragging onto a sibling title hands the menu over; Alt and
// the shortcut's letter open it from the keyboard, and while it is open
// the arrows, Return, Escape and the entries' letters act on it. A chosen
// entry runs, in order: its toggle flip, VALUE_CH (3), ACTIVATE (2), then
// the procedure the entry names, by name, on the title. Only one title of
// the program has its menu open at a time.
#ifndef _TQCPULLDOWNMENU_H
#define _TQCPULLDOWNMENU_H

#include "_TQClookHook.h"
#include "_TQCvlabel.h"

class TQCpulldownMenuPopup;
class TQDkeyboard;

// What an extended look's "TQCpulldownMenu::draw" procedure is handed, by
// address, in this order. The title draws on its parent's device at x, y.
struct TQCpulldownMenuDrawBlock : TQClabelDrawBlock {
    short popupOpen;  // 1 while the title's menu is open
    long orientation;
    TQClabelMargins margins;
    unsigned char emboss;
    unsigned char font;
    unsigned char reverseFlag;
};

class TQCpulldownMenu : public TQCvlabel {
public:
    TQ_CLASS_FRAME(TQCpulldownMenu, TQCvlabel, 1030, 1000)
    TQ_LOOK_HOOK(TQCpulldownMenu, TQCpulldownMenuDrawBlock)
    TQCpulldownMenu(TQCbase* parent, const char* name);
    // An open menu is closed and the pointer let go; the menu window goes
    // with the title.
    ~TQCpulldownMenu() override;

    enum { TRIGGER_MENU_POPUP = 60 };

    // Makes the menu window, holding the title's entries already.
    long initialize() override;
    void getMadeValues(TQCindexVariantData* values) override;
    long _device_initialize() override;
    using TQCbase::addProcedure;
    long addProcedure(TQCprocedure* procedure) override;
    long draw() override;
    // Event 59 (the pointer grab lost) closes the menu; Alt key presses
    // open a title by its shortcut or choose an entry of the open menu.
    long execEventProc(long event, void* data) override;
    void onMousePress(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    void onMouseMove(TQCpoint* point) override;
    // Hiding the title or its parent closes the menu.
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;

    TQ_PROPERTY_WORK_HOOK(menuItems, char*)
    TQ_PROPERTY_HOOKS(shortcut, char*)
    TQ_PROPERTY_HOOKS(leftward, char*)
    TQ_PROPERTY_HOOKS(rightward, char*)
    TQ_PROPERTY_HOOKS(itemHeight, short)
    TQ_PROPERTY_WORK_HOOK(separator, char*)
    TQ_PROPERTY_WORK_HOOK(separator2, char*)
    // A thickness of 0 is stored as 1.
    void setWorkTQNshadowThickness(unsigned char t) override;
    void setWorkTQNemboss(unsigned char on) override;

    // ACTIVATE (2) when a chosen entry runs; MENU-POPUP (60) each time the
    // menu opens, before it is measured, so that it may still change the
    // entries.
    virtual void onActivate();
    virtual void onMenuPopup();

    // Append to menuItems. 0.
    long addItem(char* label, char* procName, char* shortcut, long id, char* imageName);
    long beginCascade(char* label);
    long endCascade();

    // The menu window's value and entry states; without a window 0 (null),
    // and -1 for the setters; -1 also for a negative id or position, -2
    // when no entry has it.
    long getValue();
    long getItems();
    long setValueSensitive(short id, unsigned char on);
    unsigned char getValueSensitive(short id);
    long setValueToggleMenu(short id, unsigned char on);
    unsigned char getValueToggleMenu(short id);
    long setValueToggleState(short id, unsigned char on);
    unsigned char getValueToggleState(short id);
    long setItemSensitive(short n, unsigned char on);
    unsigned char* getItemSensitive();
    // The procedure of the open menu's sensitive entry with that shortcut,
    // its id to *id; "" when the menu is not shown or none matches.
    TQCstring _get_proc_name_by_sc(char* sc, int* id);

    // Open, follow the pointer, close (without running an entry).
    void _menu_popup(TQCpoint* point);
    void _menu_update();
    void _menu_popdown();
    static void _key_handler(void* title, TQDkeyboard* keyboard, unsigned char pressed);

    TQCpulldownMenuPopup* getPopup() const { return m_popup; }
    unsigned char getOpened() const { return m_opened; }
    unsigned char getGrabed() const { return m_grabed; }

    // The title whose menu is open, or null.
    static TQCpulldownMenu* _ptarget;
    static TQCpulldownMenu* __popup_instance;

    // User data on the parent while a press that opened a title has its
    // button down; set on the title by a pop-up menu its press opened.
    static const char* const PRESSED_KEY;
    static const char* const POPPED_KEY;

private:
    static void registerProperties(Registrar& r);

    // What a closing runs: an entry's id and procedure, or nothing.
    struct Choice {
        bool made;
        long id;
        TQCstring procName;
    };
    Choice windowChoice();
    // Closes the menu, lets the pointer go, then runs the choice: the
    // toggle flip, VALUE_CH, a repaint, ACTIVATE and the entry's procedure.
    // VALUE_CH runs whatever the choice.
    void closeAndRun(Choice choice);
    void closeWithoutChoice();
    void closeForHiding();
    bool runShortcut(unsigned char c);
    void handOver(long direction);
    // The press and release that open the menu for the keys.
    void openByKey();
    bool altKey(TQDkeyboard* keyboard);

    // Opening: false when there is nothing to show.
    bool fillWindow(short x, short y);
    void takeGrab();
    void releaseGrab();
    void holdPointer(unsigned char on);
    void setParentPressed(TQCbase* title);
    bool rightButtonInEditMode();

    // Parts of draw().
    struct Look;
    void drawOpenState(TQDdev* dev, const Look& look);
    void drawLabelText(TQDdev* dev, const Look& look);

    TQCpulldownMenuPopup* m_popup = nullptr;
    short m_pointerX = -1;
    short m_pointerY = -1;
    char* m_menuItems = nullptr;
    char* m_shortcut = nullptr;
    char* m_leftward = nullptr;
    char* m_rightward = nullptr;
    char* m_separator = nullptr;
    char* m_separator2 = nullptr;
    short m_itemHeight = -1;
    unsigned char m_opened : 1;
    unsigned char m_grabed : 1;
    unsigned char m_byKey : 1;
};

void* TQCpulldownMenu_create(void* parent);
void TQCpulldownMenu_delete(void* object);

#endif
