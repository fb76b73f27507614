#pragma once
// Where each caption shows on a window's picture, for reading it back with OCR after the run
// (e2e/read-captions.sh): the program's own word on whether a caption fits is never the judge.
#include <windows.h>

#include <string>
#include <string_view>

#include "Screenshot.h"

namespace e2e {

// The part of the picture that holds a caption, in the picture's pixels. `box` is the caption's
// box there; a label's text may run on below it through blank room, and the crop follows it
// down to the first gap wider than any between the text's own lines.
RECT CaptionArea(const Picture& picture, RECT box, bool runsBelow);

// The box of an option button or a check box without its mark: from the first blank column
// after the mark's ink.
RECT AfterMark(const Picture& picture, RECT box);

// A caption's last words as the OCR pass compares them: lower case, accents dropped, letters and
// digits only, words parted by one blank.
std::string LastWords(std::string_view caption, int count);

// Writes the area as black ink on white to captions/N.bmp in the screenshot folder, and adds a
// line to captions.tsv there: that file, the words to find in it and the caption as named.
void ListCaption(const Picture& picture, RECT area, const std::string& words,
                 const std::string& what);

}  // namespace e2e
