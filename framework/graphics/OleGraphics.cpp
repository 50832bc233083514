#include "framework/graphics/OleGraphics.h"

#include <memory>
#include <string>

#include "framework/graphics/Metafile.h"
#include "framework/rtl/win/WideText.h"

namespace {

// CY holds a size in points times 10,000.
constexpr LONGLONG PointScale = 10000;

template <class T>
struct TRelease {
    void operator()(T* P) const {
        if (P) P->Release();
    }
};
template <class T>
using TOleRef = std::unique_ptr<T, TRelease<T>>;

}  // namespace

HRESULT GetOleFont(TFont* Font, IFontDisp** OleFont) {
    if (!OleFont) return E_POINTER;
    *OleFont = nullptr;
    std::wstring Name = Widen(Font->Name());
    FONTDESC Desc{};
    Desc.cbSizeofstruct = sizeof(Desc);
    Desc.lpstrName = Name.data();
    Desc.cySize.int64 = static_cast<LONGLONG>(Font->Size()) * PointScale;
    Desc.sWeight = static_cast<SHORT>(Font->Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL);
    Desc.sCharset = Font->Charset();
    Desc.fItalic = Font->Style().Contains(fsItalic);
    Desc.fUnderline = Font->Style().Contains(fsUnderline);
    Desc.fStrikethrough = Font->Style().Contains(fsStrikeOut);
    return OleCreateFontIndirect(&Desc, IID_IFontDisp, reinterpret_cast<void**>(OleFont));
}

void SetOleFont(TFont* Font, IFontDisp* OleFont) {
    if (!OleFont) return;
    IFont* Raw = nullptr;
    if (FAILED(OleFont->QueryInterface(IID_IFont, reinterpret_cast<void**>(&Raw)))) return;
    TOleRef<IFont> F(Raw);
    BSTR Name = nullptr;
    if (SUCCEEDED(F->get_Name(&Name)) && Name) {
        Font->SetName(Narrow(Name));
        SysFreeString(Name);
    }
    CY Size{};
    // Rounded to the nearest point: TFont keeps whole points.
    if (SUCCEEDED(F->get_Size(&Size))) Font->SetSize(static_cast<int>((Size.int64 + PointScale / 2) / PointScale));
    TFontStyles Style;
    BOOL Flag = FALSE;
    if (SUCCEEDED(F->get_Bold(&Flag)) && Flag) Style.Include(fsBold);
    if (SUCCEEDED(F->get_Italic(&Flag)) && Flag) Style.Include(fsItalic);
    if (SUCCEEDED(F->get_Underline(&Flag)) && Flag) Style.Include(fsUnderline);
    if (SUCCEEDED(F->get_Strikethrough(&Flag)) && Flag) Style.Include(fsStrikeOut);
    Font->SetStyle(Style);
    SHORT Charset = 0;
    if (SUCCEEDED(F->get_Charset(&Charset))) Font->SetCharset(static_cast<TFontCharset>(Charset));
}

HRESULT GetOlePicture(TPicture* Picture, IPictureDisp** OlePicture) {
    if (!OlePicture) return E_POINTER;
    *OlePicture = nullptr;
    PICTDESC Desc{};
    Desc.cbSizeofstruct = sizeof(Desc);
    Desc.picType = PICTYPE_NONE;
    TGraphic* G = Picture ? Picture->Graphic() : nullptr;
    if (auto* B = dynamic_cast<TBitmap*>(G); B && !B->Empty()) {
        Desc.picType = PICTYPE_BITMAP;
        Desc.bmp.hbitmap = static_cast<HBITMAP>(CopyImage(B->Handle(), IMAGE_BITMAP, 0, 0, 0));
    } else if (auto* I = dynamic_cast<TIcon*>(G); I && !I->Empty()) {
        Desc.picType = PICTYPE_ICON;
        Desc.icon.hicon = CopyIcon(I->Handle());
    } else if (auto* M = dynamic_cast<TMetafile*>(G); M && !M->Empty()) {
        Desc.picType = PICTYPE_ENHMETAFILE;
        Desc.emf.hemf = CopyEnhMetaFileA(M->Handle(), nullptr);
    }
    if ((Desc.picType == PICTYPE_BITMAP && !Desc.bmp.hbitmap) || (Desc.picType == PICTYPE_ICON && !Desc.icon.hicon) ||
        (Desc.picType == PICTYPE_ENHMETAFILE && !Desc.emf.hemf))
        return E_OUTOFMEMORY;
    // The OLE picture owns the copy and frees it with itself.
    const HRESULT R = OleCreatePictureIndirect(&Desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(OlePicture));
    if (FAILED(R)) {
        if (Desc.picType == PICTYPE_BITMAP) DeleteObject(Desc.bmp.hbitmap);
        if (Desc.picType == PICTYPE_ICON) DestroyIcon(Desc.icon.hicon);
        if (Desc.picType == PICTYPE_ENHMETAFILE) DeleteEnhMetaFile(Desc.emf.hemf);
    }
    return R;
}

void SetOlePicture(TPicture* Picture, IPictureDisp* OlePicture) {
    IPicture* Raw = nullptr;
    if (!OlePicture || FAILED(OlePicture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&Raw)))) {
        Picture->SetGraphic(nullptr);
        return;
    }
    TOleRef<IPicture> P(Raw);
    SHORT Type = PICTYPE_NONE;
    OLE_HANDLE Handle = 0;
    if (FAILED(P->get_Type(&Type)) || FAILED(P->get_Handle(&Handle)) || !Handle) Type = PICTYPE_NONE;
    const HANDLE H = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(Handle));
    if (Type == PICTYPE_BITMAP) {
        TBitmap B;
        B.SetHandle(static_cast<HBITMAP>(CopyImage(H, IMAGE_BITMAP, 0, 0, 0)));
        Picture->SetGraphic(&B);
    } else if (Type == PICTYPE_ICON) {
        TIcon I;
        I.SetHandle(CopyIcon(static_cast<HICON>(H)));
        Picture->SetGraphic(&I);
    } else if (Type == PICTYPE_ENHMETAFILE) {
        TMetafile M;
        M.SetHandle(CopyEnhMetaFileA(static_cast<HENHMETAFILE>(H), nullptr));
        Picture->SetGraphic(&M);
    } else if (Type == PICTYPE_NONE) {
        Picture->SetGraphic(nullptr);
    }
    // A kind the framework has no graphic for leaves the picture as it was.
}
