// The builder of the main window: each widget made under its parent, entered
// into the object list, given its properties in a fixed order, and bound to
// the application's procedures by function name.
#include "newwin000.h"

#include "appProcedures.h"

#include "_TQCcomboBox.h"
#include "_TQCdialog.h"
#include "_TQCfunctionRegister.h"
#include "_TQCmainWindow.h"
#include "_TQCradioGroup.h"
#include "_TQCvbtn.h"
#include "_TQCvdrawingArea.h"
#include "_TQCvifield.h"
#include "_TQCvlabel.h"
#include "_TQCvslider.h"

#include <string>

// One pointer per widget, named as the widget; only the builder uses them.
TQCbase* newwin000;
TQCbase* newvbtn_000;
TQCbase* newvdra_001;
TQCbase* newvsli_000;
TQCbase* newvdra_002;
TQCbase* newvlab_000;
TQCbase* newvlab_005;
TQCbase* newvlab_011;
TQCbase* newvlab_012;
TQCbase* newvlab_013;
TQCbase* newcomb_000;
TQCbase* newvdra_000;
TQCbase* newvdra_003;
TQCbase* newvlab_002;
TQCbase* newvlab_007;
TQCbase* newvbtn_001;
TQCbase* newvbtn_002;
TQCbase* newvifi_000;
TQCbase* newvbtn_003;
TQCbase* newvbtn_005;
TQCbase* newvbtn_006;
TQCbase* newvdra_006;
TQCbase* newvlab_010;
TQCbase* newdial_001;
TQCbase* newradi_002;
TQCbase* newvlab_014;
TQCbase* newvlab_015;
TQCbase* newvbtn_016;
TQCbase* newvbtn_017;

namespace {

// Made, then entered into the object list and attached to its parent before
// any property is set.
template <typename Widget>
TQCbase* made(TQCbase* parent, const char* name)
{
    TQCbase* widget = new Widget(parent, name);
    widget->initialize();
    return widget;
}

void geometry(TQCbase* widget, short x, short y, unsigned short width, unsigned short height)
{
    widget->setPropertyV("x", x);
    widget->setPropertyV("y", y);
    widget->setPropertyV("width", width);
    widget->setPropertyV("height", height);
}

// What every widget but the window, the dialog, its radio group and the
// combo box gets after its own properties: name, vis, x, y, width, height.
void shown(TQCbase* widget, short x, short y, unsigned short width, unsigned short height)
{
    widget->setPropertyV("name", widget->getNameText());
    widget->setPropertyV("vis", static_cast<unsigned char>(1));
    geometry(widget, x, y, width, height);
}

// A label or a button with its text.
template <typename Widget>
TQCbase* withText(const char* name, const char* text, short x, short y, unsigned short width,
                  unsigned short height)
{
    TQCbase* widget = made<Widget>(newwin000, name);
    widget->setPropertyV("labelString", text);
    shown(widget, x, y, width, height);
    return widget;
}

TQCbase* drawingArea(const char* name, short x, short y, unsigned short width,
                     unsigned short height)
{
    TQCbase* widget = made<TQCvdrawingArea>(newwin000, name);
    shown(widget, x, y, width, height);
    return widget;
}

void bind(TQCbase* widget, const char* procedure, const char* function,
          void (*address)(TQCbase*), long trigger)
{
    widget->addProcedureV(procedure, function, address, trigger);
}

void buildWindow()
{
    newwin000 = made<TQCmainWindow>(nullptr, "newwin000");
    newwin000->setPropertyV("name", "newwin000");
    newwin000->setPropertyV("titleString", "Tidewell ver.0.91");
    geometry(newwin000, 100, 100, 1008, 613);
    newwin000->setPropertyV("vis", static_cast<unsigned char>(1));
}

void buildWavePictures()
{
    newvbtn_000 = withText<TQCvbtn>("newvbtn_000", "select WAV", 11, 4, 160, 20);
    bind(newvbtn_000, "act_ep", "wave1act_ep", wave1act_ep, 2);

    newvdra_001 = drawingArea("newvdra_001", 178, 29, 824, 100);
    bind(newvdra_001, "init_ep", "gra1Init_ep", gra1Init_ep, 0);
    bind(newvdra_001, "expose_ep", "gra1Expose_ep", gra1Expose_ep, 9);

    newvsli_000 = made<TQCvslider>(newwin000, "newvsli_000");
    newvsli_000->setPropertyV("dragInterval", static_cast<unsigned short>(1));
    newvsli_000->setPropertyV("value", "13");
    shown(newvsli_000, 178, 133, 825, 15);
    bind(newvsli_000, "valueCH_ep", "sli1valueCH_ep", sli1valueCH_ep, 3);
    bind(newvsli_000, "act_ep", "sli1act_ep", sli1act_ep, 2);

    newvdra_002 = drawingArea("newvdra_002", 178, 151, 825, 100);
    bind(newvdra_002, "init2_ep", "gra2Init_ep", gra2Init_ep, 0);
    bind(newvdra_002, "expose2_ep", "gra2Expose_ep", gra2Expose_ep, 9);
}

void buildFileLabels()
{
    newvlab_000 = withText<TQCvlabel>("newvlab_000", "name", 178, 4, 824, 20);
    newvlab_005 = withText<TQCvlabel>("newvlab_005", "sample freq", 11, 27, 161, 20);
    newvlab_011 = withText<TQCvlabel>("newvlab_011", "bits", 11, 48, 160, 20);
    newvlab_012 = withText<TQCvlabel>("newvlab_012", "points", 11, 69, 160, 20);
    newvlab_013 = withText<TQCvlabel>("newvlab_013", "position", 11, 90, 160, 20);
}

// The field shows "256" over its whole width of 64 characters.
void buildSizeChoice()
{
    newcomb_000 = made<TQCcomboBox>(newwin000, "newcomb_000");
    newcomb_000->setPropertyV("menuItems", "64,128,256,512,1024,2048,4096,8192,16384,32768");
    newcomb_000->setPropertyV("backBlinkColor", "DEF13");
    newcomb_000->setPropertyV("workBackColor", "DEF11");
    newcomb_000->setPropertyV("name", "newcomb_000");
    geometry(newcomb_000, 10, 157, 160, 20);
    newcomb_000->setPropertyV("vis", static_cast<unsigned char>(1));
    newcomb_000->setPropertyV("interCur", static_cast<unsigned char>(0));
    newcomb_000->setPropertyV("enableFocusMove", static_cast<unsigned char>(1));
    newcomb_000->setPropertyV("labelString", ("256" + std::string(61, ' ')).c_str());
    bind(newcomb_000, "act_ep", "combo1act_ep", combo1act_ep, 2);
}

void buildSpectra()
{
    newvdra_000 = drawingArea("newvdra_000", 340, 278, 330, 330);
    bind(newvdra_000, "init_ep", "gra3init_ep", gra3init_ep, 0);
    bind(newvdra_000, "expose_ep", "gra3expose_ep", gra3expose_ep, 9);

    newvdra_003 = drawingArea("newvdra_003", 674, 278, 330, 330);
    bind(newvdra_003, "init_ep", "gra4init_ep", gra4init_ep, 0);
    bind(newvdra_003, "expose_ep", "gra4expose_ep", gra4expose_ep, 9);

    newvlab_002 =
        withText<TQCvlabel>("newvlab_002", "power (with window function)", 339, 256, 331, 18);
    newvlab_007 = withText<TQCvlabel>("newvlab_007", "tidewell", 673, 256, 331, 18);
}

void buildControls()
{
    newvbtn_001 = withText<TQCvbtn>("newvbtn_001", "<", 69, 222, 20, 22);
    bind(newvbtn_001, "act_ep", "btn1act_ep", btn1act_ep, 2);
    newvbtn_002 = withText<TQCvbtn>("newvbtn_002", ">", 90, 222, 19, 22);
    bind(newvbtn_002, "act_ep", "btn2act_ep", btn2act_ep, 2);

    newvifi_000 = made<TQCvifield>(newwin000, "newvifi_000");
    newvifi_000->setPropertyV("labelString", "0.00001");
    shown(newvifi_000, 11, 179, 159, 20);
    bind(newvifi_000, "new_ep", "vifi1valCH_ep", vifi1valCH_ep, 3);

    newvbtn_003 = withText<TQCvbtn>("newvbtn_003", "out csv", 10, 200, 159, 20);
    bind(newvbtn_003, "act_ep", "btn3act_ep", btn3act_ep, 2);
    newvbtn_005 = withText<TQCvbtn>("newvbtn_005", "<<<", 9, 222, 31, 22);
    bind(newvbtn_005, "new_ep", "btn5act_ep", btn5act_ep, 2);
    newvbtn_006 = withText<TQCvbtn>("newvbtn_006", ">>>", 137, 222, 31, 22);
    bind(newvbtn_006, "new_ep", "btn6act_ep", btn6act_ep, 2);

    newvdra_006 = drawingArea("newvdra_006", 6, 278, 330, 330);
    bind(newvdra_006, "gra7init_ep", "gra7init_ep", gra7init_ep, 0);
    bind(newvdra_006, "gra7expose_ep", "gra7expose_ep", gra7expose_ep, 9);
    newvlab_010 = withText<TQCvlabel>("newvlab_010", "power", 5, 256, 331, 18);
}

// Hidden until a two-channel file asks which channel to read.
void buildChannelDialog()
{
    newdial_001 = made<TQCdialog>(newwin000, "newdial_001");
    newdial_001->setPropertyV("name", "newdial_001");
    newdial_001->setPropertyV("titleString", "two channels exist");
    geometry(newdial_001, 65, 223, 284, 111);

    newradi_002 = made<TQCradioGroup>(newdial_001, "newradi_002");
    newradi_002->setPropertyV("menuItems", "Left Channel,Right Channel");
    newradi_002->setPropertyV("value", static_cast<unsigned long>(1));
    newradi_002->setPropertyV("titleString", "Select Channel");
    newradi_002->setPropertyV("name", "newradi_002");
    geometry(newradi_002, 0, 0, 283, 70);
    newradi_002->setPropertyV("vis", static_cast<unsigned char>(1));
    bind(newdial_001, "dialogRadioAct_ep", "dialogRadioAct_ep", dialogRadioAct_ep, 2);
}

void buildStretchLabels()
{
    newvlab_014 = withText<TQCvlabel>("newvlab_014", "Channel", 10, 134, 160, 22);
    newvlab_015 = withText<TQCvlabel>("newvlab_015", "effective points", 11, 112, 160, 20);
    newvbtn_016 = withText<TQCvbtn>("newvbtn_016", ">>", 110, 222, 26, 22);
    bind(newvbtn_016, "btn16act_ep", "btn16act_ep", btn16act_ep, 2);
    newvbtn_017 = withText<TQCvbtn>("newvbtn_017", "<<", 41, 222, 27, 22);
    bind(newvbtn_017, "btn17act_ep", "btn17act_ep", btn17act_ep, 2);
}

} // namespace

TQCbase* _create_win_newwin000()
{
    buildWindow();
    buildWavePictures();
    buildFileLabels();
    buildSizeChoice();
    buildSpectra();
    buildControls();
    buildChannelDialog();
    buildStretchLabels();
    newwin000->setVisible(1);
    return newwin000;
}

void dialogRadioAct_ep(TQCbase* object)
{
    object->setVisible(0);
}

namespace {

TQCfunctionRegister g_dialogRadioAct("dialogRadioAct_ep",
                                     reinterpret_cast<void*>(dialogRadioAct_ep));

} // namespace
