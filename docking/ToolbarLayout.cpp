#include "docking/ToolbarLayout.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

int AlongLength(const TRect& R, bool Vertical) { return Vertical ? R.Height() : R.Width(); }
int AcrossLength(const TRect& R, bool Vertical) { return Vertical ? R.Width() : R.Height(); }

struct TMargins {
    int CrossStart, AlongStart, AlongEnd, CrossEnd;
};

int Dimension(const TToolbarFloatSize& S, bool ByHeight) { return ByHeight ? S.Outer.Height : S.Outer.Width; }

}  // namespace

bool AlternateMemberShown(TAlternateRole Role, TDockOrientation Orientation) {
    switch (Role) {
        case arHorizontal: return Orientation != doVertical;
        case arVertical: return Orientation == doVertical;
        case arNone: break;
    }
    return true;
}

bool ToolbarItemCounts(const TToolbarItem& Item, TDockOrientation Orientation) {
    if (Item.Alternate != arNone) return AlternateMemberShown(Item.Alternate, Orientation);
    return Item.Visible;
}

int ToolbarSizeAcross(const std::vector<TToolbarItem>& Items, TDockOrientation Orientation) {
    const bool Vertical = Orientation == doVertical;
    int Size = 8;
    for (const TToolbarItem& I : Items)
        if (!I.Separator && ToolbarItemCounts(I, Orientation)) Size = std::max(Size, AcrossLength(I.Bounds, Vertical));
    return Size;
}

int WidestToolbarItem(const std::vector<TToolbarItem>& Items, TDockOrientation Orientation) {
    int Widest = 0;
    for (const TToolbarItem& I : Items)
        if (!I.Separator && ToolbarItemCounts(I, Orientation)) Widest = std::max(Widest, I.Bounds.Width());
    return Widest;
}

std::vector<int> ToolbarOrderByPosition(const std::vector<TToolbarItem>& Items, bool ByTop) {
    std::vector<int> Order(Items.size());
    for (size_t I = 0; I < Items.size(); ++I) Order[I] = static_cast<int>(I);
    std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) {
        const TRect& X = Items[static_cast<size_t>(A)].Bounds;
        const TRect& Y = Items[static_cast<size_t>(B)].Bounds;
        return ByTop ? X.Top < Y.Top : X.Left < Y.Left;
    });
    return Order;
}

TToolbarLayout ArrangeToolbarControls(const std::vector<TToolbarItem>& Items, const TToolbarLayoutInput& Input) {
    TToolbarLayout L;
    const TDockOrientation O = Input.Orientation;
    const bool Vertical = O == doVertical;
    const bool Floating = O == doNoDock;

    for (const TToolbarItem& I : Items) {
        L.Bounds.push_back(I.Bounds);
        L.Shown.push_back(I.Alternate != arNone ? AlternateMemberShown(I.Alternate, O) : I.Visible);
    }

    int Wrap = INT_MAX;
    if (Floating && Input.FloatRightX != 0) {
        L.WrapWidth = std::max(Input.FloatRightX, WidestToolbarItem(Items, O) + 8);
        Wrap = L.WrapWidth;
    }
    const int T = Input.RowThickness > 0 ? Input.RowThickness : ToolbarSizeAcross(Items, O);
    L.Thickness = T;

    // Groups of counting children, each ending after a separator.
    std::vector<std::vector<int>> Groups(1);
    for (size_t I = 0; I < Items.size(); ++I) {
        if (!ToolbarItemCounts(Items[I], O)) continue;
        Groups.back().push_back(static_cast<int>(I));
        if (Items[I].Separator) Groups.emplace_back();
    }
    if (Groups.back().empty()) Groups.pop_back();

    const TMargins M = Floating ? TMargins{2, 4, 4, 1} : TMargins{0, 0, 0, 0};
    int Along = M.AlongStart;
    int Cross = M.CrossStart;
    bool LineBroken = false;
    int SeparatorBefore = -1;  // the separator that ended the previous group

    for (size_t G = 0; G < Groups.size(); ++G) {
        int GroupLength = 0;
        for (int Index : Groups[G])
            if (!Items[static_cast<size_t>(Index)].Separator)
                GroupLength += AlongLength(Items[static_cast<size_t>(Index)].Bounds, Vertical);
        if (Floating && (LineBroken || Along + GroupLength + M.AlongEnd > Wrap)) {
            if (G > 0) {
                Cross += T + 6;
                if (SeparatorBefore >= 0) {
                    TRect& S = L.Bounds[static_cast<size_t>(SeparatorBefore)];
                    S.Right = S.Left;
                    L.LineDividers.push_back(Cross);
                }
            }
            Along = M.AlongStart;
            LineBroken = false;
        }
        SeparatorBefore = -1;
        for (int Index : Groups[G]) {
            const TToolbarItem& Item = Items[static_cast<size_t>(Index)];
            TRect& B = L.Bounds[static_cast<size_t>(Index)];
            if (Item.Separator) {
                if (Vertical) {
                    B = Bounds(Cross, Along, T, Item.SizeVert);
                    Along += Item.SizeVert;
                } else {
                    B = Bounds(Along, Cross, Item.SizeHorz, T);
                    Along += Item.SizeHorz;
                }
                SeparatorBefore = Index;
                continue;
            }
            const int W = Item.Bounds.Width();
            const int H = Item.Bounds.Height();
            if (Floating && Along > M.AlongStart && Along + W + M.AlongEnd > Wrap) {
                Cross += T;
                Along = M.AlongStart;
                LineBroken = true;
            }
            if (Vertical) {
                B = Bounds(Cross + (T - W) / 2, Along, W, H);
                Along += H;
            } else {
                B = Bounds(Along, Cross + (T - H) / 2, W, H);
                Along += W;
            }
        }
    }

    // The largest along position reached; a separator that ended a wrapped
    // line takes no room.
    bool Any = false;
    int MaxAlong = M.AlongStart;
    for (const auto& Group : Groups)
        for (int Index : Group) {
            Any = true;
            const TRect& B = L.Bounds[static_cast<size_t>(Index)];
            if (AlongLength(B, Vertical) == 0 && Items[static_cast<size_t>(Index)].Separator) continue;
            MaxAlong = std::max(MaxAlong, Vertical ? B.Bottom : B.Right);
        }
    const int AlongSize = Any ? MaxAlong + M.AlongEnd : M.AlongStart + 8 + M.AlongEnd;
    const int AcrossSize = Cross + T + M.CrossEnd;
    L.ClientSize = Vertical ? Extent(AcrossSize, AlongSize) : Extent(AlongSize, AcrossSize);
    return L;
}

std::vector<TToolbarFloatSize> AllowedFloatingSizes(const std::vector<TToolbarItem>& Items,
                                                    const TEdgeInsets& NonClient, bool ByHeight) {
    std::vector<TToolbarFloatSize> Sizes;
    auto Add = [&](const TToolbarLayout& L, int FloatRightX) {
        TExtent Outer{L.ClientSize.Width + NonClient.Horizontal(), L.ClientSize.Height + NonClient.Vertical()};
        for (const TToolbarFloatSize& S : Sizes)
            if (S.Outer == Outer) return;
        Sizes.push_back({Outer, FloatRightX});
    };
    const TToolbarLayout Full = ArrangeToolbarControls(Items, {doNoDock, 0, 0});
    Add(Full, 0);
    const int Narrowest = WidestToolbarItem(Items, doNoDock) + 8;
    for (int Wrap = Full.ClientSize.Width - 1; Wrap >= Narrowest;) {
        const TToolbarLayout L = ArrangeToolbarControls(Items, {doNoDock, Wrap, 0});
        Add(L, Wrap);
        Wrap = std::min(Wrap - 1, L.ClientSize.Width - 1);
    }
    std::stable_sort(Sizes.begin(), Sizes.end(), [&](const TToolbarFloatSize& A, const TToolbarFloatSize& B) {
        return Dimension(A, ByHeight) < Dimension(B, ByHeight);
    });
    return Sizes;
}

int FindFloatingSize(const std::vector<TToolbarFloatSize>& Sizes, TExtent Current, bool ByHeight) {
    int Best = -1;
    int BestGap = INT_MAX;
    const int Want = ByHeight ? Current.Height : Current.Width;
    for (size_t I = 0; I < Sizes.size(); ++I) {
        if (Sizes[I].Outer == Current) return static_cast<int>(I);
        const int Gap = std::abs(Dimension(Sizes[I], ByHeight) - Want);
        if (Gap < BestGap) {
            BestGap = Gap;
            Best = static_cast<int>(I);
        }
    }
    return Best;
}

int FloatingSnapDistance(const std::vector<TToolbarFloatSize>& Sizes, int Current, bool ByHeight) {
    int Snap = 12;
    if (Current < 0 || Current >= static_cast<int>(Sizes.size())) return Snap;
    const int Here = Dimension(Sizes[static_cast<size_t>(Current)], ByHeight);
    if (Current > 0) Snap = std::min(Snap, Here - Dimension(Sizes[static_cast<size_t>(Current - 1)], ByHeight));
    if (Current + 1 < static_cast<int>(Sizes.size()))
        Snap = std::min(Snap, Dimension(Sizes[static_cast<size_t>(Current + 1)], ByHeight) - Here);
    return std::clamp(Snap, 0, 12);
}

int ChooseFloatingSize(const std::vector<TToolbarFloatSize>& Sizes, int Current, int Desired, int Snap,
                       bool ByHeight) {
    if (Current < 0 || Current >= static_cast<int>(Sizes.size())) return Current;
    const int Here = Dimension(Sizes[static_cast<size_t>(Current)], ByHeight);
    if (std::abs(Desired - Here) < Snap || Desired == Here) return Current;
    const bool Growing = Desired > Here;
    int Best = Current;
    int BestGap = INT_MAX;
    int BestStep = INT_MAX;
    for (size_t I = 0; I < Sizes.size(); ++I) {
        const int D = Dimension(Sizes[I], ByHeight);
        if (Growing ? D <= Here : D >= Here) continue;
        const int Gap = std::abs(D - Desired);
        const int Step = std::abs(D - Here);
        // On a tie the size nearer the current one wins.
        if (Gap < BestGap || (Gap == BestGap && Step < BestStep)) {
            BestGap = Gap;
            BestStep = Step;
            Best = static_cast<int>(I);
        }
    }
    return Best;
}

TRect FloatingResizeOutline(const TRect& Start, TExtent Outer, bool DraggingLeft, bool DraggingTop) {
    TRect R = Start;
    if (DraggingLeft)
        R.Left = R.Right - Outer.Width;
    else
        R.Right = R.Left + Outer.Width;
    if (DraggingTop)
        R.Top = R.Bottom - Outer.Height;
    else
        R.Bottom = R.Top + Outer.Height;
    return R;
}

TDividerLines ToolbarDividerLines(int ClientWidth, int Cross) {
    return {{1, ClientWidth - 1, Cross - 4}, {1, ClientWidth - 1, Cross - 3}};
}

TSeparatorEtch SeparatorEtch(TExtent Size, bool VerticalDock) {
    if (VerticalDock) return {true, Size.Height / 2 - 1, Size.Height / 2, Size.Width};
    return {false, Size.Width / 2 - 1, Size.Width / 2, Size.Height};
}
