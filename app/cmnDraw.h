// Drawing of the waveform and the spectra. Each drawing area of the main
// window has an off-screen device; the application draws only there, and the
// area's expose procedure copies the whole image to the screen. An area is
// any widget with "width" and "height"; the display operations draw only on
// a "TQCvdrawingArea".
//
// Every picture is drawn inside margins of 3 % of the area's size
// (mx = 3w/100, my = 3h/100). Lines take the drawing backend's current
// foreground colour on a white canvas.
#ifndef CMNDRAW_H
#define CMNDRAW_H

#include "_TQCstring.h"

class TQCbase;
class TQDmwindowDev;

// The off-screen devices of the drawing areas newvdra_001 (whole channel),
// newvdra_002 (stretch), newvdra_000 (windowed power), newvdra_003
// (restored) and newvdra_006 (plain power). Made by the areas' initialise
// procedures; they live as long as the program.
extern TQDmwindowDev* mdev;
extern TQDmwindowDev* mdev2;
extern TQDmwindowDev* mdev3;
extern TQDmwindowDev* mdev4;
extern TQDmwindowDev* mdev7;

// Largest value starting from -1.0 (so never below -1.0), and smallest value
// starting from the first; both -1.0 for n <= 0.
double findMax(double* v, long n);
double findMin(double* v, long n);
double findMax(short* v, long n);
double findMin(short* v, long n);
// Both at once, in one pass shared with the work pool.
void findMaxAndMin(const double* v, long n, double* max, double* min);

// A new off-screen device of the area's size; null when none can be made.
TQDmwindowDev* newAreaDevice(TQCbase* area);

// Clear to white and draw the waveform axis.
void drawScale(TQCbase* area, TQDmwindowDev* dev);
// Clear and draw the axes of a dB plot with a tick every 1000 Hz within
// minX .. maxX Hz below rate / 2; 0 dB is at the top.
void drawScaleMinus(TQCbase* area, TQDmwindowDev* dev, long rate, long minX, long maxX);
// Clear and draw a full-band frequency scale along the bottom.
void drawScalePlus(TQCbase* area, TQDmwindowDev* dev, long rate);
// The position line of sample pos of n, without clearing.
void drawScalePos(TQCbase* area, TQDmwindowDev* dev, long n, long pos);

// n samples over the plot width, min at the bottom edge; a polyline below
// 4 samples a pixel, one vertical min-max line per group of samples above.
// A zero range draws nothing.
void drawWave(TQCbase* area, TQDmwindowDev* dev, double* v, long n, double max, double min);
// Symmetric range -amp .. amp about the middle, always a polyline.
void drawWave(TQCbase* area, TQDmwindowDev* dev, double* v, long n, double amp);
void drawWave(TQCbase* area, TQDmwindowDev* dev, short* v, long n, short amp);
void drawWave(TQCbase* area, TQDmwindowDev* dev, short* v, long n, short max, short min);
// Range 0 .. max, from the bottom margin up.
void drawWavePlus(TQCbase* area, TQDmwindowDev* dev, double* v, long n, double max);
// Bins start .. end - 1 of a dB array over the plot width, minY .. maxY.
void draw_dB(TQCbase* area, TQDmwindowDev* dev, double* v, long n, long start, long end,
             double minY, double maxY);

// Find the area by class and instance name, draw into dev (into a device
// of its own for this call when dev is null), then run the area's expose
// procedures. Nothing happens for a null v or an area that is not there.
// The device made for a null dev is deleted at the end of the call.
void display_wave(double* v, long n, TQCstring className, TQCstring instanceName,
                  TQDmwindowDev* dev, double max, double min);
// display_wave, then the two position lines of the stretch pos .. pos + size - 1.
void display_wave_posline(double* v, long n, TQCstring className, TQCstring instanceName,
                          TQDmwindowDev* dev, double max, double min, long pos, long size);
void display_db(double* v, long n, TQCstring className, TQCstring instanceName,
                TQDmwindowDev* dev, long rate, long minX, long maxX, long minY, long maxY,
                long startBin, long endBin);

#endif
