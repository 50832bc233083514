// The editor's published properties and events, with their stored defaults.
#include "editor/QuillHighlighter.h"
#include "editor/QuillMemo.h"
#include "framework/classes/TypeInfo.h"
#include "framework/uicore/Colors.h"

// The alignment streams under the framework's type and member names.
template <>
struct TTypeInfoOf<TQuillAlignment> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = MakeEnumTypeInfo("TAlignment", "taLeftJustify, taRightJustify, taCenter");
        return Info;
    }
};
#if QRN_QUILL_WINDOWED
template <>
struct TTypeInfoOf<TQuillBorderStyle> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = MakeEnumTypeInfo("TBorderStyle", "bsNone, bsSingle");
        return Info;
    }
};
#endif
QRN_ENUM(TUpdateMode, umImmediate, umOnNeed, umBackground)
QRN_ENUM(TQuillMemoOption, pmoAutoIndent, pmoBackIndent, pmoDiscardTrailingSpaces, pmoFullLineSelect, pmoInsertKeyActive,
         pmoKeepColumnPos, pmoLargeWordSelect, pmoNoDragnDrop, pmoNoFineScroll, pmoPutExtraSpaces, pmoWideOverwriteCaret,
         pmoWindowsSelColors, pmoWrapCaret, pmoAutoScrollBars)
QRN_SET_NAME(TQuillMemoOptions)

template <>
struct TTypeInfoOf<TParseEvent> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = qrn_rtti::MakeMethodInfo("TParseEvent", &typeid(void(TObject*, int32_t, int32_t)));
        return Info;
    }
};
template <>
struct TTypeInfoOf<TContextEvent> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info =
            qrn_rtti::MakeMethodInfo("TContextEvent", &typeid(void(TObject*, int, int32_t, int32_t)));
        return Info;
    }
};

QRN_PUBLISHED(TQuillMemo) {
    B.Prop("Alignment", &TQuillMemo::Alignment, &TQuillMemo::SetAlignment).NoDefault();
    B.Prop("HideSelection", &TQuillMemo::HideSelection, &TQuillMemo::SetHideSelection).Default(true);
    B.Prop("Lines", [](TObject* O) { return static_cast<TQuillMemo*>(O)->Lines(); });
    B.Prop("WantTabs", &TQuillMemo::WantTabs, &TQuillMemo::SetWantTabs).Default(true);
    B.Prop("WordWrap", &TQuillMemo::WordWrap, &TQuillMemo::SetWordWrap).Default(true);
    B.Prop("ApplyKeyWords", &TQuillMemo::ApplyKeyWords, &TQuillMemo::SetApplyKeyWords).Default(true);
    B.Prop("ApplyStartStopKeys", &TQuillMemo::ApplyStartStopKeys, &TQuillMemo::SetApplyStartStopKeys).Default(true);
    B.Prop("CaretWidth", &TQuillMemo::CaretWidth, &TQuillMemo::SetCaretWidth).NoDefault();
    B.Prop("DisplayOnly", &TQuillMemo::DisplayOnly, &TQuillMemo::SetDisplayOnly).NoDefault();
    B.Prop("EnableHotKeys", &TQuillMemo::EnableHotKeys, &TQuillMemo::SetEnableHotKeys).Default(true);
    B.Prop("HighlightBackgnd", &TQuillMemo::HighlightBackgnd, &TQuillMemo::SetHighlightBackgnd)
        .Type(QRN_TYPE(TColor))
        .Default(clWindow);
    B.Prop("HighlightColor", &TQuillMemo::HighlightColor, &TQuillMemo::SetHighlightColor)
        .Type(QRN_TYPE(TColor))
        .Default(clRed);
    B.Prop("Highlighter", &TQuillMemo::Highlighter, &TQuillMemo::SetHighlighter);
    B.Prop("Justified", &TQuillMemo::Justified, &TQuillMemo::SetJustified).NoDefault();
    B.Prop("Keywords", [](TObject* O) { return static_cast<TQuillMemo*>(O)->Keywords(); });
    B.Prop("LeftMargin", &TQuillMemo::LeftMargin, &TQuillMemo::SetLeftMargin).Default(8);
    B.Prop("RightMargin", &TQuillMemo::RightMargin, &TQuillMemo::SetRightMargin).Default(8);
    B.Prop("LineHeight", &TQuillMemo::LineHeight, &TQuillMemo::SetLineHeight).NoDefault();
    B.Prop("NullReplacement", &TQuillMemo::NullReplacement, &TQuillMemo::SetNullReplacement).Default(0);
    B.Prop("Options", &TQuillMemo::Options, &TQuillMemo::SetOptions).NoDefault();
    B.Prop("Overwrite", &TQuillMemo::Overwrite, &TQuillMemo::SetOverwrite).NoDefault();
    B.Prop("PassOverCodes", &TQuillMemo::PassOverCodes, &TQuillMemo::SetPassOverCodes).Default(true);
    B.Prop("ReadOnly", &TQuillMemo::ReadOnly, &TQuillMemo::SetReadOnly).Default(false);
    B.Prop("Separators", &TQuillMemo::Separators, [](TObject* O, const std::string& V) {
        static_cast<TQuillMemo*>(O)->SetSeparators(V);
    });
    B.Prop("ShowEndParSelected", &TQuillMemo::ShowEndParSelected, &TQuillMemo::SetShowEndParSelected).Default(true);
    B.Prop("StartStopKeys", [](TObject* O) { return static_cast<TQuillMemo*>(O)->StartStopKeys(); });
    B.Prop("StaticFormat", &TQuillMemo::StaticFormat, &TQuillMemo::SetStaticFormat).Default(true);
    B.Prop("TabStops", &TQuillMemo::TabStops, &TQuillMemo::SetTabStops).Default(8);
    // The stored default differs from the value at creation, so the value
    // is always written.
    B.Prop("UndoMaxSpace", &TQuillMemo::UndoMaxSpace, &TQuillMemo::SetUndoMaxSpace).Default(65538);
    B.Prop("UndoMaxLevel", &TQuillMemo::UndoMaxLevel, &TQuillMemo::SetUndoMaxLevel).Default(256);
    B.Prop("UpdateMode", &TQuillMemo::UpdateMode, &TQuillMemo::SetUpdateMode).Default(umBackground);
    B.Prop("Version", &TQuillMemo::Version, &TQuillMemo::SetVersion);
#if QRN_QUILL_WINDOWED
    B.Prop("AltFont", [](TObject* O) { return static_cast<TQuillMemo*>(O)->AltFont(); });
    B.Prop("BorderStyle", &TQuillMemo::BorderStyle, &TQuillMemo::SetBorderStyle).Default(qbsSingle);
    B.Prop("EndOfTextMark", [](TObject* O) { return static_cast<TQuillMemo*>(O)->EndOfTextMark(); });
    B.Prop("ScrollBars", &TQuillMemo::ScrollBars, &TQuillMemo::SetScrollBars).NoDefault();
#endif
    B.Event("OnChange", &TQuillMemo::OnChange);
    B.Event("OnStyleChange", &TQuillMemo::OnStyleChange);
    B.Event("OnSelMove", &TQuillMemo::OnSelMove);
    B.Event("OnVScroll", &TQuillMemo::OnVScroll);
    B.Event("OnProgress", &TQuillMemo::OnProgress);
    B.Event("OnParse", &TQuillMemo::OnParse);
    B.Event("OnContext", &TQuillMemo::OnContext);
}
