// Stand-ins for the platform's devices and for widgets that receive device
// events:
//   FakeDev        a plain device with settable resources and origin;
//   FakeWindowDev  a window device that logs the window and pixmap
//                  primitives the platform would carry out;
//   FakeNwDev      a window-less device that logs the copy of its scratch
//                  pixmap;
//   EventClient    a widget that logs every event it is given and answers
//                  as told.
// Logs are shared vectors of strings such as "_copy_area(0,0,20,20,0,0,1)"
// or "b1 13 (5,7)", in call order.
#ifndef FAKEDEVICES_H
#define FAKEDEVICES_H

#include "_TQCbase.h"
#include "_TQDdev.h"
#include "_TQDnwDev.h"
#include "_TQDwindowDev.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// The numbers joined by commas, as the logs write arguments: "0,0,20,20".
inline std::string numberList(std::initializer_list<long> values)
{
    std::string out;
    for (long v : values)
        out += (out.empty() ? "" : ",") + std::to_string(v);
    return out;
}

class FakeDev : public TQDdev {
public:
    long getDeviceResource() override { return deviceResource; }
    long getWindowResource() override { return windowResource; }
    long getContextResource() override { return contextResource; }
    long getSpecialResource() override { return -1; }
    long getReady() override { return ready; }
    void placeOrigin(short x, short y) { setOrigin(x, y); }

    long deviceResource = 1;
    long windowResource = 2;
    long contextResource = 3;
    long ready = 1;
};

class FakeWindowDev : public TQDwindowDev {
public:
    explicit FakeWindowDev(std::vector<std::string>* logArg = nullptr) : log(logArg) {}

    long getDeviceResource() override { return 1; }
    long getWindowResource() override { return 2; }
    // With contextNeedsPixmap the window has no context until its pixmap
    // exists, the way a window drawn only through its pixmap behaves.
    long getContextResource() override
    {
        return contextNeedsPixmap && !getPixmapCreated() ? -1 : 3;
    }
    long getSpecialResource() override { return 4; }

    long createWindow() override
    {
        note("createWindow");
        return 0;
    }
    long createPixmap() override
    {
        note("createPixmap");
        if (createPixmapResult != 0)
            return createPixmapResult;
        return TQDwindowDev::createPixmap();
    }
    long destroyPixmap() override
    {
        note("destroyPixmap");
        return TQDwindowDev::destroyPixmap();
    }
    void _copy_area(long x, long y, unsigned long w, unsigned long h, long dx, long dy,
                    unsigned char fromPixmap) override
    {
        note("_copy_area(" + numberList({x, y, (long)w, (long)h, dx, dy, (long)fromPixmap}) + ")");
    }
    void _setup_pixmap(short x, short y, unsigned short w, unsigned short h, short color,
                       short image) override
    {
        note("_setup_pixmap(" + numberList({x, y, w, h, color, image}) + ")");
    }
    void _clear_area(long x, long y, unsigned long w, unsigned long h) override
    {
        note("_clear_area(" + numberList({x, y, (long)w, (long)h}) + ")");
    }

    long createPixmapResult = 0;
    bool contextNeedsPixmap = false;

private:
    void note(const std::string& entry)
    {
        if (log != nullptr)
            log->push_back(entry);
    }

    std::vector<std::string>* log;
};

class FakeNwDev : public TQDnwDev {
public:
    explicit FakeNwDev(std::vector<std::string>* logArg = nullptr) : log(logArg) {}

    void _copy_pixmap_to_window() override
    {
        short bx, by, cx, cy;
        unsigned short cw, ch;
        getBackXY(&bx, &by);
        getCopyPixmapGeom(&cx, &cy, &cw, &ch);
        if (log != nullptr)
            log->push_back("_copy_pixmap_to_window(" + std::to_string(bx) + "," +
                           std::to_string(by) + "," + std::to_string(cx) + "," +
                           std::to_string(cy) + "," + std::to_string(cw) + "," +
                           std::to_string(ch) + ")");
    }

private:
    std::vector<std::string>* log;
};

class EventClient : public TQCbase {
public:
    // A client of type 7 is a top-level window: visible once shown, and
    // the parent that makes its children visible.
    EventClient(std::vector<std::string>* logArg, const char* name, TQCbase* parent = nullptr,
                long typeArg = 0)
        : TQCbase(parent, name), log(logArg), type(typeArg)
    {
    }

    long getObjectType() override { return type; }

    // Logs "<name> <event>" plus "(x,y)" for a point or "(x,y,w,h)" for
    // an area; data is read as the event's own kind.
    long execEventProc(long event, void* data) override
    {
        std::string entry = std::string(getInstanceName()) + " " + std::to_string(event);
        if (data != nullptr && isPointEvent(event)) {
            TQCpoint* p = static_cast<TQCpoint*>(data);
            entry += " (" + std::to_string(p->x) + "," + std::to_string(p->y) + ")";
        } else if (data != nullptr && (event == 9 || event == 10)) {
            TQCrect* r = static_cast<TQCrect*>(data);
            entry += " (" + std::to_string(r->x) + "," + std::to_string(r->y) + "," +
                     std::to_string(r->width) + "," + std::to_string(r->height) + ")";
        }
        if (log != nullptr)
            log->push_back(entry);
        if (whenCalled)
            whenCalled(event);
        auto found = answers.find(event);
        return found != answers.end() ? found->second : -1;
    }

    // Answer per event code; -1 for codes not listed.
    std::map<long, long> answers;
    // Runs after logging, inside the dispatch.
    std::function<void(long)> whenCalled;

private:
    static bool isPointEvent(long event)
    {
        return event == 11 || (event >= 13 && event <= 15) || event == 19;
    }

    std::vector<std::string>* log;
    long type;
};

#endif
