// Input field on the recording devices: the text model and its value
// changes, editing by keys in trigger order, selection, clipboard, length
// limit and focus moves, the blink timer and the input-method calls, what
// draw hands the device, and the data sources.
#include "ControlScene.h"
#include "RecordingKeyboard.h"
#include "TempDir.h"
#include "_TQCvifield.h"
#include "_TQDkeyboard.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

enum { SHIFT = 1, CTRL = 2 };

class Field : public ControlScene {
protected:
    void SetUp() override
    {
        fepLog().clear();
        field = add<TQCvifield>("one", 10, 10, 100, 24);
        other = add<TQCvifield>("two", 120, 10, 100, 24);
    }
    void TearDown() override
    {
        if (TQCbase* holder = TQCbase::getFocusInstance())
            holder->setFocus(0);
    }
    static Calls& fepLog() { return static_cast<RecordingKeyboard*>(keyboard())->fepCalls; }
    static std::string text(TQCvifield* f) { return f->getString().getString(16); }
    static void setText(TQCvifield* f, const char* s) { f->setPropertyV("labelString", s); }
    // One key pressed and released on the focused field.
    static void key(long code, const char* keyText = "", unsigned modifiers = 0)
    {
        TQDkeyboard* k = keyboard();
        k->setKey(code);
        k->setText(const_cast<char*>(keyText), 16);
        k->setWithShift(modifiers & SHIFT ? 1 : 0);
        k->setWithCntl(modifiers & CTRL ? 1 : 0);
        k->setIsCursorKey(code >= TQDkeyboard::KEY_PAGE_UP && code <= TQDkeyboard::KEY_DOWN);
        k->setIsTtyFunction(code == TQDkeyboard::KEY_INSERT || code == TQDkeyboard::KEY_DELETE);
        k->executeHandler(1);
        k->executeHandler(0);
    }
    static void type(const char* chars)
    {
        for (const char* c = chars; *c != '\0'; ++c) {
            char one[2] = {*c, '\0'};
            key(TQDkeyboard::KEY_CHAR + *c, one);
        }
    }
    long cursor(TQCvifield* f) { return f->getProperty("cursorPos").getLong(); }
    Calls drawnText(TQCvifield* f)
    {
        repaint(f);
        return draw.callStrings("drawUString");
    }

    TQCvifield* field = nullptr;
    TQCvifield* other = nullptr;
};

} // namespace

TEST_F(Field, NewFieldIsEmptyWithItsDefaultsAndEndPositions)
{
    EXPECT_EQ(nullptr, TQCvifield_create(nullptr));
    EXPECT_EQ("", text(field));
    EXPECT_EQ(0, cursor(field));
    EXPECT_EQ(1, field->getProperty("interCur").getLong());
    EXPECT_EQ(64, field->getProperty("maxLength").getLong());
    short back = 0;
    field->getPropertyV("backColor", &back);
    EXPECT_EQ(-11, back);
    EXPECT_EQ(0, field->existProperty("emboss")) << "the field offers no emboss";
    field->setCurPos(-1);
    EXPECT_EQ(64, cursor(field)) << "insert mode ends after the last place";
    field->setPropertyV("interCur", static_cast<unsigned char>(0));
    field->setCurPos(-1);
    EXPECT_EQ(63, cursor(field)) << "overwrite mode ends on the last place";
}

TEST_F(Field, TextIsCutPaddedAndReportedOnce)
{
    watch<TQEV_VALUE_CH>(field);
    setText(field, std::string(70, 'x').c_str());
    EXPECT_EQ(std::string(64, 'x'), text(field));
    EXPECT_EQ(1u, triggerLog().size());

    setText(field, "a\nb");
    EXPECT_EQ("a\\nb", text(field)) << "a single line holds a line feed as backslash and n";

    setText(field, "abcdefghij");
    triggerLog().clear();
    field->setPropertyV("maxLength", static_cast<unsigned short>(8));
    field->setPropertyV("maxLength", static_cast<unsigned short>(9));
    EXPECT_EQ("abcdefgh", text(field));
    EXPECT_EQ(1u, triggerLog().size()) << "only the limit that cuts the text reports a change";

    field->setPropertyV("maxLength", static_cast<unsigned short>(8));
    field->setPropertyV("fillSpace", static_cast<unsigned char>(1));
    setText(field, "abc");
    EXPECT_EQ("abc     ", text(field));
    field->setPropertyV("fillSpace", static_cast<unsigned char>(0));
    EXPECT_EQ("abc", text(field));
}

TEST_F(Field, TypingInsertsAtTheCursorBetweenKeyHookAndKeyPress)
{
    setText(field, "abc");
    field->setCurPos(1);
    field->setFocus(1);
    for (long t : {TQEV_KEY_HOOK, TQEV_VALUE_CH, TQEV_ACTIVATE, TQEV_KEY_PRESS})
        field->addProcedureV("logged", nullptr, t == TQEV_KEY_HOOK    ? &logTrigger<TQEV_KEY_HOOK>
                                                : t == TQEV_VALUE_CH  ? &logTrigger<TQEV_VALUE_CH>
                                                : t == TQEV_ACTIVATE  ? &logTrigger<TQEV_ACTIVATE>
                                                                      : &logTrigger<TQEV_KEY_PRESS>,
                             t);
    type("x");
    EXPECT_EQ("axbc", text(field));
    EXPECT_EQ(2, cursor(field));
    EXPECT_EQ((Calls{"one TQEV_KEY_HOOK", "one TQEV_VALUE_CH", "one TQEV_KEY_PRESS"}), triggerLog());

    triggerLog().clear();
    key(TQDkeyboard::KEY_RETURN);
    EXPECT_EQ((Calls{"one TQEV_KEY_HOOK", "one TQEV_ACTIVATE", "one TQEV_KEY_PRESS"}), triggerLog());
    EXPECT_EQ("axbc", text(field)) << "Return puts no line feed into a single line";

    field->setPropertyV("interCur", static_cast<unsigned char>(0));
    setText(field, "abc");
    field->setCurPos(1);
    type("x");
    EXPECT_EQ(0u, text(field).find("axc ")) << "overwrite mode replaces the b";
}

TEST_F(Field, SelectionsOutsideTheTextAreRefusedAndEditsStayInside)
{
    setText(field, "abcd");
    EXPECT_EQ(-1, field->setSelect(2, 3));
    EXPECT_EQ(-1, field->setSelect(0, -5)) << "a selection ending before the text";
    EXPECT_EQ(0, cursor(field));
    EXPECT_EQ(1, field->setSelect(3, -2));
    EXPECT_EQ("bc", std::string(field->getSelectedString().getString(16)));

    field->setFocus(1);
    field->setSelect(1, 2);
    key(TQDkeyboard::KEY_BACKSPACE);
    EXPECT_EQ("bcd", text(field)) << "the cursor at the start: the character before goes";

    watch<TQEV_VALUE_CH>(field);
    field->setCurPos(3);
    key(TQDkeyboard::KEY_DELETE);
    EXPECT_EQ("bcd", text(field));
    EXPECT_TRUE(triggerLog().empty()) << "Delete at the end changes nothing";

    field->setCurPos(-1);
    type("x");
    EXPECT_EQ("bcdx", text(field)) << "a cursor past the text inserts at its end";
    EXPECT_EQ(4, cursor(field));
}

TEST_F(Field, FullFieldKeepsItsTextAndSkipsToTheRightNeighbour)
{
    field->setPropertyV("maxLength", static_cast<unsigned short>(3));
    setText(field, "abc");
    field->setCurPos(3);
    field->setFocus(1);
    type("d");
    EXPECT_EQ("abc", text(field));
    EXPECT_EQ(3, cursor(field));
    EXPECT_EQ(field, TQCbase::getFocusInstance());

    setText(other, "xyz");
    other->setCurPos(2);
    field->setPropertyV("ifieldSkipMode", static_cast<unsigned char>(1));
    field->setPropertyV("enableFocusMove", static_cast<unsigned char>(1));
    field->setCurPos(3);
    type("d");
    EXPECT_EQ(other, TQCbase::getFocusInstance());
    EXPECT_EQ(0, cursor(other));
}

TEST_F(Field, CopyAndPasteGoThroughTheKeyboardButNotIntoReadOnlyFields)
{
    setText(field, "abcd");
    field->setFocus(1);
    field->setSelect(1, 2);
    key(TQDkeyboard::KEY_CHAR + 'c', "", CTRL);
    EXPECT_STREQ("bc", keyboard()->getSelectedString(16));

    other->setFocus(1);
    key(TQDkeyboard::KEY_CHAR + 'v', "", CTRL);
    EXPECT_EQ("bc", text(other));

    other->setKeyInputDisable(1);
    key(TQDkeyboard::KEY_INSERT, "", SHIFT);
    other->setKeyInputDisable(0);
    other->setPropertyV("displayOnly", static_cast<unsigned char>(1));
    key(TQDkeyboard::KEY_CHAR + 'v', "", CTRL);
    type("z");
    key(TQDkeyboard::KEY_BACKSPACE);
    EXPECT_EQ("bc", text(other)) << "no paste, typing or deleting in either mode";
    other->setPropertyV("tab", "one");
    other->setPropertyV("enableFocusMove", static_cast<unsigned char>(1));
    key(TQDkeyboard::KEY_TAB);
    EXPECT_EQ(field, TQCbase::getFocusInstance()) << "display-only still moves on with Tab";
}

TEST_F(Field, MovingTheFocusLeavesOneBlinkingField)
{
    field->setFocus(1);
    other->setFocus(1);
    draw.clear();
    timer()->tick(2);
    Calls text = draw.callStrings("drawUString");
    ASSERT_EQ(1u, text.size()) << "one timer: only the focused field blinks";
    EXPECT_EQ(0u, text[0].find("drawUString(124,14,")) << text[0];
    EXPECT_FALSE(field->getCursorFore());
    EXPECT_FALSE(other->getCursorFore()) << "the blink hid the cursor shown on focus";

    other->setFocus(0);
    field->setSensitive(0);
    field->setFocus(1);
    EXPECT_EQ(nullptr, keyboard()->getFocusInstance()) << "an insensitive field registers nothing";
    draw.clear();
    timer()->tick(2);
    EXPECT_EQ(0, draw.count("drawUString"));
    field->setSensitive(1);

    watch<TQEV_FOCUS_CH>(other);
    other->setFocus(1);
    other->setVisible(0);
    EXPECT_EQ(nullptr, TQCbase::getFocusInstance());
    EXPECT_EQ((Calls{"two TQEV_FOCUS_CH", "two TQEV_FOCUS_CH"}), triggerLog());
    other->setVisible(1);
}

TEST_F(Field, InputMethodOpensAtTheCursorInTheModesStatusAndClosesOnLeaving)
{
    setText(field, "ab");
    field->setCurPos(2);
    field->setPropertyV("enableFep", static_cast<unsigned char>(3));
    fepLog().clear();
    field->setFocus(1);
    // The cursor after "ab": the field at (10, 10), its text area at (4, 4)
    // and 16 high, two characters 8 wide and 12 high.
    EXPECT_EQ((Calls{"setEnableFep(1)", "setFepPos(30,16,0,-14,-11)", "startFep(30,16,0,-14,-11)",
                     "setFepStatus(3)"}),
              fepLog());
    fepLog().clear();
    field->setFocus(0);
    EXPECT_EQ((Calls{"setEnableFep(0)", "resetFep"}), fepLog());

    for (unsigned char mode : {2, 3, 4}) {
        field->setPropertyV("enableFep", mode);
        fepLog().clear();
        EXPECT_EQ(0, field->setFepStatus(1));
        Calls opened = {"startFep(30,16,0,-14,-11)", "setFepStatus(2)",
                        "setFepStatus(" + std::to_string(mode == 2 ? 1 : mode) + ")"};
        EXPECT_EQ(opened, fepLog()) << "mode " << int(mode);
    }
    field->setPropertyV("enableFep", static_cast<unsigned char>(0));
    EXPECT_EQ(-1, field->setFepStatus(1));
}

TEST_F(Field, CursorPositionFollowsAMovedTextArea)
{
    setText(field, "ab");
    field->setFocus(1);
    fepLog().clear();
    key(TQDkeyboard::KEY_LEFT);
    field->setPropertyV("marginLeft", static_cast<unsigned char>(6));
    key(TQDkeyboard::KEY_LEFT);
    EXPECT_EQ((Calls{"setFepPos(14,16,0,-14,-11)", "setFepPos(18,16,0,-14,-11)"}), fepLog());
}

TEST_F(Field, DrawingHandsTheVisiblePartCursorAndHatchToTheDevice)
{
    setText(field, "a\tb");
    field->setCurPos(1);
    field->setFocus(1);
    EXPECT_EQ((Calls{"drawUString(14,14,92,16,\"a b\",0,0,1,1,0,0)"}), drawnText(field));
    field->setKeyInputDisable(1);
    EXPECT_EQ((Calls{"drawUString(14,14,92,16,\"a b\",0,0,-1,1,0,0)"}), drawnText(field));
    field->setKeyInputDisable(0);

    field->setSensitive(0);
    repaint(field);
    EXPECT_EQ((Calls{"setHatchPattern(8)"}), draw.callStrings("setHatchPattern"));
    field->setPropertyV("noHatch", static_cast<unsigned char>(1));
    repaint(field);
    EXPECT_EQ((Calls{"setHatchPattern(0)"}), draw.callStrings("setHatchPattern"));
    field->setSensitive(1);

    // 92 pixels hold 11 characters of 8: at the end of 20 the view starts at
    // the tenth; Home brings the first back at once.
    setText(field, "abcdefghijklmnopqrst");
    field->setFocus(1);
    key(TQDkeyboard::KEY_END);
    EXPECT_EQ((Calls{"drawUString(14,14,92,16,\"jklmnopqrst\",0,0,11,1,0,0)"}), drawnText(field));
    key(TQDkeyboard::KEY_HOME);
    EXPECT_EQ(0u, drawnText(field)[0].find("drawUString(14,14,92,16,\"abcdefghijklmnopqrst\",0,0,0,"));
}

TEST_F(Field, DataSourcesFillTheTextAndAnUnreadableFileLeavesIt)
{
    TempDir dir;
    std::string path = dir.file("value.txt");
    std::FILE* fp = std::fopen(path.c_str(), "wb");
    std::fputs("42", fp);
    std::fclose(fp);
    field->setPropertyV("dataSource", static_cast<unsigned char>(TQCvifield::SOURCE_FILE));
    field->setPropertyV("dataSourceName", path.c_str());
    EXPECT_EQ("42", text(field));
    field->setPropertyV("dataSourceName", dir.file("missing.txt").c_str());
    EXPECT_EQ("42", text(field));

    setText(other, "7");
    field->setPropertyV("dataSourceName", "two");
    field->setPropertyV("dataSource", static_cast<unsigned char>(TQCvifield::SOURCE_INSTANCE));
    EXPECT_EQ("7", text(field));
    setText(other, "8");
    EXPECT_EQ("8", text(field)) << "the server's value reaches its client";
    field->setPropertyV("dataSourceName", "");
    setText(other, "9");
    EXPECT_EQ("8", text(field)) << "a server the field no longer names stops reaching it";
}
