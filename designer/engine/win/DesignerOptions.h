#pragma once
// The form designer's global options (grid, captions, hints) and the
// designer component's hot keys, kept in the registry under "Designer\".
// A change of the global instance reaches every designer that uses the
// global options.
#include <functional>

#include "designer/support/win/OptionExt.h"
#include "framework/uicore/ShortCuts.h"

class TZelFormDesigner;

class TDesignerOptions : public TOptionExt {
    QRN_CLASS(TDesignerOptions, TOptionExt)
public:
    std::string GetRegistryKey() const override { return "Designer\\"; }
    void Apply() override;

    bool ShowGrid() const { return FShowGrid; }
    void SetShowGrid(bool Value) { SetOption(FShowGrid, Value); }
    bool SnaptoGrid() const { return FSnaptoGrid; }
    void SetSnaptoGrid(bool Value) { SetOption(FSnaptoGrid, Value); }
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value) { SetOption(FShowCaptions, Value); }
    // Grid steps are 2 to 128 pixels; other values are brought into range.
    int GridSizeX() const { return FGridSizeX; }
    void SetGridSizeX(int Value);
    int GridSizeY() const { return FGridSizeY; }
    void SetGridSizeY(int Value);
    bool ShowHints() const { return FShowHints; }
    void SetShowHints(bool Value) { SetOption(FShowHints, Value); }

    // Gives a designer these values.
    void ApplyTo(TZelFormDesigner* Designer) const;

private:
    bool FShowGrid = true;
    bool FSnaptoGrid = true;
    bool FShowCaptions = true;
    int FGridSizeX = 8;
    int FGridSizeY = 8;
    bool FShowHints = false;
};

class TZelLiteDesignerOptions : public TOptionExt {
    QRN_CLASS(TZelLiteDesignerOptions, TOptionExt)
public:
    std::string GetRegistryKey() const override { return "Designer\\"; }
    void Apply() override;

    TShortCut StartHotKey() const { return FStartHotKey; }
    void SetStartHotKey(TShortCut Value) { SetOption(FStartHotKey, Value); }
    TShortCut StopHotKey() const { return FStopHotKey; }
    void SetStopHotKey(TShortCut Value) { SetOption(FStopHotKey, Value); }

private:
    TShortCut FStartHotKey = scCtrl | 123;  // Ctrl+F12
    TShortCut FStopHotKey = scCtrl | 123;
};

// The designer components (a higher layer) take the global hot keys when
// the global instance changes.
extern std::function<void(const TZelLiteDesignerOptions&)> LiteDesignerOptionsApplied;
