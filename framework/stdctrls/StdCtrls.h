#pragma once
// The standard controls forms are built from: labels, edits, memos, push
// buttons, check boxes, radio buttons, group boxes, radio groups, panels
// and bevels. Windowed ones are thin wrappers over the system's EDIT and
// BUTTON windows; labels, panels, bevels and group boxes paint themselves.
// Every control keeps its state in fields, so recreating its window loses
// nothing.
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/Controls.h"
#include "framework/rtl/StringList.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
QRN_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
enum TTextLayout { tlTop, tlCenter, tlBottom };
QRN_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
QRN_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
QRN_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
QRN_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)
enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
QRN_ENUM(TPanelBevel, bvNone, bvLowered, bvRaised, bvSpace)
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
QRN_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
enum TBevelStyle { bsLowered, bsRaised };
QRN_ENUM(TBevelStyle, bsLowered, bsRaised)

// ---- TLabel

class TLabel : public TGraphicControl {
    QRN_CLASS(TLabel, TGraphicControl)
public:
    explicit TLabel(TComponent* AOwner);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
    void SetTransparent(bool Value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // DrawText flags for the current settings (without DT_CALCRECT).
    unsigned TextFlags() const;
    void AdjustBounds();

private:
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    bool FWordWrap = false;
    TWinControl* FFocusControl = nullptr;
    bool FShowAccelChar = true;
    TTextLayout FLayout = tlTop;
};

// ---- TEdit and TMemo

class TCustomEdit : public TWinControl {
    QRN_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* AOwner);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char Value);
    bool Modified();
    void SetModified(bool Value);
    int SelStart();
    void SetSelStart(int Value);
    int SelLength();
    void SetSelLength(int Value);
    std::string SelText();
    void SetSelText(const std::string& Value);
    void SelectAll();
    void Clear() { SetText(""); }
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void DoEnter() override;
    virtual void Change();

private:
    int FMaxLength = 0;
    bool FReadOnly = false;
    TEditCharCase FCharCase = ecNormal;
    bool FAutoSelect = true;
    char FPasswordChar = '\0';
    bool FModified = false;  // while there is no window
    int FSelStart = 0, FSelLength = 0;
};

class TEdit : public TCustomEdit {
    QRN_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

class TMemo;

// The memo's lines: a TStrings view over its text, which is the one copy.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TMemo* AMemo) : FMemo(AMemo) {}
    std::string Get(int Index) const override;
    int GetCount() const override;
    void Put(int Index, const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void SetTextStr(std::string_view Value) override;

private:
    std::vector<std::string> Split() const;
    void Join(const std::vector<std::string>& Lines);
    TMemo* FMemo;
};

class TMemo : public TCustomEdit {
    QRN_CLASS(TMemo, TCustomEdit)
public:
    explicit TMemo(TComponent* AOwner);
    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* Value) { FLines->Assign(Value); }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    std::unique_ptr<TMemoStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
};

// ---- buttons

class TButtonControl : public TWinControl {
    QRN_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& Params) override;
};

class TButton : public TButtonControl {
    QRN_CLASS(TButton, TButtonControl)
public:
    explicit TButton(TComponent* AOwner);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    // Sets the form's ModalResult (when it has one of its own), then OnClick.
    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    // Enter clicks the focused button, or the default one when the focus
    // is on something that is not a button.
    bool AnswersEnter();
    void UpdateDefaultStyle();
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
};

class TCheckBox : public TButtonControl {
    QRN_CLASS(TCheckBox, TButtonControl)
public:
    explicit TCheckBox(TComponent* AOwner);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    // A change shows in the window and fires OnClick once.
    void SetState(TCheckBoxState Value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // Unchecked -> grayed (when allowed) or checked -> unchecked; grayed -> checked.
    virtual void Toggle();
    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
};

class TRadioButton : public TButtonControl {
    QRN_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* AOwner);
    bool Checked() const { return FChecked; }
    // Checking unchecks the radio buttons sharing the parent and fires OnClick.
    void SetChecked(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;

private:
    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
};

// ---- containers

class TGroupBox : public TCustomControl {
    QRN_CLASS(TGroupBox, TCustomControl)
public:
    explicit TGroupBox(TComponent* AOwner);
    void WndProc(TMessage& Message) override;

protected:
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
};

class TRadioGroup : public TGroupBox {
    QRN_CLASS(TRadioGroup, TGroupBox)
public:
    explicit TRadioGroup(TComponent* AOwner);
    ~TRadioGroup() override;
    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* Value) { FItems->Assign(Value); }
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int ItemIndex() const { return FItemIndex; }
    // -1 unchecks all; a change fires OnClick once.
    void SetItemIndex(int Value);
    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    TRadioButton* Buttons(int Index) const { return FButtons.at(static_cast<size_t>(Index)); }

protected:
    void Loaded() override;
    void Resize() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void GetChildren(TGetChildProc, TComponent*) override {}

private:
    void ItemsChanged(TObject*);
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClicked(TObject* Sender);
    std::unique_ptr<TStringList> FItems;
    std::vector<TRadioButton*> FButtons;  // owned by the group as components
    int FColumns = 1;
    int FItemIndex = -1;
    bool FUpdating = false;
};

class TPanel : public TCustomControl {
    QRN_CLASS(TPanel, TCustomControl)
public:
    explicit TPanel(TComponent* AOwner);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // Width of the frame on every side: bevels plus border.
    int FrameWidth() const;
    void WndProc(TMessage& Message) override;

protected:
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;

private:
    void FrameChanged();
    TPanelBevel FBevelInner = bvNone;
    TPanelBevel FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TAlignment FAlignment = taCenter;
};

class TBevel : public TGraphicControl {
    QRN_CLASS(TBevel, TGraphicControl)
public:
    explicit TBevel(TComponent* AOwner);
    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

// Makes the classes above known to form streams (also done at start-up).
void RegisterStdCtrls();
