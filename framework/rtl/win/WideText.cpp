#include "framework/rtl/win/WideText.h"

#include "framework/rtl/win/WinApi.h"

std::wstring Widen(const std::string& S) {
    if (S.empty()) return {};
    const int N = MultiByteToWideChar(CP_ACP, 0, S.data(), static_cast<int>(S.size()), nullptr, 0);
    std::wstring W(static_cast<size_t>(N), L'\0');
    MultiByteToWideChar(CP_ACP, 0, S.data(), static_cast<int>(S.size()), W.data(), N);
    return W;
}

std::string Narrow(const wchar_t* W) {
    if (!W || !*W) return {};
    const int N = WideCharToMultiByte(CP_ACP, 0, W, -1, nullptr, 0, nullptr, nullptr);
    std::string S(static_cast<size_t>(N > 0 ? N - 1 : 0), '\0');
    if (N > 1) WideCharToMultiByte(CP_ACP, 0, W, -1, S.data(), N, nullptr, nullptr);
    return S;
}
