#include "TestClasses.h"

#include <algorithm>

QRN_PUBLISHED(TTestFont) {
    B.Prop("Name", &TTestFont::Name).Type(QRN_TYPE(TFontName)).Default("MS Sans Serif");
    B.Prop("Size", &TTestFont::Size).Default(8);
    B.Prop("Style", &TTestFont::Style).Default(TTestStyles{});
}

void TTestFont::Assign(TPersistent* Source) {
    if (auto* F = dynamic_cast<TTestFont*>(Source)) {
        Name = F->Name;
        Size = F->Size;
        Style = F->Style;
        return;
    }
    TPersistent::Assign(Source);
}

QRN_PUBLISHED(TTestItem) {
    B.Prop("Width", &TTestItem::Width).Default(50);
    B.Prop("Caption", &TTestItem::Caption);
}

QRN_PUBLISHED(TTestCollection) {}

QRN_PUBLISHED(TTestComponent) {
    B.Prop("Number", &TTestComponent::Number).Default(0);
    B.Prop("Big", &TTestComponent::Big);
    B.Prop("Letter", &TTestComponent::Letter).Default('A');
    B.Prop("Shape", &TTestComponent::Shape).Default(tsCircle);
    B.Prop("Enabled", &TTestComponent::Enabled).Default(true);
    B.Prop("Styles", &TTestComponent::Styles).Default(TTestStyles{});
    B.Prop("Ratio", &TTestComponent::Ratio);
    B.Prop("Scale", &TTestComponent::Scale);
    B.Prop("Price", &TTestComponent::Price).Type(QRN_TYPE(TCurrency));
    B.Prop("When", &TTestComponent::When).Type(QRN_TYPE(TDateTime));
    B.Prop("Text", &TTestComponent::Text);
    B.Prop("Caption", &TTestComponent::Caption).Type(QRN_TYPE(TCaption));
    B.Prop("Color", &TTestComponent::Color).Type(QRN_TYPE(TColor)).Default(0x0F);
    B.Prop("Visible", &TTestComponent::Visible).Default(true);
    B.Prop("Hidden", &TTestComponent::Hidden).Stored(&TTestComponent::IsHiddenStored);
    B.Prop("Font", &TTestComponent::Font);
    B.Prop("Lines", &TTestComponent::Lines);
    B.Prop("Columns", &TTestComponent::Columns);
    B.Prop("Link", &TTestComponent::Link);
    B.Event("OnClick", &TTestComponent::OnClick);
    B.Event("OnKey", &TTestComponent::OnKey);
}

TTestComponent::TTestComponent(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TTestFont>()), FLines(std::make_unique<TStringList>()),
      FColumns(std::make_unique<TTestCollection>(this)) {}

TTestComponent::~TTestComponent() = default;

void TTestComponent::Loaded() {
    TComponent::Loaded();
    if (auto* Root = dynamic_cast<TTestComponent*>(Owner())) Root->LoadedLog.push_back(Name());
    LoadedLog.push_back(Name());
}

void TTestComponent::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    auto* Anc = dynamic_cast<TTestComponent*>(Filer->Ancestor());
    Filer->DefineProperty(
        "Extra", [this](TReader* R) { Extra = R->ReadInteger(); }, [this](TWriter* W) { W->WriteInteger(Extra); },
        Anc ? Anc->Extra != Extra : Extra != 0);
    Filer->DefineBinaryProperty(
        "Blob",
        [this](TStream* S) {
            Blob.assign(static_cast<size_t>(S->Size()), '\0');
            S->ReadBuffer(Blob.data(), static_cast<int32_t>(Blob.size()));
        },
        [this](TStream* S) { S->WriteBuffer(Blob.data(), static_cast<int32_t>(Blob.size())); },
        Anc ? Anc->Blob != Blob : !Blob.empty());
}

void TTestComponent::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    Notes.emplace_back(AComponent ? AComponent->Name() : std::string(), static_cast<int>(Operation));
    if (Operation == opRemove && AComponent == Link) Link = nullptr;
}

QRN_PUBLISHED(TTestForm) {
    B.Field("Button1", &TTestForm::Button1);
    B.Field("Button2", &TTestForm::Button2);
    B.Handler("Button1Click", &TTestForm::Button1Click);
    B.Handler("EditKey", &TTestForm::EditKey);
}

QRN_PUBLISHED(TTestPanel) {}

TTestPanel::~TTestPanel() {
    for (TComponent* K : Kids)
        if (auto* C = dynamic_cast<TTestControl*>(K)) C->ForgetParent();
}

void TTestPanel::GetChildren(TGetChildProc Proc, TComponent* Root) {
    TComponent::GetChildren(Proc, Root);
    for (TComponent* K : Kids)
        if (K->Owner() == Root) Proc(K);
}

void TTestPanel::SetChildOrder(TComponent* Child, int Order) {
    auto It = std::find(Kids.begin(), Kids.end(), Child);
    if (It == Kids.end()) return;
    Kids.erase(It);
    Order = std::clamp(Order, 0, static_cast<int>(Kids.size()));
    Kids.insert(Kids.begin() + Order, Child);
}

QRN_PUBLISHED(TTestControl) {}

void TTestControl::SetParentComponent(TComponent* Value) {
    if (FParent) std::erase(FParent->Kids, this);
    FParent = dynamic_cast<TTestPanel*>(Value);
    if (FParent) FParent->Kids.push_back(this);
}

void RegisterTestClasses() {
    RegisterClasses({TTestComponent::StaticClass(), TTestForm::StaticClass(), TTestPanel::StaticClass(),
                     TTestControl::StaticClass()});
}
