#pragma once
// Image lists: equally sized images, each with an optional mask, kept in
// one system image list. Controls that show the images register a change
// link and are told when the list changes.
#include <vector>

#include "framework/classes/Component.h"
#include "framework/graphics/Bitmap.h"

class TCustomImageList;

class TChangeLink : public TObject {
public:
    TChangeLink() = default;
    ~TChangeLink() override;
    TCustomImageList* Sender() const { return FSender; }
    TNotifyEvent OnChange;

private:
    friend class TCustomImageList;
    TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
    QRN_CLASS(TCustomImageList, TComponent)
public:
    explicit TCustomImageList(TComponent* AOwner);
    TCustomImageList(int AWidth, int AHeight, TComponent* AOwner = nullptr);
    ~TCustomImageList() override;

    HIMAGELIST Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    bool Masked() const { return FMasked; }
    void SetMasked(bool Value);
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor Value);
    int Count();

    // Each adds one image (a wider bitmap adds several) and returns the
    // index of the first, or -1.
    int Add(TBitmap* Image, TBitmap* Mask);
    int AddMasked(TBitmap* Image, TColor MaskColor);
    int AddIcon(TIcon* Image);
    void Replace(int Index, TBitmap* Image, TBitmap* Mask);
    void ReplaceMasked(int Index, TBitmap* NewImage, TColor MaskColor);
    void Delete(int Index);  // -1 deletes all
    void Clear() { Delete(-1); }
    // Draws image Index; a disabled image is drawn greyed.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
    void GetBitmap(int Index, TBitmap* Image);

    void RegisterChanges(TChangeLink* Link);
    void UnRegisterChanges(TChangeLink* Link);
    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void CheckIndex(int Index, bool AllowCount = false);

private:
    void Recreate();
    HIMAGELIST FHandle = nullptr;
    int FWidth = 16;
    int FHeight = 16;
    bool FMasked = true;
    TColor FBkColor = clNone;
    std::vector<TChangeLink*> FLinks;
};

class TImageList : public TCustomImageList {
    QRN_CLASS(TImageList, TCustomImageList)
public:
    using TCustomImageList::TCustomImageList;
};
