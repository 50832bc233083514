#pragma once
// Going through many files quickly: a folder listed in one pass, and files
// read whole with as few calls as their size allows.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/rtl/FileUtils.h"

// One entry of a folder as its listing gives it: Attr holds the directory,
// hidden and system bits (natively the directory bit, and hidden for a
// name starting with a dot); Size is -1 where the listing does not tell.
struct TFolderEntry {
    std::string Name;
    int Attr = 0;
    int64_t Size = -1;
};

// Every entry of Dir but "." and "..", in the order FindFirst reports
// them, from one pass over the folder and without asking the system about
// each entry. False when the folder cannot be listed.
bool ListFolder(const std::string& Dir, std::vector<TFolderEntry>& Entries);

// Opens a file for reading, shared with everyone (as fmOpenRead |
// fmShareDenyNone), and gives its size; -1 when the size is not known.
// Asks for the size only when SizeHint (the size a caller already has, or
// -1) does not give it.
THandle FileOpenForReading(const std::string& FileName, int64_t SizeHint, int64_t& Size);

// Reads a whole file into Data, reusing its storage; raises EFOpenError
// when it cannot be opened. A file of known size (SizeHint, or what
// opening it told) takes a single read.
void ReadWholeFile(const std::string& Path, std::string& Data, int64_t SizeHint = -1);
