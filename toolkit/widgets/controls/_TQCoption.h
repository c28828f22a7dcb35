// The option button: a framed label showing the chosen item of an item
// list, with a small raised bar at its right. A press pops the list up in
// a pop-up frame over the button; releasing over an item chooses it. Its
// value is the chosen item's id.
//
// Items are separated by "," or line feeds, their fields by ":": the label,
// the id (decimal; 0 when missing) and the name of this instance's
// procedures to run when the item is chosen.
#ifndef _TQCOPTION_H
#define _TQCOPTION_H

#include "_TQClookHook.h"
#include "_TQCvlabel.h"

#include <string>
#include <vector>

class TQCpopupFrame;

// What an extended look's "TQCoption::draw" procedure is handed, by
// address, instead of the button painting itself.
struct TQCoptionDrawBlock {
    TQClookHead head;
    TQClabelLook label;
    short backBlinkColor;
    short topShadowColor;
    short bottomShadowColor;
    char* labelString;
    short labelPixmap;
    short blinkPixmap;
    TQClabelMargins margins;
    unsigned char emboss;
    unsigned char font;
    unsigned char reverseFlag;
    unsigned char menuPopped;
};

class TQCoption : public TQCvlabel {
public:
    TQ_CLASS_FRAME(TQCoption, TQCvlabel, 1000, 1000)
    TQ_LOOK_HOOK(TQCoption, TQCoptionDrawBlock)
    TQCoption(TQCbase* parent, const char* name);
    // Deletes the pop-up frame.
    ~TQCoption() override;

    // Tracks the pointer over the menu while it is up.
    void onMouseMove(TQCpoint* point) override;
    // Pops the menu up.
    void onMousePress(TQCpoint* point) override;
    // Takes the item under the pointer: VALUE_CH and the item's
    // procedures for a new value, then ACTIVATE.
    void onMouseRelease(TQCpoint* point) override;
    // Hidden, the menu goes down without a choice.
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    long _device_initialize() override;
    // Makes the pop-up frame and sets the default items.
    long initialize() override;
    const char* getDefaultProperty() override { return "value"; }
    // An ACTIVATE procedure needs the pointer events.
    using TQCbase::addProcedure;
    long addProcedure(TQCprocedure* procedure) override;
    long draw() override;
    // Never 0: 0 becomes 1.
    void setWorkTQNshadowThickness(unsigned char thickness) override;
    void setWorkTQNemboss(unsigned char on) override;

    TQ_PROPERTY_WORK_HOOK(menuItems, char*)
    TQ_PROPERTY_WORK_HOOK(value, long)

    // Runs the ACTIVATE procedures.
    virtual void onActivate();
    // Nothing here.
    virtual void onValueChange(long value);

    long getValue() const { return m_value; }
    // One byte per item, non-zero when it can be chosen.
    unsigned char* getSelectStatus() { return m_itemStatus; }
    // By index among the comma-separated items: 0, or -1 outside them.
    long setItemSensitive(short index, unsigned char on);
    // For the first item of the id: 0, or -1 when none has it.
    long setSelectValue(long id, unsigned char on);
    // The number of comma-separated items.
    long getItemNum();
    long getItems() { return getItemNum(); }
    // The id of the comma-separated item at index; 0 outside them.
    long getItemValue(long index);

    void _menu_popup(TQCpoint* point);
    void _menu_update();
    void _menu_popdown();

    // The default item list.
    static const char* defaultItems();

private:
    struct Look;
    static void registerProperties(Registrar& r);
    std::vector<std::string> items() const;
    // The index of the first item of the id, -1 when none.
    long itemOfId(long id) const;
    void setLabelFromItem(const std::string& item);
    void choose(long id);
    void menuDownUnless(unsigned char shown);
    long menuWidth(const std::vector<std::string>& list);
    void drawBackground(TQDdev* dev, const Look& look);
    void drawPicture(TQDdev* dev, const Look& look);
    void drawLabel(TQDdev* dev, const Look& look);

    TQCpopupFrame* m_popup = nullptr;
    unsigned char* m_itemStatus = nullptr;
    char* m_menuItems = nullptr;
    long m_value = 0;
    unsigned char m_menuPopped : 1;
};

void* TQCoption_create(void* parent);
void TQCoption_delete(void* object);

#endif
