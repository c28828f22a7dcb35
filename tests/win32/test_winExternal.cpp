// Loadable modules under Wine: modules built beside the tests hand their
// symbol table over through the function this program exports (a module's
// own copy of the toolkit would keep the table to itself).
#include "TestAppWindow.h"

#include "TQDwinExternal.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

extern "C" __declspec(dllexport) void publishModuleSymbols(void* table)
{
    TQDexternal::setTempData(table);
}

namespace {

std::string symbolsOf(TQDexternal& module)
{
    std::unique_ptr<TQCstring> text(module.getObjectSymbols());
    return text != nullptr ? text->getString() : "(none)";
}

} // namespace

TEST(WinExternal, OpenTakesTheTableTheModuleHandsOverWhileLoading)
{
    std::unique_ptr<TQDexternal> module(TQDexternal::getNewInstance());
    std::string publishing = besideTestProgram("tq_test_module.dll");
    ASSERT_EQ(0, module->open(publishing.c_str()));
    EXPECT_EQ(publishing, module->getName());
    EXPECT_EQ("a b\nc\nd e\nf\n", symbolsOf(*module));

    ASSERT_EQ(0, module->open(besideTestProgram("tq_test_module_silent.dll").c_str()));
    EXPECT_EQ("(none)", symbolsOf(*module)) << "a module that hands over nothing";
    EXPECT_EQ(nullptr, GetModuleHandleA(publishing.c_str())) << "the first module was unloaded";

    EXPECT_EQ(-1, module->open(besideTestProgram("no_such_module.dll").c_str()));
    EXPECT_EQ("(none)", symbolsOf(*module));
    EXPECT_EQ(0, module->close());
}
