// The real SQLite driver module, loaded by name: the modules the front end
// loads and unloads, a database file opened once, statements, transactions,
// and texts in the toolkit's system encoding, UTF-8 under the tests'
// locales (whose ANSI code pages are 1252 and 932) and Shift_JIS where LANG
// names it.
#include "EnvGuard.h"
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "SqliteDatabaseFile.h"
#include "_TQCdbDatabase.h"
#include "_TQCdbRecord.h"
#include "_TQClocaleSet.h"
#include "_TQCvdbDataSource.h"
#include "_TQGFdbDriver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

using Rows = std::vector<std::string>;

// "hex text" for every row of table t: the bytes SQLite keeps and the text
// the driver reads.
Rows storedAndRead(TQCvdb& database, const char* column)
{
    std::string sql = std::string("select hex(") + column + "), " + column + " from t";
    TQCdbRecord record(&database);
    Rows rows;
    for (record.open(sql.c_str()); !record.isEOF(); record.moveNext()) {
        char hex[256] = "";
        char text[256] = "";
        record.getColStringValue(0L, hex);
        record.getColStringValue(1L, text);
        rows.push_back(std::string(hex) + " " + text);
    }
    return rows;
}

// The shown column of the rows of t that pass filter.
std::string filtered(TQCvdbDataSource& source, const char* column, const std::string& filter)
{
    source.setPropertyV(_TQNitem(), "*");
    source.setPropertyV(_TQNdbTableName(), "t");
    source.setPropertyV(_TQNshowItem(), column);
    source.setPropertyV(_TQNfilter(), filter.c_str());
    return TQCstring(source.getProperty(_TQNvalue())).getString(-2);
}

// Under Shift_JIS, as a Japanese system without LANG has it.
void shiftJisScenario()
{
    EnvGuard lang("LANG", "ja_JP.sjis");
    armWatchdog(60000, "the Shift_JIS scenario hung");
    startGuiApp();
    requireInChild(TQGIappLocaleSet()->getSystemLocaleEncoding() == 21,
                   "the system encoding is Shift_JIS");
    {
    TempDir dir;
    TQCvdbDataSource source(nullptr, "sjis");
    source.initialize();
    useNewSqliteFile(source, dir);
    requireInChild(source.open() == 0, "the database opens");
    const std::string nihongo = "\x93\xFA\x96\x7B\x8C\xEA";
    std::string fill = "create table t (w text);"
                       "insert into t values ('" + nihongo + "'), (cast(x'CEB1CEB2' as text))";
    requireInChild(source.sqlExecute(fill.c_str()) == 0, "a Shift_JIS statement runs");
    requireInChild(storedAndRead(source, "w") ==
                       Rows{"E697A5E69CACE8AA9E " + nihongo, "CEB1CEB2 \x83\xBF\x83\xC0"},
                   "kept as UTF-8 and read as Shift_JIS");
    requireInChild(filtered(source, "w", "w = '" + nihongo + "'") == nihongo,
                   "a filter on a Japanese word finds it");

    requireInChild(source.sqlExecute("select * from \x8C\xEA") == -1, "no such table");
    char message[18];
    source.getDBDatabase()->getErrorMsg(message, 18);
    requireInChild(std::string(message) == "no such table: \x8C\xEA", "the message in Shift_JIS");
    source.getDBDatabase()->getErrorMsg(message, 17);
    requireInChild(std::string(message) == "no such table: ",
                   "a character that does not fit whole is left out");
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

TEST_F(SqliteDatabase, RunsStatementsAndTransactionsAndReadsRows)
{
    ASSERT_EQ(0, database.open()) << errorOf(database);
    EXPECT_EQ(-1, database.sqlExecute("selec 1"));
    EXPECT_TRUE(holds(errorOf(database), "syntax error")) << errorOf(database);
    ASSERT_EQ(0, database.sqlExecute("create table users (id integer, name text)"));
    EXPECT_EQ(0, database.beginTran());
    EXPECT_EQ(0, database.sqlExecute("insert into users values (1, 'gone')"));
    EXPECT_EQ(0, database.abortTran());
    EXPECT_EQ(0, database.beginTran());
    EXPECT_EQ(0, database.sqlExecute("insert into users values (2, 'ann')"));
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
    EXPECT_EQ(4, record.getColLength(1)) << "the text and its NUL";
    EXPECT_EQ(0, record.getColStringValue("name", text));
    EXPECT_STREQ("ann", text);
    EXPECT_EQ(0, record.getColStringValue(0L, text));
    EXPECT_STREQ("616E6E", text);
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

// café, αβ and 日本語, in a column named 語, through statements and as UTF-8
// bytes another program wrote: under both test locales the system encoding
// is UTF-8 whatever the ANSI code page, so texts pass unchanged.
TEST(SqliteText, BeyondTheCodePageRoundTripsThroughStatementsRowsAndFilters)
{
    startGuiApp();
    ASSERT_EQ(16, TQGIappLocaleSet()->getSystemLocaleEncoding());
    TempDir dir;
    TQCvdbDataSource source(nullptr, "words");
    source.initialize();
    useNewSqliteFile(source, dir);
    ASSERT_EQ(0, source.open()) << errorOf(source);
    const char column[] = "\xE8\xAA\x9E";
    const std::pair<std::string, std::string> words[] = {
        {"caf\xC3\xA9", "636166C3A9"},
        {"\xCE\xB1\xCE\xB2", "CEB1CEB2"},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "E697A5E69CACE8AA9E"}};
    ASSERT_EQ(0, source.sqlExecute((std::string("create table t (") + column + " text)").c_str()));
    Rows expected;
    for (const auto& [word, hex] : words) {
        std::string insert = "insert into t values ('" + word + "'),"
                             "(cast(x'" + hex + "' as text))";
        ASSERT_EQ(0, source.sqlExecute(insert.c_str())) << errorOf(source);
        expected.insert(expected.end(), 2, hex + " " + word);
    }
    ASSERT_EQ(0, source.close());
    ASSERT_EQ(0, source.open()) << "the file again";
    EXPECT_EQ(expected, storedAndRead(source, column))
        << "kept as UTF-8, not encoded twice, and read back whole";

    TQCdbRecord record(&source);
    char name[1024] = "";
    ASSERT_EQ(0, record.open((std::string("select ") + column + " from t").c_str()));
    EXPECT_TRUE(record.getColName(0, name) == 0 && std::string(column) == name);
    EXPECT_EQ(0, record.getColIndex(column));

    for (const auto& [word, hex] : words)
        EXPECT_EQ(word + "\n" + word, filtered(source, column, column + (" = '" + word + "'")));
}

TQ_FRESH_PROCESS_TEST(SqliteText, ShiftJisSystemEncodingConvertsBothWays, shiftJisScenario(), "")
