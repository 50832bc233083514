#include "ide/CodeWindowText.h"

#include <algorithm>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "ide/CodeAssist.h"
#include "ide/ProjectFile.h"

std::string IncludeNameAt(std::string_view Line, int Caret, std::string_view Separators) {
    return ReplaceChar(WordAt(Line, Caret, Separators), '"', "");
}

std::string ExtensionFilter(std::string_view Name) {
    const std::string Ext = ExtractFileExt(Name);
    return Ext + " Files | *" + Ext;
}

TContextMenuChange ContextMenuChange(std::string_view SelText, std::string_view CaretLine, int Caret,
                                     std::string_view Separators) {
    TContextMenuChange C;
    if (SelText.empty()) {
        C.CollapseVisible = false;
        C.ExpandVisible = false;
    } else if (SelText.find('\r') != std::string_view::npos) {
        C.ExpandVisible = false;
        C.CollapseVisible = true;
    } else if (CaretLine.find("include") != std::string_view::npos) {
        std::string Word = IncludeNameAt(CaretLine, Caret, Separators);
        if (!Word.empty()) {
            C.ExpandVisible = true;
            C.ExpandWord = std::move(Word);
        }
    }
    return C;
}

std::string IncludeFolder(const std::string& ProjectDir, const std::string& WindowFileName,
                          const std::string& CurrentDir) {
    if (!ProjectDir.empty()) return ProjectDir;
    const std::string Own = ExtractFilePath(WindowFileName);
    return Own.empty() ? CurrentDir : Own;
}

std::string IncludeFilePath(const std::string& Folder, std::string_view Name) {
    return ProjectMemberPath(Folder, Name);
}

std::string TextBetween(const std::vector<std::string>& Lines, TTextPoint Start, TTextPoint End) {
    std::string R;
    for (int L = Start.Line; L <= End.Line && L < static_cast<int>(Lines.size()); ++L) {
        const std::string& Text = Lines[L];
        const size_t From = L == Start.Line ? std::min<size_t>(Start.Col, Text.size()) : 0;
        const size_t To = L == End.Line ? std::min<size_t>(End.Col, Text.size()) : Text.size();
        if (L > Start.Line) R += "\r\n";
        if (To > From) R += Text.substr(From, To - From);
    }
    return R;
}

TCollapse CollapseSelection(const std::vector<std::string>& Lines, TTextPoint Start, TTextPoint End,
                            std::string_view Name) {
    TCollapse C;
    C.FileName = ChangeFileExt(Name, ".inc");
    C.FileText = TextBetween(Lines, Start, End) + "\r\n";
    C.IncludeLine = "include \"" + C.FileName + "\"";

    const int Last = static_cast<int>(Lines.size()) - 1;
    Start.Line = std::clamp(Start.Line, 0, std::max(Last, 0));
    End.Line = std::clamp(End.Line, Start.Line, std::max(Last, 0));
    const std::string Empty;
    const std::string& First = Lines.empty() ? Empty : Lines[Start.Line];
    const std::string& Final = Lines.empty() ? Empty : Lines[End.Line];
    const std::string Before = First.substr(0, std::min<size_t>(Start.Col, First.size()));
    const std::string After = Final.substr(std::min<size_t>(End.Col, Final.size()));

    C.Lines.assign(Lines.begin(), Lines.begin() + std::min<size_t>(Start.Line, Lines.size()));
    if (Before.empty()) {
        C.IncludeLineIndex = static_cast<int>(C.Lines.size());
        C.Lines.push_back(C.IncludeLine);
        if (!After.empty()) C.Lines.push_back(After);
    } else {
        C.Lines.push_back(Before + After);
        C.IncludeLineIndex = static_cast<int>(C.Lines.size());
        C.Lines.push_back(C.IncludeLine);
    }
    if (!Lines.empty()) C.Lines.insert(C.Lines.end(), Lines.begin() + End.Line + 1, Lines.end());
    return C;
}

std::vector<std::string> ExpandInclude(const std::vector<std::string>& Lines, int IncludeLineIndex,
                                       const std::vector<std::string>& FileLines) {
    std::vector<std::string> R = Lines;
    if (IncludeLineIndex < 0 || IncludeLineIndex >= static_cast<int>(R.size())) return R;
    R[IncludeLineIndex] = ";" + R[IncludeLineIndex];
    R.insert(R.begin() + IncludeLineIndex + 1, FileLines.begin(), FileLines.end());
    return R;
}
