// The shared steps of the type-server companions.
#include "_TQCtypeServerFrame.h"

#include <cstring>

void TQCtypeServerFrame::setUp(TQCtypeServer* server, const char* type, const char* parent,
                               TQCtypeServer::CreateHandler create,
                               TQCtypeServer::DeleteHandler del,
                               TQCtypeServer::SaveHandler save,
                               TQCtypeServer::LoadHandler load)
{
    server->setType(type);
    server->setSaveHandler(save);
    server->setLoadHandler(load);
    server->setCreateHandler(create);
    server->setDeleteHandler(del);
    if (parent != nullptr)
        server->addParentClassName(parent);
}

// Each class knows only its direct parent: the question climbs the chain
// one cached server at a time until a class or its parent answers to the
// name, or the chain ends.
void* TQCtypeServerFrame::parentClassPtr(TQCtypeServer* server, const char* className, void* obj)
{
    const char* parentName = nullptr;
    TQCtypeServer* parent = server->getParentClassServer(0, &parentName);
    if (className == nullptr)
        return nullptr;
    if (server->isHit(className))
        return obj;
    if (parentName != nullptr && std::strcmp(className, parentName) == 0)
        return obj;
    return parent != nullptr ? parent->getParentClassPtr(className, obj) : nullptr;
}

void* TQCtypeServerFrame::initializeCreated(TQCbase* object, void* parent)
{
    if (object == nullptr)
        return nullptr;
    object->initialize();
    if (parent == nullptr && !(object->getObjectType() & TQCbase::OBJECT_TOP_LEVEL)) {
        delete object;
        return nullptr;
    }
    return static_cast<void*>(object);
}

void TQCtypeServerFrame::deleteObject(void* obj)
{
    delete static_cast<TQCbase*>(obj);
}
