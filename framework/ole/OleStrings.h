#pragma once
// A string list as an automation object: what an ActiveX control's
// string-list property holds, and the conversions from and to TStrings.
#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "framework/rtl/win/WinApi.h"

#include <oaidl.h>

class TStrings;

// {7B1E4C20-3D5A-4E8B-A6C1-52F0D9E3B7A4}
inline constexpr IID IID_IStrings = {0x7b1e4c20, 0x3d5a, 0x4e8b, {0xa6, 0xc1, 0x52, 0xf0, 0xd9, 0xe3, 0xb7, 0xa4}};

// The lines by index. Hosts call the interface itself: its IDispatch
// side need not answer.
struct IStrings : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* Count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Item(long Index, BSTR* Text) = 0;
    virtual HRESULT STDMETHODCALLTYPE Add(BSTR Text) = 0;
    virtual HRESULT STDMETHODCALLTYPE Clear() = 0;
};

// Lines held as wide strings, counted as COM objects are (the first
// reference is the creator's). Header-only, so that a control of its own
// (the tests' fake one) can hand out the same object.
class TOleStringList final : public IStrings {
public:
    explicit TOleStringList(std::vector<std::wstring> Lines = {}) : FLines(std::move(Lines)) {}

    STDMETHODIMP QueryInterface(REFIID Iid, void** Object) override {
        if (Iid == IID_IUnknown || Iid == IID_IDispatch || Iid == IID_IStrings) {
            *Object = static_cast<IStrings*>(this);
            AddRef();
            return S_OK;
        }
        *Object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++FRefs; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG Left = --FRefs;
        if (Left == 0) delete this;
        return Left;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* Count) override {
        *Count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** Info) override {
        *Info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP get_Count(long* Count) override {
        *Count = static_cast<long>(FLines.size());
        return S_OK;
    }
    STDMETHODIMP get_Item(long Index, BSTR* Text) override {
        if (Index < 0 || Index >= static_cast<long>(FLines.size())) return DISP_E_BADINDEX;
        *Text = SysAllocString(FLines[static_cast<size_t>(Index)].c_str());
        return S_OK;
    }
    STDMETHODIMP Add(BSTR Text) override {
        try {
            FLines.emplace_back(Text ? Text : L"");
        } catch (...) {
            return E_OUTOFMEMORY;
        }
        return S_OK;
    }
    STDMETHODIMP Clear() override {
        FLines.clear();
        return S_OK;
    }

private:
    std::atomic<ULONG> FRefs{1};
    std::vector<std::wstring> FLines;
};

// Strings takes the lines of Source; a failed call raises the OLE error.
void SetOleStrings(TStrings* Strings, IStrings* Source);
// A new automation object with a copy of the lines; the caller owns the
// reference.
HRESULT GetOleStrings(TStrings* Strings, IStrings** Result);
