#pragma once
// The project file on disk and the open project's record: reading a
// project as a whole and writing it whole or not at all.
#include <string>

#include "ide/ProjectFile.h"
#include "product/ProductTitle.h"
#include "product/ProjectInfo.h"

// Puts a completely read project into the record: every field, FileName,
// and Dir as the folder part of FileName (with its backslash).
void CommitProjectData(const TProjectInfo& Project, const std::string& FileName, TProjectInfo& Info);

// Reads a project file. Raises EFOpenError when it cannot be read and
// EProjectFileError when it is empty (nothing but blanks and line ends) or
// its contents are unusable; the message names the file and the line.
TProjectInfo LoadProjectFile(const std::string& FileName);

// Writes the record to its FileName (header lines with TitleString),
// replacing the file as a whole. Raises EFCreateError on failure.
void WriteProjectFile(const TProjectInfo& Info);

// Creates (or replaces) a new source file holding only its header.
void WriteSourceHeader(const std::string& Path);
