// Print form: the work rectangle on the screen, and printing to a file or a
// printer through the printer device.
#include "_TQCprform.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDfile.h"
#include "_TQDfileSystem.h"
#include "_TQDnwDev.h"
#include "_TQDprDev.h"
#include "_TQDpsdraw.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <new>

TQ_TYPE_SERVER_FRAME(TQCprform, TQCform);

namespace {

const unsigned char kNoType = 3;
// The platform drawing object's key of its print job: 1 starts one, 0 ends
// it.
const long kPrintJob = 36;

void setPage(TQDprDev* printer, long key, long value)
{
    printer->setValue(key, &value);
}

} // namespace

struct TQCprform::Output {
    bool toFile = false;
    TQDfile* file = nullptr;
    TQDdraw* screenDraw = nullptr;
    TQDpsdraw* postScript = nullptr;
    // The platform drawing object with a print job started on it.
    TQDdraw* job = nullptr;
};

TQCprform::TQCprform(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_fileName(TQGFstrdup("tmp.ps")), m_format(0), m_type(0),
      m_orientation(1)
{
    m_backColor = -11;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, fileName, "tmp.ps");
        TQ_WATCH(r, workX, 10);
        TQ_WATCH(r, workY, 10);
        TQ_WATCH(r, workWidth, 512);
        TQ_WATCH(r, workHeight, 724);
        TQ_WATCH_BITS(r, format, 0, prformat);
        TQ_WATCH_BITS(r, type, 0, prOut);
        TQ_WATCH_BITS(r, orientation, 1, orientation2);
        r.changeDefault<&TQCprform::m_backColor>(_TQNbackColor(), -11);
    });
}

TQCprform::~TQCprform()
{
    // A procedure that deleted the form while it printed.
    if (m_screenDevice != nullptr)
        swapOwnDevice(m_screenDevice);
    delete m_printer;
    delete[] m_fileName;
}

// ---------------------------------------------------------------------------
// The screen

bool TQCprform::drawThroughLook(TQDdev* dev)
{
    if (!openGround(dev, DOTS_INSIDE_AREA))
        return true;
    dev->setForeColor(m_foreColor);
    dev->drawRect(m_workX, m_workY, m_workWidth, m_workHeight);
    TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                   m_bottomShadowColor, m_backColor, 0, 0, m_width, m_height, 0);
    dev->endDraw();
    return true;
}

// ---------------------------------------------------------------------------
// Printing

// Files are written byte for byte as the PostScript object makes them.
long TQCprform::openOutput(Output* out)
{
    out->screenDraw = TQDdev::getDraw();
    out->toFile = m_type != TYPE_PRINTER;
    if (out->toFile) {
        TQDfile* file = TQDfile::getNewInstance();
        if (file == nullptr)
            return -1;
        TQDfileSystem* fileSystem = TQGIappFileSystem();
        char* name = fileSystem != nullptr ? fileSystem->adjustFileName(m_fileName) : m_fileName;
        char mode[] = "wb";
        if (name == nullptr || file->open(name, mode) != 0) {
            delete file;
            return -1;
        }
        out->file = file;
        m_printer->setFile(file);
        return 0;
    }
    m_printer->setFile(nullptr);
    TQDdraw* current = out->screenDraw;
    if (current == nullptr || current->cast("TQDwindraw") == nullptr)
        return 0;
    current->setValue(TQDdraw::VALUE_PAGE_X, m_workX);
    current->setValue(TQDdraw::VALUE_PAGE_Y, m_workY);
    current->setValue(TQDdraw::VALUE_PAGE_WIDTH, m_workWidth);
    current->setValue(TQDdraw::VALUE_PAGE_HEIGHT, m_workHeight);
    if (current->setValue(kPrintJob, 1) == -1)
        return -1;
    out->job = current;
    return 0;
}

// Puts back what openOutput and the redirection changed; -1 when the job
// did not end well.
long TQCprform::closeOutput(Output* out)
{
    if (m_screenDevice != nullptr) {
        swapOwnDevice(m_screenDevice);
        m_screenDevice = nullptr;
    }
    m_printer->setFile(nullptr);
    return releaseOutput(out);
}

// What the process shares: the drawing object, the file and the job.
long TQCprform::releaseOutput(Output* out)
{
    if (out->postScript != nullptr) {
        TQDdev::setDraw(out->screenDraw);
        delete out->postScript;
    }
    if (out->file != nullptr) {
        out->file->close();
        delete out->file;
    }
    if (out->job != nullptr && out->job->setValue(kPrintJob, 0) == -1)
        return -1;
    return 0;
}

long TQCprform::prdraw()
{
    if (m_type == kNoType)
        return -1;
    if (m_printer == nullptr) {
        m_printer = new (std::nothrow) TQDprDev;
        if (m_printer == nullptr)
            return -1;
    }
    Output out;
    if (openOutput(&out) != 0)
        return -1;
    setPage(m_printer, TQDdraw::VALUE_PAGE_X, m_workX);
    setPage(m_printer, TQDdraw::VALUE_PAGE_Y, m_workY);
    setPage(m_printer, TQDdraw::VALUE_PAGE_WIDTH, m_workWidth);
    setPage(m_printer, TQDdraw::VALUE_PAGE_HEIGHT, m_workHeight);
    setPage(m_printer, TQDdraw::VALUE_PRINT_MODE, m_type);
    // Every code the 4 bits hold has its paper: 15, unnamed, prints as A4.
    setPage(m_printer, TQDdraw::VALUE_PAPER, m_format);
    setPage(m_printer, TQDdraw::VALUE_UPRIGHT, m_orientation);

    // The PostScript object is current only while the page is drawn: any
    // device that opened a drawing meanwhile would hand it its own handle
    // as the file.
    if (out.toFile) {
        out.postScript = new (std::nothrow) TQDpsdraw;
        if (out.postScript == nullptr) {
            closeOutput(&out);
            return -1;
        }
        m_screenDevice = swapOwnDevice(m_printer);
        TQDdev::setDraw(out.postScript);
    }
    if (m_printer->beginDraw(0, 0, m_width, m_height, 1, 1) != 0) {
        closeOutput(&out);
        return -1;
    }
    LifeGuard guard(this);
    execProcedure(TQEV_EXPOSE);
    if (guard.alive())
        forEachStillIn(m_children, [this, &out](TQCbase* child) { printChild(child, &out); });
    if (!guard.alive()) {
        // A procedure deleted the form, and with it the printer device.
        releaseOutput(&out);
        return -1;
    }
    m_printer->endDraw();
    return closeOutput(&out);
}

// A window-less child draws on the printer device for the time; a child
// with a window of its own has no file to give a PostScript object.
void TQCprform::printChild(TQCbase* child, Output* out)
{
    TQCrect page = {0, 0, m_width, m_height};
    TQDdev* dev = child->getdev();
    TQDnwDev* windowless = dev != nullptr ? static_cast<TQDnwDev*>(dev->cast("TQDnwDev")) : nullptr;
    if (windowless == nullptr) {
        if (out->toFile)
            return;
        LifeGuard guard(child);
        child->draw();
        if (guard.alive())
            child->execEventProc(TQEV_EXPOSE, &page);
        return;
    }
    TQDdev* parent = windowless->getParentDev();
    TQDdev* eventParent = windowless->getEventParentDev();
    windowless->setParentDev(m_printer);
    windowless->setEventParentDev(m_printer);
    LifeGuard guard(child);
    child->setAbsoluteDraw(1);
    child->draw();
    if (guard.alive())
        child->execEventProc(TQEV_EXPOSE, &page);
    windowless->setParentDev(parent);
    windowless->setEventParentDev(eventParent);
}
