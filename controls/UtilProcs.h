#pragma once
// The toolbox of free routines: string and path helpers, small file
// operations, a temporary file name, starting programs (optionally with
// their standard output captured) and single registry string values.
// No routine shows a message; failures come back as results.
#include <cstdint>
#include <string>

#include "framework/rtl/DateUtils.h"

class TStrings;

// Same type as the Windows headers' HKEY under STRICT.
struct HKEY__;
typedef HKEY__* HKEY;

// String and path routines.

// Locale-aware lower-case copy. Built with QRN_LOWERCASESTR_UPPER it returns
// the upper-case copy instead (the designer library's code generator needs
// that variant).
std::string LowerCaseStr(const std::string& S);
// S with a trailing '\' unless it already ends in one.
std::string AddBackSlash(const std::string& S);
// Splits S at the first Delimiter: Token gets what precedes it and S loses
// everything up to and including it. Without Delimiter Token gets all of S
// and S becomes empty.
void CutToken(std::string& S, char Delimiter, std::string& Token);
// Case-sensitive: does Sub occur in S?
bool ContainsStr(const std::string& Sub, const std::string& S);
// Copy of S with every C replaced by R (an empty R removes C).
std::string ReplaceChar(const std::string& S, char C, const std::string& R);
// Last character of S; '\0' for an empty S.
char LastChar(const std::string& S);
// Drops the last character; an empty S stays empty.
void DeleteLastChar(std::string& S);
// File name of Path without its extension.
std::string ExtractFileBaseName(const std::string& Path);
// The running program's file; empty when it cannot be told.
std::string GetExePath();
// Folder of the running program, ending in '\'.
std::string GetExeDir();
// Short (8.3) form of Path; Path unchanged when there is none.
std::string GetShortPath(const std::string& Path);

// File routines.

// Size of the first directory entry matching Path; 0 when none.
int64_t FileSizeByName(const std::string& Path);
// Last-write time of the first directory entry matching Path; 0 when none.
TDateTime GetFileDate(const std::string& Path);
// Overwrites the whole file with 'X' and deletes it (the delete is tried
// even when the file cannot be opened).
void WipeFile(const std::string& Path);
// Wipes every file of Folder (ending in a backslash) matching Mask.
void DeleteFilesByMask(const std::string& Folder, const std::string& Mask);
// Copies Source to Dest and gives Dest Source's date. False when Source
// cannot be opened, Dest cannot be created or a read or write fails.
bool CopyFileKeepDate(const std::string& Source, const std::string& Dest);
// A new empty file in the temporary folder with extension Ext (with its
// dot); returns its path, or the empty text when none could be made.
std::string GetTempFileNameExt(const std::string& Ext);

// Processes. Both return whether the process could be created.

// Starts CommandLine in the current folder. With Wait it returns after the
// program has ended.
bool RunProgram(const std::string& CommandLine, bool Hidden, bool Wait);
// Runs CommandLine hidden, waits for it and leaves in Lines every line it
// wrote to its standard output (standard error is not captured).
bool RunAndCapture(const std::string& CommandLine, TStrings& Lines);

// Registry: a path names a key and, after its last '\', a value.

// "Software\X\Value" gives KeyPath "Software\X\" and ValueName "Value";
// without '\' the key path is empty.
void SplitRegPath(const std::string& Path, std::string& KeyPath, std::string& ValueName);
// Reads a string value (the key is created when missing); a missing value
// reads as "". A value of another type raises ERegistryException.
std::string ReadRegString(HKEY Root, const std::string& Path);
// Writes a REG_SZ value (the key is created when missing).
void WriteRegString(HKEY Root, const std::string& Path, const std::string& Value);
