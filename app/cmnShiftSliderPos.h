// Moving the stretch by a number of samples, for the step buttons.
#ifndef CMNSHIFTSLIDERPOS_H
#define CMNSHIFTSLIDERPOS_H

// Moves selpos by n samples within 0 .. effectmaxsize, analyses and redraws
// everything, and moves the slider to match. Nothing without a loaded
// channel, a slider, or a stretch the channel can hold.
void shiftSliderPos(long n);

#endif
