#pragma once
// Justified lines: the free width of a line is spread over its spaces from
// the justification start on. Painting and caret placement walk the same
// spaces in the same order, so both get the same extra pixels.
#include <algorithm>
#include <cstdint>

#include "editor/QuillTypes.h"

class TJustifySpacer {
public:
    TJustifySpacer() = default;
    TJustifySpacer(int32_t FreeWidth, int32_t Spaces) {
        if (FreeWidth <= 0 || Spaces <= 0) return;
        FSpaces = Spaces;
        FShare = FreeWidth / Spaces;
        FRemainder = FreeWidth % Spaces;
        FError = FRemainder / 2;
    }
    // Extra pixels of the next space: every space gets the share; the
    // remainder goes one pixel at a time, spread by an error term.
    int32_t Next() {
        if (FSpaces <= 0) return 0;
        int32_t Extra = FShare;
        FError += FRemainder;
        if (FError >= FSpaces) {
            FError -= FSpaces;
            ++Extra;
        }
        return Extra;
    }

private:
    int32_t FSpaces = 0;
    int32_t FShare = 0;
    int32_t FRemainder = 0;
    int32_t FError = 0;
};

// A display line is justified when justification is on, it has counted
// spaces and it is not the paragraph's last line.
inline bool IsJustifiedLine(bool Justified, const TDisplayLine& DL, bool LastLineOfParagraph) {
    return Justified && DL.SpaceCount > 0 && !LastLineOfParagraph;
}

// The spacer of a justified line laid out for the given client width.
inline TJustifySpacer LineSpacer(const TDisplayLine& DL, int32_t ClientWidth, int32_t LeftMargin, int32_t RightMargin) {
    return TJustifySpacer(std::max(ClientWidth - LeftMargin - RightMargin - DL.Width, 0), DL.SpaceCount);
}
