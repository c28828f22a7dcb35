// The application function list, its static registration objects and the
// initialize manager.
#include <gtest/gtest.h>

#include "_TQCfunction.h"
#include "_TQCfunctionList.h"
#include "_TQCfunctionRegister.h"
#include "_TQCinitializeManager.h"

#include <string>

namespace {

int first(int) { return 1; }
int second(int) { return 2; }

void* addr(int (*f)(int))
{
    return reinterpret_cast<void*>(f);
}

} // namespace

TEST(FunctionList, SecondRegistrationKeepsOneRecordWithNewAddressAndNamesMatchWhole)
{
    TQCfunctionList list;
    TQCfunction* a = list.addFunction("open_ep", addr(first));
    list.addFunction("close_ep", addr(first));
    TQCfunction* b = list.addFunction("open_ep", addr(second));
    EXPECT_EQ(a, b);
    EXPECT_EQ(2, list.getNum());
    EXPECT_EQ(a, list.getData(0)) << "the record keeps its place";
    EXPECT_EQ(addr(second), list.getFunctionAddr("open_ep"));
    list.delAll();
    EXPECT_EQ(0, list.getNum());

    // Names are compared whole.
    list.addFunction("ab_ep", addr(first));
    list.addFunction("ac_ep", addr(second));
    list.addFunction("", addr(second));
    EXPECT_EQ(addr(first), list.getFunctionAddr("ab_ep"));
    EXPECT_EQ(addr(second), list.getFunctionAddr("ac_ep"));
    EXPECT_EQ(nullptr, list.getFunctionAddr("a"));
    EXPECT_EQ(nullptr, list.getFunctionAddr("ab_ep "));
    EXPECT_STREQ("", list.getFunction("")->getFunctionName());
    EXPECT_EQ(nullptr, list.getFunctionAddr(nullptr));
    list.delAll();
}

TEST(FunctionList, DelFunctionTakesOutWithoutDeleting)
{
    TQCfunctionList list;
    TQCfunction* a = list.addFunction("one_ep", addr(first));
    TQCfunction* b = list.addFunction("two_ep", addr(second));
    EXPECT_EQ(0, list.delFunction(a));
    EXPECT_EQ(-1, list.delFunction(a));
    EXPECT_EQ(b, list.getData(0));
    EXPECT_STREQ("one_ep", a->getFunctionName()) << "the record is still alive";
    delete a;
    list.delAll();
}

TEST(FunctionRegister, RegistersForItsLifetime)
{
    const char* name = "registry_test_lifetime_ep";
    {
        TQCfunctionRegister reg(name, addr(first));
        EXPECT_EQ(addr(first), TQGIappFunctionList()->getFunctionAddr(name));
    }
    EXPECT_EQ(nullptr, TQGIappFunctionList()->getFunctionAddr(name));
}

namespace {

std::string g_runs;
TQCinitializeManager* g_manager = nullptr;

void procA() { g_runs += "A"; }
void procB() { g_runs += "B"; }
void procLate() { g_runs += "L"; }
void procAddsLate()
{
    g_runs += "X";
    g_manager->addInitializeProc(procLate);
}

} // namespace

TEST(InitializeManager, RunsListedProceduresInOrderOnEveryRun)
{
    TQCinitializeManager manager;
    g_runs.clear();
    manager.addInitializeProc(procA);
    manager.addInitializeProc(procB);
    EXPECT_EQ("", g_runs) << "nothing runs before the first run";
    manager.execInitializeProcs();
    manager.execInitializeProcs();
    EXPECT_EQ("ABAB", g_runs);
}

TEST(InitializeManager, ProcedureAddedAfterTheRunIsCalledOnceAtOnce)
{
    TQCinitializeManager manager;
    g_runs.clear();
    manager.execInitializeProcs();
    manager.addInitializeProc(procA);
    EXPECT_EQ("A", g_runs);
    manager.execInitializeProcs();
    EXPECT_EQ("A", g_runs) << "it was not kept";
}

TEST(InitializeManager, ProcedureAddedDuringTheRunWaitsForTheNextRun)
{
    TQCinitializeManager manager;
    g_manager = &manager;
    g_runs.clear();
    manager.addInitializeProc(procAddsLate);
    manager.execInitializeProcs();
    EXPECT_EQ("X", g_runs);
    manager.execInitializeProcs();
    EXPECT_EQ("XXLL", g_runs) << "listed by the first run, run by the second;"
                                 " the second run's own addition is called at once";
    g_manager = nullptr;
}
