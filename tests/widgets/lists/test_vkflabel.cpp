// The file-selector row label on the recording devices: the highlight that
// follows the keyboard focus, the input method switched off, no FOCUS_CH
// procedures, and Down and Up moving the focus between rows.
#include "ControlScene.h"
#include "RecordingKeyboard.h"
#include "_TQCvkflabel.h"
#include "_TQDkeyboard.h"

#include <string>
#include <vector>

namespace {

using Colours = std::vector<short>;

class Row : public OnProbeDevice<TQCvkflabel> {
public:
    using OnProbeDevice<TQCvkflabel>::OnProbeDevice;
    Colours highlight() const { return {_select_back_color, _select_fore_color}; }
};

class FileRows : public ControlScene {
protected:
    void SetUp() override
    {
        fepLog().clear();
        upper = static_cast<Row*>(add<TQCvkflabel>("upper", 10, 10, 200, 18));
        lower = static_cast<Row*>(add<TQCvkflabel>("lower", 10, 28, 200, 18));
        watch<TQEV_FOCUS_CH>(upper);
    }
    void TearDown() override
    {
        if (TQCbase* holder = TQCbase::getFocusInstance())
            holder->setFocus(0);
    }
    static std::vector<std::string>& fepLog()
    {
        return static_cast<RecordingKeyboard*>(keyboard())->fepCalls;
    }
    static Colours selectColours(TQCbase* row)
    {
        Colours colours(2, 0);
        row->getPropertyV("selectColor", &colours[0]);
        row->getPropertyV("selectForeColor", &colours[1]);
        return colours;
    }

    Row* upper = nullptr;
    Row* lower = nullptr;
};

} // namespace

TEST_F(FileRows, FocusBringsTheSelectColoursWithTheInputMethodOffAndNoFocusProcedures)
{
    EXPECT_EQ((Colours{0, 0}), upper->highlight()) << "a new row is drawn unselected";
    EXPECT_EQ((Colours{-7, -18}), selectColours(upper));

    upper->setFocus(1);
    EXPECT_EQ((Colours{-7, -18}), upper->highlight());
    EXPECT_EQ(std::vector<std::string>{"setEnableFep(0)"}, fepLog());
    EXPECT_EQ(upper, keyboard()->getFocusInstance()) << "the row takes the keys";

    upper->setPropertyV("selectColor", static_cast<short>(-3));
    EXPECT_EQ((Colours{-7, -18}), upper->highlight()) << "a new colour waits for the focus";
    upper->setFocus(0);
    EXPECT_EQ((Colours{0, 0}), upper->highlight());
    EXPECT_EQ(nullptr, keyboard()->getFocusInstance()) << "the keyboard is let go";
    upper->setFocus(1);
    EXPECT_EQ((Colours{-3, -18}), upper->highlight());
    EXPECT_TRUE(triggerLog().empty()) << "FOCUS_CH procedures do not run";
}

TEST_F(FileRows, DownAndUpMoveTheFocusAndTheHighlightBetweenRows)
{
    upper->setFocus(1);
    for (long key : {TQDkeyboard::KEY_DOWN, TQDkeyboard::KEY_UP}) {
        keyboard()->setKey(key);
        keyboard()->executeHandler(1);
        bool down = key == TQDkeyboard::KEY_DOWN;
        EXPECT_EQ((Colours{0, 0}), (down ? upper : lower)->highlight());
        EXPECT_EQ((Colours{-7, -18}), (down ? lower : upper)->highlight());
    }
}
