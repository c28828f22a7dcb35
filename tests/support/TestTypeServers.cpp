#include "TestTypeServers.h"

#include <cstring>
#include <memory>

#include "_TQCconductor.h"
#include "_TQDserialize.h"

namespace {

int deletions = 0;

TestShape* asShape(void* obj)
{
    return static_cast<TestShape*>(obj);
}

template <class T>
void* create(void* arg)
{
    T* made = new T;
    made->createdWith = arg;
    return static_cast<TestShape*>(made);
}

void deleteShape(void* obj)
{
    ++deletions;
    delete asShape(obj);
}

void saveShape(TQDserialize* s, void* obj)
{
    TestShape* shape = asShape(obj);
    s->saveData("#lng", ">id", &shape->id);
    s->saveData("#str", ">label", const_cast<char*>(shape->label.c_str()));
    for (TestShape* part : shape->parts)
        s->saveData(part->typeName(), part->name.c_str(), part);
}

void loadShape(TQDserialize* s, void* obj)
{
    TestShape* shape = asShape(obj);
    s->loadData("#lng", ">id", &shape->id);
    void* label = nullptr;
    if (s->loadAllocData("#str", ">label", &label, nullptr) == 0) {
        shape->label = static_cast<char*>(label);
        delete[] static_cast<char*>(label);
    }

    char** types = nullptr;
    char** names = nullptr;
    long count = 0;
    if (s->searchInstanceData("TestShape", 1, &types, &names, &count) != 0)
        return;
    for (long i = 0; i < count; ++i) {
        void* part = nullptr;
        if (s->loadAllocData("TestShape", names[i], &part, shape) == 0 && part != nullptr) {
            asShape(part)->name = names[i];
            shape->parts.push_back(asShape(part));
        }
    }
    delete[] types;
    delete[] names;
}

void saveCircle(TQDserialize* s, void* obj)
{
    s->saveData("#dbl", ">r", &static_cast<TestCircle*>(obj)->radius);
}

void loadCircle(TQDserialize* s, void* obj)
{
    s->loadData("#dbl", ">r", &static_cast<TestCircle*>(obj)->radius);
}

void* createOther(void*)
{
    return new TestOther;
}

void deleteOther(void* obj)
{
    ++deletions;
    delete static_cast<TestOther*>(obj);
}

void saveOther(TQDserialize* s, void* obj)
{
    s->saveData("#lng", ">v", &static_cast<TestOther*>(obj)->value);
}

void loadOther(TQDserialize* s, void* obj)
{
    s->loadData("#lng", ">v", &static_cast<TestOther*>(obj)->value);
}

void* createPair(void*)
{
    return new TestPair;
}

void deletePair(void* obj)
{
    ++deletions;
    delete static_cast<TestPair*>(obj);
}

void loadPair(TQDserialize* s, void* obj)
{
    TestPair* pair = static_cast<TestPair*>(obj);
    s->loadData("#lng", "a", &pair->first);
    s->loadData("#lng", "a", &pair->second);
}

struct Servers {
    TestTypeServer shape{ "TestShape", nullptr };
    TestTypeServer circle{ "TestCircle", "TestShape" };
    TestTypeServer ring{ "TestRing", "TestCircle" };
    TestTypeServer badge{ "TestBadge", "TestRing" };
    TestTypeServer other{ "TestOther", nullptr };
    TestTypeServer pair{ "TestPair", nullptr };

    Servers()
    {
        shape.setCreateHandler(create<TestShape>);
        shape.setDeleteHandler(deleteShape);
        shape.setSaveHandler(saveShape);
        shape.setLoadHandler(loadShape);
        circle.setCreateHandler(create<TestCircle>);
        circle.setDeleteHandler(deleteShape);
        circle.setSaveHandler(saveCircle);
        circle.setLoadHandler(loadCircle);
        ring.setCreateHandler(create<TestRing>);
        ring.setDeleteHandler(deleteShape);
        badge.setCreateHandler(create<TestBadge>);
        badge.setDeleteHandler(deleteShape);
        other.setCreateHandler(createOther);
        other.setDeleteHandler(deleteOther);
        other.setSaveHandler(saveOther);
        other.setLoadHandler(loadOther);
        pair.setCreateHandler(createPair);
        pair.setDeleteHandler(deletePair);
        pair.setLoadHandler(loadPair);
    }
};

Servers& servers()
{
    static Servers* all = new Servers;
    return *all;
}

} // namespace

TestShape::~TestShape()
{
    for (TestShape* part : parts)
        delete part;
}

TestTypeServer::TestTypeServer(const char* type, const char* parent)
    : m_type(type), m_parent(parent)
{
    setType(type);
    if (parent != nullptr)
        addParentClassName(parent);
}

void* TestTypeServer::getParentClassPtr(const char* className, void* obj)
{
    const char* parentName = nullptr;
    TQCtypeServer* parent = getParentClassServer(0, &parentName);
    if (std::strcmp(className, m_type) == 0)
        return obj;
    if (m_parent != nullptr && std::strcmp(className, m_parent) == 0)
        return obj;
    return parent != nullptr ? parent->getParentClassPtr(className, obj) : nullptr;
}

void registerTestTypes()
{
    servers();
}

TQCtypeServer* testServer(const char* type)
{
    registerTestTypes();
    return TQGIconductor()->searchTypeServer(type);
}

int testTypeDeletions()
{
    return deletions;
}
