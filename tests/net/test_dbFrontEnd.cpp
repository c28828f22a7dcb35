// The database front end over drivers registered in the program: the base
// answers of a driver, a fresh database and its failures, and the records
// opened on a database, seen through the probe driver's log.
#include "DbProbeDriver.h"
#include "_TQCdbDatabase.h"
#include "_TQCdbDrvRecord.h"
#include "_TQCdbRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

char g_none[] = "";

using Log = std::vector<std::string>;

// Only the three-argument open is overridden.
class ArgumentsRecord : public TQCdbDrvRecord {
public:
    using TQCdbDrvRecord::TQCdbDrvRecord;
    using TQCdbDrvRecord::open;
    long open(const char* sql, short a, short b) override
    {
        seen = std::string(sql) + " " + std::to_string(a) + " " + std::to_string(b);
        return 7;
    }
    std::string seen;
};

long openDatabase(TQCdbDatabase& database, const char* dbname = "db")
{
    std::string name = dbname;
    char port[] = "5432";
    return database.open(g_none, g_none, g_none, name.data(), port);
}

class ProbeDatabase : public ::testing::Test {
protected:
    ProbeDatabase()
    {
        resetDbProbe();
        registerDbProbe("PROBE");
        database.setDatabase("PROBE");
    }
    ~ProbeDatabase() override { withdrawDbProbe("PROBE"); }

    TQCdbDatabase database;
};

} // namespace

TEST(DbDriver, BaseObjectsAnswerAsADriverThatSupportsNothing)
{
    TQCdbDrvDatabase database;
    EXPECT_EQ(0, database.open(g_none, g_none, g_none, g_none, g_none));
    EXPECT_EQ(0, database.isOpen());
    EXPECT_EQ(-1, database.getEncode());
    EXPECT_EQ(nullptr, database.getThisPtr());

    TQCdbDrvRecord record(&database);
    EXPECT_EQ(1, record.isEOF());
    EXPECT_EQ(0, record.getColCount());
    EXPECT_EQ(0, record.getRowCount());
    EXPECT_STREQ("", record.getErrorMessage().getString());

    ArgumentsRecord arguments(&database);
    EXPECT_EQ(7, arguments.open("select 1"));
    EXPECT_EQ("select 1 3 2", arguments.seen) << "open(sql) is open(sql, 3, 2)";
}

TEST(DbDatabase, FreshDatabaseAndAnUnknownDriverFailWithTheFrontEndsTexts)
{
    TQCdbDatabase database;
    EXPECT_EQ(0, database.isOpen());
    EXPECT_EQ(-1, database.close());
    EXPECT_EQ(-1, database.getEncode());
    EXPECT_EQ(-1, database.sqlExecute("select 1"));
    char state[28] = "x";
    char message[256] = "";
    database.getErrorMsg(state, message);
    EXPECT_STREQ("", state);
    EXPECT_STREQ("None.", message);
    char buffer[64] = "untouched";
    database.getErrorMsg(buffer, 4);
    EXPECT_STREQ("Non", buffer);
    database.getErrorMsg(buffer, 0L);
    EXPECT_STREQ("Non", buffer) << "a size below 1 writes nothing";

    std::string longest(79, 'D');
    EXPECT_EQ(0, database.setDatabase(longest.c_str()));
    EXPECT_EQ(-1, database.setDatabase((longest + "D").c_str()));
    EXPECT_EQ(longest, database.getDriverName()) << "a name of 80 characters is refused";
    EXPECT_EQ(-1, database.setDatabase(nullptr));

    ASSERT_EQ(0, database.setDatabase("NOSUCH"));
    EXPECT_EQ(-1, openDatabase(database));
    database.getErrorMsg(buffer, sizeof buffer);
    EXPECT_STREQ("Driver: NOSUCH not fund.", buffer);

    TQCdbRecord record(&database);
    EXPECT_EQ(-1, record.open("select 1")) << "the database is not open";
    EXPECT_EQ(1, record.isEOF());
    EXPECT_EQ(0, record.getColCount());
    EXPECT_EQ(0, record.getRowCount());
    EXPECT_EQ(-1, record.moveNext());
    EXPECT_EQ(-1, record.getResult(0));
    EXPECT_EQ(-1, record.close());
    EXPECT_STREQ("", record.getErrorMessage().getString());
}

TEST_F(ProbeDatabase, OpeningAgainReplacesTheDriverDatabaseAndClosingClosesRecordsFirst)
{
    ASSERT_EQ(0, openDatabase(database, "first"));
    ASSERT_EQ(0, openDatabase(database, "second"));
    EXPECT_EQ((Log{"open first 5432", "database close", "database delete", "open second 5432"}),
              dbProbe().log);
    EXPECT_EQ(2, dbProbe().databasesMade);
    EXPECT_EQ(0, database.sqlExecute("create table t(x)"));
    char state[28] = "";
    char message[256] = "";
    database.getErrorMsg(state, message);
    EXPECT_EQ("P1 probe message", std::string(state) + " " + message) << "the driver's texts";

    TQCdbRecord first(&database), second(&database), third(&database);
    database.addRecord(&first);
    database.addRecord(&first);
    database.addRecord(&second);
    EXPECT_EQ((std::vector<TQCdbRecord*>{&first, &second}), database.getRecords());
    database.removeRecord(&first);
    database.addRecord(&third);
    EXPECT_EQ((std::vector<TQCdbRecord*>{&third, &second}), database.getRecords())
        << "the emptied slot is used again";
    database.removeRecord(&third);
    database.removeRecord(&second);

    dbProbe().log.clear();
    ASSERT_EQ(0, first.open("select a"));
    ASSERT_EQ(0, second.sendQuery("select b"));
    EXPECT_EQ(0, database.close());
    EXPECT_EQ((Log{"record open select a 3 2", "record close", "record delete",
                   "record close", "record delete", "database close", "database delete"}),
              dbProbe().log);
    EXPECT_EQ(-1, first.close()) << "closed with the database";

    ASSERT_EQ(0, openDatabase(database));
    EXPECT_EQ(0, first.open("select again")) << "a record stays bound to its database";
}
