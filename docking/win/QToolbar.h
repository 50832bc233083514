#pragma once
// The concrete bars: TQToolbar lays out its children (buttons, separators,
// any control) in a line along a dock or in wrapped lines when floating,
// and a floating toolbar may only be resized to the sizes its wrapping
// gives; TQToolbarSep is its separator; TQToolWindow is a freely sized
// tool window whose client size survives docking and floating.
#include <vector>

#include "docking/ToolbarLayout.h"
#include "docking/win/QToolWindow.h"

QRN_NAMED_TYPE(TToolbarSepSize, int)

class TQCustomToolbar : public TQCustomToolWindow {
    QRN_CLASS(TQCustomToolbar, TQCustomToolWindow)
public:
    explicit TQCustomToolbar(TComponent* AOwner);

    // The wrap width of the floating layout (0: one line).
    int FloatRightX() const { return FFloatRightX; }
    void SetFloatRightX(int Value);
    // The children in the order they are laid out.
    const std::vector<TControl*>& OrderList() const { return FOrderList; }
    // Cross positions of the divider lines painted between wrapped groups.
    const std::vector<int>& LineDividers() const { return FLineDividers; }
    // The orientation the children are laid out for now.
    TDockOrientation Orientation() const { return FLastOrientation; }
    // Two children shown in place of each other: Horizontal on a horizontal
    // dock and floating, Vertical on a vertical dock. A pair goes when
    // either control leaves the toolbar or is freed.
    void AddAlternatePair(TControl* Horizontal, TControl* Vertical);

    int GetDockedSizeAcross(TDockOrientation Orientation) override;
    void GetMinimumSize(int& AWidth, int& AHeight) override;
    TExtent ArrangeControls(bool CanMove, TDockOrientation CurrentOrientation, TQDock* TargetDock) override;
    void ReadPositionData(const TPositionReadIntProc& ReadInt) override;
    void WritePositionData(const TPositionWriteIntProc& WriteInt) override;

protected:
    TToolWindowParams GetParams() override { return {false, false, false}; }
    bool ChildControlTransparent(TControl* Child) override;
    void ResizeBegin(int HitCode) override;
    void ResizeTrack(TRect& NewRect, const TRect& OrigRect) override;
    void ResizeEnd(bool Accepted) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    struct TAlternatePair {
        TControl* Horizontal;
        TControl* Vertical;
    };
    void DropAlternatePairsOf(TComponent* Control);
    TAlternateRole AlternateRole(TControl* Control) const;

    std::vector<TToolbarItem> Items(const std::vector<TControl*>& Controls);
    std::vector<TControl*> LayoutOrder(TDockOrientation CurrentOrientation);

    int FFloatRightX = 0;
    std::vector<TControl*> FOrderList;
    std::vector<int> FLineDividers;
    std::vector<TAlternatePair> FAlternates;
    // Floating resize state.
    std::vector<TToolbarFloatSize> FSizes;
    int FSizeIndex = -1;
    int FChosenIndex = -1;
    int FSnap = 0;
    bool FSizeByHeight = false;
    bool FDragLeft = false, FDragTop = false;
};

class TQToolbar : public TQCustomToolbar {
    QRN_CLASS(TQToolbar, TQCustomToolbar)
public:
    explicit TQToolbar(TComponent* AOwner) : TQCustomToolbar(AOwner) {}
};

class TQToolbarSep : public TGraphicControl {
    QRN_CLASS(TQToolbarSep, TGraphicControl)
public:
    explicit TQToolbarSep(TComponent* AOwner);

    bool Blank() const { return FBlank; }
    void SetBlank(bool Value);
    int SizeHorz() const { return FSizeHorz; }
    void SetSizeHorz(int Value);
    int SizeVert() const { return FSizeVert; }
    void SetSizeVert(int Value);

    void SetParent(TWinControl* AParent) override;
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;

private:
    void Remeasure();
    bool FBlank = false;
    int FSizeHorz = 6;
    int FSizeVert = 6;
};

class TQToolWindow : public TQCustomToolWindow {
    QRN_CLASS(TQToolWindow, TQCustomToolWindow)
public:
    explicit TQToolWindow(TComponent* AOwner);

    int ClientAreaWidth();
    void SetClientAreaWidth(int Value);
    int ClientAreaHeight();
    void SetClientAreaHeight(int Value);
    int MinClientWidth() const { return FMinClientWidth; }
    void SetMinClientWidth(int Value) { FMinClientWidth = Value; }
    int MinClientHeight() const { return FMinClientHeight; }
    void SetMinClientHeight(int Value) { FMinClientHeight = Value; }

    void SizeChanging(int NewWidth, int NewHeight) override;
    int GetDockedSizeAcross(TDockOrientation Orientation) override;
    void GetMinimumSize(int& AWidth, int& AHeight) override;
    TExtent ArrangeControls(bool CanMove, TDockOrientation CurrentOrientation, TQDock* TargetDock) override;
    void ReadPositionData(const TPositionReadIntProc& ReadInt) override;
    void WritePositionData(const TPositionWriteIntProc& WriteInt) override;

private:
    void SetClientArea(int W, int H);
    TExtent FKept{32, 32};
    int FMinClientWidth = 32;
    int FMinClientHeight = 32;
};
