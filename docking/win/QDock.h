#pragma once
// TQDock: the strip along one edge of a form that holds docked tool
// windows and toolbars in rows. It orders its bars by row and position,
// gives every row the thickness of its thickest bar, keeps bars from
// overlapping or leaving it, and is as thick as its rows together.
#include <memory>
#include <vector>

#include "docking/DockGeometry.h"
#include "docking/DockRows.h"
#include "framework/controls/Controls.h"
#include "framework/graphics/Bitmap.h"

QRN_ENUM(TDockPosition, dpTop, dpBottom, dpLeft, dpRight)
using TDockableTo = TSmallSet<TDockPosition>;
QRN_SET_NAME(TDockableTo)
QRN_ENUM(TDockBoundLine, blTop, blBottom, blLeft, blRight)
QRN_SET_NAME(TDockBoundLines)

class TQCustomToolWindow;

using TInsertRemoveEvent = TEvent<void(TObject* Sender, bool Inserting, TQCustomToolWindow* Bar)>;
using TRequestDockEvent = TEvent<void(TObject* Sender, TQCustomToolWindow* Bar, bool& Accept)>;

class TQDock : public TCustomControl {
    QRN_CLASS(TQDock, TCustomControl)
public:
    explicit TQDock(TComponent* AOwner);
    ~TQDock() override;

    bool AllowDrag() const { return FAllowDrag; }
    void SetAllowDrag(bool Value);
    TBitmap* Background() const { return FBackground.get(); }
    void SetBackground(TBitmap* Value) { FBackground->Assign(Value); }
    bool BackgroundOnToolbars() const { return FBackgroundOnToolbars; }
    void SetBackgroundOnToolbars(bool Value);
    bool BackgroundTransparent() const { return FBackgroundTransparent; }
    void SetBackgroundTransparent(bool Value);
    TDockBoundLines BoundLines() const { return FBoundLines; }
    void SetBoundLines(TDockBoundLines Value);
    bool FixAlign() const { return FFixAlign; }
    void SetFixAlign(bool Value);
    bool LimitToOneRow() const { return FLimitToOneRow; }
    void SetLimitToOneRow(bool Value);
    TDockPosition Position() const { return FPosition; }
    void SetPosition(TDockPosition Value);
    bool Vertical() const { return IsVerticalDock(FPosition); }

    TInsertRemoveEvent OnInsertRemoveBar;
    TRequestDockEvent OnRequestDock;

    void SetParent(TWinControl* AParent) override;

    void BeginArrange();
    void EndArrange();
    void LayoutDockRows(bool StorePositions);
    void ChangeDockList(bool Insert, TQCustomToolWindow* Bar);
    void UpdateVisibleBar(TQCustomToolWindow* Bar, bool ForceHidden = false);

    // Every bar whose dock this is (shown or not), and the shown ones, in
    // row and position order after an arrangement.
    const std::vector<TQCustomToolWindow*>& DockList() const { return FDockList; }
    const std::vector<TQCustomToolWindow*>& DockVisibleList() const { return FDockVisibleList; }
    const std::vector<int>& RowSizes() const { return FRowSizes; }
    int GetHighestRow() const;
    int GetNumberOfToolbarsOnRow(int Row, TQCustomToolWindow* NotIncluding) const;
    int GetRowSize(int Row, TQCustomToolWindow* DefaultBar);
    // Client length along the edge.
    int ClientLength();

    // Paints the tiled background into DC (whose origin is DrawRect's
    // window); used by the dock and by its bars. ExcludeRect may be null.
    void DrawBackground(HDC DC, const TRect& ClipRect, const TRect& DrawRect, const TRect* ExcludeRect);
    bool HasBackground() const { return FBackground->Width() > 0 && FBackground->Height() > 0; }
    void InvalidateBackgrounds();

protected:
    void CreateParams(TCreateParams& Params) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Resize() override;
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    friend class TQCustomToolWindow;
    void BackgroundChanged(TObject* Sender);
    TBitmap* BackgroundForDrawing();
    void DrawNonClient();
    bool IsShownBar(TQCustomToolWindow* Bar) const;

    bool FAllowDrag = true;
    std::unique_ptr<TBitmap> FBackground;
    std::unique_ptr<TBitmap> FBackgroundCache;
    bool FBackgroundOnToolbars = true;
    bool FBackgroundTransparent = false;
    TDockBoundLines FBoundLines;
    bool FFixAlign = false;
    bool FLimitToOneRow = false;
    TDockPosition FPosition = dpTop;
    std::vector<TQCustomToolWindow*> FDockList;
    std::vector<TQCustomToolWindow*> FDockVisibleList;
    std::vector<int> FRowSizes;
    int FDisableArrangeCount = 0;
    bool FArrangePending = false;
    bool FStorePositionsPending = false;
};
