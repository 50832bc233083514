// The editor's published properties and events, with their stored defaults.
#include "editor/QuillEditor.h"
#include "editor/QuillHighlighter.h"
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

QRN_PUBLISHED(TQuillEditor) {
    B.Prop("Alignment", &TQuillEditor::Alignment, &TQuillEditor::SetAlignment).NoDefault();
    B.Prop("HideSelection", &TQuillEditor::HideSelection, &TQuillEditor::SetHideSelection).Default(true);
    B.Prop("Lines", [](TObject* O) { return static_cast<TQuillEditor*>(O)->Lines(); });
    B.Prop("WantTabs", &TQuillEditor::WantTabs, &TQuillEditor::SetWantTabs).Default(true);
    B.Prop("WordWrap", &TQuillEditor::WordWrap, &TQuillEditor::SetWordWrap).Default(true);
    B.Prop("ApplyKeyWords", &TQuillEditor::ApplyKeyWords, &TQuillEditor::SetApplyKeyWords).Default(true);
    B.Prop("ApplyStartStopKeys", &TQuillEditor::ApplyStartStopKeys, &TQuillEditor::SetApplyStartStopKeys).Default(true);
    B.Prop("CaretWidth", &TQuillEditor::CaretWidth, &TQuillEditor::SetCaretWidth).NoDefault();
    B.Prop("DisplayOnly", &TQuillEditor::DisplayOnly, &TQuillEditor::SetDisplayOnly).NoDefault();
    B.Prop("EnableHotKeys", &TQuillEditor::EnableHotKeys, &TQuillEditor::SetEnableHotKeys).Default(true);
    B.Prop("HighlightBackgnd", &TQuillEditor::HighlightBackgnd, &TQuillEditor::SetHighlightBackgnd)
        .Type(QRN_TYPE(TColor))
        .Default(clWindow);
    B.Prop("HighlightColor", &TQuillEditor::HighlightColor, &TQuillEditor::SetHighlightColor)
        .Type(QRN_TYPE(TColor))
        .Default(clRed);
    B.Prop("Highlighter", &TQuillEditor::Highlighter, &TQuillEditor::SetHighlighter);
    B.Prop("Justified", &TQuillEditor::Justified, &TQuillEditor::SetJustified).NoDefault();
    B.Prop("Keywords", [](TObject* O) { return static_cast<TQuillEditor*>(O)->Keywords(); });
    B.Prop("LeftMargin", &TQuillEditor::LeftMargin, &TQuillEditor::SetLeftMargin).Default(8);
    B.Prop("RightMargin", &TQuillEditor::RightMargin, &TQuillEditor::SetRightMargin).Default(8);
    B.Prop("LineHeight", &TQuillEditor::LineHeight, &TQuillEditor::SetLineHeight).NoDefault();
    B.Prop("NullReplacement", &TQuillEditor::NullReplacement, &TQuillEditor::SetNullReplacement).Default(0);
    B.Prop("Options", &TQuillEditor::Options, &TQuillEditor::SetOptions).NoDefault();
    B.Prop("Overwrite", &TQuillEditor::Overwrite, &TQuillEditor::SetOverwrite).NoDefault();
    B.Prop("PassOverCodes", &TQuillEditor::PassOverCodes, &TQuillEditor::SetPassOverCodes).Default(true);
    B.Prop("ReadOnly", &TQuillEditor::ReadOnly, &TQuillEditor::SetReadOnly).Default(false);
    B.Prop("Separators", &TQuillEditor::Separators, [](TObject* O, const std::string& V) {
        static_cast<TQuillEditor*>(O)->SetSeparators(V);
    });
    B.Prop("ShowEndParSelected", &TQuillEditor::ShowEndParSelected, &TQuillEditor::SetShowEndParSelected).Default(true);
    B.Prop("StartStopKeys", [](TObject* O) { return static_cast<TQuillEditor*>(O)->StartStopKeys(); });
    B.Prop("StaticFormat", &TQuillEditor::StaticFormat, &TQuillEditor::SetStaticFormat).Default(true);
    B.Prop("TabStops", &TQuillEditor::TabStops, &TQuillEditor::SetTabStops).Default(8);
    // The stored default differs from the value at creation, so the value
    // is always written.
    B.Prop("UndoMaxSpace", &TQuillEditor::UndoMaxSpace, &TQuillEditor::SetUndoMaxSpace).Default(65538);
    B.Prop("UndoMaxLevel", &TQuillEditor::UndoMaxLevel, &TQuillEditor::SetUndoMaxLevel).Default(256);
    B.Prop("UpdateMode", &TQuillEditor::UpdateMode, &TQuillEditor::SetUpdateMode).Default(umBackground);
    B.Prop("Version", &TQuillEditor::Version, &TQuillEditor::SetVersion);
    B.Event("OnChange", &TQuillEditor::OnChange);
    B.Event("OnStyleChange", &TQuillEditor::OnStyleChange);
    B.Event("OnSelMove", &TQuillEditor::OnSelMove);
    B.Event("OnVScroll", &TQuillEditor::OnVScroll);
    B.Event("OnProgress", &TQuillEditor::OnProgress);
    B.Event("OnParse", &TQuillEditor::OnParse);
    B.Event("OnContext", &TQuillEditor::OnContext);
}
