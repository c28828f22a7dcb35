// Property descriptors: type names, colour and image marks, handler calls
// with and without the cast to the registering class, and default tests.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "_TQCclassInformation.h"
#include "_TQCproperty.h"
#include "_TQCroot.h"

namespace {

class Model : public TQCroot {
public:
    TQ_ROOT_FRAME(Model, TQCroot)
    long number = 0;
    float ratio = 0.0f;
    char* text = nullptr;
    ~Model() override { delete[] text; }
};

// Its Model part does not start at the object's address, so only the cast
// to "Framed" gives the handlers the right pointer.
class Padding {
public:
    virtual ~Padding() = default;
    long pad[3] = {1, 2, 3};
};

class Framed : public Padding, public Model {
public:
    TQ_ROOT_FRAME(Framed, Model)
    long frame = 0;
};

// Descriptors receive objects as the widget base type; the test objects
// are plain root classes with the same layout at their start.
TQCbase* asBase(TQCroot* r) { return reinterpret_cast<TQCbase*>(r); }

char* copyOf(const char* s)
{
    char* c = new char[std::strlen(s) + 1];
    std::strcpy(c, s);
    return c;
}

void setNumber(void* o, void* v) { static_cast<Model*>(o)->number = *static_cast<long*>(v); }
void getNumber(void* o, void* v) { *static_cast<long*>(v) = static_cast<Model*>(o)->number; }
void defaultNumber(void* v) { *static_cast<long*>(v) = 42; }
void setFrame(void* o, void* v) { static_cast<Framed*>(o)->frame = *static_cast<long*>(v); }
void getFrame(void* o, void* v) { *static_cast<long*>(v) = static_cast<Framed*>(o)->frame; }
void setRatio(void* o, void* v) { static_cast<Model*>(o)->ratio = *static_cast<float*>(v); }
void getRatio(void* o, void* v) { *static_cast<float*>(v) = static_cast<Model*>(o)->ratio; }
void defaultRatio(void* v) { *static_cast<float*>(v) = 0.5f; }
void setText(void* o, void* v) { static_cast<Model*>(o)->text = *static_cast<char**>(v); }
void getText(void* o, void* v) { *static_cast<char**>(v) = static_cast<Model*>(o)->text; }
void defaultTextNull(void* v) { *static_cast<char**>(v) = nullptr; }
void defaultTextAbc(void* v) { *static_cast<char**>(v) = copyOf("abc"); }

unsigned char codeOf(const char* typeName)
{
    TQCproperty p("p", "Model");
    p.setType(typeName, nullptr, nullptr, nullptr);
    return p.getPropObjType();
}

TQCproperty shortProperty(const char* name)
{
    TQCproperty p(name, "Model");
    p.setType("short", nullptr, nullptr, nullptr);
    return p;
}

} // namespace

TEST(Property, TypeNamesParseByFirstCharacterThenExactName)
{
    struct { const char* name; int code; } cases[] = {
        {"long", 0}, {"int", 0}, {"short", 2}, {"float", 6}, {"double", 7},
        {"unsigned int", 1}, {"unsigned char", 5}, {"unsigned  short", 3},
        {"unsigned long", 1}, {"unsigned", 1}, {"unsignedchar", 1},
        {"char", 4}, {"char*", 9}, {"char *", 9}, {"const char*", 4},
        {"void*", 8}, {"void *", 8}, {"void", 10}, {"string", 10}, {"shorts", 10},
        {"TQCbool", 11}, {"TQCuchar", 5}, {"TQCushort", 3}, {"TQCulong", 1}, {"TQCint", 10},
        {"", 10}, {nullptr, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, codeOf(c.name)) << (c.name ? c.name : "(null)");

    TQCproperty p("p", "Model");
    p.setType("unsigned short", nullptr, nullptr, nullptr);
    EXPECT_STREQ("unsigned short", p.getPropObjTypeName());
}

TEST(Property, ShortNamesEndingInColorOrPixmapMarkTheProperty)
{
    for (const char* name : {"Color", "foreColor", "shadowColor1", "xColor12", "backPixmapColor"}) {
        TQCproperty p = shortProperty(name);
        EXPECT_EQ(1, p.isColorPropObj()) << name;
        EXPECT_EQ(0, p.isPixmapPropObj()) << name;
    }
    for (const char* name : {"Pixmap", "backPixmap", "labelPixmap2", "iconPixmap12", "colorPixmap"}) {
        TQCproperty p = shortProperty(name);
        EXPECT_EQ(1, p.isPixmapPropObj()) << name;
        EXPECT_EQ(0, p.isColorPropObj()) << name;
    }
    for (const char* name : {"xColor123", "olor", "iconPixmap123", "Colorx", "ixmap1"}) {
        TQCproperty p = shortProperty(name);
        EXPECT_EQ(0, p.isColorPropObj() + p.isPixmapPropObj()) << name;
    }
    TQCproperty wide("foreColor", "Model");
    wide.setType("long", nullptr, nullptr, nullptr);
    EXPECT_EQ(0, wide.isColorPropObj());
}

TEST(Property, HandlersGetTheObjectCastToTheRegisteringClass)
{
    Framed obj;
    TQCproperty frame("frame", "Framed");
    frame.setType("long", setFrame, getFrame, defaultNumber);
    long v = 9;
    EXPECT_EQ(0, frame.setValue(asBase(static_cast<Model*>(&obj)), &v));
    EXPECT_EQ(9, obj.frame);
    v = 0;
    EXPECT_EQ(0, frame.getValue(asBase(static_cast<Model*>(&obj)), &v));
    EXPECT_EQ(9, v);

    // An object that is not of the registering class is refused.
    Model plain;
    EXPECT_EQ(-1, frame.setValue(asBase(&plain), &v));
    EXPECT_EQ(-1, frame.setValue(nullptr, &v));

    // Without the cast the handler receives the pointer as given.
    TQCproperty number("number", "Model");
    number.setType("long", setNumber, getNumber, defaultNumber);
    number.setNoCast(1);
    v = 5;
    EXPECT_EQ(0, number.setValue(asBase(&plain), &v));
    EXPECT_EQ(5, plain.number);
    EXPECT_EQ(0, number.execSetHandler(&plain));
    EXPECT_EQ(42, plain.number);
}

TEST(Property, MissingHandlersRefuse)
{
    Model obj;
    TQCproperty p("number", "Model");
    p.setType("long", nullptr, getNumber, nullptr);
    long v = 3;
    EXPECT_EQ(-1, p.setValue(asBase(&obj), &v));
    EXPECT_EQ(-1, p.getDefaultValue(&v));
    EXPECT_EQ(-1, p.execSetHandler(&obj));
    EXPECT_EQ(-1, p.setDefaultValue(asBase(&obj)));
    EXPECT_EQ(0, p.isDefaultValue(asBase(&obj)));
    EXPECT_EQ(3, v);
    EXPECT_EQ(0, obj.number);
}

TEST(Property, IsDefaultValueComparesByType)
{
    Model obj;
    TQCproperty number("number", "Model");
    number.setType("long", setNumber, getNumber, defaultNumber);
    EXPECT_EQ(0, number.isDefaultValue(asBase(&obj)));
    EXPECT_EQ(0, number.setDefaultValue(asBase(&obj)));
    EXPECT_EQ(42, obj.number);
    EXPECT_EQ(1, number.isDefaultValue(asBase(&obj)));

    TQCproperty ratio("ratio", "Model");
    ratio.setType("float", setRatio, getRatio, defaultRatio);
    obj.ratio = 0.5f;
    EXPECT_EQ(1, ratio.isDefaultValue(asBase(&obj)));
    obj.ratio = std::nanf("");
    EXPECT_EQ(0, ratio.isDefaultValue(asBase(&obj)));

    TQCproperty none("none", "Model");
    none.setType("void", setNumber, getNumber, defaultNumber);
    EXPECT_EQ(0, none.isDefaultValue(asBase(&obj)));
}

TEST(Property, StringDefaultsTreatNullAsEmpty)
{
    Model obj;
    TQCproperty text("text", "Model");
    text.setType("char*", setText, getText, defaultTextNull);
    EXPECT_EQ(1, text.isDefaultValue(asBase(&obj)));
    obj.text = copyOf("");
    EXPECT_EQ(1, text.isDefaultValue(asBase(&obj)));

    text.setGetDefaultValueHandler(defaultTextAbc);
    EXPECT_EQ(0, text.isDefaultValue(asBase(&obj)));
    EXPECT_EQ(0, text.setDefaultValue(asBase(&obj)));
    EXPECT_STREQ("abc", obj.text);
    EXPECT_EQ(1, text.isDefaultValue(asBase(&obj)));

    // Without a set handler the object's own string stays.
    delete[] obj.text;
    obj.text = copyOf("kept");
    TQCproperty unsettable("text", "Model");
    unsettable.setType("char*", nullptr, getText, defaultTextAbc);
    EXPECT_EQ(-1, unsettable.setDefaultValue(asBase(&obj)));
    EXPECT_STREQ("kept", obj.text);
}

TEST(Property, RegistrationStoresChoicesOnlyWhenEitherListExists)
{
    static char* display[] = {nullptr};
    TQCclassInformation rec("Model", nullptr);
    TQCproperty* withChoices = rec.addProperty("shadowType", "Model", 1, "short", nullptr, nullptr,
                                               defaultNumber, "M1:TQSTR Shadow type", display, nullptr);
    TQCproperty* plain = rec.addProperty("x", "Model", 1, "short", nullptr, nullptr,
                                         defaultNumber, "D1:TQSTR X");
    char** d = nullptr;
    char** v = reinterpret_cast<char**>(1);
    withChoices->getBuilderSelectValues(&d, &v);
    EXPECT_EQ(display, d);
    EXPECT_EQ(nullptr, v);
    plain->getBuilderSelectValues(&d, &v);
    EXPECT_EQ(nullptr, d);
    EXPECT_STREQ("D1:TQSTR X", plain->getBuilderTitleKey());
}
