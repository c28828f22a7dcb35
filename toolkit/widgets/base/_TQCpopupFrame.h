// The pop-up frame: a borderless top-level window, kept above the others,
// that lists the items of a menu in rows and at every drawing notes the
// item under the pointer. It has no input of its own: an owner shows it,
// redraws it while the pointer moves, hides it and asks for the value.
#ifndef _TQCPOPUPFRAME_H
#define _TQCPOPUPFRAME_H

#include "_TQClookHook.h"
#include "_TQCwindow.h"

#include <string>
#include <vector>

// What an extended look's "TQCpopupFrame::draw" procedure is handed, by
// address; it reports the item under the pointer itself through set_value
// and set_value_effective.
struct TQCpopupFrameDrawBlock {
    TQClookHead head;
    short foreColor;
    short backColor;
    short topShadowColor;
    short bottomShadowColor;
    short backPixmap;
    long shadowType;
    unsigned short gradation;
    unsigned short gradationMargin;
    char* menuItems;
    unsigned char* itemSensitive;
    unsigned short menuItemHeight;
    unsigned char emboss;
    unsigned char font;
};

class TQCpopupFrame : public TQCwindow {
public:
    TQ_CLASS_FRAME(TQCpopupFrame, TQCwindow, 1000, 1000)
    TQ_LOOK_HOOK(TQCpopupFrame, TQCpopupFrameDrawBlock)
    TQ_POPUP_WINDOW_FRAME
    TQCpopupFrame(TQCbase* parent, const char* name);
    ~TQCpopupFrame() override;

    // Shown, the frame counts as shown whatever its parent.
    void onVisibleChange(unsigned char on) override;
    long draw() override;

    TQ_PROPERTY_HOOKS(font, unsigned char)
    // New items are all sensitive.
    TQ_PROPERTY_WORK_HOOK(menuItems, char*)
    TQ_PROPERTY_HOOKS(menuItemHeight, unsigned short)

    // 0, or -1 for an index outside the items; the flags are made, all
    // sensitive, on first need.
    long setItemSensitive(short index, unsigned char on);
    void setEmboss(unsigned char on) { m_emboss = on & 1; }
    unsigned char getEmboss() const { return m_emboss; }
    // The value of the item under the pointer at the last drawing; 1 when
    // there was one, else 0 and the value stays the earlier one.
    long getValue(long* value);
    void set_value(long value) { m_value = value; }
    void set_value_effective(unsigned char on) { m_valueEffective = on & 1; }

    // A menu list's items: "," and line feeds separate them; null has
    // none, "" one empty item.
    static std::vector<std::string> splitItems(const char* items);
    // Field n of an item (":" separates them); "" when it has fewer.
    static std::string itemField(const std::string& item, long n);

private:
    static void registerProperties(Registrar& r);
    void drawItem(TQDdev* dev, const std::string& item, long k, short px, short py);

    char* m_menuItems = nullptr;
    unsigned char* m_itemSensitive = nullptr;
    long m_value = 0;
    unsigned short m_menuItemHeight = 30;
    unsigned char m_valueEffective : 1;
    unsigned char m_font : 4;
    TQ_BIT_FIELD_SLOT(m_font)
};

void* TQCpopupFrame_create(void* parent);
void TQCpopupFrame_delete(void* object);

#endif
