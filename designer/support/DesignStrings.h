#pragma once
// String and path routines shared by the designer library.
#include <initializer_list>
#include <string>
#include <string_view>

#include "framework/rtl/Format.h"

[[noreturn]] void RaiseDesignError(const std::string& Msg);
[[noreturn]] void RaiseDesignErrorFmt(std::string_view Msg, std::initializer_list<TVarRec> Args);

std::string ReplaceCharInString(std::string_view S, char FromChar, char ToChar);
std::string DeleteCharsInSet(std::string_view S, std::string_view Chars);
// 1-based position of Sub in S at or after Start; 0 when absent, when
// either is empty or when Sub is longer than S.
int PosFrom(std::string_view Sub, std::string_view S, int Start);
// Of "a.b.c" the middle part "b"; of "a.b" the "b"; without a dot, S.
std::string MiddleNamePart(std::string_view S);
// S with one backslash behind it; empty stays empty.
std::string AddBackslash(std::string_view S);
// The text after the first "=" ("" when there is none).
std::string ValueAfterEquals(std::string_view S);
// The file's backup name: "~" in front of the extension, cut to four
// characters (form.wfm -> form.~wf); no extension gives ".~".
std::string MakeBackupFileName(std::string_view FileName);
// The designer's dialogs pass their texts through this.
inline const std::string& AssignString(const std::string& S) { return S; }
