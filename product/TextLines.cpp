#include "product/TextLines.h"

std::vector<std::string> SplitTextLines(std::string_view Text) {
    std::vector<std::string> Lines;
    size_t Start = 0;
    for (size_t I = 0; I < Text.size(); ++I) {
        const char C = Text[I];
        if (C != '\r' && C != '\n') continue;
        Lines.emplace_back(Text.substr(Start, I - Start));
        if (C == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
        Start = I + 1;
    }
    if (Start < Text.size()) Lines.emplace_back(Text.substr(Start));
    return Lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& Lines) {
    std::string R;
    for (const std::string& L : Lines) {
        R += L;
        R += "\r\n";
    }
    return R;
}
