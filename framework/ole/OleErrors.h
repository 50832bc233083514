#pragma once
// Errors of OLE and automation calls, and the guard that keeps C++
// exceptions from leaving a COM method.
#include <string>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/win/WinApi.h"

QRN_DECLARE_EXCEPTION(EOleError, Exception)

// A failed call: the system's text for the code.
class EOleSysError : public EOleError {
public:
    EOleSysError(const std::string& Msg, HRESULT Code) : EOleError(Msg), ErrorCode(Code) {}
    HRESULT ErrorCode;
};

// Raises EOleSysError when Result is a failure code.
void OleCheck(HRESULT Result);
[[noreturn]] void RaiseOleSysError(HRESULT Result);

// Runs Body inside a COM method: its HRESULT, or Failure when it throws.
template <class F>
HRESULT ComBoundary(F&& Body, HRESULT Failure = E_UNEXPECTED) noexcept {
    try {
        return Body();
    } catch (...) {
        return Failure;
    }
}
