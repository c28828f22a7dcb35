// The walk through the chunks of a RIFF/WAVE file. Wine's mmioDescend steps
// from chunk to chunk in 32 bits and bounds its search by neither the parent
// nor the file, so a size such as 0xFFFFFFF8 brings a search back onto the
// header it has just read. Here mmioDescend only ever reads the header in
// front of it; every chunk passed over must end within its parent and the
// file, so each step moves on and the walk ends within the file.
#ifndef READWAVECHUNKS_H
#define READWAVECHUNKS_H

#include "TQwin32.h"
#include <mmsystem.h>

// Descends into the first chunk "RIFF" of form type "WAVE" among the file's
// top-level chunks, leaving the file after the form type; false when there
// is none.
bool descendIntoRiffWave(HMMIO file, MMCKINFO* riff);

// Descends into the first chunk `id` inside riff from the file's current
// position on (as mmioDescend with MMIO_FINDCHUNK does), leaving the file
// at its data; false when there is none. The chunk found may still run past
// the file: its reader checks that.
bool descendIntoChunk(HMMIO file, const MMCKINFO& riff, FOURCC id, MMCKINFO* chunk);

#endif
