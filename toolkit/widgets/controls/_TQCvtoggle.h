// The toggle: a framed label with an on/off status, shown by an indicator
// square beside the text or, without it, as a button that stays pressed.
// A press, Return, Space or its Alt shortcut switches it. Toggles with the
// same group name form a group across the application: in unique mode one
// member at most is on (radio behaviour), otherwise the group's value is a
// bit mask of the members' ids.
#ifndef _TQCVTOGGLE_H
#define _TQCVTOGGLE_H

#include "_TQClookHook.h"
#include "_TQCvlabel.h"

class TQDkeyboard;

// What an extended look's "TQCvtoggle::draw" (and "TQCvradio::draw")
// procedure is handed, by address, instead of the control painting itself.
// The procedure reads the fields in this order.
struct TQCvtoggleDrawBlock {
    TQClookHead head;
    TQClabelLook label;
    short selectColor;
    short backBlinkColor;
    short topShadowColor;
    short bottomShadowColor;
    char* labelString;
    char* selectString;
    char* shortcut;
    short labelPixmap;
    short blinkPixmap;
    short selectPixmap;
    unsigned short status;
    unsigned long orientation;
    TQClabelMargins margins;
    unsigned char emboss;
    unsigned char font;
    unsigned char reverseFlag;
    unsigned char enableFocusMove;
    unsigned char statusProperty;
    unsigned char unique;
    unsigned char selectReset;
    unsigned char indicatorSize;
    unsigned char indicatorType;
    unsigned char indicatorShadow;
    unsigned char indicatorOn;
    short indicatorPixmap;
    short indicatorColor;
};

// The indicator and the selection look: indicatorOn, indicatorType,
// indicatorSize (default size), indicatorShadow, indicatorColor (default
// color), indicatorPixmap, selectColor and selectPixmap, as the toggle and
// the radio group register them.
#define TQ_WATCH_INDICATOR(r, size, color)                                       \
    TQ_WATCH_FLAG(r, indicatorOn, 1, bool1);                                     \
    TQ_WATCH_BITS(r, indicatorType, 0, indicatorType);                           \
    TQ_WATCH_BITS(r, indicatorSize, size);                                       \
    TQ_WATCH_BITS(r, indicatorShadow, 2);                                        \
    TQ_WATCH(r, indicatorColor, color);                                          \
    TQ_WATCH(r, indicatorPixmap, -1);                                            \
    TQ_WATCH(r, selectColor, -7);                                                \
    TQ_WATCH(r, selectPixmap, -1)

class TQCvtoggle : public TQCvlabel {
public:
    TQ_CLASS_FRAME(TQCvtoggle, TQCvlabel, 1000, 1000)
    TQ_LOOK_HOOK(TQCvtoggle, TQCvtoggleDrawBlock)
    TQCvtoggle(TQCbase* parent, const char* name);
    // Leaves the toggle list, the Alt-shortcut list, the keyboard and the
    // focus.
    ~TQCvtoggle() override;

    // Frame styles of indicatorType.
    enum { INDICATOR_IN_OUT = 0, INDICATOR_OUT = 1, INDICATOR_IN = 2, INDICATOR_NONE = 3 };

    void onMouseOut() override {}
    // Switches at once, on the press.
    void onMousePress(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    // Becoming insensitive gives the focus up.
    void onSensitiveChange(unsigned char on) override;
    void onFocusChange(unsigned char on) override;
    long _device_initialize() override;
    // A VALUE_CH procedure needs the pointer events.
    using TQCbase::addProcedure;
    long addProcedure(TQCprocedure* procedure) override;
    long draw() override;
    // Key events also go to the shortcut, VALUE_CH to onValueChange; an
    // insensitive toggle takes no release.
    long execEventProc(long event, void* data) override;

    TQ_PROPERTY_HOOKS(selectString, char*)
    TQ_PROPERTY_HOOKS(indicatorOn, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorType, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorSize, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorShadow, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorColor, short)
    TQ_PROPERTY_HOOKS(indicatorPixmap, short)
    TQ_PROPERTY_HOOKS(selectColor, short)
    TQ_PROPERTY_HOOKS(selectPixmap, short)
    TQ_PROPERTY_HOOKS(unique, unsigned char)
    TQ_PROPERTY_HOOKS(group, char*)
    TQ_PROPERTY_HOOKS(id, short)
    TQ_PROPERTY_HOOKS(selectReset, unsigned char)
    TQ_PROPERTY_HOOKS(enableFocusMove, unsigned char)
    TQ_ARROW_NAME_HOOKS
    TQ_TAB_NAME_HOOKS
    // Once initialised a write switches the toggle, with notification; a
    // read gives the live status.
    TQ_PROPERTY_OWN_HOOKS(status, unsigned char)
    TQ_PROPERTY_HOOKS(returnKeyFocus, unsigned char)
    // The first shortcut puts the toggle on the Alt-shortcut list for good.
    TQ_PROPERTY_WORK_HOOK(shortcut, char*)

    // Called with the new status whenever a change is notified; nothing
    // here.
    virtual void onValueChange(unsigned char status);
    // The Alt shortcut: Alt and the shortcut's first character, in either
    // case, switch the toggle and take the key.
    virtual void onKey(TQDkeyboard* keyboard, unsigned char press);

    unsigned char getStatus() const { return m_status; }
    // Switches by the group rules; any non-zero status is on, and only a
    // notify flag of 1 notifies. 0.
    long setStatus(unsigned char status, unsigned char notify);
    // Unique group: the id of the first member on, 0 for none. Otherwise
    // bit id-1 for every member on with an id of 1 to 32. 0 without a group.
    long getGroupValue();
    // Sets every member from the value as getGroupValue reads it. 0.
    long setGroupValue(long value);
    long clearGroupValue() { return setGroupValue(0); }
    // Switches this toggle alone.
    void _set_status(unsigned char status, unsigned char notify);
    // Every live toggle, in order of construction.
    static TQClistData* _get_toggle_list();
    static void _key_handler(void* toggle, TQDkeyboard* keyboard, unsigned char press);
    // After an arrow moved the focus to target inside the group.
    void _status_move(TQCbase* target);
    // Out of a radio group through the group's own focus moves.
    void _extra_focus_move(long direction);

protected:
    // What one classic drawing decides before it paints.
    struct Look {
        BlinkState blink;
        bool insensitive;       // drawn insensitive
        long pressed;           // 1: on without an indicator, drawn pressed
        unsigned short t;       // shadowThickness
        unsigned short ind;     // the indicator's side, 0 without one
        TQCrect area;           // where picture and text go
        char alignment;
        TQCstring* text;
    };
    // Each class built on the toggle brings its own extended look, frame and
    // indicator.
    virtual void drawFrame(TQDdev* dev, const Look& look);
    virtual void drawIndicator(TQDdev* dev, const Look& look);
    // Where the indicator goes: left with half the left margin, centred
    // vertically, at the top of a control lower than it.
    TQCpoint indicatorCorner() const;
    bool hasGroup() const { return m_group != nullptr && m_group[0] != '\0'; }

    char* m_selectString = nullptr;
    char* m_group = nullptr;
    char* m_upward = nullptr;
    char* m_downward = nullptr;
    char* m_leftward = nullptr;
    char* m_rightward = nullptr;
    char* m_tab = nullptr;
    char* m_backtab = nullptr;
    char* m_shortcut = nullptr;
    short m_indicatorColor = -13;
    short m_selectColor = -7;
    short m_indicatorPixmap = -1;
    short m_selectPixmap = -1;
    short m_id = 0;
    unsigned char m_indicatorSize : 6;
    unsigned char m_indicatorType : 2;
    unsigned char m_indicatorShadow : 4;
    TQCbool m_indicatorOn : 1;
    TQCbool m_enableFocusMove : 1;
    TQCbool m_unique : 1;
    TQCbool m_selectReset : 1;
    unsigned char m_status : 1;
    TQCbool m_statusProperty : 1;
    TQCbool m_returnKeyFocus : 1;
    unsigned char m_shortcutRegistered : 1;
    TQ_BIT_FIELD_SLOT(m_indicatorSize)
    TQ_BIT_FIELD_SLOT(m_indicatorType)
    TQ_BIT_FIELD_SLOT(m_indicatorShadow)
    TQ_BIT_FIELD_SLOT(m_indicatorOn)
    TQ_BIT_FIELD_SLOT(m_enableFocusMove)
    TQ_BIT_FIELD_SLOT(m_unique)
    TQ_BIT_FIELD_SLOT(m_selectReset)
    TQ_BIT_FIELD_SLOT(m_statusProperty)
    TQ_BIT_FIELD_SLOT(m_returnKeyFocus)

private:
    static void registerProperties(Registrar& r);
    bool inGroupOf(const TQCvtoggle* other) const;
    // Every other member of the group, in list order, that is still alive
    // when its turn comes.
    template <class Step> void forOtherMembers(Step step);
    template <class Step> void forAllMembers(Step step);
    // Switched off with its selectReset set for the call.
    void switchOffForGroup(TQCvtoggle* member, unsigned char notify);
    void storeStatus(unsigned char on);
    void notifyStatus();
    void moveFocus(long direction, bool statusFollows);
    // Drawing.
    TQCstring* shownText();
    void drawBackground(TQDdev* dev, const Look& look);
    void drawPicture(TQDdev* dev, const Look& look);
    void drawLabel(TQDdev* dev, const Look& look);
    void drawFocusFrame(TQDdev* dev, const Look& look);
};

void* TQCvtoggle_create(void* parent);
void TQCvtoggle_delete(void* object);

#endif
