// The directory proxy: the directory's operations as remote calls of class
// "TQCbaseList" on the instance "tmp", or on this process's own list.
#include "_TQCRbaseList.h"

#include "_TQCbaseList.h"
#include "_TQCbaseList_remote_call.h"
#include "_TQCconductor.h"
#include "_TQCremoteInstanceData.h"

namespace {

const char kDirectoryClass[] = "TQCbaseList";

} // namespace

bool TQCRbaseList::servedHere()
{
    return TQGIconductor()->isOwnDispatcher(getAddr().getString(), getPort());
}

long TQCRbaseList::directoryCall(const char* operation, const char* argumentType,
                        const char* argumentName, const void* argument, const char* answerType,
                        void* answer)
{
    setInstanceName("tmp");
    if (argumentType == nullptr)
        return TQCRroot::call(kDirectoryClass, operation, {}, answerType, answer);
    return TQCRroot::call(kDirectoryClass, operation, {{argumentType, argumentName, argument}},
                          answerType, answer);
}

long TQCRbaseList::sendRecord(const char* operation, TQCremoteInstanceData* record,
                              long (TQCbaseList::*here)(TQCremoteInstanceData*))
{
    if (servedHere()) {
        answeredHere();
        return (TQGIappObjectList()->*here)(record);
    }
    long result = -1;
    directoryCall(operation, "TQCremoteInstanceData", "inst", record, "#lng", &result);
    return result;
}

long TQCRbaseList::addRemoteInstanceData(TQCremoteInstanceData* record)
{
    return sendRecord("addRemoteInstanceData", record, &TQCbaseList::addRemoteInstanceData);
}

long TQCRbaseList::delRemoteInstanceData(TQCremoteInstanceData* record)
{
    return sendRecord("delRemoteInstanceData", record, &TQCbaseList::delRemoteInstanceData);
}

TQCremoteInstanceData* TQCRbaseList::getRemoteInstanceData(const char* publicName)
{
    if (servedHere()) {
        answeredHere();
        TQCremoteInstanceData* held = TQGIappObjectList()->getRemoteInstanceData(publicName);
        return held != nullptr ? new TQCremoteInstanceData(*held) : new TQCremoteInstanceData;
    }
    setInstanceName("tmp");
    void* record = nullptr;
    callAlloc(kDirectoryClass, "getRemoteInstanceData", {{"#str", "pn", publicName}},
              "TQCremoteInstanceData", &record);
    return static_cast<TQCremoteInstanceData*>(record);
}

unsigned char TQCRbaseList::checkAlive()
{
    if (servedHere()) {
        answeredHere();
        return _TQCbaseList_check_alive();
    }
    unsigned char alive = 0;
    directoryCall("checkAlive", nullptr, nullptr, nullptr, "#chr", &alive);
    return alive;
}

long TQCRbaseList::getBindPort()
{
    if (servedHere()) {
        answeredHere();
        return _TQCbaseList_bind_port();
    }
    short port = 0;
    directoryCall("getBindPort", nullptr, nullptr, nullptr, "#sht", &port);
    return port;
}
