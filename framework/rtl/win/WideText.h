#pragma once
// ANSI text to and from the UTF-16 text that COM and OLE speak.
#include <string>

std::wstring Widen(const std::string& S);
// nullptr and an empty text give "".
std::string Narrow(const wchar_t* W);
