#pragma once
// A list box whose items may be tables: each item's text is cut into
// fields at "|", field C drawn in column C (its "~"-marked part bold),
// with a fixed column width or one that grows to the widest field.
#include <memory>
#include <vector>

#include "framework/classes/Collection.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

class TZelListBoxColumn : public TCollectionItem {
    QRN_CLASS(TZelListBoxColumn, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    // 0: as wide as the widest field of the column.
    int ColumnSize() const { return FColumnSize; }
    void SetColumnSize(int Value) { FColumnSize = Value; }

private:
    TAlignment FAlignment = taLeftJustify;
    int FColumnSize = 0;
};

class TZelListBoxColumns : public TOwnedCollection {
    QRN_CLASS(TZelListBoxColumns, TOwnedCollection)
public:
    explicit TZelListBoxColumns(TPersistent* AOwner)
        : TOwnedCollection(AOwner, TZelListBoxColumn::StaticClass()) {}
    TZelListBoxColumn* Column(int Index) const { return static_cast<TZelListBoxColumn*>(Items(Index)); }
};

class TZelListBox : public TListBox {
    QRN_CLASS(TZelListBox, TListBox)
public:
    explicit TZelListBox(TComponent* AOwner);
    ~TZelListBox() override;
    void WndProc(TMessage& Message) override;

    TFont* BoldFont() const { return FBoldFont.get(); }
    TZelListBoxColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TZelListBoxColumns* Value) { FColumns->Assign(Value); }
    bool Columned() const { return FColumned; }
    void SetColumned(bool Value);
    // The width column C takes: its own size, else the widest field seen.
    int ColumnWidth(int C) const;
    void BeginRedrawLock() { ++FRedrawLock; }
    void EndRedrawLock();

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void MeasureColumns();
    void RefreshBoldFont();

private:
    std::unique_ptr<TFont> FBoldFont;
    std::unique_ptr<TZelListBoxColumns> FColumns;
    std::vector<int> FAutoWidths;
    int FRedrawLock = 0;
    bool FColumned = false;
};
