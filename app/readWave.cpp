// The WAV file reader, through the Windows multimedia file functions.
#include "readWave.h"

#include "analysisState.h"
#include "appDialogs.h"
#include "appWidgets.h"
#include "readWaveChunks.h"
#include "workPool.h"

#include "_TQCbase.h"

#include "TQwin32.h"
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>

TQCbase* objectBase = nullptr;

namespace {

// The private heap of the chunk buffers of one read.
HANDLE m_hHeap = nullptr;

// The file and the heap of one read, closed and destroyed when it ends.
class WaveFile {
public:
    WaveFile() { m_hHeap = HeapCreate(0, 0, 0); }
    ~WaveFile()
    {
        if (m_file != nullptr)
            mmioClose(m_file, 0);
        if (m_hHeap != nullptr)
            HeapDestroy(m_hHeap);
        m_hHeap = nullptr;
    }
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;

    // The file is opened by its UTF-16 name, which holds every name, also
    // one beyond the ANSI code page, and handed to the multimedia functions
    // as an open handle: their own open goes through the code page even
    // when given a wide name. mmioClose closes the handle.
    bool open(TQCstring& name)
    {
        const u16* units = name.getInternalUcs2();
        if (units == nullptr)
            return false;
        HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(units), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        MMIOINFO info = {};
        info.adwInfo[0] = static_cast<DWORD>(reinterpret_cast<uintptr_t>(handle));
        m_file = mmioOpenW(nullptr, &info, MMIO_READ);
        if (m_file == nullptr) {
            CloseHandle(handle);
            return false;
        }
        const LONG end = mmioSeek(m_file, 0, SEEK_END);
        m_size = end > 0 ? end : 0;
        mmioSeek(m_file, 0, SEEK_SET);
        return true;
    }
    HMMIO file() const { return m_file; }

    // Whether the file holds the whole of a chunk it has descended into.
    bool holds(const MMCKINFO& chunk) const
    {
        return chunk.dwDataOffset <= m_size && chunk.cksize <= m_size - chunk.dwDataOffset;
    }
    // A zero-filled buffer of the chunk's size from the read's heap, read
    // whole; null when it cannot be had (*allocated says whether the
    // buffer was).
    unsigned char* readChunk(const MMCKINFO& chunk, bool* allocated)
    {
        unsigned char* data = buffer(chunk.cksize);
        *allocated = data != nullptr;
        return data != nullptr && read(data, chunk.cksize) ? data : nullptr;
    }
    // A zero-filled buffer from the read's heap; null when it cannot be had.
    unsigned char* buffer(DWORD bytes)
    {
        return static_cast<unsigned char*>(
            m_hHeap != nullptr ? HeapAlloc(m_hHeap, HEAP_ZERO_MEMORY, bytes) : nullptr);
    }
    // The next bytes of the file, all of them.
    bool read(unsigned char* data, DWORD bytes)
    {
        const LONG wanted = static_cast<LONG>(bytes);
        return mmioRead(m_file, reinterpret_cast<HPSTR>(data), wanted) == wanted;
    }

private:
    HMMIO m_file = nullptr;
    DWORD m_size = 0;
};

int refuse(const char* message)
{
    showMessageAtWinStart(message);
    return -1;
}

unsigned le16(const unsigned char* p)
{
    return p[0] | p[1] << 8;
}

int32_t le32(const unsigned char* p)
{
    return static_cast<int32_t>(le16(p) | static_cast<uint32_t>(le16(p + 2)) << 16);
}

// The chosen channel of the two-channel dialog's radio group: 1 left, 2
// right.
long radioChannel()
{
    objectBase = findWidget("TQCradioGroup", "newradi_002");
    TQCbase* radio = castWidget(objectBase, "TQCradioGroup");
    if (radio == nullptr)
        return 1;
    const long value = radio->getProperty("value").getLong();
    if (value == 0) {
        showMessageAtWinStart("Radio not selected : this program chose Left Channel");
        return 1;
    }
    // The group has two buttons; no other answer may pick a word outside
    // the frame.
    return value == 2 ? 2 : 1;
}

// Asks in the main window's channel dialog; the left channel unless the
// user answers OK with the right one.
long chooseChannel()
{
    long channel = 1;
    objectBase = findWidget("TQCdialog", "newdial_001");
    if (TQCbase* dialog = castWidget(objectBase, "TQCdialog")) {
        setWidgetText(dialog, "x", winStartX.getString(-2));
        setWidgetText(dialog, "y", winStartY.getString(-2));
        switch (popupAppDialog(dialog)) {
        case 1:
            channel = radioChannel();
            break;
        case 2:
            showMessageAtWinStart("dialog status NO : this program chose left channel");
            break;
        case 0:
            showMessageAtWinStart("dialog status CANCEL : this program chose left channel");
            break;
        default:
            break;
        }
    }
    setLabelText("newvlab_014", channel == 2 ? "RightChannel" : "LeftChannel");
    return channel;
}

void freeSamples()
{
    channelReplaced();
    delete[] siii;
    siii = nullptr;
    maxsize = 0;
    delete[] siii_int;
    siii_int = nullptr;
}

// Frames read and taken at a time: the data chunk of a long recording
// passes through a buffer of this size instead of one of its own.
const DWORD framesPerBlock = 1 << 21;

// The channel's samples out of the interleaved frames of the data chunk,
// a block at a time, each block taken on the work pool; a last incomplete
// frame is dropped. The file stands at the start of the chunk's data,
// which it holds whole.
int takeChannel(WaveFile& wave, DWORD bytes, long channels, long channel)
{
    const long count = static_cast<long>(bytes / 2) / channels;
    const DWORD frameBytes = 2 * static_cast<DWORD>(channels);
    const DWORD block = std::min<DWORD>(static_cast<DWORD>(count), framesPerBlock);
    unsigned char* data = wave.buffer(std::max<DWORD>(block, 1) * frameBytes);
    if (data == nullptr)
        return refuse("can not alloc heap memory for wave data");
    freeSamples();
    siii_int = newWordArray(count);
    siii = newSampleArray(count);
    if (siii_int == nullptr || siii == nullptr) {
        freeSamples();
        return refuse("can not alloc");
    }
    maxsize = count;
    for (long first = 0; first < count; first += block) {
        const long frames = std::min<long>(block, count - first);
        if (!wave.read(data, static_cast<DWORD>(frames) * frameBytes)) {
            freeSamples();
            return refuse("can not read wave data");
        }
        const long piece = 1 << 16;
        auto take = [&](long t, int) {
            const long end = std::min(frames, (t + 1) * piece);
            for (long i = t * piece; i < end; ++i) {
                const short sample =
                    static_cast<short>(le16(data + 2 * (channels * i + channel - 1)));
                siii_int[first + i] = sample;
                siii[first + i] = sample;
            }
        };
        runInPool((frames + piece - 1) / piece, take);
    }
    channelReplaced();
    return 0;
}

// The point beside the main window where the dialogs open.
TQCstring besideMainWindow(TQCbase* mainWindow, const char* property)
{
    long position = 0;
    scanLong(widgetText(mainWindow, property), &position);
    return longText(position + 20);
}

} // namespace

int readWave()
{
    return chooseWaveFile() == 0 ? loadWave() : -1;
}

int chooseWaveFile()
{
    TQCbase* fileSelect = appFileSelect();
    if (TQCbase* mainWindow = findWidget("TQCmainWindow", "newwin000")) {
        winStartX = besideMainWindow(mainWindow, "x");
        winStartY = besideMainWindow(mainWindow, "y");
        if (fileSelect != nullptr) {
            setWidgetText(fileSelect, "x", winStartX.getString(-2));
            setWidgetText(fileSelect, "y", winStartY.getString(-2));
        }
    }
    if (popupAppDialog(fileSelect) != 1)
        return -1;
    nameFull = appChosenFile(fileSelect);
    nameDir = widgetText(fileSelect, "dirName");
    nameFile = widgetText(fileSelect, "fileName");
    return 0;
}

int loadWave()
{
    WaveFile wave;
    if (!wave.open(nameFull))
        return refuse("file not found");
    MMCKINFO riff = {};
    if (!descendIntoRiffWave(wave.file(), &riff))
        return refuse("riff chunk not found");

    MMCKINFO format = {};
    if (!descendIntoChunk(wave.file(), riff, mmioFOURCC('f', 'm', 't', ' '), &format))
        return refuse("format chunk not found");
    // The fields used end with bits per sample, at byte 14.
    if (format.cksize < 16 || !wave.holds(format))
        return refuse("can not read format data");
    bool allocated = false;
    const unsigned char* fmt = wave.readChunk(format, &allocated);
    if (fmt == nullptr)
        return refuse(allocated ? "can not read format data"
                                : "can not alloc heap memory for format data");
    const long channels = le16(fmt + 2);
    const int32_t rate = le32(fmt + 4);
    // A rate of zero or less has no seconds and no frequencies.
    if (rate <= 0)
        return refuse("can not read format data");
    if (channels != 1 && channels != 2)
        return refuse("bad channel number");
    long channel = 1;
    if (channels == 1)
        setLabelText("newvlab_014", "SingleChannel");
    else
        channel = chooseChannel();
    sampleFreq = rate;
    qt = le16(fmt + 14);
    if (qt != 16)
        return refuse("Sorry, this program need 16 BitsPerSample");

    mmioAscend(wave.file(), &format, 0);
    MMCKINFO data = {};
    if (!descendIntoChunk(wave.file(), riff, mmioFOURCC('d', 'a', 't', 'a'), &data))
        return refuse("data chunk not found");
    if (!wave.holds(data))
        return refuse("can not read wave data");
    return takeChannel(wave, data.cksize, channels, channel);
}
