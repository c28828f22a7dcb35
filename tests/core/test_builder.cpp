// What the builder relies on besides edit mode: name checks, property and
// procedure lists, change marks and edit mode over a tree, the init-string
// reader, and procedure skeletons written to real files.
#include <gtest/gtest.h>

#include "CapturedText.h"
#include "FakeCodeConvert.h"
#include "FileBytes.h"
#include "SampleWidgets.h"
#include "TempDir.h"
#include "_TQClistData.h"
#include "_TQCprocedure.h"
#include "_TQCproperty.h"
#include "_TQCstring.h"
#include "_TQGFbuilder.h"
#include "_TQGFdebug.h"
#include "_TQGFfile.h"
#include "_TQGFnameCheck.h"
#include "_TQGFprocedureSource.h"
#include "_TQGFtrigger.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(const TQClistData& list)
{
    std::vector<std::string> out;
    for (long i = 0; i < list.getNum(); ++i)
        out.push_back(static_cast<const char*>(list.getData(i)));
    return out;
}

template <class Made>
Made* make(TQCbase* parent, const char* name)
{
    Made* made = new Made(parent, name);
    made->initialize();
    return made;
}

std::string skeleton(void (*generator)(TQCstring*, const char*, const char*))
{
    TQCstring out;
    generator(&out, "go_ep", nullptr);
    return out.getString();
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

long g_mapping = 0;

long mapping()
{
    return g_mapping;
}

} // namespace

TEST(BuilderNames, ArrayNamesNeedAValidNameAndAPlainIndex)
{
    long index = -1;
    char base[32] = "";
    EXPECT_TRUE(TQGFcheckArrayName("list[3]", &index, base));
    EXPECT_EQ(3, index);
    EXPECT_STREQ("list", base);
    EXPECT_TRUE(TQGFcheckArrayName("list[ 3 ]  ", &index, nullptr));
    EXPECT_EQ(3, TQGFgetArrayNo("a.b_c[ 3 ]"));
    EXPECT_STREQ("a.b_c", TQGFgetArrayName("a.b_c[0]").getString());
    for (const char* bad : {"list[]", "list[a]", "list[-1]", "list[3]x", "[3]", "1list[3]",
                            "list[1 2]", "list3]", "list[3", "list[99999999999]"})
        EXPECT_FALSE(TQGFisArrayName(bad)) << bad;
    EXPECT_FALSE(TQGFcheckArrayName("list[a]", &index, base));
    EXPECT_EQ(3, index) << "a refused name leaves index and base alone";
    EXPECT_STREQ("list", base);
    EXPECT_EQ(0, TQGFgetArrayNo("list[a]"));
    EXPECT_STREQ("", TQGFgetArrayName("list").getString());

    EXPECT_TRUE(TQGFcheckNameString("_a.b9"));
    EXPECT_FALSE(TQGFcheckNameString(""));
    EXPECT_FALSE(TQGFcheckNameString("9a"));
    EXPECT_FALSE(TQGFcheckPureNameString("a.b"));
    EXPECT_TRUE(TQGFcheckDirNameString(""));
    EXPECT_TRUE(TQGFcheckDirNameString("~/a-b/c:d\\e+f=g_1.x"));
    EXPECT_FALSE(TQGFcheckDirNameString("a b"));
}

TEST(BuilderNames, TypeCodesEventBitsAndSortedLists)
{
    EXPECT_EQ(12, TQGFtypeToValue("int"));
    EXPECT_EQ(11, TQGFtypeToValue("TQCbool"));
    EXPECT_EQ(0, TQGFtypeToValue("bogus"));
    EXPECT_STREQ("not_implemented", TQGFconvertPropValueString(nullptr, "x"));
    EXPECT_EQ(13, TQGFmaskBitToEvent(1UL << 13));
    EXPECT_EQ(0, TQGFmaskBitToEvent(1));
    EXPECT_EQ(-1, TQGFmaskBitToEvent(1UL << 6));
    EXPECT_EQ(-1, TQGFmaskBitToEvent(0));

    char words[3][8] = {"b", "a", "\xe9"};
    TQClistData list;
    for (char* word : words)
        list.add(word);
    list.add(const_cast<char*>("ab"));
    TQGFsortCharList(&list);
    EXPECT_EQ((std::vector<std::string>{"a", "ab", "b", "\xe9"}), texts(list));

    char first[16], second[16];
    _get_2_words(" \tone  two three", first, second);
    EXPECT_STREQ("one", first);
    EXPECT_STREQ("two", second);
    _get_2_words("solo", first, second);
    EXPECT_STREQ("", second);
}

TEST(BuilderTree, MarksProceduresEditModeAndPropertyLists)
{
    SampleForm* window = make<SampleForm>(nullptr, "win");
    SampleForm* form = make<SampleForm>(window, "form");
    SampleWidget* leaf = make<SampleWidget>(form, "leaf");
    SampleWidget* part = make<SampleWidget>(form, "part");
    part->setInternalObject(1);

    TQGFmarkChanged(leaf);
    EXPECT_TRUE(TQGFcheckMarkChanged(window)) << "a marked grandchild marks the tree";
    EXPECT_FALSE(TQGFcheckMarkChanged(part));
    TQGFclearMarkChanged(window);
    EXPECT_FALSE(TQGFcheckMarkChanged(window));

    for (TQCbase* object : {static_cast<TQCbase*>(leaf), static_cast<TQCbase*>(part),
                            static_cast<TQCbase*>(form)}) {
        object->addProcedure("p", "shared_ep", TQEV_EXPOSE)->setUseFile(1);
        object->addProcedure("q", "unsaved_ep", TQEV_RESIZE)->setUseFile(0);
    }
    leaf->addProcedure("r", "leaf_ep", TQEV_EXPOSE)->setUseFile(1);
    TQClistData names;
    TQGFgetProcedureList(window, &names);
    EXPECT_EQ((std::vector<std::string>{"shared_ep", "leaf_ep"}), texts(names));
    window->setUserData("WIN-CLASS", window);
    TQClistData perWindow;
    TQGFgetProcedureList(leaf, &perWindow);
    EXPECT_EQ((std::vector<std::string>{"win_shared_ep", "win_leaf_ep"}), texts(perWindow));
    for (TQClistData* list : {&names, &perWindow}) {
        for (long i = 0; i < list->getNum(); ++i)
            delete[] static_cast<char*>(list->getData(i));
    }

    TQGFsetEditMode(window, 1);
    EXPECT_TRUE(leaf->getPropertyEditMode() && form->getPropertyEditMode());
    EXPECT_FALSE(part->getPropertyEditMode()) << "parts of a composite stay out";
    TQGFsetEditMode(window, 0);
    EXPECT_FALSE(leaf->getPropertyEditMode());

    SampleCombo* combo = make<SampleCombo>(window, "combo");
    TQClistData props;
    TQGFgetAllPropertyList(combo, &props);
    std::vector<std::string> propNames;
    for (long i = 0; i < props.getNum(); ++i)
        propNames.push_back(static_cast<TQCproperty*>(props.getData(i))->getPropObjName());
    EXPECT_EQ("userValue", propNames.front());
    auto has = [&](const char* name) {
        return std::count(propNames.begin(), propNames.end(), name);
    };
    EXPECT_EQ(1, has("interval")) << "the inner button's own names come after";
    EXPECT_EQ(1, has("x")) << "a name the class has comes once";
    EXPECT_EQ(0, has("labelPixmap")) << "a name the class withdraws does not come back";
    delete window;
}

TEST(BuilderFiles, InitStringsAreReadFromTheFirstLineWithTheKey)
{
    TempDir dir;
    const std::string path = dir.file("look.ini");
    const char* lines = "#A one\r\n#POLICY  12 \r\nnext line\r\n#POLICY 9\n";
    ASSERT_EQ(0, TQGFreplaceTextFile(path.c_str(), lines, 0));
    TQCstring* text = TQGFreadTextFile(path.c_str(), -2);
    ASSERT_NE(nullptr, text);
    TQCstring value, next;
    EXPECT_EQ(1, TQGFreadInitString(text, "#POLICY", &value, &next));
    EXPECT_STREQ("12", value.getString());
    EXPECT_STREQ("next line", next.getString());
    EXPECT_EQ(0, TQGFreadInitString(text, "#EXPOLICY", &value, &next));
    EXPECT_STREQ("", value.getString());
    EXPECT_STREQ("", next.getString());
    EXPECT_EQ(0, TQGFcheckDiffTextFile(path.c_str(), lines));
    delete text;
}

TEST(ProcedureSkeletons, TextsOfEveryLanguageAndBinding)
{
    const std::string cpp = skeleton(TQGFopCreate);
    EXPECT_EQ(0u, cpp.find("#include <TQcom.h>\n#include <TQCfunctionList.h>\n"));
    const std::string rule = "//" + std::string(58, '-') + "\n";
    EXPECT_TRUE(contains(cpp, rule + "//Function for the event procedure\n" + rule));
    EXPECT_TRUE(contains(cpp, "}\nstatic TQCfunctionRegister  op(\"go_ep\",(void*)go_ep);\n"));
    EXPECT_EQ(skeleton(TQGFopCreateRb), skeleton(TQGFopCreatePokRb));
    const std::string perl = skeleton(TQGFopCreatePerl);
    EXPECT_TRUE(endsWith(perl, "#do something...\n\n}\n1;\n")) << perl;
    EXPECT_TRUE(contains(perl, "use vesk;\n\nsub go_ep {\n"));
    EXPECT_TRUE(
        contains(skeleton(TQGFopCreatePokPy), "pok.TQGFfunctionRegister(\"go_ep\",go_ep)\n"));
    EXPECT_TRUE(contains(skeleton(TQGFopCreatePokOcaml), "open Swig\nopen Pok\nopen Poklib\n"));
    const std::string ocaml = skeleton(TQGFopCreateOcaml);
    EXPECT_TRUE(endsWith(ocaml, "  ()\n\nlet _ = Callback.register \"go_ep\" go_ep")) << ocaml;
    TQGFsetJavaPackageNameHandler(reinterpret_cast<void*>(+[]() -> const char* { return "app"; }));
    EXPECT_TRUE(contains(skeleton(TQGFopCreatePokJava),
                         "\npackage app;\nimport org.quorvane.pok.*;\n\n"));
    TQGFsetJavaPackageNameHandler(nullptr);

    TQCstring method;
    TQGFclassProcedureCreate(&method, "go_ep", nullptr, "Panel");
    EXPECT_TRUE(contains(method.getString(), "void Panel::go_ep(TQCbase* object){\n  Panel* base = "
                                             "(Panel*)object->getUserData(TQ_BASE_CLASS);\n"));
}

TEST(ProcedureSkeletons, FilesAreWrittenOnceAndKeepABackupOfAChange)
{
    FakeCodeConvert::install();
    TempDir dir;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    auto create = [&](const std::string& folder, const char* file, long language,
                      const char* className) {
        return TQGFcreateProcedure(folder.c_str(), file, language, "go_ep", className, -2);
    };
    auto text = [&](const char* file) { return readFileBytes(dir.file(file)); };
    TQGFsetGetMappingHandler(mapping);
    g_mapping = 1;
    ASSERT_EQ(0, create(dir.path(), "act", TQ_LANGUAGE_PYTHON, nullptr));
    ASSERT_EQ(0, create(dir.path(), "act", TQ_LANGUAGE_PYTHON, nullptr));
    EXPECT_FALSE(fileExists(dir.file("act.py.bak"))) << "an unchanged skeleton is left alone";
    EXPECT_EQ(skeleton(TQGFopCreatePy), text("act.py")) << "written exactly, line feeds alone";
    g_mapping = 0;
    ASSERT_EQ(0, create(dir.path(), "act", TQ_LANGUAGE_PYTHON, nullptr));
    EXPECT_EQ(skeleton(TQGFopCreatePy), text("act.py.bak"));
    EXPECT_EQ(skeleton(TQGFopCreatePokPy), text("act.py"));

    ASSERT_EQ(0, create("", "here", TQ_LANGUAGE_CPP, ""));
    EXPECT_TRUE(fileExists(dir.file("here.cpp"))) << "no directory: no leading /";
    ASSERT_EQ(0, create(dir.path(), "m", TQ_LANGUAGE_CPP, "Panel"));
    EXPECT_TRUE(fileExists(dir.file("Panel_m.cpp")));
    ASSERT_EQ(0, create(dir.path(), "odd", 9, nullptr));
    EXPECT_EQ("", text("odd"));

    EXPECT_EQ(-1, create(dir.path(), "bad", TQ_LANGUAGE_CPP, "A B"));
    EXPECT_EQ(-1, TQGFcreateProcedure(dir.path().c_str(), "bad", TQ_LANGUAGE_RUBY,
                                      "go\nsystem('x')", nullptr, -2));
    EXPECT_EQ(-1, create(dir.path(), "", TQ_LANGUAGE_RUBY, nullptr));
    EXPECT_FALSE(fileExists(dir.file("A B_bad.cpp")) || fileExists(dir.file("bad.rb")) ||
                 fileExists(dir.file(".rb")));

    ::testing::internal::CaptureStdout();
    EXPECT_EQ(-1, create(dir.file("no/such/dir"), "x", TQ_LANGUAGE_RUBY, nullptr));
    EXPECT_TRUE(contains(capturedStdout(), "ERROR TQGFreplaceFile()  cannot open filename "));
    TQGFsetGetMappingHandler(nullptr);
    std::filesystem::current_path(before);
}
