// The instance directory of the object list, and the lookup of a published
// object by its public name through the directory at the conductor's
// address.
#include "_TQCbaseList.h"

#include "_TQCRbase.h"
#include "_TQCRbaseList.h"
#include "_TQCconductor.h"
#include "_TQCremoteInstanceData.h"

#include <memory>

namespace {

TQCremoteInstanceData* recordAt(TQClistData& list, long i)
{
    return static_cast<TQCremoteInstanceData*>(list.getData(i));
}

} // namespace

void TQCbaseList::clearRemoteInstanceList()
{
    for (long i = 0; i < remoteInstanceList.getNum(); ++i)
        delete recordAt(remoteInstanceList, i);
    remoteInstanceList.clear();
}

long TQCbaseList::addRemoteInstanceData(TQCremoteInstanceData* record)
{
    if (record == nullptr)
        return -1;
    for (long i = 0; i < remoteInstanceList.getNum(); ++i) {
        if (recordAt(remoteInstanceList, i)->isEqual(*record))
            return 0;
    }
    remoteInstanceList.add(new TQCremoteInstanceData(*record));
    remoteInstanceListUpdated = 1;
    return 0;
}

long TQCbaseList::delRemoteInstanceData(TQCremoteInstanceData* record)
{
    if (record == nullptr)
        return -1;
    for (long i = 0; i < remoteInstanceList.getNum(); ++i) {
        TQCremoteInstanceData* held = recordAt(remoteInstanceList, i);
        if (held->isEqual(*record)) {
            remoteInstanceList.delPos(i);
            delete held;
            remoteInstanceListUpdated = 1;
            return 0;
        }
    }
    return -1;
}

TQCremoteInstanceData* TQCbaseList::getRemoteInstanceData(const char* publicName)
{
    for (long i = 0; i < remoteInstanceList.getNum(); ++i) {
        if (recordAt(remoteInstanceList, i)->hasPublicName(publicName))
            return recordAt(remoteInstanceList, i);
    }
    return nullptr;
}

TQCRbase* TQCbaseList::getRemoteInstance(const char* publicName)
{
    TQCRbaseList directory;
    directory.setAddr(TQGIconductor()->getAddr().getString());
    directory.setPort(TQCconductor::DIRECTORY_PORT);
    std::unique_ptr<TQCremoteInstanceData> record(directory.getRemoteInstanceData(publicName));
    if (!record)
        return nullptr;
    TQCstring instanceName = record->getInstanceName();
    if (instanceName.getString()[0] == '\0')
        return nullptr;
    TQCRbase* proxy = TQCRbase::getNewInstance(record->getClassName().getString());
    if (proxy == nullptr)
        return nullptr;
    proxy->setAddr(record->getAddr().getString());
    proxy->setPort(record->getPort());
    proxy->setInstanceName(instanceName.getString());
    return proxy;
}
