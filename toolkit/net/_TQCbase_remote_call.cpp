// The dispatcher of widget calls: it reads the operation's arguments,
// finds the instance, runs the operation and answers where the operation
// has an answer, also when there is no such instance.
#include "_TQCbase_remote_call.h"

#include "_TQCRbase_operations.h"
#include "_TQCbaseList.h"
#include "_TQCconductor.h"
#include "_TQCremoteCall.h"
#include "_TQDcreateInstance.h"
#include "_TQDserialize.h"

#include <cstring>
#include <memory>

using namespace tqremote;

namespace {

// One call being served: its arguments are read before the instance is
// looked up; an argument that does not arrive keeps its preset.
class WidgetCall {
public:
    WidgetCall(TQDserialize* s, TQCremoteCall* call) : m_s(s), m_call(call) {}

    TQCbase* target()
    {
        return TQGIappObjectList()->getInstance(m_call->getClassName(),
                                                m_call->getInstanceName());
    }
    unsigned char flag(const char* name)
    {
        unsigned char value = 0;
        m_s->load("#chr", name, &value);
        return value;
    }
    long number(const char* name)
    {
        long value = 0;
        m_s->load("#lng", name, &value);
        return value;
    }
    std::unique_ptr<char[]> text(const char* name)
    {
        void* value = nullptr;
        m_s->loadAlloc("#str", name, &value, nullptr);
        return std::unique_ptr<char[]>(static_cast<char*>(value));
    }
    void answer(unsigned char value) { m_s->save("#chr", "ret", &value); }
    void answer(long value) { m_s->save("#lng", "ret", &value); }
    void answer(const char* value) { m_s->save("#str", "ret", const_cast<char*>(value)); }

private:
    TQDserialize* m_s;
    TQCremoteCall* m_call;
};

template <class Operation, size_t N>
const Operation* find(const Operation* const (&table)[N], const char* name)
{
    for (const Operation* operation : table) {
        if (std::strcmp(operation->name, name) == 0)
            return operation;
    }
    return nullptr;
}

void setProperty(WidgetCall& call)
{
    std::unique_ptr<char[]> name = call.text("prop");
    std::unique_ptr<char[]> value = call.text("val");
    TQCbase* target = call.target();
    long result = 0;
    if (target != nullptr && name && value)
        result = target->setProperty(name.get(), TQCvariant(value.get()));
    call.answer(static_cast<unsigned char>(result));
}

void getProperty(WidgetCall& call)
{
    std::unique_ptr<char[]> name = call.text("prop");
    TQCbase* target = call.target();
    if (target == nullptr || !name) {
        call.answer(TQCvariant().getCharPtr());
        return;
    }
    TQCvariant value = target->getProperty(name.get());
    const char* text = value.getCharPtr();
    call.answer(text != nullptr ? text : "");
}

void execProcedureByName(WidgetCall& call)
{
    std::unique_ptr<char[]> name = call.text("pn");
    TQCbase* target = call.target();
    if (target != nullptr && name)
        target->execProcedure(name.get());
}

// Without its argument the trigger is 0.
void execProcedureByTrigger(WidgetCall& call)
{
    long trigger = call.number("ev");
    if (TQCbase* target = call.target())
        target->execProcedure(trigger);
}

void onMouseOut(WidgetCall& call)
{
    if (TQCbase* target = call.target())
        target->onMouseOut();
}

struct NamedBranch {
    const char* name;
    void (*run)(WidgetCall& call);
};

const NamedBranch kNamedBranches[] = {
    {kSetProperty, setProperty},
    {kGetProperty, getProperty},
    {kExecProcedureByName, execProcedureByName},
    {kExecProcedureByTrigger, execProcedureByTrigger},
    {kOnMouseOut, onMouseOut},
};

bool runNamed(WidgetCall& call, const char* name)
{
    for (const NamedBranch& branch : kNamedBranches) {
        if (std::strcmp(branch.name, name) == 0) {
            branch.run(call);
            return true;
        }
    }
    return false;
}

bool runShaped(WidgetCall& call, const char* name)
{
    if (const FlagOperation* operation = find(kFlagOperations, name)) {
        unsigned char on = call.flag(operation->argument);
        if (TQCbase* target = call.target())
            (target->*operation->run)(on);
    } else if (const FocusOperation* operation = find(kFocusOperations, name)) {
        unsigned char on = call.flag("fl");
        TQCbase* target = call.target();
        call.answer(target != nullptr ? (target->*operation->run)(on) : 0L);
    } else if (const QueryOperation* operation = find(kQueryOperations, name)) {
        TQCbase* target = call.target();
        unsigned char none = 0;
        call.answer(target != nullptr ? (target->*operation->run)() : none);
    } else if (const DrawOperation* operation = find(kDrawOperations, name)) {
        TQCbase* target = call.target();
        call.answer(target != nullptr ? (target->*operation->run)() : 0L);
    } else if (const PointOperation* operation = find(kPointOperations, name)) {
        TQCpoint point = {call.number("x"), call.number("y")};
        if (TQCbase* target = call.target())
            (target->*operation->run)(&point);
    } else if (const RectOperation* operation = find(kRectOperations, name)) {
        long x = call.number("x");
        long y = call.number("y");
        long w = call.number("w");
        long h = call.number("h");
        TQCrect area = {x, y, static_cast<unsigned long>(w), static_cast<unsigned long>(h)};
        if (TQCbase* target = call.target())
            (target->*operation->run)(&area);
    } else {
        return false;
    }
    return true;
}

void registerWidgetCalls()
{
    TQGIconductor()->addNetServerHandler(kWidgetClass,
                                         reinterpret_cast<void*>(_TQCbase_remote_call));
}

} // namespace

TQ_RUN_AT_START_UP(registerWidgetCalls)

// An operation name not in the table, compared exactly, is neither read
// nor answered.
void _TQCbase_remote_call(TQDserialize* s, TQCremoteCall* call)
{
    WidgetCall widgetCall(s, call);
    const char* name = call->getOperationName();
    if (!runNamed(widgetCall, name))
        runShaped(widgetCall, name);
}
