#include "controls/Brkapart.h"

#include "framework/rtl/StringList.h"

std::vector<std::string> BreakApartText(std::string_view Base, std::string_view Separator, bool AllowEmpty) {
    std::vector<std::string> Items;
    std::string_view Rest = Base;
    for (;;) {
        size_t P = Separator.empty() ? std::string_view::npos : Rest.find(Separator);
        std::string_view Item = P == std::string_view::npos ? Rest : Rest.substr(0, P);
        if (!Item.empty() || AllowEmpty) Items.emplace_back(Item);
        if (P == std::string_view::npos) break;
        Rest = Rest.substr(P + Separator.size());
    }
    return Items;
}

std::string BuildStringFromItems(const std::vector<std::string>& Items, std::string_view Separator,
                                 bool AllowEmpty) {
    if (Items.empty()) return {};
    std::string R = Items.front();
    for (size_t I = 1; I < Items.size(); ++I) {
        if (Items[I].empty() && !AllowEmpty) continue;
        R += Separator;
        R += Items[I];
    }
    return R;
}

void BreakApartInto(TStrings& Items, std::string_view Base, std::string_view Separator, bool AllowEmpty) {
    Items.Clear();
    for (const std::string& S : BreakApartText(Base, Separator, AllowEmpty)) Items.Add(S);
}

std::string BuildStringFromItems(const TStrings& Items, std::string_view Separator, bool AllowEmpty) {
    std::vector<std::string> V;
    V.reserve(static_cast<size_t>(Items.Count()));
    for (int I = 0; I < Items.Count(); ++I) V.push_back(Items.Strings(I));
    return BuildStringFromItems(V, Separator, AllowEmpty);
}
