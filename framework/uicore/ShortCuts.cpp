#include "framework/uicore/ShortCuts.h"


#include "framework/rtl/StrUtils.h"

namespace {

// Virtual-key codes named here so the table stays portable.
struct TKeyName {
    uint16_t Key;
    const char* Name;
};

constexpr TKeyName KeyNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},  {0x0D, "Enter"}, {0x1B, "Esc"},   {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"}, {0x23, "End"},   {0x24, "Home"},  {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"}, {0x2D, "Ins"},   {0x2E, "Del"},
};

std::string KeyToText(uint16_t Key) {
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return std::string(1, static_cast<char>(Key));
    if (Key >= 0x70 && Key <= 0x87) return "F" + std::to_string(Key - 0x70 + 1);
    for (const auto& K : KeyNames)
        if (K.Key == Key) return K.Name;
    return {};
}

uint16_t TextToKey(const std::string& Text) {
    if (Text.size() == 1) {
        const char C = AsciiUpper(Text[0]);
        if ((C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z')) return static_cast<uint16_t>(C);
    }
    for (const auto& K : KeyNames)
        if (SameText(Text, K.Name)) return K.Key;
    if (Text.size() >= 2 && Text.size() <= 3 && (Text[0] == 'F' || Text[0] == 'f')) {
        int N = 0;
        for (size_t I = 1; I < Text.size(); ++I) {
            if (Text[I] < '0' || Text[I] > '9') return 0;
            N = N * 10 + (Text[I] - '0');
        }
        if (N >= 1 && N <= 24) return static_cast<uint16_t>(0x70 + N - 1);
    }
    return 0;
}

// Strips a modifier prefix ("Ctrl+") from Text when it starts with one.
bool TakePrefix(std::string& Text, const char* Prefix) {
    std::string P = Prefix;
    if (Text.size() > P.size() && SameText(Text.substr(0, P.size()), P)) {
        Text.erase(0, P.size());
        return true;
    }
    return false;
}

}  // namespace

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
    if (Key & 0xFF00) return 0;
    TShortCut Result = Key;
    if (Shift.Contains(ssShift)) Result |= scShift;
    if (Shift.Contains(ssCtrl)) Result |= scCtrl;
    if (Shift.Contains(ssAlt)) Result |= scAlt;
    return Result;
}

void ShortCutToKey(TShortCut Value, uint16_t& Key, TShiftState& Shift) {
    Key = Value & 0xFF;
    Shift = {};
    if (Value & scShift) Shift.Include(ssShift);
    if (Value & scCtrl) Shift.Include(ssCtrl);
    if (Value & scAlt) Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut Value) {
    std::string Name = KeyToText(Value & 0xFF);
    if (Name.empty()) return {};
    std::string Result;
    if (Value & scShift) Result += "Shift+";
    if (Value & scCtrl) Result += "Ctrl+";
    if (Value & scAlt) Result += "Alt+";
    return Result + Name;
}

TShortCut TextToShortCut(const std::string& Input) {
    std::string Text = Trim(Input);
    TShortCut Mods = 0;
    for (bool Found = true; Found;) {
        Found = false;
        if (TakePrefix(Text, "Shift+")) { Mods |= scShift; Found = true; }
        if (TakePrefix(Text, "Ctrl+")) { Mods |= scCtrl; Found = true; }
        if (TakePrefix(Text, "Alt+")) { Mods |= scAlt; Found = true; }
    }
    uint16_t Key = TextToKey(Text);
    return Key ? static_cast<TShortCut>(Key | Mods) : 0;
}
