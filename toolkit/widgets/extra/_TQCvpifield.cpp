// Password field: the input field's drawing over a masked copy of the text.
// The copy has as many units as the text, so the caret, the selection and
// the first shown character fit it unchanged.
#include "_TQCvpifield.h"

#include <algorithm>
#include <memory>

#include "_TQCtypeServerFrame.h"
#include "_TQGFstring.h"

TQ_TYPE_SERVER_FRAME(TQCvpifield, TQCvifield);

TQCvpifield::TQCvpifield(TQCbase* parent, const char* name)
    : TQCvifield(parent, name), m_mask("*", -2)
{
    TQCregisterClass(this, VERSION, [](Registrar&) {});
}

long TQCvpifield::draw()
{
    if (m_buf == nullptr)
        m_buf = new u16[1]{0};
    long n = TQGFstrlenUCS2(m_buf);
    const u16* mask = m_mask.getInternalUcs2();
    std::unique_ptr<u16[]> masked(new u16[n + 1]);
    std::fill(masked.get(), masked.get() + n, mask != nullptr ? mask[0] : 0);
    masked[n] = 0;
    u16* own = m_buf;
    m_buf = masked.get();
    TQCvifield::draw();
    m_buf = own;
    return 0;
}
