// The combo box: an input field with a small arrow button at its right end.
// The button, or Up or Down in the field, drops a list of the items of
// menuItems down below the box; a row chosen there becomes the field's text
// and the box runs its ACTIVATE procedures. The box's value is the field's
// text, labelString, which the box hands on to the field with every other
// property it does not have itself.
#ifndef _TQCCOMBOBOX_H
#define _TQCCOMBOBOX_H

#include "_TQCform.h"

#include <string>
#include <vector>

class TQClist;
class TQCvarrow;
class TQCvifield;
class TQCwindow;
class TQDkeyboard;
class TQDprivateTimer;

class TQCcomboBox : public TQCform {
public:
    TQ_CLASS_FRAME(TQCcomboBox, TQCform, 1000, 1010)
    TQCcomboBox(TQCbase* parent, const char* name);
    // Closes an open drop-down without choosing, then deletes it; the form
    // deletes the field and the button.
    ~TQCcomboBox() override;

    // Makes the field and the button, wires and places them.
    long initialize() override;
    const char* getDefaultProperty() override { return "labelString"; }
    TQCbase* getPropertyInheritChild() override;
    // The focus goes on to the field.
    void onFocusChange(unsigned char on) override;
    long _device_initialize() override;
    // The frame around the square at the right end that holds the button.
    long draw() override;

    // The form's hooks, then the parts placed again.
    void setWorkTQNwidth(unsigned short width) override;
    void setWorkTQNheight(unsigned short height) override;
    void setWorkTQNshadowThickness(unsigned char thickness) override;
    void setWorkTQNforeColor(short color) override;
    void setWorkTQNbackColor(short color) override;
    void setWorkTQNtopShadowColor(short color) override;
    void setWorkTQNbottomShadowColor(short color) override;
    void setWorkTQNshadowType(char type) override;
    void setWorkTQNdet(TQCbool on) override;

    // The list is filled again at every opening.
    TQ_PROPERTY_HOOKS(menuItems, char*)
    TQ_PROPERTY_WORK_HOOK(maxHeight, unsigned short)
    TQ_PROPERTY_WORK_HOOK(backBlinkColor, short)
    TQ_PROPERTY_WORK_HOOK(workBackColor, short)
    TQ_PROPERTY_WORK_HOOK(font, unsigned char)
    TQ_PROPERTY_WORK_HOOK(itemHeight, unsigned char)
    TQ_PROPERTY_WORK_HOOK(increment, unsigned short)
    TQ_PROPERTY_WORK_HOOK(pageIncrement, unsigned short)

    // Runs the ACTIVATE procedures; a choice in the drop-down calls it.
    virtual void onActivate();
    TQCvifield* getTextFrame() const { return m_field; }

    // The rows of an item text: fields split at every comma not written
    // as "\,", which stands for a comma inside a row.
    static std::vector<std::string> itemTexts(const char* items);

    // The drop-down. Opening: 0, or -1 without an own device. Closing
    // takes the selected row unless the opening was cancelled.
    long _menu_popup();
    long _menu_popdown();
    // Closes without taking anything.
    void cancel();

    // Tracking timer: the row under a moved pointer becomes the selected
    // one.
    static void _list_timer_work(void* box);
    // Keys while the drop-down is open, before anything else sees them;
    // 0 when the key was used.
    static unsigned char _special_key_handler(void* box, TQDkeyboard* keyboard,
                                              unsigned char pressed);
    // Procedures of the parts.
    static void _list_ptr_work(TQCbase* list);
    static void _list_work(TQCbase* list);
    static void _btn_work(TQCbase* button);
    static void _btn_key_press_work(TQCbase* button);
    static void _key_press_work(TQCbase* field);
    static void _key_release_work(TQCbase* field);
    static void _key_hook_work(TQCbase* field);
    static void _value_ch_work(TQCbase* field);
    static void _activate_work(TQCbase* field);

protected:
    void makeButton();
    void makeField();
    void _adjust();
    bool isOpen() const;
    void makeDropDown();
    void frameDropDown(long x, long y, long height);
    void fillList(const std::vector<std::string>& rows);
    void takeInput();
    void startTracking();
    void releaseGrab();
    void hideDropDown();
    void forgetMouseFocus();
    void resetSpecialKeys();
    void commitSelection();
    void raiseMaxHeight();
    void trackPointer();
    void selectQuietly(long row);
    void pressOnList();
    unsigned char keyWhileOpen(TQDkeyboard* keyboard, unsigned char pressed);
    void moveSelection(bool down);
    unsigned char selectByInitial(TQDkeyboard* keyboard);
    enum { SCROLL_UP, SCROLL_DOWN, SCROLL_TO_TOP };
    void selectByKey(long row, int scroll);
    // Closing when the box goes: no choice, no procedure, no focus change.
    void closeForGood();
    static TQDprivateTimer* trackingTimer(bool make);
    static TQCcomboBox* boxOf(TQCbase* part);

    TQCwindow* m_popup = nullptr;
    TQClist* m_list = nullptr;
    TQCvarrow* m_button = nullptr;
    TQCvifield* m_field = nullptr;
    char* m_menuItems = nullptr;
    unsigned short m_maxHeight = 0;
    short m_backBlinkColor = -13;
    short m_workBackColor = -11;
    unsigned char m_itemHeight = 20;
    unsigned short m_increment = 10;
    unsigned short m_pageIncrement = 100;
    unsigned char m_font : 4;
    // Set by Up and Down, cleared when the pointer moves: a choice by key
    // holds while the pointer rests on another row.
    unsigned char m_keySelection : 1;
    TQ_BIT_FIELD_SLOT(m_font)
};

void* TQCcomboBox_create(void* parent);
void TQCcomboBox_delete(void* object);

#endif
