#include "wizards/dos/FolderPathText.h"

#include <vector>

namespace {

std::vector<std::string> SplitAt(std::string_view Text, char Separator) {
    std::vector<std::string> Parts;
    size_t Start = 0;
    for (size_t P; (P = Text.find(Separator, Start)) != std::string_view::npos; Start = P + 1)
        Parts.emplace_back(Text.substr(Start, P - Start));
    Parts.emplace_back(Text.substr(Start));
    return Parts;
}

std::string JoinWith(const std::vector<std::string>& Parts, char Separator) {
    std::string R;
    for (size_t I = 0; I < Parts.size(); ++I) {
        if (I > 0) R += Separator;
        R += Parts[I];
    }
    return R;
}

}  // namespace

std::string ShortenFolderPath(std::string_view Text, char Separator, std::string_view Filler, size_t MaxLength) {
    std::string Result(Text);
    if (Result.size() <= MaxLength) return Result;
    std::vector<std::string> Parts = SplitAt(Text, Separator);
    if (Parts.size() <= 2) return Result;
    Parts[1] = Filler;
    Result = JoinWith(Parts, Separator);
    while (Result.size() > MaxLength && Parts.size() > 3) {
        Parts.erase(Parts.begin() + 2);
        Result = JoinWith(Parts, Separator);
    }
    return Result;
}
