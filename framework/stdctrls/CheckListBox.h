#pragma once
// A list box whose items carry a check box; a click on the box or the
// space bar toggles it and fires OnClickCheck.
#include <vector>

#include "framework/stdctrls/ListCtrls.h"

class TCheckListBox : public TListBox {
    QRN_CLASS(TCheckListBox, TListBox)
public:
    explicit TCheckListBox(TComponent* AOwner);
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Value);
    // Toggles an item's check as a click on its box does.
    void ToggleCheck(int Index);

    TNotifyEvent OnClickCheck;

protected:
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void WndProc(TMessage& Message) override;

private:
    int CheckWidth() const;
    std::vector<bool> FChecked;
};
