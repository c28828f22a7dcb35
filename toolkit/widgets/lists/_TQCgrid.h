// The grid: a form showing a table of text cells, hcolumns side by side in
// each of vcolumns rows, between lines whose positions lineX and lineY
// list. All cell texts travel as one value string, data, joined by
// separator in row-major order; each cell may have its own colours and an
// input status. The value can come from another instance or a text file,
// and with enableInput on a quick second press opens an input field over a
// cell to edit it in place.
#ifndef _TQCGRID_H
#define _TQCGRID_H

#include "_TQCform.h"
#include "_TQCvariant.h"

#include <vector>

class TQCvifield;

class TQCgrid : public TQCform {
public:
    // The grid keeps the form's version and check.
    TQ_CLASS_FRAME(TQCgrid, TQCform, 1010, 1010)
    TQCgrid(TQCbase* parent, const char* name);
    // The input field is told first that the grid goes, so that losing the
    // focus on its way out commits nothing.
    ~TQCgrid() override;

    enum { TRIGGER_ITEM_SELECTED = 35 };
    enum { SOURCE_NONE = 0, SOURCE_INSTANCE = 1, SOURCE_FILE = 2 };
    // Cells beyond this many are not made: hcolumns and then vcolumns are
    // cut down to fit.
    enum { MAX_CELLS = 65536 };

    const char* getDefaultProperty() override { return "data"; }
    // A copy of the value's text becomes data, split at the next update.
    void setData(TQCvariant* value, long encoding) override;
    long getDataSourceType() override { return m_dataSource; }
    const char* getDataSourcePropertyName() override { return "data"; }
    // Retries a data-source name not found yet, rebuilds lines and cells,
    // then the form's update.
    void update() override;
    // Background, cells, lines and frame; no extended look is asked.
    long draw() override;
    // Expose, resize, press and release come with the device.
    long _device_initialize() override;
    void onMousePress(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;

    TQ_PROPERTY_HOOKS(separator, char*)
    TQ_PROPERTY_HOOKS(lineX, char*)
    TQ_PROPERTY_HOOKS(lineY, char*)
    TQ_PROPERTY_HOOKS(vcolumns, unsigned long)
    TQ_PROPERTY_HOOKS(hcolumns, unsigned long)
    // A set turns each backslash-n into a line feed; in edit mode a grid
    // with a data source reads as null.
    TQ_PROPERTY_OWN_HOOKS(data, char*)
    TQ_PROPERTY_WORK_HOOK(dataSource, unsigned char)
    TQ_PROPERTY_WORK_HOOK(dataSourceName, char*)
    TQ_PROPERTY_HOOKS(enableInput, TQCbool)
    TQ_PROPERTY_HOOKS(font, unsigned char)
    TQ_PROPERTY_HOOKS(alignmentH, unsigned char)
    TQ_PROPERTY_HOOKS(alignmentV, unsigned char)
    TQ_PROPERTY_HOOKS(lineWidth, unsigned char)
    TQ_PROPERTY_HOOKS(lineType, unsigned char)

    unsigned long getHColumns() const { return m_hcolumns; }
    unsigned long getVColumns() const { return m_vcolumns; }

    // Cells are addressed by the index row x hcolumns + column (32-bit
    // unsigned), so a column beyond the last reaches a later row; an index
    // at or beyond the cell count fails. A store left from another shape is
    // split again first.
    // A copy of the cell's value; "" for no cell.
    TQCvariant getItem(unsigned long column, unsigned long row);
    // The cell takes a copy; data is rebuilt from the cells. 0, or -1.
    long setItem(unsigned long column, unsigned long row, TQCvariant value);
    // The cell strictly containing the point: 0, or -1 on a line, outside
    // every cell, or before the first update.
    long getCellNo(long x, long y, unsigned long* column, unsigned long* row);
    // The cell's rectangle; the last column and row reach the grid's edges,
    // and a cell whose lines lie the wrong way round is empty. -1 for a
    // column or row outside the shape, or no cell.
    long getCellGeometry(unsigned long column, unsigned long row, short* x, short* y,
                         unsigned short* width, unsigned short* height);
    // The per-cell tables are made on first use, from the grid's colours
    // and input status 1; they go when the shape changes. 0, or -1.
    long setCellForeColor(unsigned long column, unsigned long row, short color);
    long setCellForeColor(unsigned long column, unsigned long row, const char* colorName);
    long setCellBackColor(unsigned long column, unsigned long row, short color);
    long setCellBackColor(unsigned long column, unsigned long row, const char* colorName);
    long setCellInputStatus(unsigned long column, unsigned long row, unsigned char status);
    long getCellInputStatus(unsigned long column, unsigned long row, unsigned char* status);
    // The string-drawing alignment code of every cell; values outside the
    // enumerations count as left and centre.
    char getAlignment();
    char getItemAlignment(unsigned long, unsigned long) { return getAlignment(); }

    // Opens the input field on the cell: 0, or -1 when the cell has no
    // rectangle.
    long setFocusedCell(unsigned long column, unsigned long row);
    // The cell the field was last opened on: 0, or -1 (both 0) without
    // cells or before any field.
    long getFocusedCell(unsigned long* column, unsigned long* row);

    // Line tables, then the value split.
    void _value_update();
    virtual void _adjust() {}
    // The commit: the cell takes the value and data is rebuilt before the
    // field hides (hiding it may repaint the grid, which splits data
    // again); no trigger runs. Nothing for no cell.
    virtual void onInputFixed(TQCvariant* value, long column, long row);
    // Shows the field over the cell (show set) or hides it.
    void _adjust_input(long column, long row, unsigned char show);
    void _create_input();
    // The field's procedures: the focus lost, and Return.
    static void _input_focus_lose(TQCbase* field);
    static void _input_fix_work(TQCbase* field);

protected:
    struct CellRect {
        long x, y, width, height;
    };

    void drawFigure(TQDdev* dev) override;
    void drawCells(TQDdev* dev);
    void drawLines(TQDdev* dev);

    // Line tables and value split.
    void _adjust_line();
    void _adjust_value();
    void fillLineTable(std::vector<long>& table, unsigned long count, const char* list,
                       long farEdge);
    bool shapeIsStale() const;
    // Splits again when the store was made for another shape; with always
    // set also when there is no store yet.
    void refreshShape(bool always);
    unsigned long cellIndex(unsigned long column, unsigned long row) const
    {
        return row * m_hcolumns + column;
    }
    CellRect cellRect(unsigned long column, unsigned long row) const;
    static TQCvariant ownedCopy(const TQCvariant& value);
    // The value string made again from the cells.
    void rebuildData();
    void adoptData(const char* text);
    template <class T>
    long tableIndex(std::vector<T>& table, T initial, unsigned long column, unsigned long row);
    template <class T>
    long storeInTable(std::vector<T>& table, T initial, unsigned long column, unsigned long row,
                      T value);
    short cellForeColor(unsigned long i) const;
    short cellBackColor(unsigned long i) const;

    // Data source.
    void bindSource();
    void bindInstance();
    void readSourceFile();

    char* m_separator = nullptr;
    char* m_lineX = nullptr;
    char* m_lineY = nullptr;
    char* m_data = nullptr;
    char* m_dataSourceName = nullptr;
    unsigned long m_vcolumns = 3;
    unsigned long m_hcolumns = 3;
    unsigned char m_font : 4;
    unsigned char m_lineWidth : 4;
    unsigned char m_lineType : 4;
    unsigned char m_alignmentV : 3;
    unsigned char m_alignmentH : 2;
    unsigned char m_dataSource : 2;
    TQCbool m_enableInput : 1;
    // A data-source instance not found yet is looked for at every update.
    unsigned char m_bindingPending : 1;
    // Set while a commit runs: hiding the field loses its focus, which
    // would commit the same text again.
    unsigned char m_committing : 1;
    TQ_BIT_FIELD_SLOT(m_font)
    TQ_BIT_FIELD_SLOT(m_lineWidth)
    TQ_BIT_FIELD_SLOT(m_lineType)
    TQ_BIT_FIELD_SLOT(m_alignmentV)
    TQ_BIT_FIELD_SLOT(m_alignmentH)
    TQ_BIT_FIELD_SLOT(m_dataSource)
    TQ_BIT_FIELD_SLOT(m_enableInput)

    std::vector<long> m_xTable;
    std::vector<long> m_yTable;
    std::vector<TQCvariant> m_cells;
    std::vector<short> m_foreColors;
    std::vector<short> m_backColors;
    std::vector<unsigned char> m_inputStatus;
    TQCvifield* m_input = nullptr;
};

void* TQCgrid_create(void* parent);
void TQCgrid_delete(void* object);

#endif
