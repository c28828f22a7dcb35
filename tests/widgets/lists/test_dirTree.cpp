// The directory tree without windows, on the real file system: the first
// layout, the drives left unread, a temporary folder on C: listed with a
// mask and selected by name, the state text written and read back, and the
// row limit of a folder with 1,700 subfolders.
#include "ControlScene.h"
#include "TempDir.h"
#include "_TQCdirTree.h"
#include "_TQCimageSet.h"
#include "_TQCvlabel.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// One row as the tests read it: text, level, open mark, shown.
struct Row {
    std::string text;
    long level, open, shown;
    bool operator==(const Row& o) const
    {
        return text == o.text && level == o.level && open == o.open && shown == o.shown;
    }
};

std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << "{" << row.text << " " << row.level << " " << row.open << " " << row.shown
               << "}";
}

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
        // The temporary folder as the tree shows it: C: and "/" between words.
        path = tmp.path();
        for (char& c : path)
            if (c == '\\')
                c = '/';
    }
    ~DirTree() override { delete tree; }

    Row row(long pos)
    {
        TQCbase* label = tree->getLabel(pos);
        long level = 0, open = 0;
        tree->getItemValue(pos, 1, &level);
        tree->getItemValue(pos, 0, &open);
        return {TQCstring(label->getProperty(_TQNlabelString())).getString(), level, open,
                label->getOwnVisible()};
    }
    // The rows under the row at pos, to the first row not deeper.
    std::vector<Row> under(long pos)
    {
        std::vector<Row> rows;
        long level = row(pos).level;
        for (long i = pos + 1; i < tree->getNum() && row(i).level > level; ++i)
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
    // A press on the row's open/close box does this.
    void toggle(long pos)
    {
        long open = row(pos).open;
        tree->setItemValue(pos, 0, !open);
        tree->getLabel(pos)->setUserLongData(TQCvlabel::ROW_OPEN_CHANGED, 1);
        tree->updateList();
    }
    std::string text(const char* name) { return TQCstring(tree->getProperty(name)).getString(); }

    TempDir tmp;
    std::string path;
    TQCdirTree* tree;
};

short imageNo(const char* name)
{
    return TQGIappImageSet()->getImageNo(name);
}

short imageOf(TQCbase* object, const char* property)
{
    short no = -1;
    object->getPropertyV(property, &no);
    return no;
}

} // namespace

TEST_F(DirTree, FirstLayoutShowsTheComputerAndOpeningItReadsNoDrive)
{
    EXPECT_EQ(imageNo("$(TQDIR)/sys/pixmaps/bi16.xpm"), imageOf(tree, "iconPixmap"));
    EXPECT_EQ(1, tree->getProperty("pixmapStyle").getLong());
    EXPECT_EQ(1, tree->getProperty("selectDir").getLong());
    EXPECT_EQ(nullptr, tree->getPropObj("data")) << "the list's data is withdrawn";
    tree->_adjust();
    ASSERT_EQ(2, tree->getNum());
    EXPECT_EQ((Row{"My computer", 0, 0, 1}), row(0));
    EXPECT_EQ((Row{"C:", 1, 0, 0}), row(1)) << "Wine's first drive is C:";
    EXPECT_STREQ("/", tree->getLabel(0)->getUserStringText());
    EXPECT_EQ("", text("dirName"));
    EXPECT_STREQ("/", tree->getSelectedDirName());

    toggle(0);
    long drives = 0;
    for (long i = 1; i < tree->getNum(); i += 2, ++drives) {
        EXPECT_EQ(1, row(i).level);
        EXPECT_TRUE(row(i).shown) << row(i).text;
        EXPECT_EQ((Row{"dir-t", 2, 0, 0}), row(i + 1)) << "a closed drive is not read";
    }
    EXPECT_GE(drives, 2) << "C: and Z:";
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
    for (char& c : backslashed)
        if (c == '/')
            c = '\\';
    backslashed.insert(2, "\\");
    ASSERT_EQ(0, tree->setSelectedDirName(backslashed.c_str(), 0));
    long at = tree->getSelectedPos();
    EXPECT_EQ(path, tree->getLabel(at)->getUserStringText());
    EXPECT_EQ(path, text("dirName"));
    EXPECT_EQ(0, row(at).open) << "open 0 selects without opening";

    ASSERT_EQ(0, tree->setSelectedDirName(path.c_str(), 1));
    std::vector<Row> expected = {{"shut", 1, 0, 1}, {"d", 2, 0, 0},   {"sub1", 1, 0, 1},
                                 {"sub2", 1, 0, 1}, {"inner", 2, 0, 0}, {"x,y", 1, 0, 1},
                                 {"a.b.wav", 1, 0, 1}, {"z.wav", 1, 0, 1}};
    for (Row& r : expected)
        r.level += row(at).level;
    EXPECT_EQ(expected, under(at));
    long wav = find("a.b.wav");
    ASSERT_GE(wav, 0) << "a file's path is its folder's path and its name";
    EXPECT_EQ(imageNo("$(TQDIR)/sys/pixmaps/bi17.xpm"),
              imageOf(tree->getLabel(wav), "labelPixmap"));

    for (const char* bad : {"C:/no-such-folder", "c:/", (path + "/").c_str()})
        EXPECT_EQ(-1, tree->setSelectedDirName(bad, 0)) << bad;
    EXPECT_EQ(-1, tree->setSelectedDirName(nullptr, 0));
    tree->setPropertyV("dirName", (path + "/sub1").c_str());
    EXPECT_EQ(find("sub1"), tree->getSelectedPos()) << "writing dirName selects";

    // A press on a file's box opens nothing.
    toggle(wav);
    EXPECT_EQ((Row{"a.b.wav", row(at).level + 1, 0, 1}), row(wav));
    EXPECT_EQ(imageNo("$(TQDIR)/sys/pixmaps/bi17.xpm"), imageOf(tree->getLabel(wav), "labelPixmap"));
    // Opening a folder keeps the selection of a row outside it.
    tree->setSelectPos(wav, 0);
    toggle(find("sub2"));
    EXPECT_EQ(find("a.b.wav"), tree->getSelectedPos());
    EXPECT_TRUE(row(find("sub2/inner")).shown);
    // A closed folder whose first child is a folder drops its files, also
    // those written while it was open.
    toggle(find("shut"));
    EXPECT_EQ(2u, under(find("shut")).size()) << "d and f.wav";
    toggle(find("shut"));
    EXPECT_EQ((std::vector<Row>{{"d", row(find("shut")).level + 1, 0, 0}}), under(find("shut")));
    // A folder that cannot be read has nothing under it.
    fs::remove_all(fs::path(tmp.path()) / "sub2");
    toggle(find("sub2"));
    toggle(find("sub2"));
    EXPECT_TRUE(under(find("sub2")).empty());

    tree->setTopTitle("PC");
    EXPECT_EQ((Row{"PC", 0, 0, 1}), row(0));
    tree->setTopTitle(nullptr);
    EXPECT_EQ((Row{"My computer", 0, 0, 1}), row(0));
    tree->reset();
    EXPECT_EQ(2, tree->getNum()) << "reset shows the top row over its one hidden child";
}

TEST_F(DirTree, StateTextRestoresEveryRowOnAFreshTree)
{
    ASSERT_EQ(0, tree->setSelectedDirName(path.c_str(), 1));
    tree->setSelectPos(find("x,y"), 0);
    tree->updateList();
    std::string saved = tree->getDirInf().getString();
    EXPECT_NE(std::string::npos, saved.find(path + "/x\\,y,x\\,y,")) << "commas are quoted";
    EXPECT_NE('\n', saved.back());
    long lines = 0;
    for (size_t at = 0; at != std::string::npos; at = saved.find('\n', at + 1))
        ++lines;
    EXPECT_EQ(tree->getNum(), lines);

    TQCdirTree* fresh =
        static_cast<TQCdirTree*>(TQCbase::getNewInstance("TQCdirTree", form, "fresh"));
    fresh->initialize();
    ASSERT_EQ(0, fresh->setDirInf(TQCstring(saved.c_str(), -2)));
    EXPECT_EQ(saved, fresh->getDirInf().getString());
    EXPECT_EQ(path + "/x,y", TQCstring(fresh->getProperty("dirName")).getString());

    for (const char* bad : {"/,a,,0,x,0,1", "/,a,,0,-1,0,1", "/,a,,0,0,0,1,9", "/,a,,0,0,0,1\n\n/,b"})
        EXPECT_EQ(-1, fresh->setDirInf(TQCstring(bad, -2))) << bad;
    EXPECT_EQ(saved, fresh->getDirInf().getString()) << "a malformed text changes nothing";
    delete fresh;
}

// With rows 20 pixels high no directory row lies below y 32,768.
TEST_F(DirTree, DirectoryRowsStopAtTheLowestRow)
{
    fs::path many = fs::path(tmp.path()) / "many";
    for (int i = 0; i < 1700; ++i)
        fs::create_directories(many / ("d" + std::to_string(10000 + i)));
    auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(0, tree->setSelectedDirName((path + "/many").c_str(), 1));
    long seconds = static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(
                                         std::chrono::steady_clock::now() - started)
                                         .count());
    EXPECT_EQ(1639, tree->getNum()) << "rows 0 to 1,638";
    EXPECT_EQ(row(find("many")).level + 1, row(1638).level);
    std::printf("opening 1,700 subfolders took %ld s\n", seconds);
}
