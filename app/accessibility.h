#pragma once

// The counter as a screen reader meets it, made once for the program before its first window:
// the banner, where the keyboard's focus rests, is the countdown, named by the whole sentence as
// it stands when asked, and says nothing more, so that the focus coming back tells the sentence
// once; each figure is its number with its unit ("15 hours");
// each entry of the menu bar tells, beside its name, that it is in the menu bar, which of how
// many, and what it does (its status tip). Everything is made when asked, so that the ticking
// itself tells nothing.
void installAccessibleInterfaces();
