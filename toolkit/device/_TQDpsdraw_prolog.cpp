// The prolog of every PostScript document: the "tq_" procedures that the
// drawing operations call, in one dictionary, then the memory state saved
// for the page.
#include "_TQDpsdraw_internal.h"

namespace tqps {

const char kProlog[] = R"PS(%!
/tq_dict 6 dict def
tq_dict begin
/copyfont {
  dup maxlength 1 add dict begin
  { 1 index /FID ne 2 index /UniqueID ne and { def } { pop pop } ifelse } forall
  currentdict end
} bind def
% name single-byte-font double-byte-font eucfont: a composite font of the two.
% A double-byte font that is neither CID-keyed nor an 8/8 or 9/7 composite
% (what an interpreter substitutes for a font it lacks) gives way to the
% single-byte font alone, so that Latin text still prints.
/eucfont {
  dup type /nametype eq { findfont } if
  exch dup type /nametype eq { findfont } if exch
  dup /FMapType known { dup /FMapType get } { 0 } ifelse
  9 eq {
    /CIDInit /ProcSet findresource begin
    12 dict begin
    begincmap
    dup /CMap get /CMapName get usecmap
    /CIDSystemInfo [
      2 index /FDepVector get 0 get /CIDSystemInfo get
      3 dict copy
      null
    ] def
    /CMapName /tq_EUCFontCMap def
    /CMapVersion 1 def
    /CMapType 1 def
    /WMode 0 def
    1 usefont
    1 beginbfrange
    <20> <7f> <20>
    endbfrange
    endcmap
    CMapName currentdict /CMap defineresource pop
    end
    end
    /kanjifont exch def
    /tq_EUCFontCMap [ kanjifont /FDepVector get 0 get 4 -1 roll ] composefont pop
  } {
    12 dict begin
    dup /WMode known { dup /WMode get 1 eq } { false } ifelse
    { [0.0 1.0 -1.0 0.0 0.0 0.30] makefont } if
    copyfont
    dup /FMapType known { dup /FMapType get } { 0 } ifelse
    dup 2 eq { pop 128 } { 5 eq { 256 } { -1 } ifelse } ifelse
    dup 0 lt {
      pop pop copyfont
    } {
      1 index /Encoding get exch dup getinterval 1 index exch /Encoding exch put
      /kanjifont exch /kanjifont exch definefont def
      /FDepVector [ 3 -1 roll kanjifont ] def
      /FontType 0 def
      /FMapType 4 def
      /FontMatrix matrix def
      /Encoding [0 1] def
      /FontBBox {0 0 0 0} def
      dup /FontName exch def
      currentdict
    } ifelse
    end
    definefont pop
  } ifelse
} def
/tq_fontDescent {
  dup /FontType get 0 eq {
    dup /FDepVector get 0 exch { tq_fontDescent 2 copy lt { exch } if pop } forall
    exch /FontMatrix get 3 get mul
  } {
    dup /FontBBox get 1 get exch /FontMatrix get 3 get mul neg
  } ifelse
} def
/tq_makefont {
  exch dup tq_fontDescent 2 index 3 get mul
  2 index 5 get add 2 index exch 5 exch put
  exch makefont
} def
/tq_whshow {
  gsave
  2 index stringwidth pop
  dup 0 eq {
    pop pop pop pop
  } {
    gsave newpath 0 0 moveto 3 index false charpath flattenpath pathbbox grestore
    pop 3 index exch sub dup 0 lt { pop 0 } if add exch pop
    dup 3 index gt { 2 index exch div } { pop 1 } ifelse
    exch 3 index exch div exch scale
    pop pop show
  } ifelse
  grestore
} def
/tq_ellipsedict 6 dict def
tq_ellipsedict /mtrx matrix put
/tq_ellipse {
  tq_ellipsedict begin
  /yrad exch def /xrad exch def /y exch def /x exch def
  /savematrix mtrx currentmatrix def
  x y translate xrad yrad scale
  0 0 1 0 360 arc
  savematrix setmatrix
  end
} def
/tq_arcdict 8 dict def
tq_arcdict /mtrx matrix put
% x y xrad yrad startangle endangle operator: the operator (arc or arcn)
% traces the unit circle's arc in the ellipse's box.
/tq_ellipticarc {
  7 1 roll
  tq_arcdict begin
  /endangle exch def /startangle exch def
  /yrad exch def /xrad exch def /y exch def /x exch def
  /savematrix mtrx currentmatrix def
  x y translate xrad yrad scale
  0 0 1 startangle endangle 6 -1 roll exec
  savematrix setmatrix
  end
} def
% The page's y axis points down: tq_arc traces with arcn, tq_arcn with arc.
/tq_arcn { /arc load tq_ellipticarc } def
/tq_arc { /arcn load tq_ellipticarc } def
/tq_hatchdict 10 dict def
/tq_hatchbyte {
  retstr exch hatch i cellsz mod get put
} def
/tq_hatchproc {
  0 1 widthlim { tq_hatchbyte } for
  /i i 1 add def
  retstr
} def
/tq_hatchfill {
  tq_hatchdict begin
  /h exch def /w exch def /lty exch def /ltx exch def
  /cellsz exch def /hatch exch def
  /widthlim w cellsz div cvi 1 sub def
  /retstr widthlim 1 add string def
  /i 0 def
  tq_origctm setmatrix
  ltx lty translate
  w h true [1 0 0 1 0 0] { tq_hatchproc } imagemask
  ltx neg lty neg translate
  end
} def
/hatch1 <0102040810204080> def
/hatch2 <8040201008040201> def
/hatch3 <9999999999999999> def
/hatch4 <ff0000ffff0000ff> def
/hatch5 <9966669999666699> def
/hatch6 <ff6666ffff6666ff> def
/hatch7 <0066660000666600> def
/tq_imgdict 4 dict def
/tq_bwpicstr 1 string def
/tq_colorpicstr 3 string def
/tq_setpixels {
  tq_imgdict exch /pixels exch put
} def
/tq_setpix {
  tq_imgdict /pixels get 3 1 roll putinterval
} def
/tq_colorspot {
  3 mul tq_imgdict /pixels get exch 3 getinterval
  0 1 2 { 1 index 1 index get 255 mul cvi tq_colorpicstr 3 1 roll put } for
  pop tq_colorpicstr
} def
/tq_newcolorspot {
  3 mul tq_imgdict /pixels get exch 3 getinterval aload pop setrgbcolor
} def
/tq_colordict 5 dict def
% w h paint tq_pixelloop: for each pixel, row by row, reads one hexadecimal
% byte from the file and runs paint on it; paint leaves true to fill the
% pixel's unit square.
/tq_pixelloop {
  tq_colordict begin
  /paint exch def /h exch def /w exch def
  0 1 h 1 sub {
    /y exch def
    0 1 w 1 sub {
      /x exch def
      currentfile tq_bwpicstr readhexstring pop 0 get paint {
        newpath x y moveto 1 0 rlineto 0 1 rlineto -1 0 rlineto closepath fill
      } if
    } for
  } for
  end
} def
systemdict /colorimage known not {
  /colorimage { pop pop pop pop pop { tq_newcolorspot true } tq_pixelloop } def
} if
/tq_transcolorspot {
  3 mul tq_imgdict /pixels get exch 3 getinterval aload pop
  dup 0 lt { pop pop pop false } { setrgbcolor true } ifelse
} def
/tq_transcolorimage {
  pop pop pop pop pop { tq_transcolorspot } tq_pixelloop
} def
/tq_regiondict 4 dict def
/tq_setregion {
  tq_regiondict begin
  /_clip_h exch def /_clip_w exch def /_clip_y exch def /_clip_x exch def
  end
} def
/tq_cliprect {
  newpath 4 2 roll moveto
  1 index 0 rlineto 0 exch rlineto neg 0 rlineto
  closepath clip newpath
} def
/tq_clipregion {
  tq_regiondict begin _clip_x _clip_y _clip_w _clip_h end tq_cliprect
} def
/tq_unmaskedimage {
  8 [1 0 0 1 0 0]
  { currentfile tq_bwpicstr readhexstring pop 0 get tq_colorspot }
  false 3 colorimage
} def
/tq_maskedimagedict 2 dict def
% The pattern's PaintProc reads the pixel rows the first time a fill uses
% the pattern, here a fill of no area; imagemask then reads the mask rows.
% The steps are twice the image, so that no neighbouring tile shows at the
% image's edges when the page is rendered at a low resolution.
/tq_maskedimage {
  tq_maskedimagedict begin
  /imgh exch def /imgw exch def
  <<
    /PatternType 1 /PaintType 1 /TilingType 1
    /BBox [0 0 imgw imgh] /XStep imgw 2 mul /YStep imgh 2 mul
    /PaintProc { pop imgw imgh tq_unmaskedimage }
  >> matrix makepattern setpattern
  gsave
  newpath 0 0 moveto 0 1 lineto clip
  newpath 2 0 moveto 2 1 lineto fill
  grestore
  imgw imgh true [1 0 0 1 0 0]
  { currentfile tq_bwpicstr readhexstring pop }
  imagemask
  end
} def
end

tq_dict begin
/tq_savedpage save def
1 setmiterlimit
1 setlinewidth
0 setgray
)PS";

} // namespace tqps
