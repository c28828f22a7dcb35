// The list: a scrolled form whose work area shows one row label per item,
// in display order. The items come from the text of "data" (one per line,
// fields split by the separator), from another instance's value or from a
// text file. Three display types: plain rows, a tree of rows with levels and
// open marks, and rows of columns under a title bar of column buttons.
// Rows are selected singly or several at once, edited in place and sorted
// by a column; the row labels take the keys and presses and call back here.
#ifndef _TQCLIST_H
#define _TQCLIST_H

#include "_TQCscrForm.h"
#include "_TQCstring.h"

#include <string>

class TQCsform;
class TQDkeyboard;

class TQClist : public TQCscrForm {
public:
    TQ_CLASS_FRAME(TQClist, TQCscrForm, 1000, 1001)
    TQClist(TQCbase* parent, const char* name);
    ~TQClist() override;

    enum { TYPE_NORMAL = 0, TYPE_TREE = 1, TYPE_DETAIL = 2 };
    // The list's own triggers.
    enum {
        TRIGGER_SORT = 33,
        TRIGGER_ITEM_SELECTED = 35,
        TRIGGER_INPUT_FIXED = 37,
        TRIGGER_ITEM_DOUBLE_CLICKED = 52,
        TRIGGER_ITEM_PRE_SELECTED = 58,
        TRIGGER_INPUT_STARTED = 61
    };

    // Object model.
    void onFocusChange(unsigned char focus) override;
    const char* getDefaultProperty() override { return "data"; }
    // True while a row is shown.
    unsigned char canFocus() override;
    void setData(TQCvariant* value, long encoding) override;
    long getDataSourceType() override { return m_dataSource; }
    const char* getDataSourcePropertyName() override { return "data"; }
    void update() override;
    long draw() override;
    // Form and scrolled form.
    void setWorkTQNwidth(unsigned short width) override;
    void setWorkTQNheight(unsigned short height) override;
    void setWorkTQNforeColor(short color) override;
    void setWorkTQNbackColor(short color) override;
    void setWorkTQNtopShadowColor(short color) override;
    void setWorkTQNbottomShadowColor(short color) override;
    void setWorkTQNworkWidth(unsigned short width) override;
    void setWorkTQNworkHeight(unsigned short height) override;
    void setWorkTQNworkBackColor(short color) override;
    void _adjust() override;
    void _adjust_no_scroll() override;
    void onValueChange() override;
    void onScrMousePress(TQCpoint* point) override;
    void onScrMouseRelease(TQCpoint* point) override;

    TQ_PROPERTY_WORK_HOOK(itemHeight, unsigned char)
    TQ_PROPERTY_HOOKS(font, unsigned char)
    TQ_PROPERTY_WORK_HOOK(selectColor, short)
    TQ_PROPERTY_WORK_HOOK(selectForeColor, short)
    TQ_PROPERTY_WORK_HOOK(type, unsigned char)
    TQ_PROPERTY_HOOKS(multiSelect, TQCbool)
    TQ_PROPERTY_HOOKS(reverseSelect, TQCbool)
    TQ_PROPERTY_WORK_HOOK(titleHeight, unsigned char)
    TQ_PROPERTY_WORK_HOOK(titleString, char*)
    TQ_PROPERTY_WORK_HOOK(barValue, char*)
    TQ_PROPERTY_WORK_HOOK(useIcon, TQCbool)
    TQ_PROPERTY_WORK_HOOK(iconPixmap, short)
    TQ_PROPERTY_OWN_HOOKS(data, char*)
    TQ_PROPERTY_WORK_HOOK(dataSource, unsigned char)
    TQ_PROPERTY_WORK_HOOK(dataSourceName, char*)
    TQ_PROPERTY_HOOKS(enableInput, TQCbool)
    TQ_PROPERTY_WORK_HOOK(separator, char*)
    TQ_PROPERTY_HOOKS(enableFocusMove, TQCbool)
    TQ_FOCUS_NAME_HOOKS
    TQ_PROPERTY_HOOKS(returnKeyFocus, TQCbool)

    // Places the in-place input over a row (show 1) or takes it away.
    virtual void _adjust_input(TQCbase* label, long pos, unsigned char show, short x, short y);
    // Places every row and sizes the work area.
    virtual void _lb_adjust();
    virtual void setData(const TQCvariant& value, long encoding);
    virtual void onSort();
    virtual void onItemSelected();
    virtual void onItemPreSelected();
    virtual void onItemDoubleClicked();
    // INPUT-FIXED first, then the row takes the input's text.
    virtual void onInputFixed(TQCstring text, long pos, long col);
    virtual void onInputStarted(TQCstring text, long pos, long col);
    virtual void onKey(TQDkeyboard* keyboard, unsigned char press);

    // Item data.
    void _set_data(const char* text);
    TQCstring _get_data();
    void _set_ds_instance();
    void _clear_ds_instance();
    void _data_from_file(const char* fileName);

    // Layout.
    void _lb_adjust_work(long& pos, long level, unsigned char visible, long& row);
    void updateList();
    void setLabelHeight(unsigned short height);
    void _update_lb_height();
    long getTopPos();
    void setTopPos(long pos);
    long getBottomPos();
    void setBottomPos(long pos);
    // Clears the flag that makes the next update lay the rows out again.
    void resetUpdateFlag() { m_updateFlag = 0; }

    // Items. Only -1 stands for the last row here.
    long addItem(const char* text, long pos);
    long replaceItem(const char* text, long pos);
    TQCstring getItem(long pos, long col);
    long delPos(long pos);
    long delAll();
    long getNum() const { return m_labels.getNum(); }
    TQCbase* getLabel(long pos);
    TQClistData& getLabels() { return m_labels; }
    void setLabelClass(const char* className) { m_labelClass.setString(className, -2); }
    void setLabelProperty(const char* name, const char* value);
    // -1 for an empty list or a position past the last row.
    long setItemVisible(long pos, unsigned char on);
    long setItemValue(long pos, long kind, long value);
    long getItemValue(long pos, long kind, long* value);
    const char* getSeparator() const { return m_separator != nullptr ? m_separator : ""; }

    // Selection. Any negative position stands for the last row.
    long setSelectPos(long pos, unsigned char fire);
    long setSelected(long pos, unsigned char on, unsigned char fire);
    long getSelected(long pos);
    long getSelectedPos();
    TQCstring getSelectedItem();
    long getSelectedNextPos(long pos);
    TQCstring getSelectedNextItem(long pos);
    void getSelectedLabels(TQClistData& out);
    long getPreSelectedPos() const { return m_preSelected; }
    long setPreSelectPos(long pos);
    unsigned char getSelectItemChanged() const { return m_selectChanged; }
    void setSelectItemChanged(unsigned char on) { m_selectChanged = on ? 1 : 0; }
    unsigned char getEnableActivate() const { return m_enableActivate; }
    void setEnableActivate(unsigned char on) { m_enableActivate = on ? 1 : 0; }
    unsigned char getAbsoluteChangeSelectFlag() const { return m_absoluteChange; }
    void setAbsoluteChangeSelectFlag(unsigned char on) { m_absoluteChange = on ? 1 : 0; }
    // Focus moves from the list when enableFocusMove is on.
    void _focus_move(long direction);

    // In-place input.
    TQCstring getInputString();
    void setInputString(TQCstring text);
    long getInputPos(long* pos, long* col);
    long replaceItem(const char* text, long pos, long col);
    void cancelInput();
    long setInputStatus(long status, long pos, long col);
    long setInputType(const char* className, const char* propertyName, TQCvariant value,
                      long pos, long col);
    TQCbase* _get_input_instance(long pos, long col);

    // Sort.
    long sort(long col, char dir);
    long getSortOrder(long col);
    long getSortPos() const { return m_sortColumn; }
    void setSortPos(long col) { m_sortColumn = static_cast<signed char>(col); }

    // What the row labels read when they draw.
    unsigned char getType() const { return m_type; }
    unsigned char getUseIcon() const { return m_useIcon; }
    unsigned char getMultiSelect() const { return m_multiSelect; }
    unsigned char getReverseSelect() const { return m_reverseSelect; }
    unsigned char getReturnKeyFocus() const { return m_returnKeyFocus; }
    const char* getBarValue() const { return m_barValue != nullptr ? m_barValue : ""; }
    unsigned char getItemHeight() const { return m_itemHeight; }
    TQCsform* getTitleBar() const { return m_titleBar; }

    // Internal procedures of the title bar and its buttons.
    static void _btn_area_valuech(TQCbase* bar);
    static void _btn_activate(TQCbase* button);
    // Internal procedures of the rows: the pointer goes on to the view.
    static void _row_press(TQCbase* row);
    static void _row_release(TQCbase* row);

protected:
    // What the lists built on this one preset or share: the properties below
    // with their slots, the title bar of the Detail type (made once) and the
    // marks of a selected row.
    // titleHeight is the scrolled form's title band: five bits.
    struct TitleHeightSlot {
        typedef unsigned char Value;
        static const char* typeText() { return "unsigned char"; }
        static Value read(TQClist* list) { return list->getTitleBand(); }
        static void write(TQClist* list, Value value) { list->setTitleBand(value); }
    };
    void buildTitleBar();
    void markSelected(TQCbase* row, bool on);
    // The presets of a list class made for one display type: that type and
    // row icons on, with the file icon. Every construction stores them; the
    // first registers them as the class's defaults, the type hidden from the
    // builder, and then runs more(registrar) for the class's own.
    template <class Class, class More>
    void presetDisplay(Class* list, unsigned char type, More more)
    {
        m_type = type & 3;
        m_useIcon = 1;
        m_iconPixmap = fileIconNo();
        TQCregisterClass(list, Class::VERSION, [type, icon = m_iconPixmap, more](auto& r) {
            r.template changeDefault<m_typeSlot>(_TQNtype(), type);
            r.template changeDefault<TQCflagOf<m_useIconSlot>>(_TQNuseIcon(), 1);
            r.template changeDefault<&TQClist::m_iconPixmap>(_TQNiconPixmap(), icon);
            r.hide(_TQNtype());
            more(r);
        });
    }
    static short fileIconNo();

private:
    struct InputRecord;

    // The step of every division by the row height: 0 counts as 1.
    long rowUnit() const { return m_itemHeight != 0 ? m_itemHeight : 1; }
    TQCbase* rowAt(long pos) const { return static_cast<TQCbase*>(m_labels.getData(pos)); }
    // -1 for the last row; other positions outside the rows give -1.
    long itemPos(long pos) const;
    // Any negative position for the last row; -1 when there is none.
    long selectionPos(long pos) const;
    TQCbase* makeRow(const char* text, long pos);
    void passPointerToView(TQCbase* row);
    void parseLine(const std::string& line);
    void spreadIcon(bool onlyDefaults);
    void layOutTitleBar();
    void placeRow(TQCbase* row, long slot, bool virtualScroll);
    long viewSlider();
    void redrawFramePixmap();
    long visibleIndex(long pos);
    long positionOfVisibleIndex(long index, long fallback);
    void scrollToValue(long value, bool toRow);
    bool selectOne(TQCbase* row);
    void fireSelection(unsigned char fire);
    void startEdit(TQCbase* label, long pos, long col, long x, long width);
    void fixInput(TQCbase* field);
    void hideInput(TQCbase* field);
    InputRecord* findRecord(long pos, long col, bool create);
    TQCbase* rowUnder(TQCpoint* point, long* pos);
    void makeDefaultInput();
    void attachInputProcedures(TQCbase* field, bool focusLose);
    void freeInputRecords();
    static void _input_fix_work(TQCbase* field);
    static void _input_focus_lose(TQCbase* field);

protected:
    // Properties.
    char* m_separator = nullptr;
    char* m_titleString = nullptr;
    char* m_barValue = nullptr;
    char* m_data = nullptr;
    char* m_dataSourceName = nullptr;
    char* m_upward = nullptr;
    char* m_downward = nullptr;
    char* m_leftward = nullptr;
    char* m_rightward = nullptr;
    char* m_return = nullptr;
    char* m_tab = nullptr;
    char* m_backtab = nullptr;
    short m_iconPixmap = -1;
    short m_selectColor = -7;
    short m_selectForeColor = -18;
    unsigned char m_itemHeight = 20;
    unsigned char m_font : 4;
    unsigned char m_type : 2;
    unsigned char m_dataSource : 2;
    TQCbool m_useIcon : 1;
    TQCbool m_multiSelect : 1;
    TQCbool m_reverseSelect : 1;
    TQCbool m_enableInput : 1;
    TQCbool m_enableFocusMove : 1;
    TQCbool m_returnKeyFocus : 1;
    TQ_BIT_FIELD_SLOT(m_font)
    TQ_BIT_FIELD_SLOT(m_type)
    TQ_BIT_FIELD_SLOT(m_dataSource)
    TQ_BIT_FIELD_SLOT(m_useIcon)
    TQ_BIT_FIELD_SLOT(m_multiSelect)
    TQ_BIT_FIELD_SLOT(m_reverseSelect)
    TQ_BIT_FIELD_SLOT(m_enableInput)
    TQ_BIT_FIELD_SLOT(m_enableFocusMove)
    TQ_BIT_FIELD_SLOT(m_returnKeyFocus)

private:
    // State.
    TQClistData m_labels;
    TQCstring m_labelClass;
    TQCsform* m_titleBar = nullptr;
    TQCbase* m_defaultInput = nullptr;
    TQCbase* m_currentInput = nullptr;
    TQClistData m_extraInputs;
    short m_previousIcon = -1;
    short m_preSelected = -1;
    unsigned short m_rememberedWorkWidth = 0;
    unsigned short m_labelWidth = 1024;
    unsigned short m_rememberedWorkHeight = 0;
    unsigned char m_rememberedItemHeight = 20;
    signed char m_sortColumn = 0;
    unsigned char m_selectChanged : 1;
    unsigned char m_enableActivate : 1;
    unsigned char m_absoluteChange : 1;
    unsigned char m_updateFlag : 1;
    unsigned char m_dataSourceFlag : 1;
    unsigned char m_redrawPending : 1;
    unsigned char m_adjustPending : 1;
};

void* TQClist_create(void* parent);
void TQClist_delete(void* object);

#endif
