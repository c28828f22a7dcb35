// The radio group: a framed, titled container that makes one radio toggle
// per item of a comma-separated item string, lays them out in a column or a
// row, hands its look on to them and shows their state as one number,
// value: the position (from 1) of the item that is on, 0 when none is. It
// runs its VALUE_CH procedures when the user changes that number. The check
// group is the same container with independent toggles and a bit mask.
#ifndef _TQCRADIOGROUP_H
#define _TQCRADIOGROUP_H

#include "_TQCform.h"

class TQCvtoggle;

class TQCradioGroup : public TQCform {
public:
    TQ_CLASS_FRAME(TQCradioGroup, TQCform, 1001, 1010)
    TQCradioGroup(TQCbase* parent, const char* name);
    // Gives up the focus and the special focus; the toggles go with the
    // form's children.
    ~TQCradioGroup() override;

    const char* getDefaultProperty() override { return "value"; }
    void onVisibleChange(unsigned char on) override;
    // Hands the focus to the toggle that is on, else to the first sensitive
    // one.
    void onFocusChange(unsigned char on) override;
    // Lays the toggles out before the form's own update.
    void update() override;
    // Background, frame inset by half the title height, and the title
    // breaking the frame's top edge.
    long draw() override;
    // The toggles take the new colour at once.
    void setWorkTQNbackColor(short color) override;

    // Setting from code switches the toggles; the group's VALUE_CH
    // procedures run only for the user's changes.
    TQ_PROPERTY_WORK_HOOK(value, unsigned long)
    TQ_PROPERTY_HOOKS(titleString, char*)
    // menuItems, font, margin and shortcut lay the toggles out again.
    TQ_PROPERTY_WORK_HOOK(menuItems, char*)
    TQ_PROPERTY_HOOKS(menuItemHeight, unsigned short)
    TQ_PROPERTY_WORK_HOOK(font, unsigned char)
    TQ_PROPERTY_WORK_HOOK(margin, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorOn, TQCbool)
    TQ_PROPERTY_HOOKS(indicatorType, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorSize, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorShadow, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorColor, short)
    TQ_PROPERTY_HOOKS(indicatorPixmap, short)
    TQ_PROPERTY_HOOKS(selectColor, short)
    TQ_PROPERTY_HOOKS(selectPixmap, short)
    TQ_PROPERTY_HOOKS(labelPixmap, short)
    TQ_PROPERTY_HOOKS(orientation, unsigned char)
    TQ_PROPERTY_HOOKS(enableFocusMove, TQCbool)
    TQ_PROPERTY_HOOKS(upward, char*)
    TQ_PROPERTY_HOOKS(downward, char*)
    TQ_PROPERTY_HOOKS(leftward, char*)
    TQ_PROPERTY_HOOKS(rightward, char*)
    TQ_PROPERTY_HOOKS(return, char*)
    TQ_PROPERTY_HOOKS(tab, char*)
    TQ_PROPERTY_HOOKS(backtab, char*)
    TQ_PROPERTY_HOOKS(returnKeyFocus, TQCbool)
    TQ_PROPERTY_WORK_HOOK(shortcut, char*)

    // Toggle n in creation order, hidden ones included; -1 is the last.
    // Null for any other position outside the list.
    TQCbase* getItem(short n);
    // 0, or -1 when there is no toggle n.
    long setItemSensitive(short n, unsigned char on);
    // The toggle's effective sensitivity; 0 when there is no toggle n.
    unsigned char getItemSensitive(short n);

    // While an update is pending: one toggle per item, placed, given the
    // group's settings and shown; toggles beyond the items hidden and
    // switched off without notice.
    virtual void _adjust();
    // Runs the VALUE_CH procedures.
    virtual void onValueChange();
    // Procedure "valuech-op" of the toggles: a changed group value is stored
    // and announced.
    static void _value_ch_handler(TQCbase* toggle);

protected:
    // "value" reads the toggles while there are any and items to show; the
    // set hook stores it.
    struct ValueSlot {
        typedef unsigned long Value;
        static constexpr bool storedByHook = true;
        static const char* typeText() { return "unsigned long"; }
        static unsigned long read(TQCradioGroup* group) { return group->currentValue(); }
        static void write(TQCradioGroup*, unsigned long) {}
    };

    unsigned long currentValue();
    long itemCount() const;
    TQCvtoggle* toggleAt(long i) const;
    void layOut();
    void placeToggle(TQCvtoggle* toggle, long i, long n, long th);
    void passSettings(TQCvtoggle* toggle, long i);
    TQCvtoggle* makeToggle(long i);
    long titleHeight();
    void drawTitle(TQDdev* dev);

    TQClistData m_toggles;
    unsigned long m_value = 0;
    char* m_titleString = nullptr;
    char* m_menuItems = nullptr;
    char* m_upward = nullptr;
    char* m_downward = nullptr;
    char* m_leftward = nullptr;
    char* m_rightward = nullptr;
    char* m_return = nullptr;
    char* m_tab = nullptr;
    char* m_backtab = nullptr;
    char* m_shortcut = nullptr;
    unsigned short m_menuItemHeight = 20;
    short m_indicatorColor = -11;
    short m_indicatorPixmap = -1;
    short m_selectColor = -7;
    short m_selectPixmap = -1;
    short m_labelPixmap = -1;
    unsigned char m_font : 4;
    unsigned char m_margin : 3;
    unsigned char m_indicatorSize : 6;
    unsigned char m_indicatorType : 2;
    unsigned char m_indicatorShadow : 4;
    unsigned char m_orientation : 1;
    TQCbool m_indicatorOn : 1;
    TQCbool m_enableFocusMove : 1;
    TQCbool m_returnKeyFocus : 1;
    // 1: radio toggles; the check group clears it.
    unsigned char m_unique : 1;
    // Set while code sets the value, and while the group is destroyed: the
    // toggles' notices are not taken then.
    unsigned char m_holdNotices : 1;
    unsigned char m_closing : 1;
    TQ_BIT_FIELD_SLOT(m_font)
    TQ_BIT_FIELD_SLOT(m_margin)
    TQ_BIT_FIELD_SLOT(m_indicatorSize)
    TQ_BIT_FIELD_SLOT(m_indicatorType)
    TQ_BIT_FIELD_SLOT(m_indicatorShadow)
    TQ_BIT_FIELD_SLOT(m_orientation)
    TQ_BIT_FIELD_SLOT(m_indicatorOn)
    TQ_BIT_FIELD_SLOT(m_enableFocusMove)
    TQ_BIT_FIELD_SLOT(m_returnKeyFocus)
};

void* TQCradioGroup_create(void* parent);
void TQCradioGroup_delete(void* object);

#endif
