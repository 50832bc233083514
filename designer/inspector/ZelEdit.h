#pragma once
// The button edit every value editor of the inspector is built on: a
// container drawing the border, an exchangeable inner edit, up to two
// embedded buttons on its right edge, a drop-down window that opens below
// it (one open drop-down per process) and an edit source the text passes
// through. The inner edit, the drop-down and the edit source are created
// from classes, so descendants and the per-type lookup can swap them.
#include <memory>
#include <string>

#include "designer/support/EditSource.h"
#include "framework/controls/Controls.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

class TCustomZelEdit;

// Sent to a button edit's window: commit the text now.
inline constexpr UINT CommitTextMessage = 2035;

// Keeps the text it is given.
class TDummyEditSource : public TEditSource {
    QRN_CLASS(TDummyEditSource, TEditSource)
public:
    using TEditSource::TEditSource;
    std::string GetText() override { return FText; }
    void SetText(const std::string& Value) override { FText = Value; }

private:
    std::string FText;
};

// Stands in for a drop-down class that is not registered: never drops.
class TDummyPopup : public TWinControl {
    QRN_CLASS(TDummyPopup, TWinControl)
public:
    // Never shown, so never made at design time either: it has no parent.
    explicit TDummyPopup(TComponent* AOwner) : TWinControl(AOwner) {
        SetControlStyle(ControlStyle() + TControlStyle{csNoDesignVisible});
    }
};

// The plain inner edit: no border of its own.
class TZelSimpleEdit : public TCustomEdit {
    QRN_CLASS(TZelSimpleEdit, TCustomEdit)
public:
    explicit TZelSimpleEdit(TComponent* AOwner);
    // Typed text goes through the OEM code page and back.
    bool OEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    bool FOEMConvert = false;
};

enum TButtonKind { bkCustom, bkDropDown, bkDots };
QRN_ENUM(TButtonKind, bkCustom, bkDropDown, bkDots)

class TEditButton : public TSpeedButton {
    QRN_CLASS(TEditButton, TSpeedButton)
public:
    explicit TEditButton(TComponent* AOwner);
    // Focuses the edit; without an OnClick it toggles the drop-down.
    void Click() override;

protected:
    void Paint() override;
};

// The settings of one embedded button.
class TButtonParams : public TPersistent {
    QRN_CLASS(TButtonParams, TPersistent)
public:
    TButtonParams(TCustomZelEdit* AEdit, TEditButton* AButton);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }
    TButtonKind Kind() const { return FKind; }
    void SetKind(TButtonKind Value);
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(FKind == bkCustom ? Value : 1); }
    bool Visible() const { return FButton->Visible(); }
    void SetVisible(bool Value);
    const std::string& Hint() const { return FButton->Hint(); }
    void SetHint(const std::string& Value) { FButton->SetHint(Value); }
    bool ShowHint() const { return FButton->ShowHint(); }
    void SetShowHint(bool Value) { FButton->SetShowHint(Value); }
    bool ParentShowHint() const { return FButton->ParentShowHint(); }
    void SetParentShowHint(bool Value) { FButton->SetParentShowHint(Value); }
    TEditButton* Button() const { return FButton; }
    // A custom glyph without a set width sizes the button to it.
    void GlyphSizeRule();

private:
    TCustomZelEdit* FEdit;
    TEditButton* FButton;
    int FWidth = 0;
    TCursor FCursor = crDefault;
    TButtonKind FKind = bkCustom;
};

class TCustomZelEdit : public TCustomControl {
    QRN_CLASS(TCustomZelEdit, TCustomControl)
public:
    explicit TCustomZelEdit(TComponent* AOwner);
    ~TCustomZelEdit() override;
    void BeforeDestruction() override;

    void SetParent(TWinControl* AParent) override;
    // The accelerator text of the edit, apart from the text it edits; it
    // is the window's own text (WM_SETTEXT sets it).
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    // While the inner edit is the form's active control, it stands in the
    // tab order where the edit stands, so Tab moves on from it.
    void GetTabOrderList(std::vector<TWinControl*>& List) override;
    void SetFocus() override;
    void Click() override;
    void WndProc(TMessage& Message) override;

    // Text setter and getter.
    virtual void SetText(const std::string& Value);
    virtual std::string GetText() override;
    virtual void RestoreText();
    virtual void UpdateReadOnly();
    virtual void UpdatePopupText();
    virtual void ReadPopupText();
    virtual bool GetModified();
    void SetModified(bool Value);
    virtual bool GetReadOnly() { return FReadOnly; }
    virtual void AdjustEditClass(const TClass*&) {}
    virtual void UpdateEditSource();
    virtual const TClass* GetEditClass();
    virtual const TClass* GetPopupClass();
    virtual void Change();
    virtual void DropDown();
    virtual void CloseUp(bool Accept);
    // Commits the text through the edit source, never re-entrantly.
    void CommitText();

    void SetEditClass(const TClass* Class);
    void SetPopupClass(const TClass* Class);
    const std::string& EditClassName() const { return FEditClassName; }
    void SetEditClassName(const std::string& Value);
    const std::string& PopupClassName() const { return FPopupClassName; }
    void SetPopupClassName(const std::string& Value);
    const std::string& EditSourceClassName() const { return FEditSourceClassName; }
    void SetEditSourceClassName(const std::string& Value);

    TControl* Edit() const { return FEdit; }
    TWinControl* Popup() const { return FPopup; }
    TEditSource* EditSource() const { return FEditSource; }
    TEditButton* Button1() const { return FButton1; }
    TEditButton* Button2() const { return FButton2; }
    TButtonParams* Button1Params() const { return FButton1Params.get(); }
    TButtonParams* Button2Params() const { return FButton2Params.get(); }
    int ButtonCount() const { return FButtonCount; }
    void SetButtonCount(int Value);
    bool DroppedDown() const { return FDroppedDown; }
    bool DropOnClick() const { return FDropOnClick; }
    void SetDropOnClick(bool Value) { FDropOnClick = Value; }
    bool HideCaret() const { return FHideCaret; }
    void SetHideCaret(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool FocusRepaint() const { return FFocusRepaint; }
    void SetFocusRepaint(bool Value);
    const std::string& Version() const { return FVersion; }
    void SetVersion(const std::string& Value) { FVersion = Value; }
    bool CreateDefaults() const { return FCreateDefaults; }
    void SetCreateDefaults(bool Value) { FCreateDefaults = Value; }
    void ArrangeButtons();
    // True in the flat look's idle state (no frame drawn as sunken).
    bool FlatIdle();

    TNotifyEvent OnDropDown;
    TNotifyEvent OnChange;
    void SetOnButton1Click(const TNotifyEvent& Value);
    void SetOnButton2Click(const TNotifyEvent& Value);
    TNotifyEvent OnButton1Click() const { return FButton1->OnClick; }
    TNotifyEvent OnButton2Click() const { return FButton2->OnClick; }

    // The drop-down open in this process and its edit (nullptr when none).
    static TWinControl* ActivePopup();
    static TCustomZelEdit* ActivePopupEdit();

protected:
    virtual void EditWndProc(TMessage& Message);
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Loaded() override;
    void Paint() override;
    void AlignControls(TControl*, TRect&) override {}
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    TComponent* GetChildOwner() override { return this; }
    TComponent* GetChildParent() override { return this; }
    void RefreshFlat();
    bool EditHasFocus();

    bool FSuppressBroadcast = false;
    bool FCommitLock = false;
    // Set by a MouseDown that acted on the press itself: the press goes no
    // further, to the inner edit.
    bool FPressTaken = false;
    int FReparenting = 0;

private:
    bool TextByMessage();
    void SubclassEdit();
    void RestoreEditProc();
    void PrepareEdit(TControl* NewEdit);
    void PreparePopup(TWinControl* NewPopup);
    void DetachPopup();
    void HookMainWindow();
    void UnhookMainWindow();
    void TimerTick();
    void AdjustHeight();
    TComponent* ReuseChild(const TClass* Class);

    TControl* FEdit = nullptr;
    TWinControl* FPopup = nullptr;
    TEditSource* FEditSource = nullptr;
    TEditButton* FButton1 = nullptr;
    TEditButton* FButton2 = nullptr;
    std::unique_ptr<TButtonParams> FButton1Params;
    std::unique_ptr<TButtonParams> FButton2Params;
    TWndMethod FSavedEditProc;
    TWndMethod FSavedMainProc;
    TCustomForm* FHookedForm = nullptr;
    int FButtonCount = 1;
    std::string FEditClassName, FPopupClassName, FEditSourceClassName;
    std::string FTextCache;
    std::string FCaption;
    std::string FVersion;
    TFormBorderStyle FBorderStyle = bsSingle;
    int FLastFlatState = 2;
    bool FDroppedDown = false;
    bool FSubclassed = false;
    bool FDropOnClick = false;
    bool FHideCaret = false;
    bool FFlat = false;
    bool FModified = false;
    bool FReadOnly = false;
    bool FFocusRepaint = true;
    bool FCommitting = false;
    bool FDropArmed = false;
    bool FMouseOutside = true;
    bool FMouseLeft = false;
    bool FFocusClick = true;
    bool FEntering = false;
    bool FCreateDefaults = true;
};

// Line height, text size and text width of a font, measured on the screen.
int FontTextHeight(TFont* Font);
SIZE FontTextExtent(TFont* Font, const std::string& Text);
int FontTextWidth(TFont* Font, const std::string& Text);
