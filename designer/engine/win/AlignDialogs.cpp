#include "designer/engine/win/AlignDialogs.h"

#include "designer/engine/win/res/AlignTextIds.h"
#include "designer/support/win/LibraryStrings.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

QRN_PUBLISHED(TAlignmentForm) {
    B.Field("HorizontalAlignment", &TAlignmentForm::HorizontalAlignment);
    B.Field("VerticalAlignment", &TAlignmentForm::VerticalAlignment);
    B.Field("OkBut", &TAlignmentForm::OkBut);
    B.Field("CancelBut", &TAlignmentForm::CancelBut);
    B.Field("HelpBut", &TAlignmentForm::HelpBut);
    B.Handler("FormShow", &TAlignmentForm::FormShow);
}
QRN_PUBLISHED(TSizeForm) {
    B.Field("HorizontalSize", &TSizeForm::HorizontalSize);
    B.Field("VerticalSize", &TSizeForm::VerticalSize);
    B.Field("SizeWidth", &TSizeForm::SizeWidth);
    B.Field("SizeHeight", &TSizeForm::SizeHeight);
    B.Field("OkBut", &TSizeForm::OkBut);
    B.Field("CancelBut", &TSizeForm::CancelBut);
    B.Field("HelpBut", &TSizeForm::HelpBut);
    B.Handler("SizeWidthEnter", &TSizeForm::SizeWidthEnter);
    B.Handler("SizeHeightEnter", &TSizeForm::SizeHeightEnter);
}

namespace {
constexpr int HorizontalCodes[] = {acNone, acNearEdges, acCenters, acRightEdges, acSpaceEqually, acCenterInWindow};
constexpr int VerticalCodes[] = {acNone, acTops, acCenters, acBottoms, acSpaceEqually, acCenterInWindow};
constexpr int SizeCodes[] = {szNoChange, szShrink, szGrow};
constexpr int TypedSizeItem = 3;

template <size_t N>
int CodeOf(const int (&Codes)[N], int Index) {
    return Index >= 0 && static_cast<size_t>(Index) < N ? Codes[Index] : Codes[0];
}

void RegisterDialogClasses() {
    RegisterClasses({TRadioGroup::StaticClass(), TButton::StaticClass(), TEdit::StaticClass()});
}

void ButtonTextsFromLibrary(TButton* Ok, TButton* Cancel, TButton* Help) {
    CaptionFromLibrary(Ok, SAlignOk);
    CaptionFromLibrary(Cancel, SAlignCancel);
    CaptionFromLibrary(Help, SAlignHelp);
}

void GroupTextsFromLibrary(TRadioGroup* Group, unsigned CaptionId, unsigned FirstItemId) {
    CaptionFromLibrary(Group, CaptionId);
    LoadLibraryLines(Group->Items(), FirstItemId);
}

int TypedSize(TEdit* Edit) {
    if (Edit->Text().empty()) Edit->SetText("0");
    const std::string Text = Edit->Text();
    const int Value = StrToInt(Text);
    if (Value < 0) throw EConvertError("'" + Text + "' is not a valid integer value");
    return Value;
}
}  // namespace

TAlignmentForm::TAlignmentForm(TComponent* AOwner) : TForm(AOwner) {
    RegisterDialogClasses();
    ReadFormResource("ALIGNDIALOGSALIGN");
    ApplyMainFormFont(this);
    CaptionFromLibrary(this, SAlignmentCaption);
    GroupTextsFromLibrary(HorizontalAlignment, SAlignHorizontalGroup, SAlignHorizontalItems);
    GroupTextsFromLibrary(VerticalAlignment, SAlignVerticalGroup, SAlignVerticalItems);
    ButtonTextsFromLibrary(OkBut, CancelBut, HelpBut);
}

void TAlignmentForm::FormShow(TObject*) {
    HorizontalAlignment->SetItemIndex(0);
    VerticalAlignment->SetItemIndex(0);
}

int TAlignmentForm::HorizontalCode() const { return CodeOf(HorizontalCodes, HorizontalAlignment->ItemIndex()); }
int TAlignmentForm::VerticalCode() const { return CodeOf(VerticalCodes, VerticalAlignment->ItemIndex()); }

TSizeForm::TSizeForm(TComponent* AOwner) : TForm(AOwner) {
    RegisterDialogClasses();
    ReadFormResource("ALIGNDIALOGSSIZE");
    ApplyMainFormFont(this);
    CaptionFromLibrary(this, SSizeCaption);
    GroupTextsFromLibrary(HorizontalSize, SSizeWidthGroup, SSizeWidthItems);
    GroupTextsFromLibrary(VerticalSize, SSizeHeightGroup, SSizeHeightItems);
    ButtonTextsFromLibrary(OkBut, CancelBut, HelpBut);
}

void TSizeForm::SizeWidthEnter(TObject*) { HorizontalSize->SetItemIndex(TypedSizeItem); }
void TSizeForm::SizeHeightEnter(TObject*) { VerticalSize->SetItemIndex(TypedSizeItem); }

int TSizeForm::WidthCode() {
    const int I = HorizontalSize->ItemIndex();
    return I == TypedSizeItem ? TypedSize(SizeWidth) : CodeOf(SizeCodes, I);
}

int TSizeForm::HeightCode() {
    const int I = VerticalSize->ItemIndex();
    return I == TypedSizeItem ? TypedSize(SizeHeight) : CodeOf(SizeCodes, I);
}

bool RunAlignmentDialog(int& Horizontal, int& Vertical) {
    std::unique_ptr<TAlignmentForm, TObjectFree> Form(new TAlignmentForm(Application));
    const bool Ok = Form->ShowModal() == mrOk;
    Horizontal = Form->HorizontalCode();
    Vertical = Form->VerticalCode();
    return Ok;
}

bool RunSizeDialog(int& Width, int& Height) {
    Width = Height = szNoChange;
    std::unique_ptr<TSizeForm, TObjectFree> Form(new TSizeForm(Application));
    Form->HorizontalSize->SetItemIndex(0);
    Form->VerticalSize->SetItemIndex(0);
    if (Form->ShowModal() != mrOk) return false;
    // Both are read before either is handed out: a bad text changes nothing.
    const int W = Form->WidthCode();
    const int H = Form->HeightCode();
    Width = W;
    Height = H;
    return true;
}
