// The application's font table: one font name per line, for every line.
#include <gtest/gtest.h>

#include "FakeCodeConvert.h"
#include "FakeResources.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQDfont.h"
#include "_TQGFappResources.h"

#include <string>

TEST(FontTable, EveryLineNamesItsFontTheLastAlsoWithoutALineFeed)
{
    FakeCodeConvert::install();
    TQCfontSet* fonts = TQGIappFontSet();
    for (short no : {0, 1}) {
        if (fonts->getFont(no) == nullptr || fonts->getFont(no)->getId() != no)
            fonts->addFont(new FakeFont(no));
    }
    auto name = [&](short no) {
        const char* text = fonts->getFont(no)->getFontName();
        return std::string(text != nullptr ? text : "");
    };
    TQCstring one("Face One", -2);
    TQGFsetFontData(&one);
    EXPECT_EQ("Face One", name(0)) << "a one-line text";
    TQCstring two("Face A\nFace B", -2);
    TQGFsetFontData(&two);
    EXPECT_EQ("Face A", name(0));
    EXPECT_EQ("Face B", name(1));
}
