// The row label of a list: a framed label that shows whether its row is
// selected and whether it is the list's current row, draws itself in the
// list's row style (plain, tree or columns), and carries the keys and
// presses of the whole list: it moves the selection, the range anchors
// and the focus, and scrolls the list. Outside a list it is a focusable
// label whose keys and clicks only move the focus.
#ifndef _TQCVKLABEL_H
#define _TQCVKLABEL_H

#include "_TQCvlabel.h"

class TQClist;
class TQDkeyboard;

class TQCvklabel : public TQCvlabel {
public:
    TQ_CLASS_FRAME(TQCvklabel, TQCvlabel, 1000, 1000)
    TQCvklabel(TQCbase* parent, const char* name);
    // Lets go of the keyboard when it still points at this row.
    ~TQCvklabel() override;
    void getMadeValues(TQCindexVariantData* values) override;

    void onMousePress(TQCpoint* point) override;
    void onMouseDoubleClick(TQCpoint* point) override;
    void onFocusChange(unsigned char focus) override;
    long _device_initialize() override;
    long draw() override;

    TQ_PROPERTY_WORK_HOOK(selectColor, short)
    TQ_PROPERTY_WORK_HOOK(selectForeColor, short)

    // The key map: Tab and the arrows move the focus or the selection,
    // Space selects the row. Releases do nothing.
    virtual void onKey(TQDkeyboard* keyboard, unsigned char press);
    // Runs the ACTIVATE procedures.
    virtual void onActivate();

    // The keyboard's work procedure while the row holds the focus.
    static void _key_handler(void* row, TQDkeyboard* keyboard, unsigned char press);
    // The focus to the object a move in the direction reaches, if any.
    void _focus_move(long direction);

protected:
    // The list the row belongs to; null outside a list.
    TQClist* getList();
    // The row's position in its list; -1 when it has none.
    long getOwnIndex();

    // Both 0 on a new row, so that it is drawn unselected.
    short m_selectColor = 0;
    short m_selectForeColor = 0;

private:
    long neighbour(TQClist* list, long from, bool down);
    void bringIntoView(TQClist* list, long pos);
    void focusRow(TQClist* list, long pos);
    void setAnchors(TQClist* list, long anchor, long current);
    void selectRange(TQClist* list, long anchor, long end);
    void moveSingle(TQClist* list, bool down);
    void moveMultiple(TQClist* list, bool down, bool shift, bool control);
    bool hitsExpander(TQClist* list, const TQCpoint* point);
    void toggleBranch(TQClist* list);
    void selectByPress(TQClist* list, bool shift, bool control);
};

void* TQCvklabel_create(void* parent);
void TQCvklabel_delete(void* object);

#endif
