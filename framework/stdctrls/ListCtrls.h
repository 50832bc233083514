#pragma once
// List boxes, combo boxes and scroll bars: thin components over the system
// LISTBOX, COMBOBOX and SCROLLBAR windows. Items live in the window while
// it exists and in a string list while it does not, so they (and their
// objects) survive a recreated window.
#include <memory>
#include <string>

#include "framework/controls/Controls.h"
#include "framework/rtl/StringList.h"

enum TOwnerDrawStateValue { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
QRN_ENUM(TOwnerDrawStateValue, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit)
using TOwnerDrawState = TSmallSet<TOwnerDrawStateValue>;
QRN_SET_NAME(TOwnerDrawState)

using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
QRN_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
QRN_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)
enum TScrollBarKind { sbHorizontal, sbVertical };
QRN_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
enum TScrollCode {
    scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll
};
QRN_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll)
using TScrollEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TListWindowControl;

// The Items of a list or combo box: the window's list while it exists.
class TListControlStrings : public TStrings {
public:
    explicit TListControlStrings(TListWindowControl* AOwner) : FOwner(AOwner) {}
    std::string Get(int Index) const override;
    int GetCount() const override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    int Add(const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    int IndexOf(const std::string& S) const override;

protected:
    void SetUpdateState(bool Updating) override;

private:
    void CheckIndex(int Index) const;
    TListWindowControl* FOwner;
};

// What list and combo boxes share: the item messages of their window
// class, the saved items, owner drawing.
class TListWindowControl : public TWinControl {
    QRN_CLASS(TListWindowControl, TWinControl)
public:
    explicit TListWindowControl(TComponent* AOwner);
    ~TListWindowControl() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* Value) { FItems->Assign(Value); }
    virtual int ItemIndex();
    virtual void SetItemIndex(int Value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    TCanvas* Canvas() { return FCanvas.get(); }
    void Clear() { FItems->Clear(); }

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    friend class TListControlStrings;
    struct TItemMessages {
        UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen, GetItemData,
            SetItemData, SetItemHeight, GetCurSel, SetCurSel, FindStringExact;
    };
    virtual const TItemMessages& Msgs() const = 0;
    virtual bool IsOwnerDraw() const = 0;
    virtual bool IsVariable() const = 0;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;
    // Applies the item height after an item went in (variable-height lists).
    void ItemInserted(int Index);
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    virtual void MeasureItem(int Index, int& Height);

    std::unique_ptr<TListControlStrings> FItems;
    TStringList FSaved;  // the items while there is no window
    int FSavedIndex = -1;
    bool FSorted = false;
    int FItemHeight = 16;
    std::unique_ptr<TControlCanvas> FCanvas;
};

class TListBox : public TListWindowControl {
    QRN_CLASS(TListBox, TListWindowControl)
public:
    explicit TListBox(TComponent* AOwner);

    int ItemIndex() override;
    void SetItemIndex(int Value) override;
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool Selected(int Index);
    void SetSelected(int Index, bool Value);
    int SelCount();
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value);
    int TopIndex();
    void SetTopIndex(int Value);
    int ItemAtPos(TPoint Pos, bool Existing);
    TRect ItemRect(int Index);

protected:
    const TItemMessages& Msgs() const override;
    bool IsOwnerDraw() const override { return FStyle != lbStandard; }
    bool IsVariable() const override { return FStyle == lbOwnerDrawVariable; }
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;

private:
    bool FMultiSelect = false;
    TListBoxStyle FStyle = lbStandard;
    bool FIntegralHeight = false;
    std::vector<int> FSavedSelection;
};

class TComboBox : public TListWindowControl {
    QRN_CLASS(TComboBox, TListWindowControl)
public:
    explicit TComboBox(TComponent* AOwner);

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);
    bool DroppedDown();
    void SetDroppedDown(bool Value);
    void SetItemIndex(int Value) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;

protected:
    const TItemMessages& Msgs() const override;
    bool IsOwnerDraw() const override { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
    bool IsVariable() const override { return FStyle == csOwnerDrawVariable; }
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;
    virtual void Change();

private:
    void ApplyDropDownHeight();
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
};

class TScrollBar : public TWinControl {
    QRN_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* AOwner);

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    int Min() const { return FMin; }
    void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
    int Max() const { return FMax; }
    void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
    int Position() const { return FPosition; }
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = Value; }
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = Value; }
    // Raises EInvalidOperation when AMin > AMax; clamps the position.
    void SetParams(int APosition, int AMin, int AMax);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    virtual void Change();
    virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);

private:
    void DoScroll(TMessage& Message);
    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0, FMax = 100, FPosition = 0;
    int FSmallChange = 1, FLargeChange = 1;
};

// Makes the list controls known to form streams.
void RegisterListControls();
