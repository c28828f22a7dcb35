// Win32 images: the ways a name is tried in order, from its own file to the
// program's built-in icons, what destroy releases, and the images of a
// program after device initialisation.
#include "TQDwinImage.h"

#include <gtest/gtest.h>

#include "EnvGuard.h"
#include "FileBytes.h"
#include "FreshProcess.h"
#include "LoopbackHttpServer.h"
#include "TQDwinmwinDev.h"
#include "TQGFwinMain.h"
#include "TQGFwinPng.h"
#include "TempDir.h"
#include "TestImageFiles.h"
#include "TQwin32.h"
#include "WinCodeConverter.h"
#include "_TQCimageSet.h"

#include <cstdint>
#include <memory>

namespace {

// The bitmap resource of the test program and an icon group of the toolkit.
const int kBuiltInBitmap = 300;
const int kBuiltInIcon = 202;

// An icon file of one black 16 x 16 picture: directory, one entry, then a
// 32-bit picture with its rows doubled for the mask.
std::string iconFile()
{
    std::string out(22 + 40 + 16 * 16 * 4 + 16 * 4, '\0');
    out[2] = out[4] = out[10] = 1;
    out[6] = out[7] = 16;
    out[12] = out[36] = 32;
    out[34] = 1;
    putLittle32(out, 14, out.size() - 22);  // picture bytes
    putLittle32(out, 18, 22);               // picture offset
    putLittle32(out, 22, 40);
    putLittle32(out, 26, 16);
    putLittle32(out, 30, 32);
    return out;
}

// Each test runs in a fresh working folder, where the platform loader looks
// for bare file names.
class WinImage : public ::testing::Test {
protected:
    static void SetUpTestSuite() { useWinCodeConverter(); }
    void SetUp() override
    {
        GetCurrentDirectoryA(MAX_PATH, previousFolder);
        SetCurrentDirectoryA(dir.path().c_str());
        CreateDirectoryA("a", nullptr);
        CreateDirectoryA("a\\b", nullptr);
    }
    void TearDown() override { SetCurrentDirectoryA(previousFolder); }

    static void writePng(const char* name, long width)
    {
        const unsigned char rgb[9] = {};
        std::FILE* fp = std::fopen(name, "wb");
        PngWriteBufToFp(fp, rgb, width, 1);
        std::fclose(fp);
    }
    static void writeBmp(const char* name, std::int32_t width)
    {
        writeFileBytes(name, bmpBitFieldsFile(width, 1, std::vector<std::uint32_t>(width, 0)));
    }
    static void builtIn(const char* name, int id)
    {
        TQGIappImageSet()->setDefaultImageHandle(
            name, reinterpret_cast<void*>(static_cast<std::intptr_t>(id)));
    }
    // Loads the image afresh; its width, or -1 when nothing loaded.
    static long reload(TQDwinImage& image)
    {
        image.destroy();
        return image.initialize() == 0 ? image.getImageWidth() : -1;
    }
    static long builtInIcon()
    {
        return reinterpret_cast<long>(
            LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kBuiltInIcon)));
    }

    TempDir dir;
    char previousFolder[MAX_PATH] = "";
};

} // namespace

TEST_F(WinImage, EmptyNameChangesNothingAndAnUnloadableNameFails)
{
    TQDwinImage empty;
    empty.setValue1(5);
    empty.setValue2(6);
    empty.setValue3(7);
    EXPECT_EQ(0, empty.initialize());
    EXPECT_EQ(5, empty.getValue1());
    EXPECT_EQ(6, empty.getValue2());
    EXPECT_EQ(7, empty.getValue3());

    // A fetch that gives nothing, and the file forms fail too.
    TQDwinImage remote;
    std::string unreachable = "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::freePort());
    remote.setImageName((unreachable + "/x.jpg").c_str());
    EXPECT_EQ(-1, remote.initialize());
    EXPECT_EQ(-1, remote.getValue2()) << "still not realised";
}

TEST_F(WinImage, XpmNameIsTriedAsPngBmpBareBmpBuiltInBitmapThenAsIcons)
{
    TQDwinImage image;
    image.setImageName("a/b/c.xpm");
    writePng("a\\b\\c.png", 3);
    writeBmp("a\\b\\c.bmp", 5);
    writeBmp("c.bmp", 7);
    builtIn("a/b/c.bmp", kBuiltInBitmap);
    writeFileBytes("a\\b\\c.ico", iconFile());
    writeFileBytes("c.ico", iconFile());
    builtIn("a/b/c.ico", kBuiltInIcon);

    EXPECT_EQ(3, reload(image)) << "a\\b\\c.png";
    std::remove("a\\b\\c.png");
    EXPECT_EQ(5, reload(image)) << "a\\b\\c.bmp";
    EXPECT_NE(0, image.getValue3()) << "the BMP reader's mask";
    std::remove("a\\b\\c.bmp");
    EXPECT_EQ(7, reload(image)) << "c.bmp through the platform loader";
    EXPECT_EQ(0, image.getValue3());
    std::remove("c.bmp");
    EXPECT_EQ(9, reload(image)) << "built-in bitmap";
    EXPECT_EQ(0, image.getValue2()) << "bitmaps are kind 0";
    builtIn("a/b/c.bmp", 0);

    EXPECT_EQ(32, reload(image)) << "a\\b\\c.ico, a 16 x 16 icon, counts as 32 wide";
    EXPECT_EQ(32, image.getImageHeight());
    EXPECT_EQ(1, image.getValue2()) << "icons are kind 1";
    EXPECT_NE(builtInIcon(), image.getValue1());
    std::remove("a\\b\\c.ico");
    EXPECT_EQ(32, reload(image)) << "c.ico";
    std::remove("c.ico");
    EXPECT_EQ(32, reload(image)) << "built-in icon";
    EXPECT_EQ(builtInIcon(), image.getValue1());
    builtIn("a/b/c.ico", 0);

    EXPECT_EQ(-1, reload(image));
    EXPECT_EQ(-1, image.getValue1());
}

TEST_F(WinImage, BmpWhoseHeaderDoesNotFitItsFileNeverReachesThePlatformLoader)
{
    // 3000 x 3000 pixels of 24 bits from 24 bytes: the loader would read
    // far outside the file.
    writeFileBytes("c.bmp", joinedParts(bmpFileParts(3000, 3000, 24, 0, {std::string(24, 'x')})));
    TQDwinImage image;
    image.setImageName("c.bmp");
    EXPECT_EQ(-1, reload(image));
}

TEST_F(WinImage, DestroyReleasesTheBitmapItsMaskAndIconsFromFiles)
{
    writeBmp("c.bmp", 2);
    writeFileBytes("c.ico", iconFile());
    TQDwinImage picture, icon;
    picture.setImageName("c.bmp");
    icon.setImageName("c.ico");
    HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(picture.getValue1());
    HGDIOBJ mask = reinterpret_cast<HGDIOBJ>(picture.getValue3());
    HICON ownIcon = reinterpret_cast<HICON>(icon.getValue1());
    ASSERT_EQ(OBJ_BITMAP, GetObjectType(mask));

    EXPECT_EQ(0, picture.destroy());
    EXPECT_EQ(0u, GetObjectType(bitmap)) << "bitmap deleted";
    EXPECT_EQ(0u, GetObjectType(mask)) << "mask deleted";
    EXPECT_EQ(0, picture.getValue3());
    icon.destroy();
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(ownIcon, &info)) << "an icon from a file is destroyed";
}

namespace {

// A picture file absent on disk in a program that carries the built-in
// icons is realised as the icon bound to its name.
void deviceInitialisationScenario(const char* toolkitDir)
{
    EnvGuard tqdir("TQDIR", toolkitDir);
    TQGFdeviceInitialize();
    TQCimageSet* images = TQGIappImageSet();
    TQDimage* image = images->getImage(images->getImageNo("$(TQDIR)/sys/pixmaps/psave.xpm"));
    requireInChild(image != nullptr && image->cast("TQDwinImage") != nullptr, "a Win32 image");
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kBuiltInIcon));
    requireInChild(image->getValue2() == 1 && image->getValue1() == reinterpret_cast<long>(icon),
                   "psave.xpm is icon 202");
    requireInChild(image->getImageWidth() == 32 && image->getImageHeight() == 32, "32 x 32");
    std::unique_ptr<TQDmwindowDev> offScreen(TQDmwindowDev::getNewInstance());
    requireInChild(offScreen && offScreen->cast("TQDwinmwinDev") != nullptr,
                   "mwindowDev is the Win32 off-screen device");
    passInChild();
}

} // namespace

TEST_F(WinImage, DeviceInitialisationRealisesMissingPicturesAsBuiltInIcons)
{
    EXPECT_EXIT(deviceInitialisationScenario(dir.path().c_str()), ::testing::ExitedWithCode(0),
                "");
}
