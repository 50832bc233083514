#include "framework/uicore/HintText.h"

std::string GetShortHint(const std::string& Hint) {
    const auto Bar = Hint.find('|');
    return Bar == std::string::npos ? Hint : Hint.substr(0, Bar);
}

std::string GetLongHint(const std::string& Hint) {
    const auto Bar = Hint.find('|');
    return Bar == std::string::npos ? Hint : Hint.substr(Bar + 1);
}
