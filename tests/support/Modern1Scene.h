// Controls on recording devices with the extended look "Modern1" selected
// for the test and colours made by name ("#rrggbb") on demand, for the
// tests of the look's procedures; with the checks they share.
#ifndef MODERN1SCENE_H
#define MODERN1SCENE_H

#include "ControlScene.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"

#include <algorithm>
#include <string>
#include <vector>

class Modern1Scene : public ControlScene {
protected:
    using Calls = std::vector<std::string>;

    void SetUp() override
    {
        TQGIappColorSet()->setCreateHandler(FakeColor::create);
        TQGIappGuiPolicy()->setExtGuiPolicy("Modern1", 1);
    }
    void TearDown() override { TQGIappGuiPolicy()->setExtGuiPolicy("", 1); }

    static short named(const char* name) { return TQGIappColorSet()->getColorNo(name); }
    // Whether run stands in calls, in order and without a gap.
    static bool contains(const Calls& calls, const Calls& run)
    {
        return std::search(calls.begin(), calls.end(), run.begin(), run.end()) != calls.end();
    }
};

#endif
