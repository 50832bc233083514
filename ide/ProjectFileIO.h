#pragma once
// The project file on disk and the open project's record: conversion
// between TProjectInfo (lists owned by the main form) and TProjectData,
// reading a project as a whole and writing it whole or not at all.
#include <string>

#include "ide/ProjectFile.h"
#include "product/ProductTitle.h"
#include "product/ProjectInfo.h"

class TStrings;

// The record's contents as values; missing lists read as empty.
TProjectData ProjectDataOf(const TProjectInfo& Info);

// Puts a completely read project into the record: every field, FileName,
// and Dir as the folder part of FileName (with its backslash). The record's
// Files and Forms lists must exist (the main form creates them on the first
// open); their old items are replaced. Raises EInvalidOperation otherwise,
// before anything is changed.
void CommitProjectData(const TProjectData& Project, const std::string& FileName, TProjectInfo& Info);

// Reads a project file. Raises EFOpenError when it cannot be read and
// EProjectFileError when it is empty (nothing but blanks and line ends) or
// its contents are unusable; the message names the file and the line.
TProjectData LoadProjectFile(const std::string& FileName);

// Writes the record to its FileName (header lines with TitleString),
// replacing the file as a whole. Raises EFCreateError on failure.
void WriteProjectFile(const TProjectInfo& Info);

// Creates (or replaces) a new source file holding only its header.
void WriteSourceHeader(const std::string& Path);
