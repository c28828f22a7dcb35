// What the bar graph and the line graph share: a series of percentages in
// one comma-separated text, value, taken from the property itself, from the
// default property of another instance or from a text file; and the fill
// and line passes that draw it. Like the graph part it builds on, it has no
// class record of its own.
#ifndef _TQCGRAPHSERIES_H
#define _TQCGRAPHSERIES_H

#include "_TQCgraph.h"
#include "_TQCgraphFields.h"

class TQDdev;

class TQCgraphSeries : public TQCgraph {
public:
    typedef TQCgraphSeries ThisClass;

    // value and sourceName are the defaults of the two texts.
    TQCgraphSeries(TQCbase* parent, const char* name, const char* value, const char* sourceName);
    ~TQCgraphSeries() override;

    const char* getDefaultProperty() override { return "value"; }
    const char* getDataSourcePropertyName() override { return "value"; }
    long getDataSourceType() override { return m_dataSource; }
    // A server's new value, through setProperty so that the graph redraws.
    void setData(TQCvariant* data, long encoding) override;
    // Looks for the data-source instance again while it has not been found.
    void update() override;

    TQ_PROPERTY_HOOKS(value, char*)
    TQ_PROPERTY_HOOKS(barThickness, unsigned char)
    TQ_PROPERTY_HOOKS(reverseFlag, TQCbool)
    TQ_PROPERTY_HOOKS(stippled, TQCbool)
    TQ_PROPERTY_HOOKS(hatchPattern, unsigned char)
    TQ_PROPERTY_HOOKS(hatchColor, short)
    TQ_PROPERTY_WORK_HOOK(dataSource, unsigned char)
    TQ_PROPERTY_WORK_HOOK(dataSourceName, char*)
    TQ_PROPERTY_HOOKS(backBlinkColor, short)

    // The thirteen properties in their order, with the graph's own defaults
    // of value and dataSourceName.
    template <class Class>
    static void registerSeries(TQCclassRegistrar<Class>& r, const char* value,
                               const char* sourceName);

protected:
    enum { SOURCE_NONE = 0, SOURCE_INSTANCE = 1, SOURCE_FILE = 2 };

    // The fields of value that have a slot.
    TQCgraphFields seriesFields() const { return TQCgraphFields(m_value, m_columns); }
    // The fill in the hatch pattern, and the outline or line; each in its
    // blink colour in the blink phase of a twin-blinking graph.
    void beginFillPass(TQDdev* dev);
    void beginLinePass(TQDdev* dev);

    char* m_value;
    char* m_dataSourceName;
    unsigned char m_barThickness = 10;
    TQCbool m_reverseFlag = 0;
    short m_hatchColor = -13;
    short m_backBlinkColor = -13;
    unsigned char m_hatchPattern : 4;
    TQCbool m_stippled : 1;
    unsigned char m_dataSource : 2;
    unsigned char m_lookupPending : 1;
    TQ_BIT_FIELD_SLOT(m_hatchPattern)
    TQ_BIT_FIELD_SLOT(m_stippled)
    TQ_BIT_FIELD_SLOT(m_dataSource)

private:
    void lookUpServer();
    void readSourceFile();
};

template <class Class>
void TQCgraphSeries::registerSeries(TQCclassRegistrar<Class>& r, const char* value,
                                    const char* sourceName)
{
    typedef Class ThisClass;
    TQ_WATCH(r, value, value);
    TQ_WATCH(r, columns, 10);
    TQ_WATCH(r, barThickness, 10);
    TQ_WATCH(r, orientation, 1, orientation);
    TQ_WATCH_SLOT(r, reverseFlag, TQCflag<&ThisClass::m_reverseFlag>, 0, bool);
    TQ_WATCH(r, lineWidth, 2);
    TQ_WATCH_BITS(r, lineType, 0, lineType);
    TQ_WATCH_FLAG(r, stippled, 0, bool4);
    TQ_WATCH_BITS(r, hatchPattern, 0, hatchPattern);
    TQ_WATCH(r, hatchColor, -13);
    TQ_WATCH_BITS(r, dataSource, 0, dataSource);
    TQ_WATCH(r, dataSourceName, sourceName);
    TQ_WATCH(r, backBlinkColor, -13);
}

#endif
