// Database object: the connection properties, the database made on first
// need, opening with the properties and the combined error text.
#include "_TQCvdb.h"

#include "_TQCdbDatabase.h"
#include "_TQCindexVariantData.h"
#include "_TQCtypeServerFrame.h"
#include "_TQGFdbDriver.h"
#include "_TQGFstring.h"

#include <cstdio>
#include <cstring>

TQ_TYPE_SERVER_FRAME(TQCvdb, TQCngbase);

namespace {

// The driver of each type value; any other value selects ODBC.
const char* const kDriverNames[] = {"ODBC", "PGSQL", "MYSQL", "SQLITE"};

const char kLocalHost[] = "localhost";

const char* textOf(const char* text)
{
    return text != nullptr ? text : "";
}

} // namespace

TQCvdb::TQCvdb(TQCbase* parent, const char* name) : TQCngbase(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        // A new object names the local host, not the registered default.
        TQ_WATCH(r, hostname, "hostname")->setInit(0);
        TQ_WATCH(r, username, "username");
        TQ_WATCH(r, password, "password");
        TQ_WATCH(r, dbname, "dbname");
        TQ_WATCH(r, port, 0);
        TQ_WATCH(r, type, 0, typedb);
    });
    m_hostname = TQGFstrdup(kLocalHost);
    _set_title_string("DB SQL Client");
}

void TQCvdb::getMadeValues(TQCindexVariantData* values)
{
    TQCngbase::getMadeValues(values);
    values->setData(_TQNhostname(), TQCvariant(kLocalHost));
}

TQCvdb::~TQCvdb()
{
    delete m_database;
    for (char* text : {m_hostname, m_username, m_password, m_dbname})
        delete[] text;
}

const char* TQCvdb::driverName() const
{
    return m_type < 4 ? kDriverNames[m_type] : kDriverNames[0];
}

void TQCvdb::_init()
{
    if (m_database != nullptr)
        return;
    m_database = new TQCdbDatabase;
    m_database->setDatabase(driverName());
}

void TQCvdb::onDataLoad(TQDserialize*)
{
    if (m_database == nullptr || std::strcmp(m_database->getDriverName(), driverName()) == 0)
        return;
    delete m_database;
    m_database = nullptr;
}

TQCdbDatabase* TQCvdb::getDBDatabase()
{
    _init();
    return m_database;
}

long TQCvdb::open(char* host, char* user, char* password, char* dbname, char* port)
{
    return getDBDatabase()->open(host, user, password, dbname, port);
}

long TQCvdb::open()
{
    _init();
    if (m_database->isOpen())
        return 0;
    char port[8];
    std::snprintf(port, sizeof port, "%d", static_cast<int>(m_port));
    std::string texts[] = {textOf(m_hostname), textOf(m_username), textOf(m_password),
                           textOf(m_dbname)};
    return m_database->open(texts[0].data(), texts[1].data(), texts[2].data(), texts[3].data(),
                            port);
}

long TQCvdb::close()
{
    return getDBDatabase()->close();
}

long TQCvdb::beginTran()
{
    return getDBDatabase()->beginTran();
}

long TQCvdb::commitTran()
{
    return getDBDatabase()->commitTran();
}

long TQCvdb::abortTran()
{
    return getDBDatabase()->abortTran();
}

long TQCvdb::sqlExecute(const char* sql)
{
    return getDBDatabase()->sqlExecute(sql);
}

unsigned char TQCvdb::isOpen()
{
    return getDBDatabase()->isOpen();
}

std::string TQCvdb::composedError()
{
    char state[28] = "";
    char message[256] = "";
    getDBDatabase()->getErrorMsg(state, message);
    state[sizeof state - 1] = '\0';
    message[sizeof message - 1] = '\0';
    return std::string("state: ") + state + " ,message: " + message;
}

void TQCvdb::getErrorMsg(char* buffer, long size)
{
    if (size >= 1)
        TQGFdbCopyText(buffer, composedError().c_str(), size);
}

// The texts come from the driver in the system encoding.
TQCstring TQCvdb::getErrorMessage()
{
    TQCstring text(composedError().c_str(), -1);
    text.setEncoding(-2);
    return text;
}
