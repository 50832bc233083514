#include "framework/design/DesignIntf.h"

#include <algorithm>

int TDesignerSelectionList::Add(TPersistent* Item) {
    int I = IndexOf(Item);
    if (I >= 0) return I;
    FItems.push_back(Item);
    return Count() - 1;
}

int TDesignerSelectionList::IndexOf(const TPersistent* Item) const {
    auto It = std::find(FItems.begin(), FItems.end(), Item);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TDesignerSelectionList::Remove(const TPersistent* Item) { std::erase(FItems, Item); }
