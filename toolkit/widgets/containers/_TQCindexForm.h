// The tab form: a form that shows one of several pages, chosen by a row of
// tab buttons along one of its edges. The pages are its ordinary children;
// each names its tab in its userValue (1 for the first tab). With
// barThickness 0 the row is hidden and value alone switches the pages.
#ifndef _TQCINDEXFORM_H
#define _TQCINDEXFORM_H

#include "_TQCform.h"

class TQCvbtn;

// What the extended look's "TQCindexForm::draw" procedure is handed: the
// form's fields, then these, in this order.
struct TQCindexFormDrawBlock : TQCformDrawBlock {
    unsigned short barThickness;
    unsigned char orientation;
    unsigned char flip;
    char* menuItems;   // the form's own string
    long selectedTab;  // value + 1
};

class TQCindexForm : public TQCform {
public:
    TQ_CLASS_FRAME(TQCindexForm, TQCform, 1000, 1010)
    TQ_LOOK_HOOK(TQCindexForm, TQCindexFormDrawBlock)
    TQCindexForm(TQCbase* parent, const char* name);
    ~TQCindexForm() override;

    // The tab row "tablets" and the first tab buttons. 0.
    long initialize() override;
    // A pending rebuild first, then the form's drawing, with the tab row
    // drawn and the pages shown or hidden after it.
    long draw() override;
    // Each goes to the tab row first, then to the form.
    long clear() override;
    long redraw() override;
    long cdraw() override;

    void setWorkTQNwidth(unsigned short width) override;
    void setWorkTQNheight(unsigned short height) override;
    void setWorkTQNshadowThickness(unsigned char thickness) override;
    void setWorkTQNforeColor(short color) override;
    void setWorkTQNbackColor(short color) override;
    void setWorkTQNshadowType(char type) override;

    TQ_PROPERTY_WORK_HOOK(barThickness, unsigned short)
    TQ_PROPERTY_WORK_HOOK(orientation, unsigned char)
    TQ_PROPERTY_WORK_HOOK(menuItems, char*)
    TQ_PROPERTY_WORK_HOOK(value, unsigned char)
    TQ_PROPERTY_WORK_HOOK(flip, TQCbool)
    TQ_PROPERTY_WORK_HOOK(useIcon, TQCbool)
    TQ_PROPERTY_WORK_HOOK(shortcut, char*)

    // Makes the tab buttons still missing, labels, colours and places one
    // per item, hides the surplus and places the tab row.
    void _adjust();
    // After a new value or flip: the rebuild, the value limited to the
    // buttons made so far, the buttons moved out or in, a repaint.
    void _value_adjust();
    // Shows the pages of the selected tab and hides the others.
    void _vis_adjust();
    // The ACTIVATE procedure of every tab button: its tab becomes the
    // selected one, and the form's VALUE_CH procedures run, also when it
    // already was.
    static void _index_op(TQCbase* button);
    // The first button whose userValue is the value; null for none.
    TQCvbtn* get_target_btn();
    // backColor of every tab button, hidden ones too, until the next
    // _adjust() or look change.
    void set_btn_background(short color);
    // The GUI_POLICY procedure: the tab buttons back in the form's colour.
    static void _look_changed(TQCbase* form);

    TQCform* getTabRow() const { return m_tabRow; }
    // Every tab button made so far, in tab order.
    const TQClistData& getTabButtons() const { return m_buttons; }

protected:
    void drawFigure(TQDdev* dev) override;
    void drawFinished() override;

private:
    bool horizontal() const { return m_orientation == 0; }
    // Tab button k, made as every tab is.
    TQCvbtn* makeTabButton(long k);
    void labelTab(TQCvbtn* button, const char* item, bool iconItem);
    // Along the row: place and size of tab k of n.
    void placeAlong(TQCvbtn* button, long k, long n);
    // Across the row: out by 2 when selected, the edge facing the pages
    // cut by the row.
    void placeAcross(TQCvbtn* button);
    void placeTabRow();
    void frameTabRow();
    void drawSeparator(TQDdev* dev);

    TQClistData m_buttons;
    TQCform* m_tabRow = nullptr;
    char* m_menuItems;
    char* m_shortcut = nullptr;
    unsigned short m_barThickness = 23;
    unsigned char m_value = 0;
    unsigned char m_orientation : 1;
    TQCbool m_flip : 1;
    TQCbool m_useIcon : 1;
    unsigned char m_rebuildPending : 1;
    TQ_BIT_FIELD_SLOT(m_orientation)
    TQ_BIT_FIELD_SLOT(m_flip)
    TQ_BIT_FIELD_SLOT(m_useIcon)
};

void* TQCindexForm_create(void* parent);
void TQCindexForm_delete(void* object);

#endif
