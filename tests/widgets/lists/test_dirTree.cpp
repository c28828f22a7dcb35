// The directory tree without windows, on the real file system: the first
// layout with the drives left unread, a temporary folder on C: listed with a
// mask and selected by name, the state text written and read back, and the
// row limit of a folder with 1,700 subfolders.
#include "ControlScene.h"
#include "TempDir.h"
#include "_TQCdirTree.h"
#include "_TQCimageSet.h"
#include "_TQCvlabel.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Text, level, open mark, shown.
using Row = std::tuple<std::string, long, long, bool>;
using Rows = std::vector<Row>;

const char* const kFileIcon = "$(TQDIR)/sys/pixmaps/bi17.xpm";

class DirTree : public ControlScene {
protected:
    DirTree()
    {
        tree = static_cast<TQCdirTree*>(TQCbase::getNewInstance("TQCdirTree", form, "dt"));
        tree->initialize();
        for (const char* dir : {"sub1", "sub2/inner", "x,y", "shut/d"})
            fs::create_directories(fs::path(tmp.path()) / dir);
        for (const char* file : {"a.b.wav", "a.WAV", "noext", "z.wav", "shut/f.wav"})
            std::ofstream(tmp.file(file)) << "x";
        path = tmp.path();
        std::replace(path.begin(), path.end(), '\\', '/');
    }
    ~DirTree() override { delete tree; }

    long level(long pos)
    {
        long value = 0;
        tree->getItemValue(pos, 1, &value);
        return value;
    }
    Row row(long pos)
    {
        long open = 0;
        tree->getItemValue(pos, 0, &open);
        return {tree->getItem(pos, -1).getString(), level(pos), open,
                tree->getLabel(pos)->getOwnVisible() != 0};
    }
    // The rows deeper than the row at pos that follow it.
    Rows under(long pos)
    {
        Rows rows;
        for (long i = pos + 1; i < tree->getNum() && level(i) > level(pos); ++i)
            rows.push_back(row(i));
        return rows;
    }
    // The row of a path in the temporary folder.
    long find(const std::string& name)
    {
        for (long i = 0; i < tree->getNum(); ++i)
            if (tree->getLabel(i)->getUserStringText() == path + "/" + name)
                return i;
        return -1;
    }
    // What a press on the row's open/close box does.
    void toggle(long pos)
    {
        tree->setItemValue(pos, 0, std::get<2>(row(pos)) == 0);
        tree->getLabel(pos)->setUserLongData(TQCvlabel::ROW_OPEN_CHANGED, 1);
        tree->updateList();
    }
    short image(TQCbase* object, const char* property)
    {
        short no = -1;
        object->getPropertyV(property, &no);
        return no;
    }

    TempDir tmp;
    std::string path;
    TQCdirTree* tree;
};

} // namespace

TEST_F(DirTree, FirstLayoutShowsTheComputerAndOpeningItReadsNoDrive)
{
    EXPECT_EQ(TQGIappImageSet()->getImageNo("$(TQDIR)/sys/pixmaps/bi16.xpm"),
              image(tree, "iconPixmap"));
    EXPECT_EQ(1, tree->getProperty("pixmapStyle").getLong());
    EXPECT_EQ(nullptr, tree->getPropObj("data")) << "the list's data is withdrawn";
    tree->_adjust();
    ASSERT_EQ(2, tree->getNum());
    EXPECT_EQ((Rows{{"My computer", 0, 0, true}, {"C:", 1, 0, false}}), (Rows{row(0), row(1)}))
        << "Wine's first drive is C:";
    EXPECT_STREQ("/", tree->getLabel(0)->getUserStringText());
    EXPECT_EQ(std::string(), TQCstring(tree->getProperty("dirName")).getString());
    EXPECT_STREQ("/", tree->getSelectedDirName());

    toggle(0);
    EXPECT_GE(tree->getNum(), 4) << "C: and Z:";
    for (long i = 1; i < tree->getNum(); i += 2) {
        EXPECT_EQ(1, level(i));
        EXPECT_TRUE(std::get<3>(row(i)));
        EXPECT_EQ((Row{"dir-t", 2, 0, false}), row(i + 1)) << "a closed drive is not read";
    }
}

// Folders first, then the files whose text after the last dot is "wav"
// exactly; a closed folder has one hidden child row, an empty one none.
TEST_F(DirTree, MaskedListingAndSelectionByName)
{
    tree->setProperty("selectDir", TQCvariant(0L));
    tree->setPropertyV("maskFileName", "wav");
    tree->delAll();
    // Single and doubled backslashes, on a tree without rows.
    std::string backslashed = path;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    ASSERT_EQ(0, tree->setSelectedDirName(backslashed.insert(2, "\\").c_str(), 0));
    long at = tree->getSelectedPos();
    EXPECT_EQ(path, TQCstring(tree->getProperty("dirName")).getString());
    EXPECT_EQ(0, std::get<2>(row(at))) << "open 0 selects without opening";

    ASSERT_EQ(0, tree->setSelectedDirName(path.c_str(), 1));
    long L = level(at) + 1;
    EXPECT_EQ((Rows{{"shut", L, 0, true}, {"d", L + 1, 0, false}, {"sub1", L, 0, true},
                    {"sub2", L, 0, true}, {"inner", L + 1, 0, false}, {"x,y", L, 0, true},
                    {"a.b.wav", L, 0, true}, {"z.wav", L, 0, true}}),
              under(at));
    long wav = find("a.b.wav");
    ASSERT_GE(wav, 0) << "a file's path is its folder's path and its name";
    EXPECT_EQ(TQGIappImageSet()->getImageNo(kFileIcon), image(tree->getLabel(wav), "labelPixmap"));

    for (std::string bad : {std::string("C:/no-such-folder"), std::string("c:/"), path + "/"})
        EXPECT_EQ(-1, tree->setSelectedDirName(bad.c_str(), 0)) << bad;
    EXPECT_EQ(-1, tree->setSelectedDirName(nullptr, 0));
    tree->setPropertyV("dirName", (path + "/sub1").c_str());
    EXPECT_EQ(find("sub1"), tree->getSelectedPos()) << "writing dirName selects";

    toggle(wav);
    EXPECT_EQ((Row{"a.b.wav", L, 0, true}), row(wav)) << "a press on a file's box opens nothing";
    // Closed again, a folder whose first child is a folder loses its file rows.
    toggle(find("shut"));
    EXPECT_EQ(2u, under(find("shut")).size()) << "d and f.wav";
    toggle(find("shut"));
    EXPECT_EQ((Rows{{"d", L + 1, 0, false}}), under(find("shut")));
    // A folder that cannot be read has nothing under it.
    fs::remove_all(fs::path(tmp.path()) / "sub2");
    toggle(find("sub2"));
    toggle(find("sub2"));
    EXPECT_TRUE(under(find("sub2")).empty());

    tree->setTopTitle("PC");
    EXPECT_EQ((Row{"PC", 0, 0, true}), row(0));
    tree->setTopTitle(nullptr);
    EXPECT_EQ((Rows{{"My computer", 0, 0, true}, {"C:", 1, 0, false}}), (Rows{row(0), row(1)}));
    EXPECT_EQ(2, tree->getNum()) << "and nothing else: every node is closed";
}

TEST_F(DirTree, StateTextRestoresEveryRowOnAFreshTree)
{
    ASSERT_EQ(0, tree->setSelectedDirName(path.c_str(), 1));
    tree->setSelectPos(find("x,y"), 0);
    tree->updateList();
    std::string saved = tree->getDirInf().getString();
    EXPECT_NE(std::string::npos, saved.find(path + "/x\\,y,x\\,y,")) << "commas are quoted";
    EXPECT_EQ(tree->getNum() - 1, std::count(saved.begin(), saved.end(), '\n'));

    TQCdirTree* fresh =
        static_cast<TQCdirTree*>(TQCbase::getNewInstance("TQCdirTree", form, "fresh"));
    fresh->initialize();
    ASSERT_EQ(0, fresh->setDirInf(TQCstring(saved.c_str(), -2)));
    EXPECT_EQ(saved, fresh->getDirInf().getString());
    EXPECT_EQ(path + "/x,y", TQCstring(fresh->getProperty("dirName")).getString());

    for (const char* bad :
         {"/,a,,0,x,0,1", "/,a,,0,-1,0,1", "/,a,,0,0,0,1,9", "/,a,,0,0,0,1\n\n/,b"})
        EXPECT_EQ(-1, fresh->setDirInf(TQCstring(bad, -2))) << bad;
    EXPECT_EQ(saved, fresh->getDirInf().getString()) << "a malformed text changes nothing";
    delete fresh;
}

// With rows 20 pixels high no directory row lies below y 32,768.
TEST_F(DirTree, DirectoryRowsStopAtTheLowestRow)
{
    for (int i = 0; i < 1700; ++i)
        fs::create_directories(fs::path(tmp.path()) / "many" / ("d" + std::to_string(10000 + i)));
    ASSERT_EQ(0, tree->setSelectedDirName((path + "/many").c_str(), 1));
    EXPECT_EQ(1639, tree->getNum()) << "rows 0 to 1,638";
    EXPECT_EQ(level(find("many")) + 1, level(1638));
}
