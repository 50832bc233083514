#include "editor/win/QuillWindowSideWin.h"

#include <cstring>

#include "editor/win/QuillMemo.h"
#include "framework/forms/Forms.h"

HFONT TQuillFonts::Get(uint8_t Style) {
    // The highlight bit (4) does not change the font.
    int Slot = (Style & 0x0F) | ((Style & 0x20) >> 1);
    if (FFonts[Slot]) return FFonts[Slot];
    TFont* Src = (Style & 0x20) ? FAlt : FBase;
    LOGFONTA LF{};
    GetObjectA(Src->Handle(), sizeof(LF), &LF);
    // The in-text style toggles the font's own style.
    bool Bold = (LF.lfWeight >= FW_BOLD) != ((Style & 0x01) != 0);
    LF.lfWeight = Bold ? FW_BOLD : FW_NORMAL;
    LF.lfItalic = static_cast<BYTE>((LF.lfItalic != 0) != ((Style & 0x02) != 0));
    LF.lfUnderline = static_cast<BYTE>((LF.lfUnderline != 0) != ((Style & 0x04) != 0));
    LF.lfStrikeOut = static_cast<BYTE>((LF.lfStrikeOut != 0) != ((Style & 0x08) != 0));
    FFonts[Slot] = CreateFontIndirectA(&LF);
    return FFonts[Slot];
}

void TQuillFonts::Clear() {
    for (HFONT& F : FFonts)
        if (F) {
            DeleteObject(F);
            F = nullptr;
        }
}

TQuillWindowSide::TQuillWindowSide(TQuillMemo* AMemo) : FMemo(AMemo) {
    FDC = CreateCompatibleDC(nullptr);
}

TQuillWindowSide::~TQuillWindowSide() {
    if (FOldFont) SelectObject(FDC, FOldFont);
    DeleteDC(FDC);
}

void TQuillWindowSide::SelectStyle(uint8_t Style) {
    int Key = Style & 0x2F;
    if (Key == FSelected) return;
    HGDIOBJ Old = SelectObject(FDC, FMemo->FFonts->Get(Style));
    if (!FOldFont) FOldFont = Old;
    FSelected = Key;
}

int32_t TQuillWindowSide::TextWidth(const char* Text, int32_t Length) {
    if (Length <= 0) return 0;
    TWordWidth* Slot = nullptr;
    if (FSelected >= 0 && Length <= static_cast<int32_t>(sizeof(TWordWidth::Text))) {
        constexpr size_t Slots = 4096;
        if (FWords.empty()) FWords.resize(Slots);
        uint32_t H = 2166136261u ^ static_cast<uint32_t>(FSelected);
        for (int32_t i = 0; i < Length; ++i) H = (H ^ static_cast<unsigned char>(Text[i])) * 16777619u;
        Slot = &FWords[(H ^ H >> 15) % Slots];
        if (Slot->Width >= 0 && Slot->Font == FSelected && Slot->Length == Length &&
            std::memcmp(Slot->Text, Text, static_cast<size_t>(Length)) == 0)
            return Slot->Width;
    }
    SIZE S{};
    GetTextExtentPoint32A(FDC, Text, Length, &S);
    if (Slot) {
        Slot->Width = S.cx;
        Slot->Font = static_cast<uint8_t>(FSelected);
        Slot->Length = static_cast<uint8_t>(Length);
        std::memcpy(Slot->Text, Text, static_cast<size_t>(Length));
    }
    return S.cx;
}

int32_t TQuillWindowSide::CharWidth(char C) {
    if (FSelected < 0) return TextWidth(&C, 1);
    if (FWidths.empty()) {
        FWidths.resize(64);
        for (auto& W : FWidths) W.fill(-1);
    }
    int32_t& W = FWidths[static_cast<size_t>(FSelected)][static_cast<unsigned char>(C)];
    if (W < 0) W = TextWidth(&C, 1);
    return W;
}

int32_t TQuillWindowSide::FontLineHeight() {
    SelectStyle(0);
    TEXTMETRICA TM{};
    GetTextMetricsA(FDC, &TM);
    return TM.tmHeight;
}

int32_t TQuillWindowSide::ClientWidth() { return Printing() ? FPrintWidth : FMemo->ClientWidth(); }
int32_t TQuillWindowSide::ClientHeight() { return FMemo->ClientHeight(); }

void TQuillWindowSide::InvalidateLines(int32_t FirstLine, int32_t LastLine) {
    if (!Printing()) FMemo->InvalidateLines(FirstLine, LastLine);
}

void TQuillWindowSide::MoveLinesBelow(int32_t OldFirstLine, int32_t Delta) {
    if (!Printing()) FMemo->MoveLinesBelow(OldFirstLine, Delta);
}

void TQuillWindowSide::InvalidateAll() {
    if (!Printing() && FMemo->HandleAllocated()) FMemo->InvalidateClient(nullptr);
}

void TQuillWindowSide::PaintNow() {
    if (!Printing() && FMemo->HandleAllocated()) UpdateWindow(FMemo->Handle());
}

void TQuillWindowSide::UpdateScrollRanges() {
    if (!Printing()) FMemo->UpdateScrollBars();
}

void TQuillWindowSide::PlaceCaret() {
    if (!Printing()) FMemo->UpdateCaret();
}

void TQuillWindowSide::ViewScrolled(int32_t OldY, int32_t OldX) { FMemo->ViewScrolled(OldY, OldX); }

void TQuillWindowSide::ScheduleFormatStep() { ArmFormatTimer(false); }

void TQuillWindowSide::ArmFormatTimer(bool Restart, unsigned Delay) {
    if (!FMemo->HandleAllocated() || FInTick || (FTimerOn && !Restart)) return;
    SetTimer(FMemo->Handle(), QuillFormatTimer, Delay, nullptr);
    FTimerOn = true;
}

namespace {
// Half a second covers the gaps between a typist's keys.
constexpr int64_t TypingPause = 500;
}  // namespace

void TQuillWindowSide::HoldFormatForTyping() {
    FLastKeyAt = FMemo->Now();
    // Armed once for a run of keys, not at each: its tick arms it again for
    // what is left of the pause after the last key.
    if (FTypingHold && FTimerOn) return;
    FTypingHold = true;
    ArmFormatTimer(true, TypingPause);
}

bool TQuillWindowSide::TypingHoldsFormat() {
    if (!FTypingHold) return false;
    const int64_t Left = FLastKeyAt + TypingPause - FMemo->Now();
    if (Left <= 0) {
        FTypingHold = false;
        return false;
    }
    ArmFormatTimer(true, static_cast<unsigned>(Left));
    return true;
}

void TQuillWindowSide::BeginFormatTick() {
    if (FMemo->HandleAllocated()) KillTimer(FMemo->Handle(), QuillFormatTimer);
    FTimerOn = false;
    FInTick = true;
    FSawInput = false;
}

void TQuillWindowSide::EndFormatTick(bool Again) {
    FInTick = false;
    if (Again) ArmFormatTimer(true);
}

bool TQuillWindowSide::InputPending() {
    // What is in the queue now, not only what came since the last look: a
    // look elsewhere (the loop's, the system's own) clears the news. A due
    // timer of another kind (the code window's status, the caret's blink)
    // is served too; layout's own timer is off while its slices run.
    if (GetQueueStatus(QS_INPUT | QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_HOTKEY | QS_TIMER) == 0) return false;
    FSawInput = true;
    return true;
}

bool TQuillWindowSide::Terminating() { return Application && Application->Terminated(); }
