#include "designer/engine/AlignLayout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// One axis of a rectangle seen as (start, extent), so that both axes share
// the same code.
struct TAxis {
    int (*Start)(const TRect&);
    int (*Extent)(const TRect&);
    void (*MoveTo)(TRect&, int);
};

const TAxis Horizontal{[](const TRect& R) { return R.Left; }, [](const TRect& R) { return R.Width(); },
                       [](TRect& R, int V) { R.Offset(V - R.Left, 0); }};
const TAxis Vertical{[](const TRect& R) { return R.Top; }, [](const TRect& R) { return R.Height(); },
                     [](TRect& R, int V) { R.Offset(0, V - R.Top); }};

void SpaceEqually(std::vector<TAlignItem>& Items, const TAxis& A) {
    if (Items.size() < 2) return;
    std::vector<TAlignItem*> Order(Items.size());
    for (size_t I = 0; I < Items.size(); ++I) Order[I] = &Items[I];
    std::stable_sort(Order.begin(), Order.end(), [&](const TAlignItem* X, const TAlignItem* Y) {
        return A.Start(X->Bounds) < A.Start(Y->Bounds);
    });
    const TRect& First = Order.front()->Bounds;
    const TRect& Last = Order.back()->Bounds;
    int Between = 0;
    for (size_t I = 1; I + 1 < Order.size(); ++I) Between += A.Extent(Order[I]->Bounds);
    const int Gap =
        (A.Start(Last) - A.Start(First) - A.Extent(First) - Between) / static_cast<int>(Order.size() - 1);
    int Pos = A.Start(First);
    for (TAlignItem* Item : Order) {
        A.MoveTo(Item->Bounds, Pos);
        Pos += A.Extent(Item->Bounds) + Gap;
    }
}

void CenterInWindow(std::vector<TAlignItem>& Items, const TAxis& A, int ClientExtent) {
    int Sum = 0;
    for (const TAlignItem& Item : Items) Sum += A.Start(Item.Bounds) + A.Extent(Item.Bounds) / 2;
    const int Shift = ClientExtent / 2 - Sum / static_cast<int>(Items.size());
    for (TAlignItem& Item : Items) A.MoveTo(Item.Bounds, A.Start(Item.Bounds) + Shift);
}

// Codes 1/2 (near edge), 3 (centre) and 4/5 (far edge) against the reference.
void AlignToReference(std::vector<TAlignItem>& Items, const TAxis& A, int Code) {
    const TRect Ref = Items.front().Bounds;
    for (TAlignItem& Item : Items) {
        const int Extent = A.Extent(Item.Bounds);
        if (Code == acNearEdges || Code == acTops)
            A.MoveTo(Item.Bounds, A.Start(Ref));
        else if (Code == acCenters)
            A.MoveTo(Item.Bounds, A.Start(Ref) + (A.Extent(Ref) - Extent) / 2);
        else if (Code == acRightEdges || Code == acBottoms)
            A.MoveTo(Item.Bounds, A.Start(Ref) + A.Extent(Ref) - Extent);
    }
}

void AlignAxis(std::vector<TAlignItem>& Items, const TAxis& A, int Code, int ClientExtent) {
    if (Code == acSpaceEqually)
        SpaceEqually(Items, A);
    else if (Code == acCenterInWindow)
        CenterInWindow(Items, A, ClientExtent);
    else if (Code != acNone)
        AlignToReference(Items, A, Code);
}

}  // namespace

bool AlignItems(std::vector<TAlignItem>& Items, int Horz, int Vert, int ParentClientWidth, int ParentClientHeight) {
    if (Items.empty()) return false;
    const auto NeedsOneParent = [](int Code) { return Code == acSpaceEqually || Code == acCenterInWindow; };
    if (NeedsOneParent(Horz) || NeedsOneParent(Vert)) {
        for (const TAlignItem& Item : Items)
            if (Item.Parent != Items.front().Parent) return false;
    }
    // Spacing on one axis leaves the other axis alone.
    if (Horz == acSpaceEqually) Vert = acNone;
    else if (Vert == acSpaceEqually) Horz = acNone;
    AlignAxis(Items, Horizontal, Horz, ParentClientWidth);
    AlignAxis(Items, Vertical, Vert, ParentClientHeight);
    return true;
}

void SizeItems(std::vector<TRect>& Items, int Width, int Height) {
    if (Items.empty()) return;
    const auto Resolve = [&](int Value, int (*Extent)(const TRect&)) {
        if (Value >= 1) return Value;
        // Shrinking or growing one control to itself changes nothing.
        if ((Value != szShrink && Value != szGrow) || Items.size() == 1) return szNoChange;
        int Result = Extent(Items.front());
        for (const TRect& R : Items)
            Result = Value == szShrink ? std::min(Result, Extent(R)) : std::max(Result, Extent(R));
        return Result;
    };
    const int W = Resolve(Width, Horizontal.Extent);
    const int H = Resolve(Height, Vertical.Extent);
    for (TRect& R : Items) {
        if (W >= 1) R.Right = R.Left + W;
        if (H >= 1) R.Bottom = R.Top + H;
    }
}

int ScaleExtent(int Extent, int Percent) {
    return static_cast<int>(std::nearbyint(Extent * (Percent * 0.01)));
}
