// The grid without a window: its defaults, line tables and hit test, the
// value string split into cells and rebuilt from them, the per-cell
// tables, the shape limits, and values taken from an input field and from
// files.
#include "ControlScene.h"
#include "TempDir.h"
#include "_TQCgrid.h"
#include "_TQCstring.h"
#include "_TQCvifield.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

class Grid : public ControlScene {
protected:
    Grid()
    {
        grid = new TQCgrid(form, "grd");
        grid->initialize();
    }
    ~Grid() override { delete grid; }

    void set(const char* name, long value) { grid->setProperty(name, TQCvariant(value)); }
    void setText(const char* name, const char* value) { grid->setPropertyV(name, value); }
    std::string text(const char* name)
    {
        TQCvariant v = grid->getProperty(name);
        return v.getCharPtrConst() != nullptr ? v.getCharPtrConst() : "(null)";
    }
    // Every cell's text, after an update.
    Texts cells()
    {
        grid->update();
        Texts all;
        for (unsigned long r = 0; r < grid->getVColumns(); ++r)
            for (unsigned long c = 0; c < grid->getHColumns(); ++c)
                all.push_back(TQCstring(grid->getItem(c, r)).getString());
        return all;
    }
    std::array<long, 4> geometry(unsigned long c, unsigned long r)
    {
        short x = 0, y = 0;
        unsigned short w = 0, h = 0;
        if (grid->getCellGeometry(c, r, &x, &y, &w, &h) != 0)
            return {-1, -1, -1, -1};
        return {x, y, w, h};
    }
    static short colour(TQCbase* o, short* def)
    {
        short v = 0;
        o->getPropertyV("backColor", &v);
        o->getPropObj("backColor")->getDefaultValue(def);
        return v;
    }
    std::array<long, 2> hit(long x, long y)
    {
        unsigned long c = 99, r = 99;
        if (grid->getCellNo(x, y, &c, &r) != 0)
            return {-1, -1};
        return {static_cast<long>(c), static_cast<long>(r)};
    }

    TQCgrid* grid = nullptr;
};

TEST_F(Grid, DefaultsLinesAndHitTest)
{
    short def = 0;
    EXPECT_EQ(colour(grid, &def), -11);
    EXPECT_EQ(def, -11) << "the grid's own default";
    EXPECT_STREQ(grid->getDefaultProperty(), "data");
    EXPECT_EQ(hit(10, 10), (std::array<long, 2>{-1, -1})) << "no cells before the first update";
    EXPECT_EQ(grid->setItem(0, 0, TQCvariant("x")), -1);

    EXPECT_EQ(cells(), Texts(9, ""));
    // The form's default size is 100 x 30: the second row lies below it and
    // the third runs from 70 back up to 30.
    EXPECT_EQ(geometry(1, 0), (std::array<long, 4>{25, 0, 25, 30}));
    EXPECT_EQ(geometry(2, 1), (std::array<long, 4>{50, 30, 50, 40}));
    EXPECT_EQ(geometry(2, 2), (std::array<long, 4>{50, 70, 50, 0})) << "an upside-down row";
    EXPECT_EQ(hit(25, 10), (std::array<long, 2>{-1, -1})) << "on a line";
    EXPECT_EQ(hit(10, 10), (std::array<long, 2>{0, 0}));
    EXPECT_EQ(hit(60, 50), (std::array<long, 2>{2, 1}));
    EXPECT_EQ(hit(60, 80), (std::array<long, 2>{-1, -1})) << "the upside-down row is never hit";
    EXPECT_EQ(geometry(3, 0)[0], -1) << "a column beyond the shape has no rectangle";
}

TEST_F(Grid, ValueStringSplitAndRebuilt)
{
    setText("data", "a,b,c,d");
    EXPECT_EQ(cells(), (Texts{"a", "b", "c", "d", "", "", "", "", ""}));
    EXPECT_EQ(text("data"), "a,b,c,d");
    EXPECT_EQ(grid->setItem(0, 1, TQCvariant("d")), 0);
    EXPECT_EQ(text("data"), "a,b,c,d,,,,,");

    setText("data", "1,2,3,4,5,6,7,8,9,10");
    cells();
    grid->setItem(0, 0, TQCvariant("x"));
    EXPECT_EQ(text("data"), "x,2,3,4,5,6,7,8,9") << "the tenth word is gone";

    setText("data", "a\\nb,c");
    EXPECT_EQ(text("data"), "a\nb,c");
    EXPECT_EQ(cells()[0], "a\nb");

    setText("data", "x,y,z");
    cells();
    grid->setItem(1, 0, TQCvariant("p,q"));
    EXPECT_EQ(cells(), (Texts{"x", "p", "q", "z", "", "", "", "", ""}))
        << "a separator in a cell splits it at the next update";

    setText("separator", "::");
    setText("data", "a::::b");
    EXPECT_EQ(cells(), (Texts{"a", "", "b", "", "", "", "", "", ""}));
    setText("separator", ",");

    EXPECT_EQ(grid->setItem(0, 3, TQCvariant("x")), -1) << "beyond the cells";
}

TEST_F(Grid, PerCellTablesFollowTheShape)
{
    unsigned char status = 0;
    EXPECT_TRUE(grid->getCellInputStatus(2, 2, &status) == 0 && status == 1)
        << "the store is made on demand";
    EXPECT_EQ(grid->setCellInputStatus(1, 1, 0), 0);
    EXPECT_TRUE(grid->getCellInputStatus(1, 1, &status) == 0 && status == 0);
    EXPECT_EQ(grid->setCellBackColor(1, 1, "DEF7"), 0);
    EXPECT_EQ(grid->setCellForeColor(5, 0, static_cast<short>(-18)), 0)
        << "column 5 of row 0 is cell 5";
    EXPECT_EQ(grid->setCellBackColor(0, 3, static_cast<short>(-1)), -1);

    setText("data", "1,2,3,4,5,6,7,8,9");
    set("hcolumns", 4);
    // Read before any update: the store of the old shape is split again.
    EXPECT_EQ(TQCstring(grid->getItem(0, 1)).getString(), std::string("5"));
    EXPECT_EQ(cells(), (Texts{"1", "2", "3", "4", "5", "6", "7", "8", "9", "", "", ""}));
    EXPECT_TRUE(grid->getCellInputStatus(1, 1, &status) == 0 && status == 1)
        << "the tables went with the old shape";
    EXPECT_EQ(geometry(3, 0)[0], 75) << "the new column has its line";
}

TEST_F(Grid, LinePositionsAndShapeLimits)
{
    set("width", 200);
    set("height", 100);
    set("hcolumns", 5);
    setText("lineX", "20");
    cells();
    // The three lines the list lacks, evenly between 20 and 200.
    EXPECT_EQ(geometry(1, 0), (std::array<long, 4>{20, 0, 45, 30}));
    EXPECT_EQ(geometry(2, 0)[0], 65);
    EXPECT_EQ(geometry(4, 0), (std::array<long, 4>{155, 0, 45, 30}));

    setText("lineX", "  40x,abc,99999999999,-5");
    setText("lineY", "");
    cells();
    EXPECT_EQ(geometry(1, 0)[0], 40) << "read as atoi reads it";
    EXPECT_EQ(geometry(2, 0)[0], 0);
    EXPECT_EQ(geometry(3, 0)[0], 32767) << "kept within the coordinates";
    EXPECT_EQ(geometry(4, 0)[0], -5);
    EXPECT_EQ(geometry(0, 1), (std::array<long, 4>{0, 33, 40, 33})) << "no Y list: even rows";

    set("alignmentH", 3);
    set("alignmentV", 7);
    EXPECT_EQ(grid->getAlignment(), 0) << "outside the enumerations: left and centre";

    set("hcolumns", 0);
    set("vcolumns", 0);
    EXPECT_EQ(cells().size(), 1u);
    EXPECT_EQ(grid->getHColumns(), 1u);
    set("hcolumns", 100000);
    set("vcolumns", 100000);
    grid->update();
    EXPECT_EQ(grid->getHColumns(), static_cast<unsigned long>(TQCgrid::MAX_CELLS));
    EXPECT_EQ(grid->getVColumns(), 1u);
}

// A source's value arrives as it is; a file's line feeds become the
// separator.
TEST_F(Grid, ValuesFromAnInputFieldAndFiles)
{
    setText("dataSourceName", "src");
    set("dataSource", TQCgrid::SOURCE_INSTANCE);
    EXPECT_EQ(cells(), Texts(9, "")) << "the source does not exist yet";
    TQCvifield* source = new TQCvifield(form, "src");
    source->initialize();
    source->setPropertyV("labelString", "1,2,3");
    EXPECT_EQ(cells(), (Texts{"1", "2", "3", "", "", "", "", "", ""}));
    TQCvariant pushed("7,8");
    source->setDataToDataSourceClients(&pushed);
    EXPECT_EQ(text("data"), "7,8");

    TQCvifield* other = new TQCvifield(form, "src2");
    other->initialize();
    setText("dataSourceName", "src2");
    EXPECT_EQ(source->getDataSourceClients()->getNum(), 0) << "the old source is left";
    EXPECT_EQ(other->getDataSourceClients()->getNum(), 1);

    TempDir dir;
    std::string path = dir.file("cells.txt");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs("a,b,c\nd,e,f\n", f);
    std::fclose(f);
    setText("dataSourceName", path.c_str());
    set("dataSource", TQCgrid::SOURCE_FILE);
    EXPECT_EQ(other->getDataSourceClients()->getNum(), 0) << "a file source leaves the instance";
    EXPECT_EQ(cells(), (Texts{"a", "b", "c", "d", "e", "f", "", "", ""}));
    setText("dataSourceName", dir.file("missing.txt").c_str());
    EXPECT_EQ(text("data"), "a,b,c,d,e,f,") << "an unreadable file changes nothing";

    set("dataSource", TQCgrid::SOURCE_INSTANCE);
    setText("dataSourceName", "src2");
    delete grid;
    grid = nullptr;
    EXPECT_EQ(other->getDataSourceClients()->getNum(), 0) << "a grid destroyed is no client";
    delete source;
    delete other;
}

} // namespace
