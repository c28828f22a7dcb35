// The menu window: a borderless top-level window, kept above the others and
// shown without taking the activation, that shows the entries of a menu
// text and opens one child window per cascade entry. It runs nothing
// itself. Each drawing pass works out the active entry (under the pointer,
// or picked with the arrow keys) and records, on the top window of its
// cascade (the root), whether that entry may be chosen, its procedure name
// and its id; the owner reads them when the button is released or Return is
// pressed and runs the procedure by name on itself.
//
// What an owner (a menu title, the pop-up menu) does with it:
//   - sets menuItems, menuItemHeight, font, the colours and the shadow,
//     sizes and places the window, set_id_value(0), setVisible(1),
//     set_use_pixmap. TQCpulldownData::measure gives the room a text needs
//     (the owner adds its own room for images, check boxes and cascade
//     arrows) and reads the entries as the window shows them: an empty
//     entry takes no row;
//   - while it is open: setAbsoluteDraw(1) and draw() when the pointer
//     moves; arrow keys to onKeyPress (reading "KEY_PROCESSED" after
//     Left and Right: 1 when a cascade opened or closed); shortcut letters
//     to _get_proc_name_by_sc, upper-cased as ASCII only. A shortcut runs
//     its own entry alone: the owner clears the chosen flag (setSelected(0))
//     before it closes the window;
//   - on release or Return: getSelected(), getProcName(), getValue() (-1
//     while a cascade entry is active: it names no entry of its own);
//     setVisible(0) closes the window and every child below it;
//   - holding the pointer with device value 32, it records itself as the
//     mouse's ungrab client: a grab the system takes away reaches it as
//     event 59 (TQDwindowDev::TRIGGER_GRAB_LOST), on which it closes.
// The builders of menu texts are TQCpulldownData::textWithItem,
// textWithCascade and textWithCascadeEnd.
// Entry states (sensitive, toggle, toggle state) live in the chain and are
// changed through the wrappers below; a child window reads them through
// its parent's chain. The child windows are kept by cascade index: entry n
// of get_child_pld_list() is the child of the n-th cascade entry, or null
// while that one was never opened.
#ifndef _TQCPULLDOWNMENUPOPUP_H
#define _TQCPULLDOWNMENUPOPUP_H

#include "_TQClookHook.h"
#include "_TQCpulldownData.h"
#include "_TQCwindow.h"

class TQDkeyboard;

// What an extended look's "TQCpulldownMenuPopup::draw" procedure is handed,
// by address. The procedure reports through the window's accessors
// (set_items, set_selected_item, set_child_popup_waited, and on the root
// get_prc_name, set_selected and set_id_value) and opens and closes the
// children with popupChildPld and popdownChildPld.
struct TQCpulldownMenuPopupDrawBlock {
    TQClookHead head;
    short foreColor;
    short backColor;
    short topShadowColor;
    short bottomShadowColor;
    char* menuItems;
    char* separator;
    char* separator2;
    unsigned short menuItemHeight;
    // The entry picked with the arrow keys (-2 none, -1 the last), and the
    // entry count of the last drawing.
    signed char selectedItem;
    signed char items;
    unsigned char font;
    // Set by the arrow keys for one drawing: keyboardSelect makes the
    // selected entry the active one, keyboardWait keeps a cascade entry
    // from opening its child (the window waits for Right).
    unsigned char keyboardSelect;
    unsigned char keyboardWait;
};

class TQCpulldownMenuPopup : public TQCwindow {
public:
    TQ_CLASS_FRAME(TQCpulldownMenuPopup, TQCwindow, 1000, 1000)
    TQ_LOOK_HOOK(TQCpulldownMenuPopup, TQCpulldownMenuPopupDrawBlock)
    TQ_POPUP_WINDOW_FRAME
    TQCpulldownMenuPopup(TQCbase* parent, const char* name);
    ~TQCpulldownMenuPopup() override;

    // The selection and the entry count are one signed byte each: a menu
    // window picks among its first 127 entries.
    enum { NO_SELECTION = -2, MOST_ENTRIES = 127 };
    // The room before every label for the entries' images, and for the
    // check boxes of a menu with toggle entries.
    enum { IMAGE_ROOM = 32, CHECK_ROOM = 32 };

    // Shown: no entry selected. Hidden: the children first.
    void onVisibleChange(unsigned char on) override;
    long draw() override;
    void setWorkTQNwidth(unsigned short v) override;
    void setWorkTQNheight(unsigned short v) override;
    void setWorkTQNemboss(TQCbool on) override { setEmboss(on); }

    TQ_PROPERTY_HOOKS(font, unsigned char)
    TQ_PROPERTY_WORK_HOOK(menuItems, char*)
    TQ_PROPERTY_HOOKS(menuItemHeight, unsigned short)
    TQ_PROPERTY_WORK_HOOK(separator, char*)
    TQ_PROPERTY_WORK_HOOK(separator2, char*)
    // Arrow keys; the key goes to the deepest open child when there is one.
    virtual void onKeyPress(TQDkeyboard* keyboard, unsigned char pressed);

    // Entry states; -2 (or 0, null) without entries.
    long getItems();
    long setItemSensitive(short n, unsigned char on);
    long setValueSensitive(short id, unsigned char on);
    unsigned char getValueSensitive(short id);
    long setValueToggleMenu(short id, unsigned char on);
    unsigned char getValueToggleMenu(short id);
    long setValueToggleState(short id, unsigned char on);
    unsigned char getValueToggleState(short id);
    long isToggle();
    // One byte per entry, in an array the next call replaces.
    unsigned char* getItemSensitive();

    unsigned char getSelected() const { return m_chosen; }
    void setSelected(unsigned char on) { m_chosen = on & 1; }
    void set_selected(unsigned char on) { m_chosen = on & 1; }
    char* getProcName() { return m_procName.getString(-2); }
    TQCstring* get_prc_name() { return &m_procName; }
    long getValue() const { return m_value; }
    void set_id_value(long v) { m_value = v; }
    unsigned char getNextPopup() const { return 0; }
    unsigned char getEmboss() const { return m_emboss; }
    void setEmboss(unsigned char on) { m_emboss = on & 1; }
    TQCpulldownMenuPopup* getParentMenu() const { return m_parentMenu; }
    void setParentMenu(TQCpulldownMenuPopup* menu) { m_parentMenu = menu; }
    unsigned char getFontNo() const { return m_font; }
    unsigned short getItemHeight() const { return m_menuItemHeight; }
    // Counts beyond the byte's range keep its largest value; a selection
    // outside it is none.
    void set_items(long n);
    void set_selected_item(long n);
    signed char getSelectedItem() const { return m_selectedItem; }
    TQCpulldownData* get_pld_data() { return m_chain; }
    char* getMenuItems() const { return m_menuItems; }
    char* getSeparator() const { return m_separator; }
    char* getSeparator2() const { return m_separator2; }
    // The state list: the parent's chain for a child, else the own chain.
    TQCpulldownData* get_parent_pld_data();
    TQClistData* get_child_pld_list() { return &m_children; }
    void set_child_popup_waited(unsigned char on) { m_childWaiting = on & 1; }
    unsigned char get_use_pixmap() const { return m_usePixmap; }
    void set_use_pixmap(unsigned char on) { m_usePixmap = on & 1; }

    // Whether a menu of that size at that position passes the screen's far
    // edge (right when horizontal, else bottom), whose place goes to *edge,
    // or starts at or beyond it; a negative position never does.
    static bool passesScreenEdge(long position, long size, bool horizontal,
                                 long* edge = nullptr);

    // The check box of a toggle entry whose row starts at y, h high, in a
    // window of frame t: a sunken square two thirds of the row high, in
    // the window's colours, with the check mark in markColor when checked.
    struct EntryColours {
        short fore, top, bottom, back;
    };
    static void drawCheckBox(TQDdev* dev, long t, long y, long h, const EntryColours& colours,
                             short markColor, bool checked);

    // Cascades: child c opened with text next to the screen point (x, y).
    void popupChildPld(short c, char* text, short x, short y);
    void popdownChildPld(short c);
    long checkChildStatus();
    TQCpulldownMenuPopup* _check_child_status_no_mouse();
    void updateChild();
    // The procedure of the first sensitive entry whose shortcut is sc, in
    // the deepest open window; its id goes to *id. "" and *id untouched
    // when none matches.
    TQCstring _get_proc_name_by_sc(char* sc, int* id);

protected:
    TQCpulldownMenuPopup* root();

private:
    static void registerProperties(Registrar& r);
    void reparse();
    TQCpulldownMenuPopup* childAt(long c);
    TQCpulldownMenuPopup* makeChild(long c);
    void moveSelection(long key);
    // Parts of draw().
    struct Pass;
    void drawSeparator(Pass& pass);
    void drawEntry(Pass& pass, const TQCmenuEntry& entry);
    void drawCascadeArrow(Pass& pass);
    void finishPass();

    TQCpulldownMenuPopup* m_parentMenu = nullptr;
    TQCpulldownData* m_chain = nullptr;
    char* m_menuItems = nullptr;
    char* m_separator = nullptr;
    char* m_separator2 = nullptr;
    TQCstring m_procName;
    long m_value = 0;
    TQClistData m_children;
    unsigned short m_menuItemHeight = 30;
    signed char m_selectedItem = NO_SELECTION;
    signed char m_items = 0;
    unsigned char m_font : 4;
    unsigned char m_chosen : 1;
    unsigned char m_keyboardMode : 1;
    unsigned char m_deferChildren : 1;
    unsigned char m_childWaiting : 1;
    unsigned char m_usePixmap : 1;
    TQ_BIT_FIELD_SLOT(m_font)
};

void* TQCpulldownMenuPopup_create(void* parent);
void TQCpulldownMenuPopup_delete(void* object);

#endif
