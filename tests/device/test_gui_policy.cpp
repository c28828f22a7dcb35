// The look policy word, the extended-look registry, the broadcast of look
// changes and the look file.
#include "_TQCguiPolicy.h"

#include "_TQCbase.h"
#include "_TQCbaseList.h"

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "TempDir.h"

#include <string>
#include <vector>

namespace {

void drawA(void*) {}
void drawB(void*) {}

// Hears look changes and asks to be redrawn after each.
class LookWatcher : public TQCbase {
public:
    LookWatcher() { TQGIappObjectList()->addEvent(this, TQCguiPolicy::LOOK_CHANGE_EVENT); }
    ~LookWatcher() override
    {
        TQGIappObjectList()->delEvent(this, TQCguiPolicy::LOOK_CHANGE_EVENT);
    }
    void onGuiPolicyChange(long policy) override
    {
        heard.push_back(policy);
        TQGIappObjectList()->addNeedUpdate(this);
    }
    void update() override { ++updates; }

    std::vector<long> heard;
    int updates = 0;
};

} // namespace

TEST(GuiPolicy, KeepsExactlyOneBuiltInLook)
{
    TQCguiPolicy unset;
    EXPECT_EQ(6, unset.getGuiPolicy());
    EXPECT_EQ(0, unset.getExtGuiPolicySelected());
    const long given[] = {0, 3, 1, 4, 9, 11};
    const long stored[] = {2, 2, 1, 6, 9, 10};
    for (int i = 0; i < 6; ++i) {
        TQCguiPolicy policy;
        policy.setGuiPolicy(given[i], 0);
        EXPECT_EQ(stored[i], policy.getGuiPolicy()) << "bits " << given[i];
    }
}

TEST(GuiPolicy, ExtendedLookSetsAndClearsBit3)
{
    TQCguiPolicy policy;
    policy.setGuiPolicy(1, 0);
    policy.setExtGuiPolicy("Modern1", 0);
    EXPECT_EQ(9, policy.getGuiPolicy());
    EXPECT_STREQ("Modern1", policy.getExtGuiPolicyName().getString(-2));
    // A word without bit 3 turns the look off but keeps its name.
    policy.setGuiPolicy(2, 0);
    EXPECT_EQ(0, policy.getExtGuiPolicySelected());
    EXPECT_STREQ("Modern1", policy.getExtGuiPolicyName().getString(-2));

    policy.setExtGuiPolicy("Modern1", 0);
    policy.setExtGuiPolicy("", 0);
    EXPECT_EQ(2, policy.getGuiPolicy());
    EXPECT_STREQ("", policy.getExtGuiPolicyName().getString(-2));
    policy.setExtGuiPolicy("Modern1", 0);
    policy.setExtGuiPolicy(nullptr, 0);
    EXPECT_EQ(0, policy.getExtGuiPolicySelected());

    // On the unset word, selecting and clearing keep one built-in look.
    TQCguiPolicy cleared;
    cleared.setExtGuiPolicy(nullptr, 0);
    EXPECT_EQ(6, cleared.getGuiPolicy());
    TQCguiPolicy selected;
    selected.setExtGuiPolicy("Modern1", 0);
    EXPECT_EQ(14, selected.getGuiPolicy());
}

TEST(GuiPolicyLooks, AnswersTheSelectedLooksProcedures)
{
    TQCguiPolicy policy;
    policy.setExtGuiPolicyProc("Modern1", "TQCvbtn::draw", drawA);
    policy.setExtGuiPolicyProc("Other", "TQCvbtn::draw", drawB);
    EXPECT_EQ(nullptr, policy.getExtGuiPolicyProc("TQCvbtn::draw"));

    policy.setExtGuiPolicy("Modern1", 0);
    EXPECT_EQ(&drawA, policy.getExtGuiPolicyProc("TQCvbtn::draw"));
    EXPECT_EQ(nullptr, policy.getExtGuiPolicyProc("TQCform::draw"));
    policy.setExtGuiPolicy("Other", 0);
    EXPECT_EQ(&drawB, policy.getExtGuiPolicyProc("TQCvbtn::draw"));

    policy.setExtGuiPolicyProc("Other", "TQCvbtn::draw", drawA);
    EXPECT_EQ(&drawA, policy.getExtGuiPolicyProc("TQCvbtn::draw"));
    policy.setExtGuiPolicyProc(nullptr, "TQCvbtn::draw", drawB);
    policy.setExtGuiPolicyProc("Other", nullptr, drawB);
    EXPECT_EQ(2, policy.getExtGuiPolicyList()->getNum());

    // Procedures registered after their look was selected count at once.
    policy.setExtGuiPolicy("Late", 0);
    EXPECT_EQ(nullptr, policy.getExtGuiPolicyProc("TQCvbtn::draw"));
    policy.setExtGuiPolicyProc("Late", "TQCvbtn::draw", drawA);
    EXPECT_EQ(&drawA, policy.getExtGuiPolicyProc("TQCvbtn::draw"));
}

TEST(GuiPolicyBroadcast, TellsRegisteredObjectsTheNewWord)
{
    TQCguiPolicy policy;
    LookWatcher watcher;
    policy.setGuiPolicy(1, 0);
    EXPECT_TRUE(watcher.heard.empty());

    policy.setGuiPolicy(3, 1);
    ASSERT_EQ(1u, watcher.heard.size());
    EXPECT_EQ(2, watcher.heard[0]);
    // A new word alone redraws with the next round of updates.
    EXPECT_EQ(0, watcher.updates);
    TQGIappObjectList()->execUpdate();
    EXPECT_EQ(1, watcher.updates);

    // A new extended look redraws at once.
    policy.setExtGuiPolicy("Modern1", 1);
    ASSERT_EQ(2u, watcher.heard.size());
    EXPECT_EQ(10, watcher.heard[1]);
    EXPECT_EQ(2, watcher.updates);
}

class LookFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file(".tqrc");
    TQCguiPolicy policy;
    long marker = -1;
};

TEST_F(LookFile, AppliesThePolicyAndTheExtendedLook)
{
    writeFileBytes(path, "#POLICY\n1\n#EXPOLICY\nModern1\n");
    EXPECT_EQ(0, policy.loadLookFile(&marker, path.c_str()));
    EXPECT_EQ(9, policy.getGuiPolicy());
    EXPECT_STREQ("Modern1", policy.getExtGuiPolicyName().getString(-2));
    EXPECT_EQ(2, marker);

    // The policy of a later load is ignored.
    writeFileBytes(path, "#POLICY\n2\n");
    EXPECT_EQ(0, policy.loadLookFile(&marker, path.c_str()));
    EXPECT_EQ(9, policy.getGuiPolicy());
}

TEST_F(LookFile, TrimsLinesAndAppliesPairsInFileOrderPastA1AByte)
{
    writeFileBytes(path, "  #EXPOLICY  \r\n  Modern1 \r\n#NOTE\r\n\x1a\r\n#POLICY\r\n 1\r\n"
                         "#POLICY\r\n2x\r\n");
    EXPECT_EQ(0, policy.loadLookFile(&marker, path.c_str()));
    EXPECT_EQ(2, policy.getGuiPolicy());
    EXPECT_STREQ("Modern1", policy.getExtGuiPolicyName().getString(-2));
}

TEST_F(LookFile, SkipsUnknownEmptyAndIncompletePairs)
{
    writeFileBytes(path, "#policy\n1\n#POLICY\n\n#OTHER\n5\n#EXPOLICY\n\n#POLICY");
    EXPECT_EQ(0, policy.loadLookFile(&marker, path.c_str()));
    EXPECT_EQ(6, policy.getGuiPolicy());
    EXPECT_EQ(0, policy.getExtGuiPolicySelected());
    EXPECT_EQ(2, marker);

    TQCguiPolicy other;
    long otherMarker = -1;
    writeFileBytes(path, "#POLICY\nnone\n");
    other.loadLookFile(&otherMarker, path.c_str());
    EXPECT_EQ(2, other.getGuiPolicy());
}

TEST_F(LookFile, MissingFileChangesNothing)
{
    EXPECT_EQ(-1, policy.loadLookFile(&marker, dir.file("absent").c_str()));
    EXPECT_EQ(-1, marker);
    EXPECT_EQ(6, policy.getGuiPolicy());
    EXPECT_STREQ("", policy.getExtGuiPolicyName().getString(-2));
}

TEST_F(LookFile, SavesFourLinesAndBacksUpOnlyChangedContent)
{
    std::string backup = path + ".bak";
    EXPECT_EQ(0, policy.saveLookFile(path.c_str()));
    EXPECT_EQ(0, policy.saveLookFile(path.c_str()));
    EXPECT_EQ("#POLICY\n6\n#EXPOLICY\n\n", readFileBytes(path));
    EXPECT_FALSE(fileExists(backup));

    policy.setGuiPolicy(1, 0);
    policy.setExtGuiPolicy("Modern1", 0);
    EXPECT_EQ(0, policy.saveLookFile(path.c_str()));
    EXPECT_EQ("#POLICY\n9\n#EXPOLICY\nModern1\n", readFileBytes(path));
    EXPECT_EQ("#POLICY\n6\n#EXPOLICY\n\n", readFileBytes(backup));
    // An older backup gives way to the newer one.
    policy.setExtGuiPolicy(nullptr, 0);
    EXPECT_EQ(0, policy.saveLookFile(path.c_str()));
    EXPECT_EQ("#POLICY\n9\n#EXPOLICY\nModern1\n", readFileBytes(backup));

    TQCguiPolicy reread;
    reread.loadLookFile(&marker, backup.c_str());
    EXPECT_EQ(9, reread.getGuiPolicy());
    EXPECT_STREQ("Modern1", reread.getExtGuiPolicyName().getString(-2));
}

TEST_F(LookFile, FailsToSaveIntoAMissingFolder)
{
    EXPECT_EQ(-1, policy.saveLookFile(dir.file("no/such/.tqrc").c_str()));
}

