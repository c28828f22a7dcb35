// Skeleton sources of event procedures. Each skeleton opens with a ruled
// title block in the language's comment style; the texts are those the
// bindings' tools expect, byte for byte.
#include "_TQGFprocedureSource.h"

#include "_TQCstring.h"
#include "_TQClocaleSet.h"
#include "_TQGFbuilder.h"
#include "_TQGFdebug.h"
#include "_TQGFfile.h"
#include "_TQGFnameCheck.h"

#include <string>

namespace {

const std::string kDashes(58, '-');
const std::string kCRule = "//" + kDashes + "\n";
const std::string kHashRule = "#" + kDashes + "\n";
const std::string kOcamlRule = "(*" + kDashes + "*)\n";
const std::string kCTitle = kCRule + "//Function for the event procedure\n" + kCRule;
const std::string kHashTitle = kHashRule + "#Function for the event procedure\n" + kHashRule;
const std::string kOcamlTitle =
    kOcamlRule + "(*Function for the event procedure" + std::string(26, ' ') + "*)\n" + kOcamlRule;

// What the two script bindings differ in.
struct Binding {
    const char* module;      // the module scripts load and register through
    const char* javaPackage; // the Java package of its classes
    const char* ocamlModule; // the OCaml modules it opens
};
const Binding kVesk = {"vesk", "org.quorvane.vesk", "Vesk"};
const Binding kPok = {"pok", "org.quorvane.pok", "Pok"};

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

void fill(TQCstring* out, const std::string& text)
{
    if (out != nullptr)
        out->setString(text.c_str(), -2);
}

std::string name(const char* text)
{
    return text != nullptr ? std::string(text) : std::string();
}

std::string rubyText(const std::string& n)
{
    return kHashTitle + "def " + n + "(object)\n" + "#do something...\n\n" + "end\n";
}

std::string pythonText(const std::string& n, const Binding& b)
{
    std::string module = b.module;
    return kHashTitle + "import " + module + "\n\n" + "def " + n + "(object):\n" +
           "\t#do something...\n\n" + "\treturn\n" + module + ".TQGFfunctionRegister(" +
           quoted(n) + "," + n + ")\n";
}

std::string perlText(const std::string& n, const Binding& b)
{
    return kHashTitle + "use " + b.module + ";\n\n" + "sub " + n + " {\n" +
           "\tmy ($object) = @_;\n" + "\t#do something...\n\n" + "}\n1;\n";
}

std::string javaText(const std::string& n, const Binding& b)
{
    std::string text = kCTitle + "\n";
    if (TQGFjavaPackageNameHandler handler = TQGFgetJavaPackageNameHandler()) {
        std::string package = name(handler());
        if (!package.empty())
            text += "package " + package + ";\n";
    }
    return text + "import " + b.javaPackage + ".*;\n\n" + "public class " + n + " {\n" +
           "  protected static void " + n + "(TQCbase object){\n" + "  /* do something...*/\n\n" +
           "  }\n" + "}\n";
}

std::string ocamlText(const std::string& n, const Binding& b)
{
    std::string module = b.ocamlModule;
    return kOcamlTitle + "open Swig\n" + "open " + module + "\n" + "open " + module + "lib\n" +
           "let " + n + " obj =\n" + "  (* do something...*)\n\n" + "  ()\n\n" +
           "let _ = Callback.register " + quoted(n) + " " + n;
}

std::string cppText(const std::string& n)
{
    return "#include <TQcom.h>\n#include <TQCfunctionList.h>\n#include <TQCbase.h>\n" + kCTitle +
           "void " + n + "(TQCbase* object){\n" + "  //do something...\n" + "}\n" +
           "static TQCfunctionRegister  op(" + quoted(n) + ",(void*)" + n + ");\n";
}

std::string cppMethodText(const std::string& n, const std::string& c)
{
    return "#include <TQcom.h>\n#include <" + c + ".h>\n#include <TQCbase.h>\n" + kCTitle +
           "void " + c + "::" + n + "(TQCbase* object){\n" + "  " + c + "* base = (" + c +
           "*)object->getUserData(TQ_BASE_CLASS);\n" + "  //please edit here...\n" + "}\n";
}

// The skeleton of a language, in the binding the mapping value selects;
// empty for an unknown language.
std::string skeleton(long language, const std::string& n)
{
    const Binding& binding = TQGFgetMapping() == 1 ? kVesk : kPok;
    switch (language) {
    case TQ_LANGUAGE_CPP:
        return cppText(n);
    case TQ_LANGUAGE_RUBY:
        return rubyText(n);
    case TQ_LANGUAGE_PYTHON:
        return pythonText(n, binding);
    case TQ_LANGUAGE_PERL:
        return perlText(n, binding);
    case TQ_LANGUAGE_JAVA:
        return javaText(n, binding);
    case TQ_LANGUAGE_OCAML:
        return ocamlText(n, binding);
    default:
        return std::string();
    }
}

const char* extensionOf(long language)
{
    static const char* const kExtensions[] = {".cpp", ".rb", ".py", ".pl", ".java", ".ml"};
    if (language < TQ_LANGUAGE_CPP || language > TQ_LANGUAGE_OCAML)
        return "";
    return kExtensions[language];
}

} // namespace

// The names go into source text as they are: one that is not a plain name
// would make a skeleton that does not compile, or say something else.
long TQGFcreateProcedure(const char* dir, const char* fileName, long language,
                         const char* functionName, const char* className, long encoding)
{
    bool method = language == TQ_LANGUAGE_CPP && className != nullptr && *className != '\0';
    if (!TQGFcheckPureNameString(functionName) || (method && !TQGFcheckPureNameString(className)) ||
        fileName == nullptr || *fileName == '\0')
        return -1;
    TQCstring path("", encoding);
    if (dir != nullptr && *dir != '\0') {
        path.addString(dir, encoding);
        path.addString("/", encoding);
    }
    std::string text;
    if (method) {
        path.addString(className, encoding);
        path.addString("_", encoding);
        path.addString(fileName != nullptr ? fileName : "", encoding);
        path.addString(".cpp", encoding);
        text = cppMethodText(name(functionName), className);
    } else {
        path.addString(fileName != nullptr ? fileName : "", encoding);
        path.addString(extensionOf(language), encoding);
        text = skeleton(language, name(functionName));
    }
    TQCstring content(text.c_str(), -2);
    long systemEncoding = TQGIappLocaleSet()->getSystemLocaleEncoding();
    return TQGFreplaceTextFile(path.getString(systemEncoding), content.getString(-2), 0);
}

void TQGFopCreate(TQCstring* out, const char* functionName, const char*)
{
    fill(out, cppText(name(functionName)));
}

void TQGFopCreateRb(TQCstring* out, const char* functionName, const char*)
{
    fill(out, rubyText(name(functionName)));
}

// Ruby skeletons register nothing, so both bindings share one text.
void TQGFopCreatePokRb(TQCstring* out, const char* functionName, const char*)
{
    fill(out, rubyText(name(functionName)));
}

void TQGFopCreatePy(TQCstring* out, const char* functionName, const char*)
{
    fill(out, pythonText(name(functionName), kVesk));
}

void TQGFopCreatePokPy(TQCstring* out, const char* functionName, const char*)
{
    fill(out, pythonText(name(functionName), kPok));
}

void TQGFopCreatePerl(TQCstring* out, const char* functionName, const char*)
{
    fill(out, perlText(name(functionName), kVesk));
}

void TQGFopCreatePokPerl(TQCstring* out, const char* functionName, const char*)
{
    fill(out, perlText(name(functionName), kPok));
}

void TQGFopCreateJava(TQCstring* out, const char* functionName, const char*)
{
    fill(out, javaText(name(functionName), kVesk));
}

void TQGFopCreatePokJava(TQCstring* out, const char* functionName, const char*)
{
    fill(out, javaText(name(functionName), kPok));
}

void TQGFopCreateOcaml(TQCstring* out, const char* functionName, const char*)
{
    fill(out, ocamlText(name(functionName), kVesk));
}

void TQGFopCreatePokOcaml(TQCstring* out, const char* functionName, const char*)
{
    fill(out, ocamlText(name(functionName), kPok));
}

void TQGFclassProcedureCreate(TQCstring* out, const char* functionName, const char*,
                              const char* className)
{
    fill(out, cppMethodText(name(functionName), name(className)));
}
