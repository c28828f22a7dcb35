// The server side of the instance directory: calls of class "TQCbaseList"
// on the object list's directory, and the ports it hands out to
// dispatchers that are about to start.
#include "_TQCbaseList_remote_call.h"

#include "_TQCbaseList.h"
#include "_TQCconductor.h"
#include "_TQCremoteCall.h"
#include "_TQCremoteInstanceData.h"
#include "_TQDcreateInstance.h"
#include "_TQDserialize.h"

#include <cstring>
#include <memory>

namespace {

const short kFirstBindPort = 9201;
const short kLastBindPort = 32767;

// Grows through the life of the process; only the ports of loopback
// records are skipped.
short bindPortCounter = kFirstBindPort - 1;

struct FreeText {
    void operator()(char* text) const { delete[] text; }
};

std::unique_ptr<char, FreeText> receiveText(TQDserialize* s, const char* name)
{
    void* text = nullptr;
    s->loadAlloc("#str", name, &text, nullptr);
    return std::unique_ptr<char, FreeText>(static_cast<char*>(text));
}

std::unique_ptr<TQCremoteInstanceData> receiveRecord(TQDserialize* s)
{
    void* record = nullptr;
    s->loadAlloc("TQCremoteInstanceData", "inst", &record, nullptr);
    return std::unique_ptr<TQCremoteInstanceData>(static_cast<TQCremoteInstanceData*>(record));
}

void answerLong(TQDserialize* s, long value)
{
    s->save("#lng", "ret", &value);
}

void answerRecord(TQDserialize* s)
{
    std::unique_ptr<char, FreeText> name = receiveText(s, "pn");
    TQCremoteInstanceData none;
    TQCremoteInstanceData* held =
        name ? TQGIappObjectList()->getRemoteInstanceData(name.get()) : nullptr;
    s->save("TQCremoteInstanceData", "ret", held != nullptr ? held : &none);
}

// A record given as "127.0.0.1" is kept under the caller's own address.
void addRecord(TQDserialize* s, TQCremoteCall* call)
{
    std::unique_ptr<TQCremoteInstanceData> record = receiveRecord(s);
    if (!record) {
        answerLong(s, -1);
        return;
    }
    if (std::strcmp(record->getAddr().getString(), "127.0.0.1") == 0)
        record->setAddr(call->getData());
    answerLong(s, TQGIappObjectList()->addRemoteInstanceData(record.get()));
}

void deleteRecord(TQDserialize* s)
{
    std::unique_ptr<TQCremoteInstanceData> record = receiveRecord(s);
    answerLong(s, record ? TQGIappObjectList()->delRemoteInstanceData(record.get()) : -1);
}

void registerDirectoryCalls()
{
    TQGIconductor()->addNetServerHandler("TQCbaseList",
                                         reinterpret_cast<void*>(_TQCbaseList_remote_call));
}

} // namespace

TQ_RUN_AT_START_UP(registerDirectoryCalls)

unsigned char _check_port_exists(short port)
{
    TQClistData* records = TQGIappObjectList()->getRemoteInstanceList();
    for (long i = 0; i < records->getNum(); ++i) {
        auto* record = static_cast<TQCremoteInstanceData*>(records->getData(i));
        if (record->getPort() == static_cast<unsigned short>(port) &&
            std::strcmp(record->getAddr().getString(), "127.0.0.1") == 0)
            return 1;
    }
    return 0;
}

short _TQCbaseList_port_after(short counter)
{
    long port = counter;
    for (long tries = 0; tries <= kLastBindPort - kFirstBindPort; ++tries) {
        port = port >= kLastBindPort || port < kFirstBindPort - 1 ? kFirstBindPort : port + 1;
        if (!_check_port_exists(static_cast<short>(port)))
            return static_cast<short>(port);
    }
    return 0;
}

unsigned char _TQCbaseList_check_alive()
{
    TQGIconductor()->clearUpdateCounter();
    return 1;
}

short _TQCbaseList_bind_port()
{
    short port = _TQCbaseList_port_after(bindPortCounter);
    if (port != 0)
        bindPortCounter = port;
    TQGIconductor()->clearUpdateCounter();
    return port;
}

// Operation names are compared exactly; any other name is neither read nor
// answered.
void _TQCbaseList_remote_call(TQDserialize* s, TQCremoteCall* call)
{
    const char* operation = call->getOperationName();
    if (std::strcmp(operation, "checkAlive") == 0) {
        unsigned char alive = 1;
        s->save("#chr", "ret", &alive);
        _TQCbaseList_check_alive();
    } else if (std::strcmp(operation, "getBindPort") == 0) {
        short port = _TQCbaseList_bind_port();
        s->save("#sht", "ret", &port);
    } else if (std::strcmp(operation, "getRemoteInstanceData") == 0) {
        answerRecord(s);
    } else if (std::strcmp(operation, "addRemoteInstanceData") == 0) {
        addRecord(s, call);
    } else if (std::strcmp(operation, "delRemoteInstanceData") == 0) {
        deleteRecord(s);
    }
}
