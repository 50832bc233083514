#pragma once
// The window-free rules of the code-assistance editor: the word under the
// caret, what accepting a template or a list item removes from the line,
// and the parameter hint's tracking of the current parameter.
//
// Lines are display lines; a caret column counts the characters before the
// caret (0 at the line start).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The code window's separators: tab, blank, comma, colon and semicolon.
inline constexpr std::string_view CodeSeparators = "\t ,:;";

struct TWordSpan {
    int Start = 0;
    int Length = 0;
};

// From the caret right to the first separator (or the line end), then left
// to just after the previous separator (or the line start). A caret on a
// separator gives the word that ends there.
TWordSpan WordSpanAt(std::string_view Line, int Caret, std::string_view Separators);
std::string WordAt(std::string_view Line, int Caret, std::string_view Separators);

struct TLineEdit {
    std::string Line;
    int Caret = 0;  // where the insertion goes

    bool operator==(const TLineEdit&) const = default;
};

// Ctrl+J: the template's name under the caret is taken out of the line
// (that occurrence, not an earlier one of the same word) and the caret put
// where it stood, ready for the body.
TLineEdit RemoveWordAtCaret(std::string_view Line, int Caret, std::string_view Separators);

// Accepting a list item: the characters typed since the last blank before
// the caret (looked for from the second character left of the caret down
// to the line start) are taken out, so the item's name replaces them.
TLineEdit RemoveTypedWord(std::string_view Line, int Caret);

// A template body as inserted: its lines joined with CR LF, with a final
// CR LF.
std::string TemplateInsertText(const std::vector<std::string>& Body);

// A macro list item's parameter text ("name a, b " gives "a, b") and the
// number of parameters (commas plus one, 0 without a comma). A macro with
// fewer than two parameters shows no hint.
struct TParamInfo {
    std::string HintText;
    int ParamCount = 0;
    bool Accepted() const { return ParamCount > 0; }
};
TParamInfo ParseParams(std::string_view Item);

// The hint's pieces: HintText cut at blanks (empty pieces dropped).
std::vector<std::string> HintPieces(std::string_view HintText);

// Where the hint draws its pieces: from x 5, each advancing by its width
// + 2, the current parameter (1-based) in bold. Width measures a text in
// the normal or bold style.
struct THintPiece {
    std::string Text;
    int X = 0;
    bool Bold = false;
};
using THintTextWidth = std::function<int(const std::string& Text, bool Bold)>;
std::vector<THintPiece> LayoutHint(std::string_view HintText, int CurrentParam, const THintTextWidth& Width);
// The hint window's width: the whole text in the normal style + 5 per
// parameter + 15.
int HintWindowWidth(std::string_view HintText, int ParamCount, const THintTextWidth& Width);

// What the editor must do after the tracker has seen an event.
enum class THintAction { None, Repaint, Hide, HideAndRefresh };

// The parameter hint's state between the moment it opens and the moment
// it hides.
class TParamHintTracker {
public:
    bool Visible() const { return FVisible; }
    const std::string& HintText() const { return FHintText; }
    int ParamCount() const { return FParamCount; }
    int CurrentParam() const { return FCurrentParam; }  // 1-based
    int HintColumn() const { return FHintColumn; }
    int HintLine() const { return FHintLine; }

    // Opens the hint for a list item at the caret; false (and nothing
    // shown) when the macro takes fewer than two parameters.
    bool Open(std::string_view Item, int CaretColumn, int CaretLine);
    void Hide() { FVisible = false; }

    // The caret moved. LeftChar is the character left of the caret ('\0'
    // at the line start).
    THintAction CaretMoved(int CaretColumn, int CaretLine, char LeftChar);
    // Key downs: Left, Backspace, anything else; and the focus lost.
    THintAction KeyLeft(char LeftChar);
    THintAction KeyBackspace(int CaretColumn, char LeftChar);
    void OtherKey() { FSkipTrack = false; }
    THintAction FocusLost();

private:
    THintAction StepBack(char LeftChar);

    bool FVisible = false;
    std::string FHintText;
    int FParamCount = 0;
    int FCurrentParam = 1;
    int FHintColumn = 0;
    int FHintLine = 0;
    bool FSkipTrack = false;
};
