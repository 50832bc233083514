#include "designer/support/MarkedText.h"

TMarkedText SplitMarkedText(const std::string& Text) {
    TMarkedText R;
    const size_t First = Text.find('~');
    if (First == std::string::npos) {
        R.Plain = Text;
        return R;
    }
    const size_t Second = Text.find('~', First + 1);
    R.Start = static_cast<int>(First) + 1;
    R.Plain = Text.substr(0, First);
    if (Second == std::string::npos) {
        R.Plain += Text.substr(First + 1);
        R.Length = static_cast<int>(Text.size() - First - 1);
    } else {
        R.Plain += Text.substr(First + 1, Second - First - 1) + Text.substr(Second + 1);
        R.Length = static_cast<int>(Second - First - 1);
    }
    return R;
}

std::string NextBarField(const std::string& Text, size_t& Pos) {
    if (Pos >= Text.size()) {
        Pos = Text.size();
        return {};
    }
    const size_t Bar = Text.find('|', Pos);
    const size_t End = Bar == std::string::npos ? Text.size() : Bar;
    std::string Field = Text.substr(Pos, End - Pos);
    Pos = Bar == std::string::npos ? Text.size() : Bar + 1;
    return Field;
}
