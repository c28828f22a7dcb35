// Object records: the fields an object saves (name, properties off their
// defaults, procedures), what internal objects leave out, loading fields and
// children back, the exact bytes of a record, and whole trees through real
// files and text encodings.
#include <gtest/gtest.h>

#include <memory>
#include <iterator>
#include <string>
#include <utility>

#include "ByteStreamSerialize.h"
#include "FakeCodeConvert.h"
#include "FileBytes.h"
#include "SampleCompanions.h"
#include "TempDir.h"
#include "_TQCconductor.h"
#include "_TQCprocedure.h"
#include "_TQCtypeServer.h"
#include "_TQDserialize.h"
#include "_TQGFwindowSave.h"
#include "_TQCballoonHelp.h"
#include "_TQCfileSelect.h"
#include "_TQCmenuArea.h"
#include "_TQCpopupFrame.h"
#include "_TQCpulldownMenu.h"
#include "_TQCvbscrBar.h"
#include "_TQCvdb.h"
#include "_TQCvklabel.h"
#include "_TQCwizardDialog.h"

namespace {

std::string str(const std::string& name, const std::string& text)
{
    return valueRecord(name, 5, text + std::string(1, '\0'));
}

// The transaction stream that saving obj under name writes.
std::string savedBytes(TQCbase* obj, const char* name, long encoding = -2)
{
    ByteStreamSerialize s;
    s.beginTransaction("t", 2);
    s.setEncoding(encoding);
    TQGIconductor()->saveGUI(&s, name, obj);
    s.endTransaction();
    return s.bytes;
}

// The first object of a stream, made under parent.
TQCbase* loadedFrom(const std::string& bytes, TQCbase* parent, long encoding = -2)
{
    ByteStreamSerialize s(bytes);
    s.beginTransaction("t", 0);
    s.setEncoding(encoding);
    TQCbase* out = nullptr;
    TQGIconductor()->loadGUI(&s, &out, parent);
    return out;
}

// The text of the first "#str" field of that name in saved bytes, without
// its terminator; "<none>" when there is no such field.
std::string fieldText(const std::string& bytes, const std::string& field)
{
    std::string head = std::string(1, static_cast<char>(field.size())) + field + "\x05" +
                       std::string(1, '\0');
    size_t at = bytes.find(head);
    if (at == std::string::npos || at + head.size() + 4 > bytes.size())
        return "<none>";
    const auto* size = reinterpret_cast<const unsigned char*>(bytes.data() + at + head.size());
    size_t n = (size_t(size[0]) << 24) | (size_t(size[1]) << 16) | (size_t(size[2]) << 8) | size[3];
    return bytes.substr(at + head.size() + 4, n > 0 ? n - 1 : 0);
}

// "trigger function procedure" of each procedure that is not internal.
std::string procedureLines(TQCbase* object)
{
    std::string lines;
    TQClistData* list = object->getProcedureList();
    for (long i = 0; i < list->getNum(); ++i) {
        auto* p = static_cast<TQCprocedure*>(list->getData(i));
        if (p->getInternal())
            continue;
        lines += std::to_string(p->getTrigger()) + " " + p->getFunctionName() + " " +
                 p->getProcName() + ";";
    }
    return lines;
}

TQCbase* childAt(TQCbase* object, long i)
{
    return static_cast<TQCbase*>(object->getChildren().getData(i));
}

TQCvariant text(const char* t)
{
    return TQCvariant(t);
}

class ObjectRecord : public testing::Test {
protected:
    void SetUp() override
    {
        sampleCompanion("SampleWidget");
        holder.initialize();
    }

    SampleForm holder{ nullptr, "recordHolder" };
};

} // namespace

TEST_F(ObjectRecord, AllDefaultsSaveTheNameAnEmptyPropsTextAndNoOps)
{
    SampleWidget w(nullptr, "w");
    w.initialize();
    EXPECT_EQ(stream(1, structRecord("w", "SampleWidget", 2, str(">name", "w") + str(">props", ""))),
              savedBytes(&w, "w"));
}

TEST_F(ObjectRecord, ProceduresSaveOneLinePerProcedureThatIsNotInternal)
{
    SampleWidget w(nullptr, "w");
    w.initialize();
    w.addProcedure("p1", "f1", 12);
    TQCprocedure* wiring = w.addProcedure("wire", "internalFn", 9);
    wiring->setInternal(1);
    w.addProcedure("p2", "f2", 5);
    EXPECT_EQ(stream(1, structRecord("w", "SampleWidget", 3,
                                     str(">name", "w") + str(">props", "") +
                                         str(">ops", "12 f1 p1\n5 f2 p2"))),
              savedBytes(&w, "w"));

    SampleWidget onlyInternal(nullptr, "i");
    onlyInternal.initialize();
    onlyInternal.addProcedure("wire", "internalFn", 9)->setInternal(1);
    EXPECT_EQ(stream(1, structRecord("i", "SampleWidget", 3,
                                     str(">name", "i") + str(">props", "") + str(">ops", ""))),
              savedBytes(&onlyInternal, "i"));
}

TEST_F(ObjectRecord, RecordBytesAreExact)
{
    SampleWidget w(nullptr, "lbl");
    w.initialize();
    w.setProperty("width", text("200"));
    w.addProcedure("p1", "f1", 12);
    static const char expected[] =
        "\x00\x00\x00\x01"
        "\x03" "lbl" "\x00\x0C" "SampleWidget" "\x00\x00\x00\x03"
        "\x05" ">name" "\x05\x00" "\x00\x00\x00\x04" "lbl\x00"
        "\x06" ">props" "\x05\x00" "\x00\x00\x00\x0A" "width\xFF" "200\x00"
        "\x04" ">ops" "\x05\x00" "\x00\x00\x00\x09" "12 f1 p1\x00";
    EXPECT_EQ(std::string(expected, sizeof expected - 1), savedBytes(&w, "lbl"));
}

TEST_F(ObjectRecord, PropertiesSaveInListOrderSeparatedBy0xFF)
{
    SampleButton b(nullptr, "b");
    b.initialize();
    b.setProperty("interval", text("500"));
    b.setProperty("x", text("7"));
    b.setProperty("labelString", text("a b"));
    EXPECT_EQ("interval\xFF" "500\xFFrunning\xFF\xFFx\xFF" "7\xFFlabelString\xFF" "a b",
              fieldText(savedBytes(&b, "b"), ">props"))
        << "in the class record's order; a property that cannot be read gives an empty text";
}

TEST_F(ObjectRecord, InternalObjectsSaveOnlyTheirNonInternalChildren)
{
    SampleCombo combo(nullptr, "combo");
    combo.initialize();
    ASSERT_EQ(1, combo.getChildren().getNum()) << "the combo's inner button";
    EXPECT_EQ(stream(1, structRecord("combo", "SampleCombo", 2,
                                     str(">name", "combo") + str(">props", ""))),
              savedBytes(&combo, "combo"))
        << "the inner button is neither saved nor counted";

    SampleForm inner(nullptr, "inner");
    inner.setInternalObject(1);
    inner.initialize();
    auto* kept = new SampleWidget(&inner, "kept");
    kept->initialize();
    EXPECT_EQ(stream(1, structRecord("inner", "SampleForm", 1,
                                     structRecord("kept", "SampleWidget", 2,
                                                  str(">name", "kept") + str(">props", "")))),
              savedBytes(&inner, "inner"));
}

TEST_F(ObjectRecord, LoadSetsNamePropertiesAndProcedures)
{
    std::string fields = str(">name", "loaded") +
                         str(">props", "width\xFF" "200\xFFnoSuchProp\xFF" "1\xFFx\xFF" "-4\xFFx") +
                         str(">ops", "12 f1 p1\n\n5  f2   p2\n9 onlyFunction\nlonely");
    TQCbase* w = loadedFrom(stream(1, structRecord("rec", "SampleWidget", 3, fields)), &holder);
    ASSERT_NE(nullptr, w);
    auto* widget = static_cast<SampleWidget*>(w->cast("SampleWidget"));
    ASSERT_NE(nullptr, widget);
    EXPECT_STREQ("loaded", w->getInstanceName());
    EXPECT_EQ(200, widget->width);
    EXPECT_EQ(-4, widget->x) << "a name without a value after it is dropped";
    EXPECT_EQ("12 f1 p1;5 f2 p2;9 onlyFunction ;", procedureLines(w))
        << "blank runs split words, empty and one-word lines make no procedure";
}

TEST_F(ObjectRecord, MissingFieldsLeaveWhatTheConstructorGave)
{
    TQCbase* w = loadedFrom(stream(1, structRecord("rec", "SampleWidget", 0)), &holder);
    ASSERT_NE(nullptr, w);
    EXPECT_STREQ("", w->getInstanceName());
    EXPECT_EQ(10, static_cast<SampleWidget*>(w->cast("SampleWidget"))->width);
    EXPECT_EQ(0, w->getProcedureList()->getNum());
}

TEST_F(ObjectRecord, ChildrenLoadInRecordOrderUnderTheLoadedObject)
{
    std::string children = structRecord("c1", "SampleButton", 1, str(">name", "first")) +
                           structRecord("c2", "NoSuchClass", 1, str(">name", "skipped")) +
                           str("c3", "a value, not an object") +
                           structRecord("c4", "SampleForm", 2,
                                        str(">name", "second") +
                                            structRecord("g", "SampleWidget", 1,
                                                         str(">name", "grandchild"))) +
                           structRecord("c5", "TQCbase", 1, str(">name", "plain"));
    TQCbase* form = loadedFrom(
        stream(1, structRecord("f", "SampleForm", 6, str(">name", "top") + children)), &holder);
    ASSERT_NE(nullptr, form);
    EXPECT_EQ(&holder, form->getParent());
    ASSERT_EQ(3, form->getChildren().getNum());
    const char* names[] = { "first", "second", "plain" };
    const char* classes[] = { "SampleButton", "SampleForm", "TQCbase" };
    for (long i = 0; i < 3; ++i) {
        EXPECT_STREQ(names[i], childAt(form, i)->getInstanceName());
        EXPECT_STREQ(classes[i], childAt(form, i)->getClassName());
        EXPECT_EQ(form, childAt(form, i)->getParent());
        EXPECT_EQ(1, childAt(form, i)->getInitialized());
    }
    TQCbase* second = childAt(form, 1);
    ASSERT_EQ(1, second->getChildren().getNum());
    EXPECT_STREQ("grandchild", childAt(second, 0)->getInstanceName());
    EXPECT_EQ(second, childAt(second, 0)->getParent());
}

// ---------------------------------------------------------------------------
// Whole windows through files

namespace {

// A window with properties, procedures and a nested tree; the combo's inner
// button is internal.
std::unique_ptr<TQCbase> sampleWindow()
{
    auto* window = new SampleWindow(nullptr, "main");
    window->initialize();
    window->setProperty("labelString", text("Main window"));
    window->setProperty("width", text("320"));
    window->setProperty("titleString", text("Tidewell"));
    window->addProcedure("onShow", "showMain", 5);
    window->addProcedure("leave", "leaveMain", 12);
    window->addProcedure("wire", "wireMain", 9)->setInternal(1);

    auto* ok = new SampleButton(window, "ok");
    ok->initialize();
    ok->setProperty("x", text("10"));
    ok->setProperty("y", text("20"));
    ok->setProperty("labelString", text("OK"));
    ok->setProperty("interval", text("500"));
    ok->setProperty("barValue", text("2.5"));
    ok->addProcedure("press", "okPressed", 2);

    auto* panel = new SampleForm(window, "panel");
    panel->initialize();
    auto* note = new SampleWidget(panel, "note");
    note->initialize();
    note->setProperty("labelString", text("a note"));

    auto* choice = new SampleCombo(window, "choice");
    choice->initialize();
    return std::unique_ptr<TQCbase>(window);
}

// A window that, while it is saved, points its serialiser at a folder that
// does not exist, so that the file cannot be written when the save ends.
class UnwritableWindow : public SampleWindow {
public:
    using SampleWindow::SampleWindow;
    void onDataSave(TQDserialize* s) override
    {
        serializer = s;
        s->setPath("no-such-folder/deeper");
    }

    TQDserialize* serializer = nullptr;
};

class WindowFile : public testing::Test {
protected:
    void SetUp() override
    {
        sampleCompanion("SampleWindow");
        FakeCodeConvert::install();
        TQGIconductor()->setSerializePath(dir.path().c_str());
    }
    void TearDown() override { TQGIconductor()->setSerializePath("."); }

    TempDir dir;
};

} // namespace

TEST_F(WindowFile, TreeRoundTripsThroughAFile)
{
    std::unique_ptr<TQCbase> window = sampleWindow();
    ASSERT_EQ(0, TQGFsaveWindow("FILE", "main.win", window.get(), -2));

    TQCbase* loadedRaw = nullptr;
    ASSERT_EQ(0, TQGFloadWindow("FILE", "main.win", &loadedRaw, nullptr, -2));
    std::unique_ptr<TQCbase> loaded(loadedRaw);
    ASSERT_NE(nullptr, loaded);
    EXPECT_STREQ("SampleWindow", loaded->getClassName());
    EXPECT_EQ(nullptr, loaded->getParent());
    EXPECT_STREQ("Tidewell", loaded->getProperty("titleString").getCharPtr());
    EXPECT_EQ("5 showMain onShow;12 leaveMain leave;", procedureLines(loaded.get()));
    ASSERT_EQ(3, loaded->getChildren().getNum());
    TQCbase* ok = childAt(loaded.get(), 0);
    EXPECT_DOUBLE_EQ(2.5, ok->getProperty("barValue").getDouble());
    EXPECT_EQ("2 okPressed press;", procedureLines(ok));
    TQCbase* panel = childAt(loaded.get(), 1);
    ASSERT_EQ(1, panel->getChildren().getNum());
    EXPECT_EQ(panel, childAt(panel, 0)->getParent());
    EXPECT_EQ(1, childAt(loaded.get(), 2)->getChildren().getNum())
        << "the combo holds only the inner button its own code made";

    // Every name, class, property and procedure shows in the bytes.
    ASSERT_EQ(0, TQGFsaveWindow("FILE", "again.win", loaded.get(), -2));
    EXPECT_EQ(readFileBytes(dir.file("main.win")), readFileBytes(dir.file("again.win")))
        << "the loaded tree saves to the same bytes";
}

TEST_F(WindowFile, FailuresReportMinusOneOrTheLoadCode)
{
    std::unique_ptr<TQCbase> window = sampleWindow();
    EXPECT_EQ(-1, TQGFsaveWindow("NO-SUCH-KIND", "x.win", window.get(), -2));
    EXPECT_EQ(-1, TQGFsaveWindow("FILE", "x.win", nullptr, -2));
    EXPECT_FALSE(fileExists(dir.file("x.win")));

    TQCbase* loaded = window.get();
    EXPECT_EQ(-1, TQGFloadWindow("FILE", "missing.win", &loaded, nullptr, -2));

    writeFileBytes(dir.file("empty.win"), std::string(4, '\0'));
    EXPECT_EQ(10, TQGFloadWindow("FILE", "empty.win", &loaded, nullptr, -2));
    EXPECT_EQ(nullptr, loaded);

    // A form is not a top-level window: without a parent none is made.
    SampleForm form(nullptr, "loneForm");
    form.initialize();
    ASSERT_EQ(0, TQGFsaveWindow("FILE", "form.win", &form, -2));
    EXPECT_EQ(12, TQGFloadWindow("FILE", "form.win", &loaded, nullptr, -2));
}

TEST_F(WindowFile, AWriteThatFailsAtTheEndIsReported)
{
    UnwritableWindow window(nullptr, "unwritable");
    window.initialize();
    EXPECT_EQ(14, TQGFsaveWindow("FILE", "late.win", &window, -2))
        << "the file could not be written: not a success";
    ASSERT_NE(nullptr, window.serializer);
    ASSERT_TRUE(TQGIconductor()->isRegistered(window.serializer)) << "an idle prototype was used";

    // The serialiser keeps its records after the failed end; write them
    // where they belong so that it is free for the tests that follow.
    window.serializer->setPath(dir.path().c_str());
    EXPECT_EQ(0, window.serializer->endTransaction());
    EXPECT_EQ(0, window.serializer->underTransaction());
}

TEST_F(WindowFile, TextsTravelInTheChosenEncodingAndComeBack)
{
    ASSERT_NE(nullptr, FakeCodeConvert::install());
    const long kShiftJis = 21;
    SampleWindow window(nullptr, u8"日本win");
    window.initialize();
    window.setProperty("labelString", text(u8"日本"));
    window.addProcedure("show", u8"表fn", 5);
    ASSERT_EQ(0, TQGFsaveWindow("FILE", "sjis.win", &window, kShiftJis));

    std::string bytes = readFileBytes(dir.file("sjis.win"));
    EXPECT_NE(std::string::npos, bytes.find(str(">name", "\x93\xFA\x96\x7Bwin")));
    EXPECT_NE(std::string::npos, bytes.find("labelString\xFF\x93\xFA\x96\x7B"));
    EXPECT_NE(std::string::npos, bytes.find(str(">ops", "5 \x95\x5C" "fn show")));

    TQCbase* loaded = nullptr;
    ASSERT_EQ(0, TQGFloadWindow("FILE", "sjis.win", &loaded, nullptr, kShiftJis));
    std::unique_ptr<TQCbase> owner(loaded);
    EXPECT_STREQ(u8"日本win", loaded->getInstanceName());
    EXPECT_STREQ(u8"日本", loaded->getProperty("labelString").getCharPtr());
    EXPECT_EQ(std::string("5 ") + u8"表fn" + " show;", procedureLines(loaded));
}

// Classes whose making puts other values than the registered defaults: a
// setting back at the registered default is saved, so that the load does
// not put the made value back; made values still come back as they were.
TEST(MadeValues, SettingsAtTheRegisteredDefaultSurviveASaveAndALoad)
{
    TQCtypeServer* windows = TQGIconductor()->searchTypeServer("TQCwindow");
    ASSERT_NE(nullptr, windows);
    std::unique_ptr<TQCbase> window(static_cast<TQCbase*>(windows->createInstance(nullptr)));
    window->setInstanceName("top");
    window->setPropertyV("shadowThickness", static_cast<unsigned char>(2));
    auto make = [&](void* (*create)(void*), const char* name) {
        TQCbase* object = static_cast<TQCbase*>(create(window.get()));
        object->setInstanceName(name);
        return object;
    };
    TQCbase* bar = make(TQCmenuArea_create, "bar");
    make(TQCmenuArea_create, "anchored");
    TQCbase* balloon = make(TQCballoonHelp_create, "balloon");
    TQCbase* popup = make(TQCpopupFrame_create, "popup");
    for (const char* flag : {"anchorLeftFlag", "anchorRightFlag"})
        bar->setProperty(flag, TQCvariant(0));
    bar->setProperty("anchorLeft", TQCvariant(0));
    balloon->setProperty("indicatorOn", TQCvariant(1));
    balloon->setProperty("shadowType", TQCvariant(0));
    popup->setProperty("pixmapStyle", TQCvariant(0));
    // Each set back to its registered default, which making puts aside.
    const std::pair<void* (*)(void*), const char*> atDefault[] = {
        {TQCvbscrBar_create, "gradation"},      {TQCvklabel_create, "selectColor"},
        {TQCvklabel_create, "selectForeColor"}, {TQCpulldownMenu_create, "menuItems"},
        {TQCfileSelect_create, "titleString"},  {TQCwizardDialog_create, "labelString"},
        {TQCvdb_create, "hostname"}};
    for (const auto& [create, name] : atDefault)
        make(create, name)->setDefaultValue(name);

    std::unique_ptr<TQCbase> loaded(loadedFrom(savedBytes(window.get(), "top"), nullptr));
    ASSERT_NE(nullptr, loaded);
    ASSERT_EQ(4 + long(std::size(atDefault)), loaded->getChildren().getNum());
    auto value = [&](long child, const char* name) {
        return childAt(loaded.get(), child)->getProperty(name).getLong();
    };
    EXPECT_EQ(0, value(0, "anchorLeftFlag") + value(0, "anchorRightFlag") + value(0, "anchorLeft"))
        << "an un-anchored menu bar stays so";
    EXPECT_EQ(1, value(1, "anchorLeftFlag")) << "an anchored one as well";
    EXPECT_EQ(2, value(1, "anchorRight"));
    EXPECT_EQ(1, value(2, "indicatorOn"));
    EXPECT_EQ(0, value(2, "shadowType"));
    EXPECT_EQ(0, value(3, "pixmapStyle"));
    for (long i = 0; i < long(std::size(atDefault)); ++i) {
        const char* name = atDefault[i].second;
        unsigned char isDefault = 0;
        childAt(loaded.get(), 4 + i)->isDefaultValue(name, &isDefault);
        EXPECT_TRUE(isDefault) << name << " of " << childAt(loaded.get(), 4 + i)->getClassName();
    }
}
