// The query data source: the statements it builds and its value over the
// probe driver (registered as ODBC, the driver of type 0), the shown columns
// of a real SQLite table, a list bound to it in a real window, and a window
// holding data sources saved and loaded without a working database.
#include "DbProbeDriver.h"
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiTestApp.h"
#include "SqliteDatabaseFile.h"
#include "_TQCconductor.h"
#include "_TQClist.h"
#include "_TQCvdbDataSource.h"
#include "_TQGFwindowSave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

std::string valueOf(TQCvdbDataSource& source)
{
    return TQCstring(source.getProperty(_TQNvalue())).getString(-2);
}

void set(TQCvdbDataSource& source, const char* property, const char* text)
{
    source.setPropertyV(property, text);
}

// The statement of the last read, as the driver got it.
std::string lastStatement()
{
    const std::string head = "record open ";
    const std::string tail = " 3 2";
    for (auto entry = dbProbe().log.rbegin(); entry != dbProbe().log.rend(); ++entry)
        if (entry->compare(0, head.size(), head) == 0)
            return entry->substr(head.size(), entry->size() - head.size() - tail.size());
    return "(none)";
}

std::string statementFor(TQCvdbDataSource& source, const char* sortItems, const char* sort)
{
    set(source, _TQNsortItems(), sortItems);
    set(source, _TQNsort(), sort);
    valueOf(source);
    return lastStatement();
}

// The rows (1, ann, 30) and (2, bob, 41) in table users.
void fillUsers(TQCvdbDataSource& source, const TempDir& dir)
{
    useNewSqliteFile(source, dir);
    ASSERT_EQ(0, source.open());
    ASSERT_EQ(0, source.sqlExecute("create table users (id integer, name text, age integer);"
                                   "insert into users values (1, 'ann', 30), (2, 'bob', 41)"));
    set(source, _TQNitem(), "*");
    set(source, _TQNdbTableName(), "users");
    set(source, _TQNsortItems(), "id");
    set(source, _TQNsort(), "asc");
}

void boundListScenario()
{
    armWatchdog(60000, "the bound list scenario hung");
    GuiControlScene scene;
    {
        TempDir dir;
        auto* source = scene.add<TQCvdbDataSource>("users-source", 0, 0, 40, 40);
        fillUsers(*source, dir);
        set(*source, _TQNshowItem(), "id,name");
        auto* list = scene.add<TQClist>("lst", 50, 10, 200, 120);
        list->setPropertyV(_TQNdataSourceName(), "users-source");
        list->setPropertyV(_TQNdataSource(), static_cast<unsigned char>(1));
        scene.show();
        Rows rows;
        for (long i = 0; i < list->getNum(); ++i)
            rows.push_back(list->getItem(i, -1).getString());
        requireInChild(rows == (Rows{"1,ann", "2,bob"}), "the bound list shows the two rows");
        requireInChild(source->getDataSourceClients() != nullptr &&
                           source->getDataSourceClients()->getNum() == 1,
                       "and is the source's client");
        source->close();
    }
    passInChild();
}

const char* const kQueryProperties[] = {_TQNdbTableName(), _TQNitem(), _TQNshowItem(),
                                        _TQNsortItems(), _TQNsort(), _TQNfilter()};

std::string textOf(TQCbase* object, const char* property)
{
    return TQCstring(object->getProperty(property)).getString(-2);
}

// Three sources of table t: with no database (type 0, whose module is
// nowhere), with a database file that is missing, and with one that was
// closed. Every property is set and read, the window saved and loaded, and
// the loaded sources read as the saved ones did.
void savedWithoutADatabaseScenario()
{
    armWatchdog(60000, "the save and load scenario hung");
    GuiControlScene scene;
    {
        TempDir dir;
        TQGIconductor()->setSerializePath(dir.path().c_str());
        auto* none = scene.add<TQCvdbDataSource>("none", 0, 0, 40, 40);
        auto* missing = scene.add<TQCvdbDataSource>("missing", 50, 0, 40, 40);
        missing->setPropertyV(_TQNtype(), static_cast<unsigned char>(3));
        missing->setPropertyV(_TQNdbname(), dir.file("gone.db").c_str());
        auto* closed = scene.add<TQCvdbDataSource>("closed", 100, 0, 40, 40);
        useNewSqliteFile(*closed, dir);
        const char fill[] = "create table t (x); insert into t values (1), (2)";
        requireInChild(closed->open() == 0 && closed->sqlExecute(fill) == 0, "a table is made");
        closed->close();
        const std::vector<std::pair<TQCvdbDataSource*, std::string>> sources = {
            {none, ""}, {missing, ""}, {closed, "2\n1"}};
        for (const auto& [source, rows] : sources) {
            for (const char* property : kQueryProperties)
                set(*source, property, "x");
            set(*source, _TQNdbTableName(), "t");
            set(*source, _TQNsort(), "desc");
            set(*source, _TQNfilter(), "x > 0");
            set(*source, _TQNvalue(), "stale");
            requireInChild(valueOf(*source) == rows, "a read gives the rows, or none");
        }
        closed->close();
        requireInChild(TQGFsaveWindow("FILE", "w.win", scene.window, -2) == 0, "the window saves");

        TQCbase* loaded = nullptr;
        requireInChild(TQGFloadWindow("FILE", "w.win", &loaded, nullptr, -2) == 0 && loaded,
                       "and loads");
        TQCbase* form = static_cast<TQCbase*>(loaded->getChildren().getData(0));
        requireInChild(form != nullptr && form->getChildren().getNum() == 3, "with its sources");
        for (long i = 0; i < 3; ++i) {
            auto* copy = static_cast<TQCvdbDataSource*>(form->getChildren().getData(i));
            TQCvdbDataSource* source = sources[i].first;
            for (const char* property : kQueryProperties)
                requireInChild(textOf(copy, property) == textOf(source, property),
                               "the loaded source queries as the saved one");
            requireInChild(textOf(copy, _TQNdbname()) == textOf(source, _TQNdbname()) &&
                               textOf(copy, _TQNtype()) == textOf(source, _TQNtype()),
                           "on the same database");
            requireInChild(valueOf(*copy) == sources[i].second, "and reads the same rows");
            copy->close();
        }
        closed->close();
        delete loaded;
    }
    passInChild();
}

} // namespace

TEST(VdbDataSource, BuildsItsStatementAndReadsTheShownColumnsOverAProbeDriver)
{
    startGuiApp();
    resetDbProbe();
    registerDbProbe("ODBC");
    {
        TQCvdbDataSource source(nullptr, "probe-source");
        source.initialize();
        EXPECT_EQ("", valueOf(source));
        EXPECT_EQ(0, dbProbe().databasesMade) << "an empty table name touches no driver";

        EXPECT_STREQ("localhost", TQCstring(source.getProperty(_TQNhostname())).getString())
            << "a new object names the local host";
        set(source, _TQNitem(), "id,name");
        set(source, _TQNdbTableName(), "users");
        source.setPropertyV(_TQNport(), static_cast<unsigned short>(5432));
        valueOf(source);
        EXPECT_EQ("open dbname 5432", dbProbe().log.at(0)) << "opened with the properties";
        EXPECT_EQ("select id,name from users", lastStatement());
        set(source, _TQNfilter(), "age > 20");
        EXPECT_EQ("select id,name from users where age > 20  order by name asc,id desc",
                  statementFor(source, "name,id", "asc,desc"));
        EXPECT_EQ("select id,name from users where age > 20  order by id desc",
                  statementFor(source, ",id", "asc,desc"));
        EXPECT_EQ("select id,name from users where age > 20  order by name asc,id ",
                  statementFor(source, "name,id", "asc")) << "a missing direction is empty";
        EXPECT_EQ("select id,name from users where age > 20 ", statementFor(source, "", ""));

        dbProbe().columns = {"id", "name"};
        dbProbe().rows = {{"1", "ann"}, {"2", "bob"}};
        set(source, _TQNshowItem(), "Name");
        EXPECT_EQ("ann\nbob", valueOf(source));
        for (long length : {0L, -5L}) {
            dbProbe().forceLength = true;
            dbProbe().forcedLength = length;
            EXPECT_EQ("", valueOf(source)) << "a column length of " << length << " is no value";
        }
        EXPECT_EQ(1, dbProbe().databasesMade) << "the connection stays open between reads";
    }
    withdrawDbProbe("ODBC");
}

TEST(VdbDataSource, ShowsTheNamedColumnsOfARealTable)
{
    startGuiApp();
    TempDir dir;
    TQCvdbDataSource source(nullptr, "users-source");
    source.initialize();
    fillUsers(source, dir);

    set(source, _TQNshowItem(), "NAME,id");
    EXPECT_EQ("1,ann\n2,bob", valueOf(source)) << "columns keep their order, names any case";
    set(source, _TQNshowItem(), "age");
    EXPECT_EQ("30\n41", valueOf(source));
    set(source, _TQNshowItem(), "id, name");
    EXPECT_EQ("1\n2", valueOf(source)) << "\" name\" matches no column";
    set(source, _TQNshowItem(), "");
    EXPECT_EQ("", valueOf(source));

    set(source, _TQNshowItem(), "name");
    set(source, _TQNsort(), "desc");
    EXPECT_EQ("bob\nann", valueOf(source));
    set(source, _TQNfilter(), "age > 35");
    EXPECT_EQ("bob", valueOf(source));
    set(source, _TQNdbTableName(), "nowhere");
    EXPECT_EQ("", valueOf(source));
    std::string error = source.getErrorMessage().getString(-2);
    EXPECT_NE(std::string::npos, error.find("no such table: nowhere")) << error;
}

TQ_FRESH_PROCESS_TEST(VdbDataSource, BoundListShowsTheRows, boundListScenario(), "")

TQ_FRESH_PROCESS_TEST(VdbDataSource, SavesLoadsAndReadsWithNoMissingOrClosedDatabase,
                      savedWithoutADatabaseScenario(), "")
