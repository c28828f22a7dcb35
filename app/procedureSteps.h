// Steps that several procedures take on the main window's widgets.
#ifndef PROCEDURESTEPS_H
#define PROCEDURESTEPS_H

class TQCbase;

// winStartX and winStartY from the widget's own x and y.
void storeMessagePosition(TQCbase* object);

// selsize from the combo box's text when that is one of the sizes the box
// offers; any other text is replaced by the size in use (1024 before any),
// which stays. True when the loaded channel can hold the size.
bool takeTransformSize();
// Before the box's own procedure changes anything: true when the box shows
// an offered size the loaded channel can hold; otherwise the box shows the
// size in use again and nothing is to change.
bool sizeBoxOffersAUsableSize();
// paraNoise from the noise field's text, when it converts.
void takeNoiseLevel();
// effectmaxsize and ratio_max_slider for the current sizes.
void setSliderRatio();

// The slider newvsli_000 when it is there (checked by class), else null.
TQCbase* findSlider();
// The slider's value as "%ld"; false when the object is not a slider.
bool sliderValue(TQCbase* object, long* value);
// Puts the slider back to its minimum over the range 0 .. slidersize;
// returns it, or null when it is not there.
TQCbase* resetSlider();

// After a new stretch was taken from sample 0: both waveform pictures, the
// analysis arrays reallocated, the pass, and the slider reset, which then
// runs its procedures of sliderTrigger.
void analyseFirstStretch(long (*reallocate)(), long sliderTrigger);

#endif
