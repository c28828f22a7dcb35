// The application's state: "para.ini", the slider's sample positions, the
// analysis arrays and the pass over a stretch, and the procedures' names.
#include "analysisPass.h"
#include "analysisState.h"

#include <gtest/gtest.h>

#include "AppTesting.h"
#include "FileBytes.h"
#include "GuiTestApp.h"
#include "TempDir.h"
#include "appProcedures.h"
#include "procedureSteps.h"
#include "_TQCfunctionList.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

class AppState : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startGuiApp(); }
    void SetUp() override { resetApplicationState(); }
    void TearDown() override { resetApplicationState(); }

    void readSettings(const std::string& text)
    {
        writeFileBytes(dir.file("para.ini"), text);
        readDisplayRanges(dir.file("para.ini").c_str());
    }
    // A 256-sample channel holding a tone exactly on bin 8, analysed whole.
    void analyseTone()
    {
        siii = new double[256];
        for (int i = 0; i < 256; ++i)
            siii[i] = std::round(1000 * std::sin(3.141592653589793 * i / 16));
        maxsize = selsize = 256;
        ASSERT_EQ(0, allocateStretch("can not alloc"));
        copyStretch(0);
        ASSERT_EQ(0, initArrayInWave());
        analysisPass();
    }

    TempDir dir;
    RecordedMessages messages;
};

} // namespace

TEST_F(AppState, SettingsFileRangesAreClampedToTheSampleRate)
{
    readSettings("100 30000 -90 10\n");
    EXPECT_EQ(100, rangeMinX);
    EXPECT_EQ(22050, rangeMaxX);
    EXPECT_EQ(0, rangeMinY) << "a positive maximum sets the minimum";
    EXPECT_EQ(10, rangeMaxY);
    readSettings("0 5000 -20 -60");
    EXPECT_EQ(-220, rangeMinY);
    EXPECT_EQ(-60, rangeMaxY);
    readSettings("abc 1 2 3");
    readDisplayRanges(dir.file("missing.ini").c_str());
    EXPECT_EQ(0, rangeMinX);
    EXPECT_EQ(5000, rangeMaxX);
    EXPECT_EQ(-220, rangeMinY) << "nothing converted, nothing changed";
    readSettings("0 5000 -1e300 -1e299");
    EXPECT_EQ(-1e6, rangeMinY) << "levels stay where whole numbers can hold them";
    EXPECT_EQ(-1e6, rangeMaxY);
}

TEST_F(AppState, SliderValuesMapToSamplePositionsWithinTheChannel)
{
    maxsize = 44100;
    selsize = 256;
    setSliderRatio();
    EXPECT_EQ(43844, sliderToSelpos(10000));
    EXPECT_EQ(21922, sliderToSelpos(5000));
    EXPECT_EQ(4, sliderToSelpos(1));
    EXPECT_EQ(0, sliderToSelpos(-5));
    EXPECT_EQ(43844, sliderToSelpos(2000000000));
    EXPECT_TRUE(isTransformSize(64) && isTransformSize(32768));
    EXPECT_FALSE(isTransformSize(32) || isTransformSize(65536) || isTransformSize(1000) ||
                 isTransformSize(0));
}

TEST_F(AppState, AFailedAllocationLeavesNoArrayBehind)
{
    analyseTone();
    winStartX = "30";
    winStartY = "40";
    selsize = 1L << 28;
    EXPECT_EQ(-1, initArrayInWave());
    for (double* array : {seliii, selRe, power_db, restore_db, su_power_db, seliiiR})
        EXPECT_EQ(nullptr, array);
    EXPECT_EQ(0, analysisSize);
    EXPECT_EQ(-1, allocateStretch("can not alloc : seliii"));
    ASSERT_EQ(2u, messages.list().size());
    EXPECT_EQ("can not alloc", messages.list()[0].text);
    EXPECT_EQ("30", messages.list()[0].x);
    EXPECT_EQ("can not alloc : seliii", messages.list()[1].text);
}

TEST_F(AppState, PassWindowsOnlyTheFirstSpectrumAndRestoresWithinRange)
{
    analyseTone();
    EXPECT_EQ(0, su_power_db[8]);
    EXPECT_LT(su_power_db[7], -100) << "no window: no leakage";
    EXPECT_EQ(0, power_db[8]);
    EXPECT_NEAR(-14.8, power_db[7], 0.1) << "Hamming's neighbouring bin";
    double loudest = -1e9;
    for (int i = 0; i < 128; ++i)
        loudest = std::max(loudest, restore_db[i]);
    EXPECT_EQ(0, loudest);
    for (double v : std::vector<double>(seliiiR, seliiiR + 256))
        ASSERT_EQ(0, v) << "the restored stretch is never computed";
    rangeMaxX = 22050;
    EXPECT_EQ(128, displayBins().endBin) << "172.265625 Hz a bin";
}

TEST_F(AppState, NoiseLevelRecomputesAtTheAllocatedSize)
{
    analyseTone();
    const std::vector<double> before(restore_db, restore_db + 128);
    paraNoise = 0.5f;
    vifi1valCH_ep(nullptr);
    EXPECT_EQ(256, selsize);
    EXPECT_NE(before, std::vector<double>(restore_db, restore_db + 128));
}

TEST_F(AppState, EveryProcedureIsRegisteredUnderItsName)
{
    const std::pair<const char*, void (*)(TQCbase*)> procedures[] = {
        {"wave1act_ep", wave1act_ep}, {"sli1valueCH_ep", sli1valueCH_ep},
        {"sli1act_ep", sli1act_ep}, {"combo1act_ep", combo1act_ep}, {"btn1act_ep", btn1act_ep},
        {"btn2act_ep", btn2act_ep}, {"btn5act_ep", btn5act_ep}, {"btn6act_ep", btn6act_ep},
        {"btn16act_ep", btn16act_ep}, {"btn17act_ep", btn17act_ep},
        {"vifi1valCH_ep", vifi1valCH_ep}, {"btn3act_ep", btn3act_ep},
        {"gra1Init_ep", gra1Init_ep}, {"gra1Expose_ep", gra1Expose_ep},
        {"gra2Init_ep", gra2Init_ep}, {"gra2Expose_ep", gra2Expose_ep},
        {"gra3init_ep", gra3init_ep}, {"gra3expose_ep", gra3expose_ep},
        {"gra4init_ep", gra4init_ep}, {"gra4expose_ep", gra4expose_ep},
        {"gra7init_ep", gra7init_ep}, {"gra7expose_ep", gra7expose_ep}};
    for (const auto& p : procedures)
        EXPECT_EQ(reinterpret_cast<void*>(p.second),
                  TQGIappFunctionList()->getFunctionAddr(p.first))
            << p.first;
}
