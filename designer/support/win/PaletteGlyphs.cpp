#include "designer/support/win/PaletteGlyphs.h"

#include "framework/classes/TypeInfo.h"
#include "framework/controls/Controls.h"

std::vector<HMODULE> ListModuleHandles() {
    std::vector<HMODULE> Modules{reinterpret_cast<HMODULE>(FrameworkInstance())};
    HMODULE Program = GetModuleHandleA(nullptr);
    if (Program != Modules.front()) Modules.push_back(Program);
    return Modules;
}

HMODULE FindResourceModule(const std::string& Name, LPCSTR Type) {
    for (HMODULE M : ListModuleHandles())
        if (M && FindResourceA(M, Name.c_str(), Type)) return M;
    return nullptr;
}

void FindGlyphResource(HMODULE& Module, const TClass* Class, std::string& Name) {
    Module = nullptr;
    for (const char* Prefix : {"", "_"}) {
        for (const TClass* C = Class; C && C != TPersistent::StaticClass(); C = C->Parent()) {
            Name = Prefix + C->Name();
            if ((Module = FindResourceModule(Name, RT_BITMAP))) return;
        }
    }
    Name.clear();
}

bool LoadGlyphResource(TBitmap* Bitmap, const std::string& Name) {
    HMODULE M = FindResourceModule(Name, RT_BITMAP);
    if (!M) return false;
    Bitmap->LoadFromResourceName(reinterpret_cast<HINSTANCE>(M), Name);
    return true;
}

void LoadUnknownGlyph(TBitmap* Bitmap) { LoadGlyphResource(Bitmap, UnknownGlyphName); }

void LoadComponentGlyph(TBitmap* Bitmap, const TClass* Class) {
    HMODULE Module = nullptr;
    std::string Name;
    FindGlyphResource(Module, Class, Name);
    if (Module) Bitmap->LoadFromResourceName(reinterpret_cast<HINSTANCE>(Module), Name);
    else LoadUnknownGlyph(Bitmap);
}

void ReplaceImageListBitmap(TImageList* ImageList, TBitmap* Bitmap, TColor TransparentColor, int Index) {
    if (!Bitmap || Bitmap->Empty()) return;
    const int W = ImageList->Width(), H = ImageList->Height();
    if (Bitmap->Width() >= W && Bitmap->Height() >= H) {
        ImageList->ReplaceMasked(Index, Bitmap, TransparentColor);
        return;
    }
    TBitmap Centred;
    Centred.SetSize(W, H);
    Centred.Canvas()->Brush()->SetColor(TransparentColor);
    Centred.Canvas()->FillRect({0, 0, W, H});
    Centred.Canvas()->Draw((W - Bitmap->Width()) / 2, (H - Bitmap->Height()) / 2, Bitmap);
    ImageList->ReplaceMasked(Index, &Centred, TransparentColor);
}
