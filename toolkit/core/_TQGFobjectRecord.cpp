// Saving and loading one object's record: its name, its properties off
// their defaults (or off what making the object puts there) as texts, its
// procedures and its children. Texts travel in the serialiser's encoding
// (-2 and 0 mean as they are) and are converted back on load, so that names
// outside ASCII survive a round trip. Property names come from the
// toolkit's ASCII vocabulary and are read as stored.
#include "_TQGFobjectRecord.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "_TQCbase.h"
#include "_TQCindexVariantData.h"
#include "_TQClistData.h"
#include "_TQCprocedure.h"
#include "_TQCstring.h"
#include "_TQCvariant.h"
#include "_TQDserialize.h"
#include "_TQGFstring.h"

namespace {

const char kFieldSeparator = '\xFF';

TQCbase* asObject(void* obj)
{
    return static_cast<TQCbase*>(obj);
}

bool convertsText(TQDserialize* s)
{
    long encoding = s->getEncoding();
    return encoding != -2 && encoding != 0;
}

// text in the default encoding, as the serialiser stores it.
std::string toStored(TQDserialize* s, const char* text)
{
    if (!convertsText(s))
        return text;
    TQCstring converted(text, -2);
    const char* stored = converted.getString(s->getEncoding());
    return stored != nullptr ? stored : "";
}

// text as stored, in the default encoding.
std::string fromStored(TQDserialize* s, const char* text)
{
    if (!convertsText(s))
        return text;
    TQCstring converted(text, s->getEncoding());
    const char* plain = converted.getString(-2);
    return plain != nullptr ? plain : "";
}

// ---------------------------------------------------------------------------
// Saving

// A property at its registered default is saved too when making the object
// puts another value there: the load makes the object before it sets the
// saved properties, and would otherwise leave the made value in place.
void addMadeValueOverrides(TQCbase* object, TQClistData& pieces)
{
    TQCindexVariantData made;
    object->getMadeValues(&made);
    for (long i = 0; i < made.getNum(); ++i) {
        const char* name = made.getIndex(i);
        unsigned char atDefault = 0;
        if (object->isDefaultValue(name, &atDefault) != 0 || !atDefault)
            continue;
        TQCvariant value = object->getProperty(name);
        const char* text = value.getCharPtr();
        if (std::strcmp(text, made.getData(i)->getCharPtr()) == 0)
            continue;
        pieces.add(TQGFstrdup(name));
        pieces.add(TQGFstrdup(text));
    }
}

std::string propertyText(TQDserialize* s, TQCbase* object)
{
    TQClistData pieces;
    object->getPropertyArray(&pieces, 0);
    addMadeValueOverrides(object, pieces);
    std::string text;
    for (long i = 0; i < pieces.getNum(); ++i) {
        char* piece = static_cast<char*>(pieces.getData(i));
        text += toStored(s, piece);
        text += kFieldSeparator;
        delete[] piece;
    }
    // The last separator gives way to the terminator.
    if (!text.empty())
        text.pop_back();
    return text;
}

std::string procedureText(TQDserialize* s, TQClistData* procedures)
{
    std::string text;
    bool first = true;
    for (long i = 0; i < procedures->getNum(); ++i) {
        auto* procedure = static_cast<TQCprocedure*>(procedures->getData(i));
        if (procedure->getInternal())
            continue;
        if (!first)
            text += '\n';
        first = false;
        text += std::to_string(procedure->getTrigger());
        text += ' ';
        text += procedure->getFunctionName();
        text += ' ';
        text += procedure->getProcName();
    }
    return toStored(s, text.c_str());
}

void saveOwnFields(TQDserialize* s, TQCbase* object)
{
    std::string name = toStored(s, object->getInstanceName());
    s->saveData("#str", ">name", const_cast<char*>(name.c_str()));
    std::string props = propertyText(s, object);
    s->saveData("#str", ">props", const_cast<char*>(props.c_str()));
    TQClistData* procedures = object->getProcedureList();
    if (procedures->getNum() > 0) {
        std::string ops = procedureText(s, procedures);
        s->saveData("#str", ">ops", const_cast<char*>(ops.c_str()));
    }
    object->onDataSave(s);
}

// A copy of the children: a plain object's list is shared and emptied by
// the next call, and saving must not follow changes to the tree.
void saveChildren(TQDserialize* s, TQCbase* object)
{
    TQClistData children(object->getChildren());
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (child == nullptr || child->getInternalObject())
            continue;
        s->saveData(child->getClassName(), child->getInstanceName(), static_cast<void*>(child));
    }
}

// ---------------------------------------------------------------------------
// Loading

// A loaded string, freed with the holder.
class LoadedText {
public:
    LoadedText(TQDserialize* s, const char* field)
    {
        void* out = nullptr;
        if (s->loadAllocData("#str", field, &out, nullptr) == 0)
            text = static_cast<char*>(out);
    }
    ~LoadedText() { delete[] text; }
    LoadedText(const LoadedText&) = delete;
    LoadedText& operator=(const LoadedText&) = delete;

    char* get() const { return text; }
    char* release()
    {
        char* t = text;
        text = nullptr;
        return t;
    }

private:
    char* text = nullptr;
};

void loadName(TQDserialize* s, TQCbase* object)
{
    LoadedText name(s, ">name");
    if (name.get() == nullptr)
        return;
    if (!convertsText(s))
        object->setInstanceNameNC(name.release());
    else
        object->setInstanceName(fromStored(s, name.get()).c_str());
}

// name FF value FF name FF value: a value runs to the next separator or the
// end; a name with no separator after it has no value and is dropped.
void loadProperties(TQDserialize* s, TQCbase* object)
{
    LoadedText props(s, ">props");
    const char* p = props.get();
    while (p != nullptr && *p != '\0') {
        const char* nameEnd = std::strchr(p, kFieldSeparator);
        if (nameEnd == nullptr)
            return;
        const char* value = nameEnd + 1;
        const char* valueEnd = std::strchr(value, kFieldSeparator);
        size_t valueLength = valueEnd != nullptr ? static_cast<size_t>(valueEnd - value)
                                                 : std::strlen(value);
        std::string name(p, static_cast<size_t>(nameEnd - p));
        std::string text = fromStored(s, std::string(value, valueLength).c_str());
        object->setProperty(name.c_str(), TQCvariant(text.c_str()));
        p = valueEnd != nullptr ? valueEnd + 1 : value + valueLength;
    }
}

// A line without a trigger and a function name describes no procedure.
void loadProcedureLine(TQCbase* object, TQCstring& line)
{
    if (line.getWords() < 2)
        return;
    long trigger = std::atol(line.getWord(0).getString(-2));
    TQCprocedure* procedure = new TQCprocedure(line.getWord(2).getString(-2), trigger);
    procedure->setFunction(nullptr, line.getWord(1).getString(-2));
    if (object->addProcedure(procedure) != 0)
        delete procedure;
}

void loadProcedures(TQDserialize* s, TQCbase* object)
{
    LoadedText ops(s, ">ops");
    if (ops.get() == nullptr)
        return;
    TQCstring lines(fromStored(s, ops.get()).c_str(), -2);
    while (!lines.eof()) {
        TQCstring line = lines.gets();
        loadProcedureLine(object, line);
    }
}

void loadChildren(TQDserialize* s, TQCbase* object)
{
    char** types = nullptr;
    char** names = nullptr;
    long count = 0;
    if (s->searchInstanceData("TQCbase", 1, &types, &names, &count) != 0)
        return;
    for (long i = 0; i < count; ++i) {
        void* child = nullptr;
        s->loadAllocData("TQCbase", names[i], &child, static_cast<void*>(object));
    }
    delete[] types;
    delete[] names;
}

} // namespace

void _base_save(TQDserialize* s, void* obj)
{
    TQCbase* object = asObject(obj);
    if (s == nullptr || object == nullptr)
        return;
    if (!object->getInternalObject())
        saveOwnFields(s, object);
    saveChildren(s, object);
}

void _base_load(TQDserialize* s, void* obj)
{
    TQCbase* object = asObject(obj);
    if (s == nullptr || object == nullptr)
        return;
    loadName(s, object);
    loadProperties(s, object);
    loadProcedures(s, object);
    object->onDataLoad(s);
    loadChildren(s, object);
}

// Initialised like the objects every other class's companion makes, so that
// a loaded plain object takes properties by name and joins its parent.
void* _base_create(void* parent)
{
    TQCbase* object = new TQCbase(static_cast<TQCbase*>(parent), nullptr);
    object->initialize();
    return static_cast<void*>(object);
}

void _base_delete(void* obj)
{
    delete asObject(obj);
}
