// A table query as text for other widgets: reading value opens the
// connection if needed, runs "select <item> from <dbTableName>" with the
// filter and sort order, and gives one line per row, the values of the
// shown columns separated by commas. Clients bind to it through the
// data-source link and read value when they bind; nothing is pushed.
#ifndef _TQCVDBDATASOURCE_H
#define _TQCVDBDATASOURCE_H

#include "_TQCvdb.h"

#include <string>
#include <vector>

class TQCvdbDataSource : public TQCvdb {
public:
    TQ_CLASS_FRAME(TQCvdbDataSource, TQCvdb, 1000, 1000)
    TQCvdbDataSource(TQCbase* parent, const char* name);
    ~TQCvdbDataSource() override;

    TQ_PROPERTY_HOOKS(dbTableName, char*)
    TQ_PROPERTY_HOOKS(item, char*)
    TQ_PROPERTY_WORK_HOOK(showItem, char*)
    TQ_PROPERTY_WORK_HOOK(sortItems, char*)
    TQ_PROPERTY_WORK_HOOK(sort, char*)
    TQ_PROPERTY_HOOKS(filter, char*)
    // A value set stands only until the next read, which runs the query.
    TQ_PROPERTY_OWN_HOOKS(value, char*)

    // It takes no data from clients.
    void setData(TQCvariant* value, long mode) override;
    long getDataSourceType() override;
    const char* getDataSourcePropertyName() override;
    const char* getDefaultProperty() override;

    // 1 when name is one of the shown columns, ignoring ASCII case.
    long isShow(const char* name);
    // The statement a read runs.
    std::string selectStatement() const;

private:
    void readRows();

    char* m_dbTableName = nullptr;
    char* m_item = nullptr;
    char* m_showItem = nullptr;
    char* m_sortItems = nullptr;
    char* m_sort = nullptr;
    char* m_filter = nullptr;
    char* m_value = nullptr;
    std::vector<std::string> m_showList;
    std::vector<std::string> m_sortItemList;
    std::vector<std::string> m_sortList;
    std::vector<std::string> m_rows;  // of the last read, in the system encoding
};

void* TQCvdbDataSource_create(void* parent);
void TQCvdbDataSource_delete(void* object);

#endif
