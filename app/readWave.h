// The WAV file reader: asks for a file in the shared file selection dialog,
// reads a RIFF/WAVE file of 16-bit samples in one or two channels (asking
// which channel to take when there are two), and leaves that channel in
// siii and siii_int. Every refusal is reported on the message road at
// winStartX, winStartY.
#ifndef READWAVE_H
#define READWAVE_H

class TQCbase;

// The channel dialog and the radio group or label found last.
extern TQCbase* objectBase;

// chooseWaveFile, then loadWave: 0 when a channel was loaded, -1 when the
// choice was cancelled (no message) or the file refused.
int readWave();

// Places the file dialog beside the main window (winStartX and winStartY
// become its x + 20 and y + 20) and shows it; on OK sets nameFull, nameDir
// and nameFile and returns 0, else -1.
int chooseWaveFile();

// Reads the file nameFull. 0, or -1 after a message. Samples are replaced
// only by a file that is read whole; a refusal before that leaves the
// previous channel as it was. The reader never reads or allocates more
// than the file holds.
int loadWave();

#endif
