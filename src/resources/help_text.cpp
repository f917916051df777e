// Help texts of the text windows and the notebook, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kTextHelp[] = {
    {"QNTEXTFH", R"HELP(TEXT WINDOW - the File menu

A text window shows results as plain text: lists, tables and summaries
that a topic window has written for you. You can read it, change it,
search it, print it and save it. The window is yours to scribble in:
nothing you type here changes the topic window's document.

Open ...          reads a text file (.txt) into the window. Only the
                  first 64 000 characters are read; a text window holds
                  no more than that.
Save              writes the text to its file. The first time, you are
                  asked for a file name.
Save As ...       writes the text under a new name. If the file exists,
                  you are asked before it is overwritten.
Print ...         prints the text in the window's font. A form feed
                  character in the text starts a new page.
Select printer... chooses the printer and the paper.
Offset(s) ...     sets the margins (in centimetres): the horizontal offset
                  is the left margin, the vertical offset the top margin.
                  Margins smaller than 0.64 cm (a quarter inch) are
                  printed as 0.64 cm.
Close             hides the window. Nothing is lost: the topic window
                  shows it again the next time it writes text for you.

TIP  To put a table into a report, use the topic window's "Text out ..."
     and save the text here, or its "TeX output ..." for a TeX file.
)HELP"},
    {"QNTEXTEH", R"HELP(TEXT WINDOW - the Edit menu

Copy              copies the selected text to the clipboard.
Cut               copies the selected text and removes it.
Paste             inserts the clipboard's text at the cursor. A text
                  window holds at most 64 000 characters; anything beyond
                  that is cut off.
Select All        selects the whole text.

Font ...          chooses the typeface and size of the text. A fixed-width
                  face (such as Courier New) keeps the columns of tables
                  lined up; a proportional face does not.
Minus signs ...   replaces every hyphen "-" in the text by another
                  character, given by its code number from 2 to 255. The
                  suggested 150 is the en dash of Windows fonts, which
                  makes negative numbers easier to read in print. Any
                  other number is refused with "cannot understand".

The Search menu finds words in the text:
  Search ... (F1)      asks for a text and finds it, ignoring the
                       difference between capital and small letters.
  Next (F3)            finds the following place.
  Restart at top (F2)  starts the next search at the beginning.
When nothing more is found, the cursor goes back to the top, so the next
search starts at the beginning again.
)HELP"},
    {"QNNOTEFH", R"HELP(NOTEBOOK - the File menu

The notebook is a page for your own notes about the document of its
topic window: what you tried, what you noticed, questions for class.
Its title shows the document it belongs to.

The notes are saved together with that document, in the same file. So
there is no Save command here: save the topic window's document (its
File menu) and the notes go with it. Any change you make to the notes
counts as a change of the document, and the topic window reminds you to
save before it closes.

Print ...         prints the notes. A form feed character starts a new
                  page.
Select printer... chooses the printer and the paper.
Offset(s) ...     sets the left and top margins in centimetres.
Close             hides the notebook; your notes stay with the document.

The Edit and Search menus work as in every text window: copy, cut and
paste, a choice of font, the minus-sign replacement, and searching with
F1 (search), F3 (next) and F2 (back to the top).
)HELP"},
};
extern const size_t kTextHelpCount = sizeof(kTextHelp) / sizeof(kTextHelp[0]);

} // namespace quan
