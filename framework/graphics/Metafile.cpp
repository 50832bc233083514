#include "framework/graphics/Metafile.h"

#include <string>

#include "framework/graphics/Graphics.h"
#include "framework/rtl/Streams.h"

TMetafile::~TMetafile() {
    if (FHandle) DeleteEnhMetaFile(FHandle);
}

void TMetafile::Assign(TPersistent* Source) {
    if (auto* M = dynamic_cast<TMetafile*>(Source)) {
        if (M == this) return;
        if (FHandle) DeleteEnhMetaFile(FHandle);
        FHandle = M->FHandle ? CopyEnhMetaFileA(M->FHandle, nullptr) : nullptr;
        FWidth = M->FWidth;
        FHeight = M->FHeight;
        Changed();
        return;
    }
    if (!Source) {
        SetHandle(nullptr);
        return;
    }
    TGraphic::Assign(Source);
}

void TMetafile::SetWidth(int Value) {
    FWidth = Value;
    Changed();
}

void TMetafile::SetHeight(int Value) {
    FHeight = Value;
    Changed();
}

void TMetafile::SetHandle(HENHMETAFILE Value) {
    if (Value == FHandle) return;
    if (FHandle) DeleteEnhMetaFile(FHandle);
    FHandle = Value;
    ReadSize();
    Changed();
}

// The frame is kept in hundredths of a millimetre of the reference device.
void TMetafile::ReadSize() {
    FWidth = FHeight = 0;
    ENHMETAHEADER Header{};
    if (!FHandle || !GetEnhMetaFileHeader(FHandle, sizeof Header, &Header)) return;
    const int MmX = Header.szlMillimeters.cx, MmY = Header.szlMillimeters.cy;
    const int PxX = Header.szlDevice.cx, PxY = Header.szlDevice.cy;
    const RECTL& F = Header.rclFrame;
    if (MmX > 0 && MmY > 0) {
        FWidth = MulDiv(F.right - F.left, PxX, MmX * 100);
        FHeight = MulDiv(F.bottom - F.top, PxY, MmY * 100);
    }
    if (FWidth <= 0 || FHeight <= 0) {
        FWidth = Header.rclBounds.right - Header.rclBounds.left;
        FHeight = Header.rclBounds.bottom - Header.rclBounds.top;
    }
}

void TMetafile::LoadFromStream(TStream* Stream) {
    const std::string Bytes = Stream->ReadToEnd();
    HENHMETAFILE H = SetEnhMetaFileBits(static_cast<UINT>(Bytes.size()), reinterpret_cast<const BYTE*>(Bytes.data()));
    if (!H) throw EInvalidGraphic("Metafile is not valid");
    SetHandle(H);
}

void TMetafile::SaveToStream(TStream* Stream) {
    if (!FHandle) return;
    const UINT Size = GetEnhMetaFileBits(FHandle, 0, nullptr);
    std::string Bytes(Size, '\0');
    GetEnhMetaFileBits(FHandle, Size, reinterpret_cast<BYTE*>(Bytes.data()));
    if (Size) Stream->WriteBuffer(Bytes.data(), static_cast<int32_t>(Size));
}

void TMetafile::Draw(TCanvas* ACanvas, const TRect& R) {
    if (!FHandle) return;
    const RECT Box{R.Left, R.Top, R.Right, R.Bottom};
    PlayEnhMetaFile(ACanvas->Handle(), FHandle, &Box);
}

QRN_PUBLISHED(TMetafile) {}
