#pragma once
// The inspector's in-place editor: one property-bound edit that the grid
// moves from row to row over the current value cell. Typed text is
// committed through the inspector (its rules for read-only rows and its
// events), keys that move between rows go to the grid, and a quick second
// click opens the property's dialog.
#include <vector>

#include "designer/inspector/PropEdit.h"

class TCustomObjectInspector;
struct TInfoRec;

class TOInplaceEdit : public TZelCustomPropEditor {
    QRN_CLASS(TOInplaceEdit, TZelCustomPropEditor)
public:
    explicit TOInplaceEdit(TComponent* AOwner);

    TCustomObjectInspector* Inspector() const { return FInspector; }
    void SetInspector(TCustomObjectInspector* Value) { FInspector = Value; }

    // Takes a row's property editor (read-only as the inspector's rules say).
    void AttachRow(const TInfoRec& Row, bool ReadOnlyRow);
    // Over a value cell (a pixel further right beside a 3D column line),
    // moved and sized in one call; focused when the inspector has the focus.
    void ShowInCell(const TRect& Cell);
    // Out of sight; the focus goes back to the inspector if it was here.
    void HideEditor();
    // Shows the property's value again, all of it selected (empty when the
    // selected components disagree). NewRow: the editor has just come to
    // the row.
    void ShowRowValue(bool NewRow = false);

    void UpdateEditSource() override;
    void ReadPopupText() override;
    void AdjustEditClass(const TClass*& EditClass) override;
    // The inspector hands the property editor over: nothing to look up by
    // component and name (a new window must not drop it).
    void Rebind() override;
    // The row's dialog, as a double click runs it: read-only rows, the
    // designer's limits and the inspector's events apply.
    void EditWithDialog() override;
    void Invalidate() override;
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Commits the text at once (a value picked rather than typed).
    void CommitNow();
    void EnterKey(TShiftState Shift);

    TCustomObjectInspector* FInspector = nullptr;
    DWORD FShownAt = 0;
    bool FRefreshing = false;
};

// Edit classes the in-place editor does not use inline (they stand in for
// a plain edit there).
std::vector<const TClass*>& NonInlineEditClasses();
