// The real SQLite driver module, loaded by name: the modules the front end
// loads and unloads, a database file opened once, statements, transactions
// and texts in the system's code page (1252 under the tests' locale).
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "SqliteDatabaseFile.h"
#include "_TQCdbDatabase.h"
#include "_TQCdbRecord.h"
#include "_TQCvdb.h"
#include "_TQGFdbDriver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

char g_none[] = "";

std::string errorOf(TQCvdb& database)
{
    return database.getErrorMessage().getString(-2);
}

bool holds(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

std::string libraryError(const char* driverName)
{
    TQCdbDatabase database;
    database.setDatabase(driverName);
    char dbname[] = "x.db";
    if (database.open(g_none, g_none, g_none, dbname, g_none) != -1)
        return "(opened)";
    char message[128] = "";
    database.getErrorMsg(message, sizeof message);
    return message;
}

// In a folder of its own as the working directory: a plain module under
// the ODBC driver's file name, and the SQLite module under PostgreSQL's,
// where it registers "SQLITE" instead of "PGSQL".
void moduleLoadingScenario()
{
    armWatchdog(60000, "the module loading scenario hung");
    startGuiApp();
    {
    TempDir dir;
    namespace fs = std::filesystem;
    fs::copy_file(besideTestProgram("tq_test_module_silent.dll"), dir.file("libtqodbc395.dll"));
    fs::copy_file(besideTestProgram("libtqsqlite395.dll"), dir.file("libtqpostgres395.dll"));
    requireInChild(SetCurrentDirectoryA(dir.path().c_str()) != 0, "into the test folder");

    TQCvdb mysql(nullptr, "my");
    mysql.initialize();
    mysql.setPropertyV(_TQNtype(), static_cast<unsigned char>(2));
    requireInChild(errorOf(mysql) == "state:  ,message: None.", "before anything: None.");
    requireInChild(mysql.open() == -1, "no MySQL module anywhere");
    requireInChild(errorOf(mysql) == "state:  ,message: library: libtqmysql395.dll not fund.",
                   "the missing module is named");

    requireInChild(libraryError("ODBC") == "library: libtqodbc395.dll invalid library.",
                   "a module that registers nothing is an invalid library");
    requireInChild(GetModuleHandleA("libtqodbc395.dll") == nullptr, "and is unloaded");
    requireInChild(libraryError("PGSQL") == "library: libtqpostgres395.dll invalid library.",
                   "a module that registers another name is an invalid library");
    requireInChild(GetModuleHandleA("libtqpostgres395.dll") == nullptr, "and is unloaded");
    requireInChild(TQGFdbDatabaseCreateHandler("SQLITE") == nullptr &&
                       TQGFdbRecordCreateHandler("SQLITE") == nullptr,
                   "taking the handlers it registered with it");

    TQCvdb sqlite(nullptr, "lite");
    sqlite.initialize();
    useNewSqliteFile(sqlite, dir);
    requireInChild(sqlite.open() == 0, "the SQLite module is found beside the program");
    requireInChild(sqlite.sqlExecute("create table t(x)") == 0, "and works");
    sqlite.close();
    requireInChild(SetCurrentDirectoryA(besideTestProgram("").c_str()) != 0, "out of the folder");
    }
    passInChild();
}

class SqliteDatabase : public ::testing::Test {
protected:
    SqliteDatabase()
    {
        startGuiApp();
        database.initialize();
        path = useNewSqliteFile(database, dir);
    }

    TempDir dir;
    TQCvdb database{nullptr, "db"};
    std::string path;
};

} // namespace

// Nothing is printed on the way.
TQ_FRESH_PROCESS_TEST(DbModules, AreLoadedByDriverNameAndUnloadedWhenTheyRegisterNothing,
                      moduleLoadingScenario(), "^$")

TEST_F(SqliteDatabase, OpensTheNamedFileOnceAndKeepsItsDriver)
{
    ASSERT_EQ(0, database.open()) << errorOf(database);
    EXPECT_EQ(1, database.isOpen());
    ASSERT_EQ(0, database.sqlExecute("create temp table scratch(x)"));
    database.setPropertyV(_TQNdbname(), dir.file("missing.db").c_str());
    database.setPropertyV(_TQNtype(), static_cast<unsigned char>(0));
    EXPECT_EQ(0, database.open()) << "open while open";
    EXPECT_EQ(0, database.sqlExecute("insert into scratch values (1)"))
        << "the temporary table survives: the connection was kept";
    EXPECT_STREQ("SQLITE", database.getDBDatabase()->getDriverName());

    EXPECT_EQ(0, database.close());
    EXPECT_EQ(-1, database.sqlExecute("select 1")) << "closed";
    EXPECT_EQ(-1, database.open()) << "a missing file is not made";
    EXPECT_TRUE(holds(errorOf(database), "unable to open database file")) << errorOf(database);
    EXPECT_TRUE(holds(errorOf(database), "missing.db")) << errorOf(database);
    EXPECT_EQ(0, database.isOpen());
    EXPECT_EQ(-1, database.sqlExecute("select 1"));
    EXPECT_TRUE(holds(errorOf(database), "not open")) << errorOf(database);
}

TEST_F(SqliteDatabase, RunsStatementsAndTransactionsAndReadsRowsAsSystemText)
{
    ASSERT_EQ(0, database.open()) << errorOf(database);
    EXPECT_EQ(-1, database.sqlExecute("selec 1"));
    EXPECT_TRUE(holds(errorOf(database), "syntax error")) << errorOf(database);
    ASSERT_EQ(0, database.sqlExecute("create table users (id integer, name text)"));
    EXPECT_EQ(0, database.beginTran());
    EXPECT_EQ(0, database.sqlExecute("insert into users values (1, 'gone')"));
    EXPECT_EQ(0, database.abortTran());
    EXPECT_EQ(0, database.beginTran());
    EXPECT_EQ(0, database.sqlExecute("insert into users values (2, 'caf\xe9')"));
    EXPECT_EQ(0, database.commitTran());
    EXPECT_EQ(-1, database.commitTran()) << "no transaction is open";

    TQCdbRecord record(&database);
    ASSERT_EQ(0, record.open("select hex(name) as stored, name, id from users"));
    EXPECT_EQ(0, record.isEOF()) << "the first row stands after open";
    EXPECT_EQ(3, record.getColCount());
    char text[1024] = "";
    EXPECT_EQ(0, record.getColName(1, text));
    EXPECT_STREQ("name", text);
    EXPECT_EQ(1, record.getColIndex("NAME"));
    EXPECT_EQ(5, record.getColLength(1)) << "the text in code page 1252 and its NUL";
    EXPECT_EQ(0, record.getColStringValue("name", text));
    EXPECT_STREQ("caf\xe9", text);
    EXPECT_EQ(0, record.getColStringValue(0L, text));
    EXPECT_STREQ("636166C3A9", text) << "SQLite keeps UTF-8";
    EXPECT_EQ(-1, record.getColValue(2L, nullptr)) << "not supported";
    EXPECT_EQ(0, record.moveNext());
    EXPECT_EQ(1, record.isEOF()) << "one row only: the aborted one is gone";
    EXPECT_EQ(-1, record.moveNext());
    EXPECT_EQ(-1, record.getColLength(0L)) << "no current row";

    EXPECT_EQ(-1, record.open("select * from nowhere"));
    EXPECT_EQ(1, record.isEOF());
    EXPECT_TRUE(holds(record.getErrorMessage().getString(-2), "no such table: nowhere"));
    EXPECT_TRUE(holds(errorOf(database), "no such table: nowhere")) << errorOf(database);

    TQCdbRecord other(&database);
    ASSERT_EQ(0, record.open("select id from users"));
    ASSERT_EQ(0, other.open("select name from users"));
    EXPECT_EQ(0, database.close()) << "both statements closed first, so SQLite closes";
    EXPECT_EQ(1, record.isEOF());
}
