#pragma once
// Component classes with a property of every kind, shared by the tests of
// the component model, the run-time type information and the form stream.
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/classes/Filer.h"
#include "framework/classes/TypeInfo.h"
#include "framework/rtl/StringList.h"

enum TTestShape { tsCircle, tsSquare, tsTriangle };
QRN_ENUM(TTestShape, tsCircle, tsSquare, tsTriangle)
enum TTestStyle { tyBold, tyItalic, tyUnderline };
QRN_ENUM(TTestStyle, tyBold, tyItalic, tyUnderline)
using TTestStyles = TSmallSet<TTestStyle>;
QRN_SET_NAME(TTestStyles)

using TTestKeyEvent = TEvent<void(TObject* Sender, int& Key)>;

// A persistent sub-object (like a font).
class TTestFont : public TPersistent {
    QRN_CLASS(TTestFont, TPersistent)
public:
    std::string Name = "MS Sans Serif";
    int Size = 8;
    TTestStyles Style;
    void Assign(TPersistent* Source) override;
};

class TTestItem : public TCollectionItem {
    QRN_CLASS(TTestItem, TCollectionItem)
public:
    explicit TTestItem(TCollection* C) : TCollectionItem(C) {}
    int Width = 50;
    std::string Caption;
    std::string GetDisplayName() const override { return Caption.empty() ? TCollectionItem::GetDisplayName() : Caption; }
};

class TTestCollection : public TOwnedCollection {
    QRN_CLASS(TTestCollection, TOwnedCollection)
public:
    explicit TTestCollection(TPersistent* Owner) : TOwnedCollection(Owner, TTestItem::StaticClass()) {}
    std::vector<TCollectionItem*> Updates;  // what Update saw (nullptr: all)
    bool SawHalfBuiltItem = false;          // an item whose own part was not built yet

protected:
    void Update(TCollectionItem* Item) override {
        Updates.push_back(Item);
        for (int I = 0; I < Count(); ++I)
            if (!dynamic_cast<TTestItem*>(Items(I))) SawHalfBuiltItem = true;
    }
};

class TTestComponent : public TComponent {
    QRN_CLASS(TTestComponent, TComponent)
public:
    explicit TTestComponent(TComponent* AOwner);
    ~TTestComponent() override;

    int Number = 0;            // default 0
    int64_t Big = 0;           // no default: always written
    char Letter = 'A';         // default 'A'
    TTestShape Shape = tsCircle;  // default tsCircle
    bool Enabled = true;       // default True
    TTestStyles Styles;        // default []
    double Ratio = 0;
    float Scale = 0;
    double Price = 0;          // TCurrency
    double When = 0;           // TDateTime
    std::string Text;
    std::string Caption;       // TCaption
    int Color = 0x0F;          // TColor, default 0x0F
    int Hidden = 0;            // stored only when Visible
    bool Visible = true;
    TTestComponent* Link = nullptr;
    TNotifyEvent OnClick;
    TTestKeyEvent OnKey;
    int Extra = 0;             // DefineProperties "Extra"
    std::string Blob;          // DefineBinaryProperty "Blob"
    std::vector<std::string> LoadedLog;  // names, filled by Loaded

    TTestFont* Font() const { return FFont.get(); }
    TStringList* Lines() const { return FLines.get(); }
    TTestCollection* Columns() const { return FColumns.get(); }
    bool IsHiddenStored() const { return Visible; }

    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    std::vector<std::pair<std::string, int>> Notes;  // (name, operation) seen

private:
    std::unique_ptr<TTestFont> FFont;
    std::unique_ptr<TStringList> FLines;
    std::unique_ptr<TTestCollection> FColumns;
};

// A root that writes its owned components (the base GetChildren) and
// binds handlers and fields by name.
class TTestForm : public TComponent {
    QRN_CLASS(TTestForm, TComponent)
public:
    explicit TTestForm(TComponent* AOwner) : TComponent(AOwner) {}
    TTestComponent* Button1 = nullptr;
    TTestComponent* Button2 = nullptr;
    int Clicks = 0;
    int LastKey = 0;
    void Button1Click(TObject*) { ++Clicks; }
    void EditKey(TObject*, int& Key) { LastKey = Key; Key = 0; }
};

// A container whose children are written inside it (like a panel).
class TTestPanel : public TTestComponent {
    QRN_CLASS(TTestPanel, TTestComponent)
public:
    explicit TTestPanel(TComponent* AOwner) : TTestComponent(AOwner) {}
    ~TTestPanel() override;
    std::vector<TComponent*> Kids;  // parented children, in order
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;
};

// A child component with a parent component (like a control).
class TTestControl : public TTestComponent {
    QRN_CLASS(TTestControl, TTestComponent)
public:
    explicit TTestControl(TComponent* AOwner) : TTestComponent(AOwner) {}
    ~TTestControl() override { SetParentComponent(nullptr); }
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* Value) override;
    void ForgetParent() { FParent = nullptr; }

private:
    TTestPanel* FParent = nullptr;
};

// Lets the root list both its plain components and the panels' children.
void RegisterTestClasses();
