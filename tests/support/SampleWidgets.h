// A small widget family for the object-model tests, registered the way the
// toolkit's widget classes register themselves:
//   SampleWidget  geometry, text, colour, image, number and "vis" properties;
//   SampleButton  adds its own properties (one of them void) and ACTIVATE;
//   SampleForm    keeps and owns children, changes a default, withdraws the
//                 image property, adds VALUE_CH and an extension trigger;
//   SampleCombo   a form whose inner button answers for names it lacks.
// Hooks and property sets are recorded; the memory of a deleted widget is
// overwritten so that any use after deletion shows up.
#ifndef SAMPLEWIDGETS_H
#define SAMPLEWIDGETS_H

#include "_TQCclassFrame.h"

#include <cstddef>
#include <string>
#include <vector>

// Hooks of every sample widget, as "<instance>.<hook>", in call order.
std::vector<std::string>& sampleLog();

class SampleWidget : public TQCbase {
public:
    TQ_CLASS_FRAME(SampleWidget, TQCbase, 1000, 1000)
    SampleWidget(TQCbase* parent, const char* name);
    ~SampleWidget() override;

    void onExpose(TQCrect* area) override;
    void onResize(TQCrect* area) override;
    void onMousePress(TQCpoint* point) override;
    void onMouseDoubleClick(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    void onMouseMove(TQCpoint* point) override;
    void onMouseOut() override;
    long draw() override;
    void update() override;

    static void* operator new(std::size_t size);
    static void operator delete(void* p, std::size_t size);

    void noteSet(const char* property) { sets.push_back(property); }
    long setCount(const std::string& property) const;

    short x = 0;
    short y = 0;
    unsigned short width = 0;
    unsigned short height = 0;
    char* labelString = nullptr;
    short foreColor = 0;
    short labelPixmap = 0;
    long userValue = 0;
    unsigned short mouse = 0;
    TQCbool vis = 0;
    // Property names in the order their set handlers ran.
    std::vector<std::string> sets;

protected:
    void log(const char* hook);
};

class SampleButton : public SampleWidget {
public:
    TQ_CLASS_FRAME(SampleButton, SampleWidget, 1001, 1000)
    SampleButton(TQCbase* parent, const char* name);

    TQCbool twinBlink = 0;
    long interval = 0;
    double barValue = 0;
    float workWidth = 0;
    char cont = 0;
    unsigned char shadowThickness = 0;
    unsigned long maxLength = 0;
    void* extension = nullptr;
};

class SampleForm : public SampleWidget {
public:
    TQ_CLASS_FRAME(SampleForm, SampleWidget, 1010, 1000)
    SampleForm(TQCbase* parent, const char* name);
    // Deletes the children first.
    ~SampleForm() override;

    long getObjectType() override { return OBJECT_CONTAINER | OBJECT_NATIVE_WINDOW; }
    TQClistData& getChildren() override { return children; }
    TQClistData* getChildrenPtr() override { return &children; }

    char* titleString = nullptr;

private:
    TQClistData children;
};

class SampleCombo : public SampleForm {
public:
    TQ_CLASS_FRAME(SampleCombo, SampleForm, 1010, 1010)
    SampleCombo(TQCbase* parent, const char* name);

    // Makes the inner button "<name>-btn" after the combo itself.
    long initialize() override;
    TQCbase* getPropertyInheritChild() override { return part; }

    SampleButton* part = nullptr;
};

// Built against a parent version it no longer matches: its first
// construction reports that and registers all the same.
class SampleStale : public SampleWidget {
public:
    TQ_CLASS_FRAME(SampleStale, SampleWidget, 1000, 1020)
    SampleStale(TQCbase* parent, const char* name);

    long interval = 0;
};

#endif
