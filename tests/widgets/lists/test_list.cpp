// The list without a window: its defaults, the item text read into rows and
// written back, the icon field, the selection and its events, the focus,
// the tree values, sorting, the work height and a file as source.
#include "ControlScene.h"
#include "TempDir.h"
#include "_TQClist.h"
#include "_TQCvscrBar.h"
#include "_TQGFimage.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<long> g_fired;

template <long Trigger>
void noteTrigger(TQCbase*)
{
    g_fired.push_back(Trigger);
}

// A list that is never shown: its hooks and layout run without devices.
class List : public ControlScene {
protected:
    List()
    {
        list = new TQClist(form, "lst");
        list->initialize();
        g_fired.clear();
    }
    ~List() override { delete list; }

    void setText(const char* name, const char* value) { list->setPropertyV(name, value); }
    void set(const char* name, long value) { list->setProperty(name, TQCvariant(value)); }
    long value(const char* name) { return list->getProperty(name).getLong(); }
    std::string text(const char* name) { return TQCstring(list->getProperty(name)).getString(); }
    std::vector<std::string> rows()
    {
        std::vector<std::string> all;
        for (long i = 0; i < list->getNum(); ++i)
            all.push_back(list->getItem(i, -1).getString());
        return all;
    }
    template <long... Triggers>
    void log()
    {
        (list->addProcedureV("log", nullptr, &noteTrigger<Triggers>, Triggers), ...);
    }

    TQClist* list;
};

using Rows = std::vector<std::string>;

} // namespace

TEST_F(List, NewListHasNoRowsAndTheListDefaults)
{
    EXPECT_EQ(0, list->getNum());
    EXPECT_EQ(nullptr, list->getTitleBar());
    EXPECT_EQ("title", text("titleString"));
    EXPECT_EQ("20", text("barValue"));
    EXPECT_EQ(",", text("separator"));
    EXPECT_EQ(20, value("itemHeight"));
    EXPECT_EQ(20, value("scrollHeight"));
    EXPECT_EQ(0, value("hbarVisible"));
    EXPECT_EQ(1, value("reverseSelect"));
    EXPECT_STREQ("data", list->getDefaultProperty());
    EXPECT_EQ(0, list->getTopPos());
    EXPECT_EQ(-1, list->getBottomPos());
}

TEST_F(List, NewRowLabelIsUnselectedWhileItsColoursDefaultToTheHighlight)
{
    TQCbase* row = TQCbase::getNewInstance("TQCvklabel", list, "r");
    row->initialize();
    for (auto [name, def] : {std::pair{"selectColor", -7}, {"selectForeColor", -18}}) {
        short value = -1;
        row->getPropertyV(name, &value);
        EXPECT_EQ(0, value) << name;
        row->getPropObj(name)->getDefaultValue(&value);
        EXPECT_EQ(def, value) << name;
    }
    delete row;
}

TEST_F(List, ItemsByPositionAndSeveralSelectedRowsInOrder)
{
    setText("data", "a,b,c\nd");
    list->addItem("first", 0);
    EXPECT_EQ((Rows{"first", "a,b,c", "d"}), rows());
    EXPECT_EQ(2 * 20, list->getLabel(0)->getProperty("y").getLong())
        << "a row put first keeps the last slot until the next layout";
    EXPECT_STREQ("b", list->getItem(1, 1).getString());
    EXPECT_EQ(nullptr, list->getLabel(-2));
    EXPECT_EQ(nullptr, list->getLabel(3));
    EXPECT_EQ(list->getLabel(2), list->getLabel(-1));

    set("multiSelect", 1);
    list->setSelectPos(2, 0);
    list->setSelectPos(0, 0);
    TQClistData selected;
    list->getSelectedLabels(selected);
    ASSERT_EQ(2, selected.getNum());
    EXPECT_EQ(list->getLabel(0), selected.getData(0));
    EXPECT_EQ(list->getLabel(2), selected.getData(1));
}

TEST_F(List, EveryLineIsOneRowAndEscapesSplitOnlyTheDataProperty)
{
    setText("data", "a\r\nb\r\n");
    EXPECT_EQ((Rows{"a", "b"}), rows());
    setText("data", "a\n\nb");
    EXPECT_EQ((Rows{"a", "", "b"}), rows());
    setText("data", "a\\nb");
    EXPECT_EQ((Rows{"a", "b"}), rows());
    EXPECT_EQ("a\nb", text("data"));
    list->setData(TQCvariant("a\\nb"), -2);
    EXPECT_EQ((Rows{"a\\nb"}), rows());
    setText("data", "");
    EXPECT_EQ(0, list->getNum());
}

TEST_F(List, TreeLinesGiveLevelAndOpenMarkAndAreWrittenBack)
{
    set("type", TQClist::TYPE_TREE);
    setText("data", "0,1,Root\n1,1,Mid\n2,1,Leaf,extra\nx,y,Odd");
    EXPECT_EQ((Rows{"Root", "Mid", "Leaf", "Odd"}), rows());
    long level = -1, open = -1;
    list->getItemValue(2, 1, &level);
    list->getItemValue(2, 0, &open);
    EXPECT_EQ(2, level);
    EXPECT_EQ(1, open);
    list->getItemValue(3, 1, &level);
    EXPECT_EQ(0, level);

    list->delAll();
    list->addItem("Leaf", -1);
    list->setItemValue(0, 1, 2);
    list->setItemValue(0, 0, 1);
    list->addItem("Root", -1);
    EXPECT_STREQ("2,1,Leaf\n0,0,Root", list->_get_data().getString());
}

// A row without an image writes "NONE", which reads back as no image even
// where the list's own icon would be given to a row.
TEST_F(List, IconFieldOfARowWithoutImageReadsBackAsTheSameRow)
{
    set("useIcon", 1);
    setText("iconPixmap", "bi17.xpm");
    setText("data", "bi18.xpm,File one\nPlain");
    list->setItemValue(1, 3, reinterpret_cast<long>("NONE"));
    short icon = 0;
    list->getLabel(0)->getPropertyV("labelPixmap", &icon);
    EXPECT_EQ(TQGFimage("bi18.xpm"), icon);
    std::string written = list->_get_data().getString();
    EXPECT_EQ("bi18.xpm,File one\nNONE,Plain", written);

    setText("data", "");
    setText("data", written.c_str());
    EXPECT_EQ((Rows{"File one", "Plain"}), rows());
    list->getLabel(1)->getPropertyV("labelPixmap", &icon);
    EXPECT_EQ(-1, icon);
    EXPECT_EQ(written, list->_get_data().getString());
}

TEST_F(List, SelectingFiresActivateBeforeItemSelectedAndSelectingAgainUnselects)
{
    log<TQEV_ACTIVATE, TQClist::TRIGGER_ITEM_SELECTED>();
    setText("data", "a\nb\nc");
    EXPECT_EQ(0, list->setSelectPos(-1, 1));
    EXPECT_EQ(2, list->getSelectedPos());
    EXPECT_EQ((std::vector<long>{TQEV_ACTIVATE, TQClist::TRIGGER_ITEM_SELECTED}), g_fired);
    short color = 0;
    list->getLabel(2)->getPropertyV("selectColor", &color);
    EXPECT_EQ(-7, color);
    list->setSelectPos(2, 0);
    EXPECT_EQ(-1, list->getSelectedPos());
    EXPECT_EQ(-1, list->setSelectPos(3, 1));

    g_fired.clear();
    EXPECT_EQ(0, list->setSelected(0, 0, 1));
    EXPECT_TRUE(g_fired.empty()) << "unselecting a row that is not selected fires nothing";
}

TEST_F(List, EmptyMultiSelectionAndRowsPastTheEndChangeNothing)
{
    log<TQClist::TRIGGER_ITEM_SELECTED>();
    set("multiSelect", 1);
    EXPECT_EQ(0, list->setSelectPos(-1, 1));
    EXPECT_EQ(-1, list->getPreSelectedPos());
    EXPECT_EQ(1u, g_fired.size());
    EXPECT_EQ(-1, list->setItemVisible(0, 0));

    setText("data", "a\nb");
    EXPECT_EQ(-1, list->setItemVisible(2, 0));
    EXPECT_TRUE(list->getLabel(0)->getOwnVisible() && list->getLabel(1)->getOwnVisible());
    EXPECT_EQ(0, list->setItemVisible(-3, 0));
    EXPECT_FALSE(list->getLabel(1)->getOwnVisible());
}

TEST_F(List, FocusOnAListWithoutSelectionSelectsTheFirstRow)
{
    log<TQClist::TRIGGER_ITEM_SELECTED>();
    setText("data", "a\nb");
    list->setFocus(1);
    EXPECT_EQ(0, list->getSelectedPos());
    EXPECT_EQ((std::vector<long>{TQClist::TRIGGER_ITEM_SELECTED}), g_fired);
    EXPECT_EQ(list->getLabel(0), TQCbase::getFocusInstance());
    list->getLabel(0)->setFocus(0);
}

TEST_F(List, OpeningARowOpensEveryAncestor)
{
    set("type", TQClist::TYPE_TREE);
    setText("data", "0,0,a\n1,0,b\n2,0,c\n1,0,d\n2,0,e\n3,0,f");
    list->setItemValue(5, 2, 1);
    long open[6] = {};
    for (long i = 0; i < 6; ++i)
        list->getItemValue(i, 0, &open[i]);
    EXPECT_EQ((std::vector<long>{1, 0, 0, 1, 1, 0}), std::vector<long>(open, open + 6));
}

TEST_F(List, SortTurnsRoundAndTheSelectionTravelsWithItsRow)
{
    setText("data", "b\na\nc");
    list->setSelectPos(0, 0);
    list->onSort();
    EXPECT_EQ((Rows{"a", "b", "c"}), rows());
    EXPECT_EQ(1, list->getSelectedPos());
    list->onSort();
    EXPECT_EQ((Rows{"c", "b", "a"}), rows());
    EXPECT_EQ(2, list->getSortOrder(0));
    list->onSort();
    EXPECT_EQ((Rows{"a", "b", "c"}), rows());
    list->sort(0, 1);
    EXPECT_EQ((Rows{"a", "b", "c"}), rows());

    setText("data", "9\n10\nx,2\nx,1");
    list->sort(0, 1);
    EXPECT_EQ((Rows{"10", "9", "x,1", "x,2"}), rows());
}

TEST_F(List, ShrinkingTheWorkHeightPullsTheScrollValueBack)
{
    set("height", 24);
    list->_adjust();
    TQCvscrBar* bar = list->getVScrBar();
    ASSERT_EQ(20u, bar->getSliderSize()) << "the view inside the shadow is 20 high";
    bar->_set_internal_value(95);
    set("workHeight", 100);
    EXPECT_EQ(79, value("vbarValue"));
    bar->_set_internal_value(95);
    set("workHeight", 15);
    EXPECT_EQ(0, value("vbarValue"));
}

TEST_F(List, LongListsKeepTheWorkHeightWithinSixteenBits)
{
    std::string text;
    for (int i = 0; i < 3300; ++i)
        text += "r\n";
    setText("data", text.c_str());
    EXPECT_EQ(3300, list->getNum());
    EXPECT_EQ(65535, value("workHeight"));
}

// setLabelHeight keeps eight bits: 256 is a row height of 0.
TEST_F(List, RowHeightZeroStillGivesScrollPositions)
{
    setText("data", "a\nb\nc");
    list->setLabelHeight(256);
    EXPECT_EQ(0, value("itemHeight"));
    EXPECT_EQ(0, list->getTopPos());
    EXPECT_EQ(2, list->getBottomPos());
}

TEST_F(List, FileSourceFillsTheRowsAndAMissingFileChangesNothing)
{
    TempDir dir;
    std::string path = dir.file("items.txt");
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, file);
    std::fputs("x\r\ny\r\n", file);
    std::fclose(file);
    setText("dataSourceName", path.c_str());
    set("dataSource", 2);
    EXPECT_EQ((Rows{"x", "y"}), rows());
    setText("dataSourceName", dir.file("missing.txt").c_str());
    EXPECT_EQ((Rows{"x", "y"}), rows());
}
