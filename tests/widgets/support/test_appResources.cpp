// The application's font table: one font name per line, for every line.
#include <gtest/gtest.h>

#include "FakeCodeConvert.h"
#include "FakeResources.h"
#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQDfont.h"
#include "_TQGFappResources.h"

#include <memory>
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

    TQCstring ended("Face C\nFace D\n", -2);
    TQGFsetFontData(&ended);
    EXPECT_EQ("Face D", name(1)) << "a final line feed adds no line";
    std::unique_ptr<TQCstring> saved(TQGFgetFontSaveData());
    EXPECT_EQ(0u, std::string(saved->getString(-2)).find("Face C\nFace D\n"));
}
