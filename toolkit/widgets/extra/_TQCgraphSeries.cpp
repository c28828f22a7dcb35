// The series graphs' texts, their data sources and the opening of their
// drawing passes.
#include "_TQCgraphSeries.h"

#include <memory>

#include "_TQCbaseList.h"
#include "_TQCstring.h"
#include "_TQDdev.h"
#include "_TQGFfile.h"
#include "_TQGFstring.h"

TQCgraphSeries::TQCgraphSeries(TQCbase* parent, const char* name, const char* value,
                               const char* sourceName)
    : TQCgraph(parent, name, 10, 1), m_value(TQGFstrdup(value)),
      m_dataSourceName(sourceName ? TQGFstrdup(sourceName) : nullptr), m_hatchPattern(0), m_stippled(0), m_dataSource(SOURCE_NONE), m_lookupPending(0)
{
}

TQCgraphSeries::~TQCgraphSeries()
{
    delete[] m_value;
    delete[] m_dataSourceName;
}

// ---------------------------------------------------------------------------
// Data source

void TQCgraphSeries::setData(TQCvariant* data, long encoding)
{
    if (data == nullptr)
        return;
    TQCstring text(*data, encoding);
    setPropertyV(_TQNvalue(), text.getString(-2));
}

// The lookup is tried again only while the graph still takes its values
// from an instance.
void TQCgraphSeries::update()
{
    if (m_lookupPending) {
        m_lookupPending = 0;
        if (m_dataSource == SOURCE_INSTANCE)
            lookUpServer();
    }
    TQCgraph::update();
}

void TQCgraphSeries::setWorkTQNdataSource(unsigned char source)
{
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    if (source == SOURCE_FILE)
        readSourceFile();
    else if (source == SOURCE_INSTANCE)
        lookUpServer();
    if (source != SOURCE_INSTANCE) {
        followDataSource(nullptr);
        m_lookupPending = 0;
    }
}

void TQCgraphSeries::setWorkTQNdataSourceName(char*)
{
    if (m_dataSource == SOURCE_INSTANCE)
        lookUpServer();
    else if (m_dataSource == SOURCE_FILE)
        readSourceFile();
}

// The graph follows one server at a time: it leaves the one it followed
// before it looks for the instance its name gives now, so that no server
// keeps pushing into it. No name means no instance (an empty one would find
// any unnamed object); a name not found yet is looked for at the next
// update.
void TQCgraphSeries::lookUpServer()
{
    followDataSource(nullptr);
    m_lookupPending = 0;
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    TQCbase* server = findDataSource(m_dataSourceName);
    if (server == nullptr) {
        m_lookupPending = 1;
        return;
    }
    followDataSource(server);
    if (const char* property = server->getDefaultProperty()) {
        TQCstring text(server->getProperty(property));
        setPropertyV(_TQNvalue(), text.getString());
    }
}

// A file that cannot be read leaves value as it is.
void TQCgraphSeries::readSourceFile()
{
    if (m_dataSourceName == nullptr || m_dataSourceName[0] == '\0')
        return;
    std::unique_ptr<TQCstring> text(TQGFreadTextFile(m_dataSourceName, -2));
    if (text != nullptr)
        setPropertyV(_TQNvalue(), text->getString());
}

// ---------------------------------------------------------------------------
// Drawing

void TQCgraphSeries::beginFillPass(TQDdev* dev)
{
    dev->setLineWidth(0);
    dev->setHatchPattern(static_cast<char>(m_hatchPattern));
    dev->setForeColor(getBlinkPhase() && m_twinBlink ? m_backBlinkColor : m_hatchColor);
}

void TQCgraphSeries::beginLinePass(TQDdev* dev)
{
    dev->setLineWidth(m_lineWidth);
    dev->setLineDashType(static_cast<char>(m_lineType));
    dev->setForeColor(getBlinkPhase() && m_twinBlink ? m_blinkColor : m_foreColor);
    dev->setHatchPattern(0);
}
