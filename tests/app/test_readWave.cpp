// The WAV reader on files written here: samples as stored, the channel
// taken, each refusal's message on the message road, a fuzz of mutated
// files that ends every time in samples or a refusal, and the dialogs.
#include "readWave.h"

#include <gtest/gtest.h>

#include "AppTesting.h"
#include "FileBytes.h"
#include "FileMutations.h"
#include "GuiTestApp.h"
#include "SampleWidgets.h"
#include "TempDir.h"
#include "WaveBytes.h"
#include "appDialogs.h"

#include <set>

namespace {

class WaveReader : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startGuiApp(); }
    void SetUp() override
    {
        resetApplicationState();
        winStartX = "120";
        winStartY = "140";
    }
    void TearDown() override
    {
        resetApplicationState();
        setAppDialogHandlers({nullptr, nullptr, nullptr, nullptr});
    }

    int load(const std::string& bytes)
    {
        messages.list().clear();
        writeFileBytes(dir.file("w.wav"), bytes);
        nameFull = dir.file("w.wav").c_str();
        return loadWave();
    }
    // The one message of the last load, or how many there were.
    std::string message() const
    {
        const auto& all = messages.list();
        return all.size() == 1 ? all[0].text : std::to_string(all.size()) + " messages";
    }
    std::vector<double> samples() const { return std::vector<double>(siii, siii + maxsize); }

    TempDir dir;
    RecordedMessages messages;
};

const std::vector<int16_t> kMono = {0, 1, -1, 32767, -32768, 1234, -4321};
const std::vector<double> kMonoValues(kMono.begin(), kMono.end());

} // namespace

TEST_F(WaveReader, SamplesArriveAsStoredAndStereoGivesTheLeftWords)
{
    ASSERT_EQ(0, load(waveFile(1, 22050, kMono)));
    EXPECT_EQ(kMonoValues, samples());
    EXPECT_TRUE(std::equal(kMono.begin(), kMono.end(), siii_int));
    EXPECT_EQ(22050, sampleFreq);
    EXPECT_EQ(16, qt);
    // Without a channel dialog; the last word, half a frame, is dropped.
    ASSERT_EQ(0, load(waveFile(2, 44100, {10, -10, 20, -20, 30})));
    EXPECT_EQ((std::vector<double>{10, 20}), samples());
    ASSERT_EQ(0, load(waveFile(2, 44100, {})));
    EXPECT_EQ(0, maxsize) << "an empty data chunk";
    EXPECT_TRUE(messages.list().empty());
}

TEST_F(WaveReader, ALongRecordingArrivesWholeThroughTheReadersBlocks)
{
    // Past two million frames the data chunk comes in more than one block.
    const long frames = (1L << 21) * 2 + 3;
    std::vector<int16_t> words(2 * frames);
    for (long i = 0; i < 2 * frames; ++i)
        words[i] = static_cast<int16_t>(static_cast<uint16_t>(i * 7919u));
    ASSERT_EQ(0, load(waveFile(2, 44100, words)));
    ASSERT_EQ(frames, maxsize);
    for (long i = 0; i < frames; ++i) {
        ASSERT_EQ(words[2 * i], siii[i]) << "frame " << i;
        ASSERT_EQ(words[2 * i], siii_int[i]) << "frame " << i;
    }
    EXPECT_TRUE(messages.list().empty());
}

TEST_F(WaveReader, RefusalsLeaveThePreviousSamplesAndSayWhy)
{
    const std::string fmt = waveChunk("fmt ", waveFormat(1, 8000, 16));
    const std::string data = waveChunk("data", pcm16({1, 2, 3, 4}));
    std::string declaredLong = riffWave(fmt + data);
    declaredLong.replace(40, 4, littleEndian(100, 4));
    std::string declaredHuge = declaredLong;
    declaredHuge.replace(40, 4, littleEndian(0x7FFFFFFF, 4));
    // Chunks whose sizes would take the walk back onto their own headers.
    const std::string listBack = "LIST" + littleEndian(0xFFFFFFF8u, 4) + "INFO";
    const std::string listOddBack = "LIST" + littleEndian(0xFFFFFFF7u, 4) + "INFO";
    const struct {
        std::string bytes;
        const char* message;
    } cases[] = {
        {"RIFF\x04\0\0\0AVI ", "riff chunk not found"},
        {"RIFF\xf8\xff\xff\xff", "riff chunk not found"},
        {riffWave(listBack + fmt + data), "format chunk not found"},
        {riffWave(fmt + listOddBack + data), "data chunk not found"},
        {riffWave(fmt + listBack + data), "data chunk not found"},
        {riffWave(data), "format chunk not found"},
        {riffWave(waveChunk("fmt ", waveFormat(1, 8000, 16).substr(0, 14)) + data),
         "can not read format data"},
        {riffWave(waveChunk("fmt ", waveFormat(1, 0, 16)) + data), "can not read format data"},
        {riffWave(waveChunk("fmt ", waveFormat(1, 0x80000000u, 16)) + data),
         "can not read format data"},
        {riffWave(waveChunk("fmt ", waveFormat(3, 8000, 16)) + data), "bad channel number"},
        {riffWave(fmt + waveChunk("LIST", "abcd")), "data chunk not found"},
        {declaredLong, "can not read wave data"},
        // Refused before any allocation, which would otherwise fail first.
        {declaredHuge, "can not read wave data"},
    };
    ASSERT_EQ(0, load(waveFile(1, 44100, kMono)));
    for (const auto& c : cases) {
        EXPECT_EQ(-1, load(c.bytes)) << c.message;
        ASSERT_EQ(c.message, message());
        EXPECT_EQ("120", messages.list()[0].x);
        EXPECT_EQ("140", messages.list()[0].y);
        EXPECT_EQ(kMonoValues, samples()) << c.message;
    }

    EXPECT_EQ(-1, load(riffWave(waveChunk("fmt ", waveFormat(2, 11025, 8)) + data)));
    EXPECT_EQ("Sorry, this program need 16 BitsPerSample", message());
    EXPECT_EQ(11025, sampleFreq) << "the format is taken before the check";
    EXPECT_EQ(8, qt);
    EXPECT_EQ(kMonoValues, samples());

    messages.list().clear();
    nameFull = dir.file("missing.wav").c_str();
    EXPECT_EQ(-1, loadWave());
    EXPECT_EQ("file not found", message());
}

TEST_F(WaveReader, FuzzedFilesEndInSamplesOrOneMessageWithinTimeAndMemory)
{
    const std::set<std::string> known = {
        "file not found", "riff chunk not found", "format chunk not found",
        "can not alloc heap memory for format data", "can not read format data",
        "bad channel number", "Sorry, this program need 16 BitsPerSample",
        "data chunk not found", "can not alloc heap memory for wave data",
        "can not read wave data", "can not alloc"};
    std::vector<int16_t> tone(96);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<int16_t>((i * 2654435761u) >> 16);
    // The head's size; each chunk's size, and the format's channels, rate
    // and bits per sample.
    const FilePart head = {"RIFF" + littleEndian(0, 4) + "WAVE", {{4, 4, false}}, false};
    auto chunk = [](const std::string& id, const std::string& body) {
        FilePart part = {waveChunk(id, body), {{4, 4, false}}, true};
        if (id == "fmt ")
            part.numbers.insert(part.numbers.end(),
                                {{10, 2, false}, {12, 4, false}, {22, 2, false}});
        return part;
    };
    const FilePart list = chunk("LIST", std::string("INFOISFT\x05\0\0\0tone\0\0", 18));
    auto seed = [&](std::vector<FilePart> parts) {
        parts.insert(parts.begin(), head);
        putNumber(parts[0].bytes, parts[0].numbers[0], joinedParts(parts).size() - 8);
        return parts;
    };
    MutationRun run;
    run.seeds = {seed({chunk("fmt ", waveFormat(1, 44100, 16)), chunk("data", pcm16(tone))}),
                 seed({chunk("fmt ", waveFormat(2, 22050, 16)), list, chunk("data", pcm16(tone))}),
                 seed({list, chunk("fmt ", waveFormat(1, 8000, 16)), chunk("fact", "abcd"),
                       chunk("data", pcm16(tone).substr(0, 63))})};
    run.randomSeed = 32;
    run.cases = 1500;
    int result = 0;
    run.prepare = [&](const std::string& bytes) {
        messages.list().clear();
        writeFileBytes(dir.file("w.wav"), bytes);
        nameFull = dir.file("w.wav").c_str();
    };
    run.read = [&](const std::string&) { result = loadWave(); };
    run.judge = [&] {
        if (result != 0)
            return known.count(message()) ? ReadOutcome::Refused : ReadOutcome::Broken;
        bool consistent = messages.list().empty() && qt == 16 && sampleFreq > 0 &&
                          (maxsize == 0 || (siii != nullptr && siii_int != nullptr));
        for (long i = 0; consistent && i < maxsize; ++i)
            consistent = siii_int[i] == siii[i];
        return consistent ? ReadOutcome::Whole : ReadOutcome::Broken;
    };
    // The two chunks read whole, then 2 + 8 bytes for each 2-byte sample.
    run.allocationBound = [](std::size_t size) { return 16384 + 6ull * size; };
    expectSoundMutations(run, "WAV");
}

TEST_F(WaveReader, TheFileIsChosenAndMessagesShownInTheSharedDialogs)
{
    static long answer = 0;
    static SampleWidget* dialog = nullptr;
    static std::string chosen;
    SampleWidget shared(nullptr, "shared");
    shared.initialize();
    dialog = &shared;
    chosen = dir.file("chosen.wav");
    writeFileBytes(chosen, waveFile(1, 8000, kMono));
    setAppDialogHandlers({[](TQCbase*) { return answer; }, [] { return (TQCbase*)dialog; },
                          [] { return (TQCbase*)dialog; },
                          [](TQCbase*) { return TQCstring(chosen.c_str()); }});
    EXPECT_EQ(-1, readWave()) << "cancelled";
    EXPECT_EQ(0, maxsize);
    answer = 1;
    EXPECT_EQ(0, readWave());
    EXPECT_EQ(chosen, nameFull.getString(-2));
    EXPECT_EQ(kMonoValues, samples());

    showAppMessage("file not found", "120", "140");
    EXPECT_EQ(120, shared.x);
    EXPECT_EQ(140, shared.y);
    EXPECT_STREQ("file not found", shared.labelString);
}
