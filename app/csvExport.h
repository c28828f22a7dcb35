// Export of the current analysis as four CSV files beside the WAV file.
#ifndef CSVEXPORT_H
#define CSVEXPORT_H

// Writes, in nameDir, <stem>off<selpos>size<selsize> followed by
// "ObsWav.csv" (the stretch), "ResPowPara<noise>Wav<ratio>.csv" (the
// restored stretch), "ObsPow.csv" and "ResPowPara<noise>.csv" (the windowed
// and restored spectra in dB), rows "%lf,%lf" of seconds or Hz and value.
// Nothing without a loaded file name, a rate, or a stretch the channel can
// hold; an array not allocated at selsize, or a file that cannot be opened,
// is skipped. Shows no message.
void writeAnalysisCsv();

#endif
