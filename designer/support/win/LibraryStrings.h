#pragma once
// Texts of the library's string table (the module the designer is linked
// into), which its windows set over their form files' texts.
#include <string>

class TStrings;

// The string of Id; Fallback when the table has none.
std::string LibraryString(unsigned Id, const std::string& Fallback);
// Line n becomes the string of FirstId + n; a line without one stays.
void LoadLibraryLines(TStrings* Lines, unsigned FirstId);

// A control's or a menu item's caption from the table.
template <class T>
void CaptionFromLibrary(T* Item, unsigned Id) {
    Item->SetCaption(LibraryString(Id, Item->Caption()));
}
