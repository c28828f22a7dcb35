// The file selection dialog without windows: its text rules (the mask,
// levels, the "." forms of a directory), the shared instance, the chosen
// path and the layout's smallest size.
#include "ControlScene.h"
#include "_TQCdevice.h"
#include "_TQCfileSelect.h"
#include "_TQCfileSelect_internal.h"
#include "_TQCscrForm.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace tqfileselect;

TEST(FileSelectRules, MaskMatchesSuffixesInEitherCaseButNotFollowedByADot)
{
    std::vector<std::string> wav = maskPatterns(" wav ,\n");
    EXPECT_EQ(std::vector<std::string>{".wav"}, wav);
    for (const char* shown : {"x.wav", "X.WAV", "x.wavy"})
        EXPECT_TRUE(passesMask(shown, wav)) << shown;
    for (const char* hidden : {"x.wav.bak", "a.wav.wav", "x.csv", "wav"})
        EXPECT_FALSE(passesMask(hidden, wav)) << hidden;
    EXPECT_TRUE(maskPatterns(" , ,").empty()) << "blank fields give no pattern";
    EXPECT_TRUE(passesMask("any.thing", maskPatterns("")));
    EXPECT_FALSE(passesMask("x.wav", maskPatterns("*"))) << "a star is a plain character";
    EXPECT_TRUE(passesMask("t.csv", maskPatterns("wav,csv")));
}

TEST(FileSelectRules, LevelsAndDotFormsStayWithinTheirBuffers)
{
    EXPECT_EQ("C:/wav", parentDirectory("C:/wav/x/"));
    EXPECT_TRUE(isNetworkHost("//host"));
    EXPECT_FALSE(isNetworkHost("//host/share"));
    EXPECT_EQ("C:/work/sub", expandDirName("./sub", "C:\\work"));
    EXPECT_EQ(kDirBufferSize - 1, expandDirName("./x", std::string(3000, 'd')).size());
}

namespace {

std::string textOf(TQCbase* object, const char* property = "labelString")
{
    TQCvariant value = object->getProperty(property);
    return value.getCharPtrConst() != nullptr ? value.getCharPtrConst() : "";
}

long numberOf(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

// Dialogs made but never shown: their parts and layout work without
// windows.
class FileSelect : public ControlScene {
protected:
    FileSelect()
    {
        dialog = new TQCfileSelect(nullptr, "fs");
        dialog->initialize();
    }
    ~FileSelect() override
    {
        delete dialog;
        TQGIappDevice()->clearDeleteList();
    }
    std::string chosen(const char* dir, const char* file)
    {
        dialog->setPropertyV("dirName", dir);
        dialog->setPropertyV("fileName", file);
        return dialog->getFileName();
    }

    TQCfileSelect* dialog = nullptr;
};

} // namespace

TEST_F(FileSelect, SharedDialogIsOneObjectShowingTheWorkingDirectoryAndEmptyFields)
{
    TQCfileSelect* shared = TQGIappFileSelect();
    EXPECT_EQ(shared, TQGIappFileSelect());
    EXPECT_STREQ("app-fselect", shared->getInstanceName());
    EXPECT_EQ(300, numberOf(shared, "width"));
    EXPECT_EQ(400, numberOf(shared, "height"));
    EXPECT_EQ(forwardSlashes(std::filesystem::current_path().string()),
              textOf(shared->getDirField()));
    EXPECT_EQ("", textOf(shared->getMaskField()));
    EXPECT_EQ("", textOf(shared->getFileField()));
    EXPECT_TRUE(shared->getOkButton()->getOwnVisible());
    EXPECT_FALSE(shared->getNoButton()->getOwnVisible()) << "only OK and Cancel";
}

TEST_F(FileSelect, ChosenPathJoinsTheTrimmedDirectoryAndFileName)
{
    EXPECT_EQ("C:/wav/a.wav", chosen(" C:\\wav ", "a.wav "));
    EXPECT_EQ("C:/a.wav", chosen("C:", "a.wav"));
    EXPECT_EQ("a.wav", chosen("", "a.wav"));
    dialog->setPropertyV("selectDir", static_cast<unsigned char>(1));
    EXPECT_EQ("C:/wav", chosen("C:/wav", "a.wav"));
    EXPECT_EQ(0, dialog->getFileField()->getSensitive()) << "no file to type";
    short back = 0;
    dialog->getFileField()->getPropertyV("backColor", &back);
    EXPECT_EQ(-10, back);
}

TEST_F(FileSelect, LongestFieldsFitTheChosenPathAndLongerOnesAreCut)
{
    std::string dir(600, 'd');
    std::string file(600, 'f');
    std::string path = chosen(dir.c_str(), file.c_str());
    EXPECT_EQ(1025u, path.size());
    EXPECT_EQ(std::string(512, 'd') + "/", path.substr(0, 513));
}

TEST_F(FileSelect, DotDirectoriesStandForTheWorkingDirectory)
{
    std::string cwd = forwardSlashes(std::filesystem::current_path().string());
    dialog->setPropertyV("dirName", ".");
    EXPECT_EQ(cwd, textOf(dialog, "dirName"));
    dialog->setPropertyV("dirName", "..");
    EXPECT_EQ(cwd + "/..", textOf(dialog, "dirName"));
}

TEST_F(FileSelect, ResizingBelowTheSmallestSizeKeepsFiftyBySixty)
{
    dialog->setProperty("width", TQCvariant(40L));
    dialog->setProperty("height", TQCvariant(50L));
    EXPECT_EQ(50, numberOf(dialog, "width"));
    EXPECT_EQ(60, numberOf(dialog, "height"));
    EXPECT_EQ(1, numberOf(dialog->getListArea(), "height"));
    dialog->setProperty("height", TQCvariant(400L));
    EXPECT_EQ(260 + 5, numberOf(dialog->getListArea(), "height"))
        << "400 less the fields and buttons, with the look's 5 pixels";
}
