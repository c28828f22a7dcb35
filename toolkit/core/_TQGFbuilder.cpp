// The builder's hooks and its walks over object trees: property lists,
// procedure lists, change marks and edit mode.
#include "_TQGFbuilder.h"

#include "_TQCbase.h"
#include "_TQCclassInformation.h"
#include "_TQClistData.h"
#include "_TQCprocedure.h"
#include "_TQCproperty.h"
#include "_TQGFnameCheck.h"
#include "_TQGFstring.h"
#include "_TQN.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

const char* const kChangedKey = "PROP-CHANGED";
const char* const kWindowClassKey = "WIN-CLASS";
const char* const kGeometryUpdateKey = "GEOMETRY-UPDATE";

struct BuilderHooks {
    TQGFcreateHandler create = nullptr;
    TQGFcreateInstanceHandler createInstance = nullptr;
    TQGFdeleteHandler del = nullptr;
    TQGFexistNameHandler existName = nullptr;
    TQGFpropertyEditorHandler propertyEditor = nullptr;
    TQCbase* editor = nullptr;
    TQGFjavaPackageNameHandler javaPackageName = nullptr;
};

BuilderHooks& hooks()
{
    static BuilderHooks* all = new BuilderHooks;
    return *all;
}

bool stillChild(TQCbase* object, TQCbase* child)
{
    TQClistData* children = object->getChildrenPtr();
    for (long i = 0; children != nullptr && i < children->getNum(); ++i) {
        if (children->getData(i) == child)
            return true;
    }
    return false;
}

// Runs step on the object and, depth first, on each descendant that
// withinTree accepts (with its own descendants).
template <class Accept, class Step>
void walkTree(TQCbase* object, Accept withinTree, Step step)
{
    step(object);
    TQClistData* children = object->getChildrenPtr();
    if (children == nullptr)
        return;
    // A step may change the tree: the walk goes over the children as they
    // were, skipping those that have left meanwhile.
    TQClistData snapshot(*children);
    for (long i = 0; i < snapshot.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(snapshot.getData(i));
        if (child != nullptr && stillChild(object, child) && withinTree(child))
            walkTree(child, withinTree, step);
    }
}

bool notInternal(TQCbase* object)
{
    return !object->getInternalObject();
}

bool anyObject(TQCbase*)
{
    return true;
}

// Whether the class, or a class it derives from, withdraws the name.
bool withdrawnBy(TQCclassInformation* info, const char* name)
{
    for (; info != nullptr; info = info->getParentClassInformation()) {
        TQClistData* own = info->getPropertyList();
        for (long i = 0; i < own->getNum(); ++i) {
            TQCproperty* prop = static_cast<TQCproperty*>(own->getData(i));
            if (prop->getNotUse() && std::strcmp(prop->getPropObjName(), name) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------
// Hooks

void TQGFsetCreateHandler(TQGFcreateHandler handler)
{
    hooks().create = handler;
}

void TQGFexecCreateHandler(TQCbase* object)
{
    if (hooks().create != nullptr)
        hooks().create(object);
}

void TQGFsetCreateInstanceHandler(TQGFcreateInstanceHandler handler)
{
    hooks().createInstance = handler;
}

TQCbase* TQGFexecCreateInstanceHandler(TQCbase* parent, TQCindexVariantData* values)
{
    if (hooks().createInstance == nullptr)
        return nullptr;
    return hooks().createInstance(parent, values);
}

void TQGFsetDeleteHandler(TQGFdeleteHandler handler)
{
    hooks().del = handler;
}

TQGFdeleteHandler TQGFgetDeleteHandler()
{
    return hooks().del;
}

void TQGFsetExistNameHandler(TQGFexistNameHandler handler)
{
    hooks().existName = handler;
}

TQGFexistNameHandler TQGFgetExistNameHandler()
{
    return hooks().existName;
}

long TQGFexistName(const char* name, TQCbase* object)
{
    if (hooks().existName == nullptr)
        return 0;
    return hooks().existName(const_cast<char*>(name), object);
}

void TQGFsetPropertyEditorHandler(TQGFpropertyEditorHandler handler)
{
    hooks().propertyEditor = handler;
}

TQGFpropertyEditorHandler TQGFgetPropertyEditorHandler()
{
    return hooks().propertyEditor;
}

TQCbase* TQGIappPropertyEditor()
{
    return hooks().editor;
}

void TQGFsetAppPropertyEditor(TQCbase* editor)
{
    hooks().editor = editor;
}

void TQGFsetJavaPackageNameHandler(void* handler)
{
    hooks().javaPackageName = reinterpret_cast<TQGFjavaPackageNameHandler>(handler);
}

TQGFjavaPackageNameHandler TQGFgetJavaPackageNameHandler()
{
    return hooks().javaPackageName;
}

void TQGFnotifyPropertyEditor(TQCbase* object, long mode)
{
    if (TQGFpropertyEditorHandler handler = hooks().propertyEditor)
        handler(object, mode);
}

void TQGFnotifyGeometryUpdate()
{
    TQCbase* editor = hooks().editor;
    if (editor == nullptr)
        return;
    editor->setUserData(kGeometryUpdateKey, reinterpret_cast<void*>(1));
    editor->update();
}

// ---------------------------------------------------------------------------
// Properties and types

void TQGFgetAllPropertyList(TQCbase* object, TQClistData* list)
{
    if (object == nullptr || list == nullptr)
        return;
    TQCclassInformation* info = object->getClassInformation();
    TQClistData* all = info->getAllPropertyList();
    TQCproperty* userValue = nullptr;
    if (info->getPropObj(_TQNuserValue(), &userValue) && userValue != nullptr)
        list->add(userValue);
    for (long i = 0; i < all->getNum(); ++i) {
        if (all->getData(i) != userValue)
            list->add(all->getData(i));
    }
    TQCbase* child = object->getPropertyInheritChild();
    if (child == nullptr || child == object)
        return;
    TQClistData inherited;
    TQGFgetAllPropertyList(child, &inherited);
    for (long i = 0; i < inherited.getNum(); ++i) {
        TQCproperty* prop = static_cast<TQCproperty*>(inherited.getData(i));
        TQCproperty* own = nullptr;
        const char* name = prop->getPropObjName();
        if (!info->getPropObj(name, &own) && !withdrawnBy(info, name))
            list->add(prop);
    }
}

long TQGFtypeToValue(const char* typeName)
{
    static const char* const kTypeNames[] = {
        "long", "TQCulong", "short", "TQCushort", "char", "TQCuchar", "float",
        "double", "void*", "char*", "void", "TQCbool", "int", "TQCuint"};
    if (typeName == nullptr)
        return 0;
    for (long code = 0; code < static_cast<long>(sizeof kTypeNames / sizeof *kTypeNames); ++code) {
        if (std::strcmp(typeName, kTypeNames[code]) == 0)
            return code;
    }
    return 0;
}

const char* TQGFconvertPropValueString(TQCproperty*, const char*)
{
    return "not_implemented";
}

// The bits of codes 1 and 6 to 8 have no reverse.
long TQGFmaskBitToEvent(unsigned long bit)
{
    static const long kCodes[] = {0, 2, 3, 4, 5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    for (long code : kCodes) {
        if (bit == 1UL << code)
            return code;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Procedures, marks and edit mode

void TQGFgetProcedureList(TQCbase* object, TQClistData* list)
{
    if (object == nullptr || list == nullptr)
        return;
    walkTree(object, notInternal, [list](TQCbase* node) {
        TQCbase* window = node->getParentWindow();
        bool perWindow = window != nullptr && window->getUserData(kWindowClassKey) != nullptr;
        TQClistData* procedures = node->getProcedureList();
        for (long i = 0; procedures != nullptr && i < procedures->getNum(); ++i) {
            TQCprocedure* procedure = static_cast<TQCprocedure*>(procedures->getData(i));
            if (!procedure->getUseFile() || procedure->getInternal())
                continue;
            std::string name;
            if (perWindow)
                name.append(window->getInstanceName()).append("_");
            name.append(procedure->getFunctionName());
            if (!_exist_name_(list, name.c_str()))
                list->add(TQGFstrdup(name.c_str()));
        }
    });
}

void TQGFmarkChanged(TQCbase* object)
{
    if (object != nullptr)
        object->setUserData(kChangedKey, reinterpret_cast<void*>(1));
}

void TQGFclearMarkChanged(TQCbase* object)
{
    if (object == nullptr)
        return;
    walkTree(object, anyObject, [](TQCbase* node) {
        if (node->getUserData(kChangedKey) != nullptr)
            node->setUserData(kChangedKey, nullptr);
    });
}

TQCbool TQGFcheckMarkChanged(TQCbase* object)
{
    bool marked = false;
    if (object != nullptr) {
        walkTree(object, anyObject, [&marked](TQCbase* node) {
            if (reinterpret_cast<intptr_t>(node->getUserData(kChangedKey)) == 1)
                marked = true;
        });
    }
    return marked ? 1 : 0;
}

void TQGFsetEditMode(TQCbase* object, unsigned char on)
{
    if (object == nullptr)
        return;
    walkTree(object, notInternal, [on](TQCbase* node) { node->setPropertyEditMode(on); });
}
