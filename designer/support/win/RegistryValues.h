#pragma once
// The designer library keeps everything between runs below one key of its
// own in the current user's registry. Values are addressed by a path
// "Sub\Key\Value" relative to that key; a path without a backslash names a
// value in the base key itself. Each call opens its key, works and closes
// it; an empty path does nothing.
#include <string>

#include "framework/rtl/StringList.h"
#include "framework/rtl/Variant.h"

extern const char* const DefaultDesignerBaseKey;  // "Software\Quorlen PRO\Designer\1.0"

// The base key below HKEY_CURRENT_USER; tests move it elsewhere so that
// they never touch a user's settings.
const std::string& DesignerBaseKey();
void SetDesignerBaseKey(const std::string& Key);

// Key: the base key, a backslash and the path up to and including its last
// backslash; ValueName: the rest.
void SplitRegistryPath(const std::string& Path, std::string& Key, std::string& ValueName);

void WriteRegistryBinary(const std::string& Path, const void* Buffer, int Size);
// The value's size in bytes; -1 when its key or the value is missing.
int GetRegistryDataSize(const std::string& Path);
// At most Size bytes; the number read, 0 when the key is missing.
int ReadRegistryBinary(const std::string& Path, void* Buffer, int Size);

// Integers and Booleans as integers, floats, dates and currency as 8-byte
// binary values, strings as strings; any other kind raises "This type isn't
// supported by WriteToRegistry".
void WriteToRegistry(const std::string& Path, const Variant& Value);
// The stored value read as the Default's kind; Default when the key or the
// value is missing. A value of another data kind raises ERegistryException.
Variant ReadFromRegistry(const std::string& Path, const Variant& Default);

// The list's text as one string value (lines ended by CR LF); a missing
// value leaves the list as it is.
void LoadStringsFromRegistry(const std::string& Path, TStrings* Strings);
void SaveStringsToRegistry(const std::string& Path, const TStrings* Strings);

// Frees the registry object the calls share (the library's end).
void ShutdownDesignerRegistry();
