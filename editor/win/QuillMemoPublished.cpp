// The window control's own published properties; the editor's others are
// TQuillEditor's.
#include "editor/win/QuillMemo.h"
#include "framework/classes/TypeInfo.h"

template <>
struct TTypeInfoOf<TQuillBorderStyle> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = MakeEnumTypeInfo("TBorderStyle", "bsNone, bsSingle");
        return Info;
    }
};

QRN_PUBLISHED(TQuillMemo) {
    B.Prop("AltFont", [](TObject* O) { return static_cast<TQuillMemo*>(O)->AltFont(); });
    B.Prop("BorderStyle", &TQuillMemo::BorderStyle, &TQuillMemo::SetBorderStyle).Default(qbsSingle);
    B.Prop("EndOfTextMark", [](TObject* O) { return static_cast<TQuillMemo*>(O)->EndOfTextMark(); });
    B.Prop("ScrollBars", &TQuillMemo::ScrollBars, &TQuillMemo::SetScrollBars).NoDefault();
}
