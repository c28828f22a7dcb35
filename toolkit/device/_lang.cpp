// Registration of libtq's catalogue; the tables are in the generated
// _lang_keys.cpp and _lang_proc*.cpp.
#include "_lang.h"

#include "_TQClocaleSet.h"

void tqlang::registerTexts(const char* locale, const char* const* texts, long count)
{
    TQGIappLocaleSet()->setLocaleStrings(locale, keys, texts, count);
}

void TQGFenablePropertyBuilderTitle()
{
    _libtq_lang_init_proc();
    _libtq_lang_init_proc1();
    _libtq_lang_init_proc2();
    _libtq_lang_init_proc3();
    _libtq_lang_init_proc4();
    _libtq_lang_init_proc5();
    _libtq_lang_init_proc6();
    _libtq_lang_init_proc7();
}
