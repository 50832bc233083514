#pragma once
// The project file (.qrn): its writer and reader as functions over text,
// the header of a newly created source file and the extension rule of the
// "Add new file" commands. The file-system side is in ProjectFileIO.h.
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/Exceptions.h"
#include "product/ProjectInfo.h"

// A project file that cannot be taken as a whole. Line is the 1-based line
// that stopped the reading.
class EProjectFileError : public EConvertError {
public:
    EProjectFileError(std::string Msg, int ALine) : EConvertError(std::move(Msg)), Line(ALine) {}
    int Line;
};

// The file's text: CR LF after every line, the two '#' lines first (Title is
// TitleString), values written as they are.
// Dir and FileName are not written.
std::string ProjectFileText(const TProjectInfo& Project, std::string_view Title);

// Reads a project file's text (lines end in CR LF, LF or CR). Keywords match
// on a prefix of the line, case-insensitively; a repeated single-valued
// keyword keeps its last value; unknown lines are ignored. Raises
// EProjectFileError when a "kind" value is not a decimal integer 0 to 6;
// nothing is returned then, so a caller never sees half a project. Dir and
// FileName stay empty.
TProjectInfo ParseProjectFileText(std::string_view Text);

// True for a file entry that names its own place: a drive path ("C:\x"),
// a UNC or rooted path ("\\server\x", "\x"; natively also "/x"). Hot files
// added to a project are such entries.
bool IsAbsoluteFileEntry(std::string_view Name);

// Where a project's file lives: Dir + "\" + Name, or Name itself when it is
// absolute. Dir already ends in a backslash, so the result shows two; the
// system accepts that, and the header line of a new file shows it that way.
std::string ProjectMemberPath(std::string_view Dir, std::string_view Name);

// The ten comment lines (CR LF ends) a new assembler, include or macro file
// starts with; Path is the path it is created under.
std::string SourceHeaderText(std::string_view Path);

enum class TNewFileKind { Assembler, Include, Macro };

// "asm", "inc" or "mac".
std::string NewFileExtension(TNewFileKind Kind);
// Name with ".asm"/".inc"/".mac" appended unless its last three characters
// already are the extension (compared exactly, so "listinc" stays as is).
std::string WithNewFileExtension(std::string_view Name, TNewFileKind Kind);
