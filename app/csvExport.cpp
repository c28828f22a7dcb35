// "out csv": the stretch, the restored stretch and the two spectra as CSV.
#include "csvExport.h"

#include "analysisState.h"
#include "appProcedures.h"
#include "procedureSteps.h"

#include "_TQCfunctionRegister.h"
#include "_TQDfile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// The file name without its last "." and what follows it.
TQCstring fileStem()
{
    TQCstring stem = nameFile;
    const long words = stem.getWords(".");
    const long lastChars = stem.getWord(words - 1, ".").getChars();
    const long lastStart = stem.getWordCharPos(words - 1, ".");
    if (lastStart > 0)
        stem.deleteChars(lastStart - 1, lastChars + 1);
    return stem;
}

TQCstring formatted(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return TQCstring(text, -2);
}

TQCstring formatted(const char* format, long value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return TQCstring(text, -2);
}

// rows rows of x = i * step and the array's element i, when the array holds
// the analysis of the current size.
// The file goes through the toolkit's file object, which hands the name to
// the system whole, whatever characters it holds.
void writeRows(TQCstring name, const double* array, long rows, double step)
{
    if (array == nullptr || analysisSize != selsize)
        return;
    std::unique_ptr<TQDfile> file(TQDfile::getNewInstance());
    char mode[] = "w";
    if (file->open(name.getString(-2), mode) != 0)
        return;
    for (long i = 0; i < rows; ++i) {
        // Room for two of the longest doubles "%lf" can print.
        char row[768];
        const int length = std::snprintf(row, sizeof row, "%lf,%lf\n", i * step, array[i]);
        file->write(row, std::min<long>(length, sizeof row - 1));
    }
    file->close();
}

} // namespace

void writeAnalysisCsv()
{
    if (*nameFile.getString(-2) == '\0' || sampleFreq == 0 || selsize == 0 || selsize > maxsize)
        return;
    const double secondsStep = 1.0 / sampleFreq;
    const double hzStep = (sampleFreq * 0.5) / (selsize * 0.5);
    const TQCstring noise = formatted("%0.012f", static_cast<double>(paraNoise));
    const TQCstring ratio = formatted("%0.03f", static_cast<double>(ratio4accept));
    const TQCstring base = nameDir + "//" + fileStem() + "off" + formatted("%06ld", selpos) +
                           "size" + formatted("%05ld", selsize);
    const TQCstring resPow = base + "ResPowPara" + noise;
    writeRows(base + "ObsWav.csv", seliii, selsize, secondsStep);
    writeRows(resPow + "Wav" + ratio + ".csv", seliiiR, selsize, secondsStep);
    writeRows(base + "ObsPow.csv", power_db, selsize / 2, hzStep);
    writeRows(resPow + ".csv", restore_db, selsize / 2, hzStep);
}

void btn3act_ep(TQCbase*)
{
    if (findSlider() == nullptr)
        return;
    writeAnalysisCsv();
}

namespace {

TQCfunctionRegister g_btn3act("btn3act_ep", reinterpret_cast<void*>(btn3act_ep));

} // namespace
