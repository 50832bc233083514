// TGraphic's file helpers, icons and TPicture.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Metafile.h"
#include "framework/graphics/ScreenDC.h"
#include "framework/classes/Filer.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"

void TGraphic::Changed() {
    FModified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Changed();
}

void TGraphic::LoadFromFile(const std::string& FileName) {
    TStringStream Stream(ReadFileToString(FileName));
    LoadFromStream(&Stream);
}

void TGraphic::SaveToFile(const std::string& FileName) {
    TStringStream Stream;
    SaveToStream(&Stream);
    WriteFileAtomic(FileName, Stream.DataString());
}

namespace {

std::string SavedBytes(TGraphic* G) {
    TStringStream S;
    G->SaveToStream(&S);
    return S.DataString();
}

// Whether a graphic differs from the one it is written against.
bool DiffersFromAncestor(TGraphic* G, TPersistent* Ancestor) {
    auto* A = dynamic_cast<TGraphic*>(Ancestor);
    if (!A || A->ClassType() != G->ClassType() || A->Empty() != G->Empty()) return true;
    return !G->Empty() && SavedBytes(A) != SavedBytes(G);
}

}  // namespace

void TGraphic::DefineProperties(TFiler* Filer) {
    const bool HasData = Filer->Ancestor() ? DiffersFromAncestor(this, Filer->Ancestor()) : !Empty();
    Filer->DefineBinaryProperty(
        "Data", [this](TStream* S) { ReadData(S); }, [this](TStream* S) { WriteData(S); }, HasData);
}

// ---- TIcon

TIcon::~TIcon() {
    if (FHandle) DestroyIcon(FHandle);
}

void TIcon::ReadFacts() {
    FWidth = FHeight = 0;
    ICONINFO II{};
    if (!FHandle || !GetIconInfo(FHandle, &II)) return;
    BITMAP BM{};
    if (II.hbmColor && GetObjectA(II.hbmColor, sizeof BM, &BM)) {
        FWidth = BM.bmWidth;
        FHeight = BM.bmHeight;
    } else if (II.hbmMask && GetObjectA(II.hbmMask, sizeof BM, &BM)) {
        FWidth = BM.bmWidth;
        FHeight = BM.bmHeight / 2;  // a monochrome icon stacks AND and XOR masks
    }
    if (II.hbmColor) DeleteObject(II.hbmColor);
    if (II.hbmMask) DeleteObject(II.hbmMask);
}

namespace {

struct TIconEntry {
    int Width, Height, Bits;
    uint32_t Size, Offset;
};

// The images an .ico file lists; throws when the directory or an image
// lies outside the bytes.
std::vector<TIconEntry> IconEntries(const std::string& B) {
    auto Le16 = [&](size_t At) {
        return static_cast<unsigned>(static_cast<uint8_t>(B[At]) | (static_cast<uint8_t>(B[At + 1]) << 8));
    };
    if (B.size() < 6 || Le16(0) != 0 || Le16(2) != 1 || Le16(4) == 0) throw EInvalidGraphic("Icon image is not valid");
    const size_t Count = Le16(4);
    if (B.size() < 6 + 16 * Count) throw EInvalidGraphic("Icon image is not valid");
    std::vector<TIconEntry> List;
    for (size_t I = 0; I < Count; ++I) {
        const char* E = B.data() + 6 + 16 * I;
        TIconEntry Entry{};
        Entry.Width = static_cast<uint8_t>(E[0]) ? static_cast<uint8_t>(E[0]) : 256;
        Entry.Height = static_cast<uint8_t>(E[1]) ? static_cast<uint8_t>(E[1]) : 256;
        Entry.Bits = static_cast<int>(Le16(6 + 16 * I + 6));
        std::memcpy(&Entry.Size, E + 8, 4);
        std::memcpy(&Entry.Offset, E + 12, 4);
        if (Entry.Offset > B.size() || Entry.Size > B.size() - Entry.Offset || Entry.Size == 0)
            throw EInvalidGraphic("Icon image is not valid");
        List.push_back(Entry);
    }
    return List;
}

// The image the system would show for a standard icon: the one nearest
// to the system's icon size, the most colours among equals.
TIconEntry BestIconEntry(const std::vector<TIconEntry>& List) {
    const int Want = GetSystemMetrics(SM_CXICON) > 0 ? GetSystemMetrics(SM_CXICON) : 32;
    const TIconEntry* Best = &List.front();
    auto Distance = [Want](const TIconEntry& E) { return std::abs(E.Width - Want) + std::abs(E.Height - Want); };
    for (const TIconEntry& E : List) {
        if (Distance(E) < Distance(*Best) || (Distance(E) == Distance(*Best) && E.Bits > Best->Bits)) Best = &E;
    }
    return *Best;
}

}  // namespace

HICON TIcon::Handle() {
    if (!FHandle && !FImage.empty()) {
        const TIconEntry E = BestIconEntry(IconEntries(FImage));
        FHandle = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(const_cast<char*>(FImage.data() + E.Offset)), E.Size,
                                           TRUE, 0x00030000, E.Width, E.Height, LR_DEFAULTCOLOR);
        if (!FHandle) throw EInvalidGraphic("Icon image is not valid");
        ReadFacts();
    }
    return FHandle;
}

void TIcon::SetHandle(HICON Value) {
    if (Value == FHandle) return;
    if (FHandle) DestroyIcon(FHandle);
    FHandle = Value;
    FImage.clear();
    ReadFacts();
    Changed();
}

HICON TIcon::ReleaseHandle() {
    HICON H = Handle();
    FHandle = nullptr;
    FImage.clear();
    FWidth = FHeight = 0;
    return H;
}

void TIcon::Assign(TPersistent* Source) {
    if (auto* I = dynamic_cast<TIcon*>(Source)) {
        if (I == this) return;
        if (FHandle) DestroyIcon(FHandle);
        FHandle = I->FHandle ? CopyIcon(I->FHandle) : nullptr;
        FImage = I->FImage;
        FWidth = I->FWidth;
        FHeight = I->FHeight;
        Changed();
        return;
    }
    if (!Source) {
        SetHandle(nullptr);
        return;
    }
    TPersistent::Assign(Source);
}

void TIcon::LoadFromStream(TStream* Stream) {
    std::string B = Stream->ReadToEnd();
    IconEntries(B);  // refuses a broken file before anything changes
    HICON Old = FHandle;
    std::string OldImage = std::move(FImage);
    FHandle = nullptr;
    FImage = std::move(B);
    try {
        Handle();
    } catch (...) {
        FImage = std::move(OldImage);
        FHandle = Old;
        throw;
    }
    if (Old) DestroyIcon(Old);
    Changed();
}

void TIcon::SaveToStream(TStream* Stream) {
    if (!FImage.empty()) {
        Stream->WriteBuffer(FImage.data(), static_cast<int32_t>(FImage.size()));
        return;
    }
    if (!FHandle) return;
    // One 32-bit image with its AND mask.
    ICONINFO II{};
    if (!GetIconInfo(FHandle, &II)) throw EInvalidGraphic("Icon image is not valid");
    const int W = FWidth, H = FHeight;
    BITMAPINFOHEADER BH{};
    BH.biSize = sizeof BH;
    BH.biWidth = W;
    BH.biHeight = H;
    BH.biPlanes = 1;
    BH.biBitCount = 32;
    BH.biCompression = BI_RGB;
    std::vector<char> Color(static_cast<size_t>(W) * H * 4);
    HDC DC = ScreenDC();
    BITMAPINFO BI{};
    BI.bmiHeader = BH;
    if (II.hbmColor) GetDIBits(DC, II.hbmColor, 0, H, Color.data(), &BI, DIB_RGB_COLORS);
    const size_t MaskStride = ((static_cast<size_t>(W) + 31) / 32) * 4;
    std::vector<char> MaskBits(MaskStride * H);
    std::vector<char> MaskInfoBuf(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD));
    auto* MI = reinterpret_cast<BITMAPINFO*>(MaskInfoBuf.data());
    MI->bmiHeader = BH;
    MI->bmiHeader.biBitCount = 1;
    GetDIBits(DC, II.hbmMask, 0, H, MaskBits.data(), MI, DIB_RGB_COLORS);
    if (II.hbmColor) DeleteObject(II.hbmColor);
    if (II.hbmMask) DeleteObject(II.hbmMask);

    std::string Image(reinterpret_cast<const char*>(&BH), sizeof BH);
    reinterpret_cast<BITMAPINFOHEADER*>(Image.data())->biHeight = H * 2;
    Image.append(Color.data(), Color.size());
    Image.append(MaskBits.data(), MaskBits.size());
    std::string Out;
    auto Put = [&](uint32_t V, int N) {
        for (int I = 0; I < N; ++I) Out += static_cast<char>(V >> (8 * I));
    };
    Put(0, 2);
    Put(1, 2);
    Put(1, 2);
    Put(W >= 256 ? 0 : W, 1);
    Put(H >= 256 ? 0 : H, 1);
    Put(0, 1);
    Put(0, 1);
    Put(1, 2);
    Put(32, 2);
    Put(static_cast<uint32_t>(Image.size()), 4);
    Put(6 + 16, 4);
    Out += Image;
    Stream->WriteBuffer(Out.data(), static_cast<int32_t>(Out.size()));
}

void TIcon::LoadFromResourceName(HINSTANCE Instance, const std::string& ResName) {
    HICON H = static_cast<HICON>(LoadImageA(Instance, ResName.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    if (!H) throw EInvalidOperation("Resource " + ResName + " not found");
    SetHandle(H);
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& R) {
    if (HICON H = Handle()) DrawIconEx(ACanvas->Handle(), R.Left, R.Top, H, R.Width(), R.Height(), 0, nullptr, DI_NORMAL);
}

// ---- TPicture

TPicture::~TPicture() = default;

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

void TPicture::Adopt(std::unique_ptr<TGraphic> G) {
    FGraphic = std::move(G);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(TGraphic* Value) {
    if (!Value) {
        Adopt(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> Copy;
    if (dynamic_cast<TBitmap*>(Value)) Copy = std::make_unique<TBitmap>();
    else if (dynamic_cast<TIcon*>(Value)) Copy = std::make_unique<TIcon>();
    else if (dynamic_cast<TMetafile*>(Value)) Copy = std::make_unique<TMetafile>();
    else throw EInvalidGraphic("Unsupported graphic");
    Copy->Assign(Value);
    Adopt(std::move(Copy));
}

TBitmap* TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) Adopt(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon() {
    if (!dynamic_cast<TIcon*>(FGraphic.get())) Adopt(std::make_unique<TIcon>());
    return static_cast<TIcon*>(FGraphic.get());
}

void TPicture::Assign(TPersistent* Source) {
    if (!Source) SetGraphic(nullptr);
    else if (auto* P = dynamic_cast<TPicture*>(Source)) SetGraphic(P->Graphic());
    else if (auto* G = dynamic_cast<TGraphic*>(Source)) SetGraphic(G);
    else TPersistent::Assign(Source);
}

void TPicture::DefineProperties(TFiler* Filer) {
    bool HasData = FGraphic != nullptr;
    if (auto* A = dynamic_cast<TPicture*>(Filer->Ancestor())) {
        HasData = (A->Graphic() == nullptr) != (FGraphic == nullptr) ||
                  (FGraphic && DiffersFromAncestor(FGraphic.get(), A->Graphic()));
    }
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* S) {
            uint8_t Len = 0;
            S->ReadBuffer(&Len, 1);
            std::string Name(Len, '\0');
            if (Len) S->ReadBuffer(Name.data(), Len);
            std::unique_ptr<TGraphic> G;
            if (SameText(Name, "TBitmap")) G = std::make_unique<TBitmap>();
            else if (SameText(Name, "TIcon")) G = std::make_unique<TIcon>();
            else if (SameText(Name, "TMetafile")) G = std::make_unique<TMetafile>();
            else throw EInvalidGraphic("Unknown picture format " + Name);
            if (S->Position() < S->Size()) G->ReadData(S);
            Adopt(std::move(G));
        },
        [this](TStream* S) {
            const std::string Name = FGraphic->ClassName();
            const uint8_t Len = static_cast<uint8_t>(Name.size());
            S->WriteBuffer(&Len, 1);
            S->WriteBuffer(Name.data(), Len);
            FGraphic->WriteData(S);
        },
        HasData);
}

void TPicture::LoadFromFile(const std::string& FileName) {
    std::string Ext = LowerCase(ExtractFileExt(FileName));
    std::unique_ptr<TGraphic> G;
    if (Ext == ".bmp") G = std::make_unique<TBitmap>();
    else if (Ext == ".ico") G = std::make_unique<TIcon>();
    else throw EInvalidGraphic("Unknown picture file extension (" + Ext + ")");
    G->LoadFromFile(FileName);
    Adopt(std::move(G));
}

void TPicture::SaveToFile(const std::string& FileName) {
    if (FGraphic) FGraphic->SaveToFile(FileName);
}

QRN_PUBLISHED(TGraphic) {}
QRN_PUBLISHED(TBitmap) {}
QRN_PUBLISHED(TIcon) {}
QRN_PUBLISHED(TPicture) {}
