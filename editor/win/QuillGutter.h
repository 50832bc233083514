#pragma once
// TQuillGutter: a narrow strip beside a TQuillMemo that shows, row by row
// in step with the editor's scrolling, the line numbers or the icons of
// ten bookmarks. Ctrl+Shift+digit in the editor sets or clears bookmark
// digit on the caret's line, Ctrl+digit jumps to it. The gutter learns of
// the editor's keys, scrolling and changes by attaching itself to it.
#include <cstdint>
#include <memory>

#include "editor/win/QuillMemo.h"
#include "framework/graphics/ImageList.h"
#include "framework/stdctrls/StdCtrls.h"

class TQuillGutter : public TGraphicControl {
    QRN_CLASS(TQuillGutter, TGraphicControl)
public:
    static constexpr int BookmarkCount = 10;
    static constexpr int IconSize = 10;

    explicit TQuillGutter(TComponent* AOwner);
    ~TQuillGutter() override;

    TQuillMemo* QuillMemo() const { return FMemo; }
    void SetQuillMemo(TQuillMemo* Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool LineNumbers() const { return FLineNumbers; }
    void SetLineNumbers(bool Value);
    bool Bookmarks() const { return FBookmarks; }
    void SetBookmarks(bool Value) { FBookmarks = Value; }

    // Sets bookmark N (0..9) on display line Line, or clears it when it is
    // there already; False when N is out of range or another bookmark
    // holds the line.
    virtual bool ToggleBookmark(int32_t Line, int N);
    // The lowest bookmark on display line Line, or -1.
    int BookmarkAtLine(int32_t Line);
    // The display line of bookmark N, or -1 when it is not set.
    int32_t BookmarkLine(int N);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;

private:
    void EditorMessage(const TMessage& Message);
    void FollowEditor(bool MovePixels);
    // Adds the rows beside the editor's display lines First..Last to Due
    // (in the parent's pixels).
    void AddRows(RECT& Due, int32_t First, int32_t Last);
    void FreeBookmarks();
    void LoadIcons();

    TQuillMemo* FMemo = nullptr;
    TAlignment FAlignment = taCenter;
    bool FLineNumbers = true;
    bool FBookmarks = true;
    std::unique_ptr<TQuillNavigator> FMarks[BookmarkCount];
    int32_t FMarkLines[BookmarkCount];
    int32_t FLineCount = -1;
    int32_t FScrollY = 0;
    std::unique_ptr<TImageList> FIcons;
};

// Registers TQuillMemo and TQuillGutter for form streaming (done at start-up).
void RegisterQuillControls();
