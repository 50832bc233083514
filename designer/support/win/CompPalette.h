#pragma once
// The component palette: a page control with one button per registered
// component class, grouped into pages by a page list, plus the ActiveX
// controls the user chose. A press selects a class for insertion and is
// broadcast on the listener bus (2029).
#include <memory>
#include <string>
#include <vector>

#include "designer/support/MessageBus.h"
#include "designer/support/PalettePages.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/rtl/StringList.h"

class TAxControlInfo;

// A class the palette offers: what the class registry holds for it.
struct TPaletteClassEntry {
    const TClass* Class = nullptr;
    std::string PageName;
    intptr_t Module = 0;  // the module that registered it
};
using TPaletteClassSource = std::vector<TPaletteClassEntry> (*)();
// Where the palette takes its classes from. By default (and after
// nullptr) it is the designer's class registry: the classes registered
// with a page and with an icon. Tests hand a list of their own.
void SetPaletteClassSource(TPaletteClassSource Source);

// Tags of palette buttons besides a module handle.
inline constexpr intptr_t ArrowButtonTag = -1;
inline constexpr intptr_t ActiveXButtonTag = -2;
inline constexpr intptr_t RebuildMarkTag = -3;

// The shift state of a press as the 2029 broadcast carries it.
enum : uint8_t {
    psShift = 1, psAlt = 2, psCtrl = 4, psLeft = 8, psRight = 16, psMiddle = 32, psDouble = 64
};

class TZelPageControl : public TPageControl {
    QRN_CLASS(TZelPageControl, TPageControl)
public:
    explicit TZelPageControl(TComponent* AOwner);
    ~TZelPageControl() override;

    TStrings* PageItems() const { return FPageItems.get(); }
    void SetPageItems(TStrings* Value) { FPageItems->Assign(Value); }
    bool OnlyDefinedItems() const { return FOnlyDefinedItems; }
    void SetOnlyDefinedItems(bool Value) { FOnlyDefinedItems = Value; }
    bool UseGlobalOptions() const { return FUseGlobalOptions; }
    void SetUseGlobalOptions(bool Value);
    const TPageMap& ClassMap() const { return FClassMap; }

    virtual void ApplyGlobalOptions() {}
    virtual void RecreatePages();
    // Parses the page list (not while designed).
    virtual void RebuildPages();

protected:
    void Loaded() override;

private:
    void PageItemsChanged(TObject*);
    std::unique_ptr<TStringList> FPageItems;
    TPageMap FClassMap;
    bool FOnlyDefinedItems = false;
    bool FUseGlobalOptions = false;
};

class TZelPaletteSheet : public TTabSheet {
    QRN_CLASS(TZelPaletteSheet, TTabSheet)
public:
    explicit TZelPaletteSheet(TComponent* AOwner) : TTabSheet(AOwner) {}
    int ScrollRow = 0;
    bool HasMoreRows = true;
    bool Populated = false;
    bool RebuildMark = false;  // no registered class named it yet in this rebuild
    void WndProc(TMessage& Message) override;
};

class TZelPaletteButton : public TGraphicControl {
    QRN_CLASS(TZelPaletteButton, TGraphicControl)
public:
    explicit TZelPaletteButton(TComponent* AOwner);
    ~TZelPaletteButton() override;
    int ImageIndex() const { return FImageIndex; }
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool MouseInside() const { return FMouseInside; }
    bool Pressing() const { return FPressing; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    // The glyph goes into the shared image list, centred when smaller.
    void SetGlyph(TBitmap* Glyph);
    void WndProc(TMessage& Message) override;
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int FImageIndex;
    bool FDown = false;
    bool FMouseInside = false;
    bool FPressing = false;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
};

class TPaletteButton : public TZelPaletteButton {
    QRN_CLASS(TPaletteButton, TZelPaletteButton)
public:
    explicit TPaletteButton(TComponent* AOwner) : TZelPaletteButton(AOwner) {}
    // The class name without its first letter (an ActiveX control: its
    // name); also the button's hint.
    std::string NameText;
    // The module that registered the class, or a tag below.
    intptr_t ModuleTag = 0;
};

class TButtonData : public TCollectionItem {
    QRN_CLASS(TButtonData, TCollectionItem)
public:
    explicit TButtonData(TCollection* Collection) : TCollectionItem(Collection) {}
    TPaletteButton* Button = nullptr;
    GUID TypeLibID{};
    GUID ClassID{};
};

class TZelCompPalette : public TZelPageControl {
    QRN_CLASS(TZelCompPalette, TZelPageControl)
public:
    explicit TZelCompPalette(TComponent* AOwner);
    ~TZelCompPalette() override;
    void BeforeDestruction() override;

    int ArrowWidth() const { return FArrowWidth; }
    int ArrowHeight() const { return FArrowHeight; }
    uint8_t SelectFlags() const { return FSelectFlags; }
    const std::string& SelectedClassName() const { return FSelectedClassName; }
    TBitmap* MouseGlyph() const { return FMouseGlyph.get(); }
    void SetMouseGlyph(TBitmap* Value) { FMouseGlyph->Assign(Value); }
    TCollection* ActiveXButtons() const { return FActiveXButtons.get(); }
    TZelPaletteSheet* PopulatingSheet() const { return FPopulatingSheet; }

    TNotifyEvent OnSelectButton;
    TNotifyEvent OnPagesChanged;

    void ApplyGlobalOptions() override;
    void RecreatePages() override;
    void RebuildPages() override;

    TZelPaletteSheet* FindPaletteSheet(const std::string& Name);
    std::string PageOfClass(const std::string& ClassName, const std::string& DefaultPage) const;
    void AddClassButton(const std::string& DefaultPage, const TClass* Class, intptr_t Module);
    void LayoutSheet(TZelPaletteSheet* Sheet);
    void SortSheets();
    void ResetSelection();
    // Shows a sheet, filling it on its first show.
    void ShowSheet(TZelPaletteSheet* Sheet);
    // Activating a page shows it as a tab change does.
    void SetActivePage(TTabSheet* Page);
    TZelPaletteSheet* Sheet(int Index) const;
    // The class or ActiveX buttons of a sheet, in component order.
    std::vector<TPaletteButton*> SheetButtons(TZelPaletteSheet* Sheet) const;
    TPaletteButton* ArrowButtonOf(TZelPaletteSheet* Sheet) const;

    void WndProc(TMessage& Message) override;

protected:
    void Change() override;

private:
    friend class TZelPaletteButton;
    // A class or ActiveX button with the palette's handlers.
    TPaletteButton* NewButton(const std::string& NameText, intptr_t Tag);
    void ButtonMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void ButtonClick(TObject* Sender);
    void ArrowClick(TObject*) { ResetSelection(); }
    void PressArrowsExcept(TZelPaletteSheet* Keep);
    void RemoveEmptySheets();
    void AddActiveX(TAxControlInfo* Info);
    void AddActiveXButton(TAxControlInfo* Info);
    void RemoveActiveX(TAxControlInfo* Info);
    void ClassesRegistered(TZelMessage& M);
    void ComponentInserted(TZelMessage& M);
    void ActiveXAdded(TZelMessage& M);
    void ActiveXRemoved(TZelMessage& M);

    std::unique_ptr<TCollection> FActiveXButtons;
    std::unique_ptr<TBitmap> FMouseGlyph;
    int FArrowWidth = 26;
    int FArrowHeight = 26;
    TZelPaletteSheet* FPopulatingSheet = nullptr;
    uint8_t FSelectFlags = 0;
    std::string FSelectedClassName;
};

// Message the palette posts to itself after a rebuild.
inline constexpr uint32_t PaletteChangedMessage = 2070;

// The class name selected last on any palette; empty after a reset.
extern std::string SelectedPaletteClass;
// Every live palette.
const std::vector<TZelCompPalette*>& PaletteList();
