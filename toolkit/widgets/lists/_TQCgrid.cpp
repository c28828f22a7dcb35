// Grid: construction, the properties, the value string and the cells with
// their per-cell tables, and the data source. Lines, rectangles and drawing
// have a file of their own, and so has editing a cell.
#include "_TQCgrid.h"

#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvifield.h"
#include "_TQGFfile.h"

#include <memory>
#include <string>

TQ_TYPE_SERVER_FRAME(TQCgrid, TQCform);

namespace {

// The text of a value in the default encoding.
std::string textOf(const TQCvariant& value)
{
    TQCstring text(value, -2);
    const char* bytes = text.getString(-2);
    return bytes != nullptr ? bytes : "";
}

} // namespace

// A cell keeps its own copy of a text that the value only borrows.
TQCvariant TQCgrid::ownedCopy(const TQCvariant& value)
{
    if (value.getType() != TQVT_CHARPTR)
        return value;
    const char* text = value.getCharPtrConst();
    return TQCvariant(const_cast<char*>(text != nullptr ? text : ""));
}

TQCgrid::TQCgrid(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_separator(TQGFstrdup(",")), m_lineX(TQGFstrdup("25,50")),
      m_lineY(TQGFstrdup("30,70")), m_data(TQGFstrdup("")), m_dataSourceName(TQGFstrdup("")),
      m_font(0), m_lineWidth(1), m_lineType(0), m_alignmentV(2), m_alignmentH(2),
      m_dataSource(SOURCE_NONE), m_enableInput(0), m_bindingPending(0), m_committing(0)
{
    m_backColor = -11;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, separator, ",");
        TQ_WATCH(r, lineX, "25,50");
        TQ_WATCH(r, lineY, "30,70");
        TQ_WATCH(r, vcolumns, 3);
        TQ_WATCH(r, hcolumns, 3);
        TQ_WATCH(r, data, "");
        TQ_WATCH_BITS(r, dataSource, SOURCE_NONE, dataSource);
        TQ_WATCH(r, dataSourceName, "");
        TQ_WATCH_FLAG(r, enableInput, 0, bool3);
        TQ_WATCH_BITS(r, alignmentV, 2, alignmentV);
        TQ_WATCH_BITS(r, alignmentH, 2, alignmentH);
        TQ_WATCH_BITS(r, lineWidth, 1);
        TQ_WATCH_BITS(r, lineType, 0, lineType);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
        r.changeDefault<&TQCgrid::m_backColor>(_TQNbackColor(), -11);
        r.info()->setExtTrigger(TRIGGER_ITEM_SELECTED, "ITEM-SELECTED");
    });
}

TQCgrid::~TQCgrid()
{
    if (m_input != nullptr)
        m_input->setUserData("pgrid", nullptr);
    for (char** text : {&m_separator, &m_lineX, &m_lineY, &m_data, &m_dataSourceName}) {
        delete[] *text;
        *text = nullptr;
    }
}

void TQCgrid::update()
{
    LifeGuard guard(this);
    if (m_bindingPending) {
        m_bindingPending = 0;
        if (m_dataSource == SOURCE_INSTANCE)
            bindInstance();
        if (!guard.alive())
            return;
    }
    _value_update();
    TQCform::update();
}

void TQCgrid::_value_update()
{
    _adjust_line();
    _adjust_value();
}

// ---------------------------------------------------------------------------
// Value string

void TQCgrid::setWorkTQNdata(char* text)
{
    TQCstring converted(text != nullptr ? text : "", -2);
    converted.replaceString("\\n", "\n");
    TQCvariant value(converted.getString(-2));
    setData(&value, -2);
}

void TQCgrid::getWorkTQNdata(char** text)
{
    if (getPropertyEditMode() && m_dataSource != SOURCE_NONE)
        *text = nullptr;
}

void TQCgrid::setData(TQCvariant* value, long)
{
    adoptData(value != nullptr ? textOf(*value).c_str() : "");
    needUpdate();
}

void TQCgrid::adoptData(const char* text)
{
    char* copy = TQGFstrdup(text);
    delete[] m_data;
    m_data = copy;
}

// Cell i takes word i, or "" when the string has fewer words. A store of
// another size is made anew, and the per-cell tables go with the old one.
void TQCgrid::_adjust_value()
{
    size_t n = static_cast<size_t>(m_hcolumns) * m_vcolumns;
    std::vector<TQCstring> words;
    if (m_data != nullptr)
        words = TQCstring(m_data, -2).getWordList(m_separator, static_cast<long>(n), -2);
    if (m_cells.size() != n) {
        m_cells.assign(n, TQCvariant(""));
        m_foreColors.clear();
        m_backColors.clear();
        m_inputStatus.clear();
    }
    for (size_t i = 0; i < n; ++i)
        m_cells[i] = i < words.size() ? TQCvariant(words[i].getString(-2)) : TQCvariant("");
}

void TQCgrid::rebuildData()
{
    std::string joined;
    const char* separator = m_separator != nullptr ? m_separator : "";
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (i > 0)
            joined += separator;
        joined += textOf(m_cells[i]);
    }
    adoptData(joined.c_str());
}

bool TQCgrid::shapeIsStale() const
{
    return m_xTable.size() != m_hcolumns || m_yTable.size() != m_vcolumns ||
           m_cells.size() != static_cast<size_t>(m_hcolumns) * m_vcolumns;
}

void TQCgrid::refreshShape(bool always)
{
    if ((always || !m_cells.empty()) && shapeIsStale())
        _value_update();
}

TQCvariant TQCgrid::getItem(unsigned long column, unsigned long row)
{
    refreshShape(false);
    unsigned long i = cellIndex(column, row);
    return i < m_cells.size() ? m_cells[i] : TQCvariant("");
}

// No update is asked for: the text shows at the next drawing.
long TQCgrid::setItem(unsigned long column, unsigned long row, TQCvariant value)
{
    refreshShape(false);
    unsigned long i = cellIndex(column, row);
    if (i >= m_cells.size())
        return -1;
    m_cells[i] = ownedCopy(value);
    rebuildData();
    return 0;
}

// ---------------------------------------------------------------------------
// Per-cell tables

template <class T>
long TQCgrid::tableIndex(std::vector<T>& table, T initial, unsigned long column,
                         unsigned long row)
{
    refreshShape(true);
    if (table.empty())
        table.assign(m_cells.size(), initial);
    unsigned long i = cellIndex(column, row);
    return i < m_cells.size() ? static_cast<long>(i) : -1;
}

template <class T>
long TQCgrid::storeInTable(std::vector<T>& table, T initial, unsigned long column,
                           unsigned long row, T value)
{
    long i = tableIndex(table, initial, column, row);
    if (i < 0)
        return -1;
    table[i] = value;
    needUpdate();
    return 0;
}

long TQCgrid::setCellForeColor(unsigned long column, unsigned long row, short color)
{
    return storeInTable(m_foreColors, m_foreColor, column, row, color);
}

long TQCgrid::setCellForeColor(unsigned long column, unsigned long row, const char* colorName)
{
    return setCellForeColor(column, row, TQGIappColorSet()->getColorNo(colorName));
}

long TQCgrid::setCellBackColor(unsigned long column, unsigned long row, short color)
{
    return storeInTable(m_backColors, m_backColor, column, row, color);
}

long TQCgrid::setCellBackColor(unsigned long column, unsigned long row, const char* colorName)
{
    return setCellBackColor(column, row, TQGIappColorSet()->getColorNo(colorName));
}

long TQCgrid::setCellInputStatus(unsigned long column, unsigned long row, unsigned char status)
{
    return storeInTable(m_inputStatus, static_cast<unsigned char>(1), column, row, status);
}

long TQCgrid::getCellInputStatus(unsigned long column, unsigned long row, unsigned char* status)
{
    long i = tableIndex(m_inputStatus, static_cast<unsigned char>(1), column, row);
    if (i < 0)
        return -1;
    if (status != nullptr)
        *status = m_inputStatus[i];
    return 0;
}

short TQCgrid::cellForeColor(unsigned long i) const
{
    return i < m_foreColors.size() ? m_foreColors[i] : m_foreColor;
}

short TQCgrid::cellBackColor(unsigned long i) const
{
    return i < m_backColors.size() ? m_backColors[i] : m_backColor;
}

// ---------------------------------------------------------------------------
// Data source

void TQCgrid::setWorkTQNdataSource(unsigned char source)
{
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    bindSource();
    if (source != SOURCE_INSTANCE) {
        followDataSource(nullptr);
        m_bindingPending = 0;
    }
}

void TQCgrid::setWorkTQNdataSourceName(char*)
{
    bindSource();
}

void TQCgrid::bindSource()
{
    if (m_dataSource == SOURCE_INSTANCE)
        bindInstance();
    else if (m_dataSource == SOURCE_FILE)
        readSourceFile();
}

namespace {

// A text of several lines as one value string: each line feed becomes the
// separator.
void setDataFromLines(TQCgrid* grid, TQCstring& text, const char* separator)
{
    text.replaceString("\n", separator != nullptr ? separator : "");
    TQCvariant value(text.getString(-2));
    grid->setData(&value, -2);
}

} // namespace

// A source bound before is left, whether or not the new name is found; a
// name not found empties the grid and is looked for again at each update.
void TQCgrid::bindInstance()
{
    TQCbase* server = findDataSource(m_dataSourceName);
    followDataSource(server);
    if (server == nullptr) {
        TQCvariant empty("");
        setData(&empty, -2);
        m_bindingPending = 1;
        return;
    }
    TQCstring text(server->getProperty(server->getDefaultProperty()), -2);
    setDataFromLines(this, text, m_separator);
}

// A file that cannot be read changes nothing.
void TQCgrid::readSourceFile()
{
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    std::unique_ptr<TQCstring> text(TQGFreadTextFile(m_dataSourceName, -2));
    if (text == nullptr)
        return;
    setDataFromLines(this, *text, m_separator);
    update();
}
