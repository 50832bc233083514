#pragma once
// The palette's page list: one line per page, "Page=TClassA,TClassB"
// (blanks ignored); a line without "=" names a page only. Line order is
// page order. Also the row layout of a page's buttons.
#include <map>
#include <string>
#include <vector>

// The sixteen page names every palette and every saved form starts with.
const std::vector<std::string>& DefaultPaletteNames();

struct TPageOfClass {
    std::string PageName;
    int ItemIndex = 0;  // position of the class within its line
    int PageIndex = 0;  // line number
};

class TPageMap {
public:
    void Parse(const std::vector<std::string>& Lines);
    // nullptr when no line names the class (compared case-insensitively).
    const TPageOfClass* Find(const std::string& ClassName) const;
    // The page names in line order.
    const std::vector<std::string>& PageOrder() const { return FPageOrder; }
    // -1 when the list names no such page (case-insensitive).
    int PagePosition(const std::string& PageName) const;

private:
    std::map<std::string, TPageOfClass> FClasses;  // upper-cased class name
    std::vector<std::string> FPageOrder;
};

struct TButtonPlace {
    int X = 0, Y = 0;
};

struct TSheetLayout {
    std::vector<TButtonPlace> Places;
    bool HasMoreRows = false;
};

// Rows of buttons after the arrow button: a row that would run past the
// client width wraps to x 0 (to ArrowWidth on the row at y 0); ScrollRow
// rows are scrolled out above. HasMoreRows: the last button lies below
// the bottom or starts past the right edge.
TSheetLayout LayoutPaletteRow(const std::vector<int>& Widths, int ButtonHeight, int ClientWidth, int ClientHeight,
                              int ArrowWidth, int ArrowHeight, int ScrollRow);
