// Help texts of the graphics windows, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kGraphicsHelp[] = {
    {"QNPICFH", R"HELP(THE FILE MENU OF A PICTURE WINDOW

Print ... (Ctrl+P)
  prints the picture on one page, always on a white background.

Format ... (Ctrl+Shift+P)
  sets where the picture goes on the paper: the offsets of its upper
  left corner, its printed width (all in centimetres), whether a thin
  frame is drawn around it ("frame image") and whether your printer
  prints colours ("color printer"; without it every colour is printed
  as a shade of grey).

Select printer ...
  chooses the printer.

Copy to clipboard
  puts the picture on the clipboard as an image, as SVG and as an
  enhanced metafile at once; a word processor or a slide program takes
  the one it likes best (LibreOffice and Word keep the metafile sharp
  when it is enlarged).

Bitmap to clipboard
  puts the drawing area on the clipboard as an image, exactly as you
  see it on the screen.

High resolution
  when checked, metafiles (Copy to clipboard, Metafile ...) are drawn
  at nine times the screen's resolution, for large printouts.

With back color
  when checked, copies include the background colour; otherwise the
  background stays transparent.

Export graphics
  writes the picture to a file: EPS (for LaTeX and print shops), SVG
  (for web pages), PiCTeX (picture commands to paste into a TeX or
  LaTeX document), a metafile, or a BMP bitmap. Pictures that come in
  steps ask for a number of pages and write one file per step
  (pic00.eps, pic01.eps, ...). A file that is already there is only
  replaced when you say so.

  Which format for what:
  EPS ...    for handouts: a LaTeX document takes it with
               \usepackage{graphicx} ... \includegraphics{pic.eps}
             (compile with latex and dvips, or with pdflatex, which
             converts it); a word processor inserts it as a picture.
  SVG ...    for web pages and slides: <img src="pic.svg"> in a web
             page; browsers and Inkscape open it. "width" and "height"
             give the size of the image in pixels. With several pages,
             picANIM.txt lists the page files in order.
  PiCTeX ... for TeX and LaTeX documents without any picture files;
             the text of the labels is set by TeX itself. "width (cm)"
             is the printed width of the picture. The four kinds:
             TeX standalone   puts the picture into box "box number":
                              \input pictex  \input pic.tex  \box1
             LaTeX2e standalone  loads PiCTeX itself: \input{pic.tex}
                              in the document, on a line of its own
             TeX compilable   a whole document: run  tex pic.tex
             TeX insertable   just the picture: \input pic.tex where
                              PiCTeX is loaded (\usepackage{pictex}
                              in LaTeX)
             With "pages" checked, every step is one file, and
             picANIM.tex shows them as an animation in a LaTeX
             document with \usepackage{pictex}, \usepackage{animate}:
                \input{picANIM.tex}
  Metafile ...  an enhanced metafile (.emf) for word processors and
             slides (LibreOffice, Word, PowerPoint insert it as a
             picture that stays sharp when enlarged).
  BMP ...    a bitmap of the drawing area, pixel for pixel, to hand in
             or to open in any image program.

Print format: the picture's upper left corner goes "horizontal offset"
  and "vertical offset" from the paper's edges, and the picture is
  "width" wide; its height follows from the window's shape.

Image size ...
  makes the drawing area a given size. Type the width and the height in
  centimetres (0.5 to 27). To give them in pixels instead, end one of
  the entries with an at sign: 400@ and 300 make a drawing area of 400
  by 300 pixels. Pixel sizes must be at least 50, and the window must
  fit on your screen. The window moves to the upper left corner of the
  screen.

Decimal places ...
  how many digits after the decimal point the window shows.

Notebook
  opens a notebook for your own notes; they are saved with the
  document.

Exit
  closes this window (you are asked first if there are unsaved
  changes).
)HELP"},
    {"QNPICVH", R"HELP(THE VIEW MENU OF A PICTURE WINDOW

The window shows a rectangle of the plane, the view. These commands
move and resize that rectangle; the picture itself does not change.

View ...
  type the view in: the centre ("hori", "vert") and the half-width
  ("width"), or the four edges ("left", "right", "down", "up"). Press
  "apply" to see it; the box stays open until you press "close". The
  left edge must be smaller than the right one, and "down" smaller than
  "up".

Zoom Out (PgDn) / Zoom In (PgUp)
  shows more (or less) of the plane around the same centre. Each step
  multiplies (or divides) the width of the view by the dilation factor.

Factor ...
  the dilation factor of one zoom step, 1.1 to start with. A factor of
  2 doubles or halves the view at each step.

Shift Right / Left / Up / Down (arrow keys)
  slides the view; each step moves it by a percentage of its width or
  height.

Percentage ...
  how far one shift step moves the view, in percent (1 to start with).

Last window (Ctrl+L)
  goes back to the view you had before the last change. You can go
  back step by step as far as you like.

Axes
  shows or hides the coordinate axes.

Solid arrowheads
  draws the arrowheads at the ends of the axes filled instead of as
  two strokes.

Opaque
  puts the scale numbers on a small patch of background colour, so
  that grid lines do not run through them.

Grid ... (Ctrl+G)
  all settings of the axes and the grid in one box: which axes, ticks
  and their spacing, arrows, the letters at the axis ends, the scale
  numbers (also in multiples of pi), a rectangular grid in any of the
  four quadrants, a polar grid of circles and sectors, dots where the
  grid lines cross, and dotted grid lines.

Axes thickness / Gridlines thickness
  line widths in pixels on the screen and on paper. A printed width
  below 1 is taken as 1.

Hyphen to minus ...
  the scale numbers normally show negative numbers with a hyphen. Type
  the code of the character to use instead (between 32 and 255; 150 is
  a long dash in most fonts). Cancel switches the replacement off.
)HELP"},
    {"QNPICCH", R"HELP(THE COLORS MENU OF A PICTURE WINDOW

Each item chooses the colour of one part of the picture: the
background, the axes, the grid lines and the parts the topic draws.

The colour window opens. Click a colour to use it. Click it again, or
the strip at the top, to change the colour itself: type its red, green
and blue parts (each 0 to 255) and press "apply". Black and white
cannot be changed.

A line drawn in the background colour would be invisible, so on the
screen it is drawn in black instead (in white when the background is
black).
)HELP"},
};
extern const size_t kGraphicsHelpCount = sizeof(kGraphicsHelp) / sizeof(kGraphicsHelp[0]);

} // namespace quan
