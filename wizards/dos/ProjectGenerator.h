#pragma once
// The DOS wizard's project generator: from the choices of the wizard's
// pages to the texts of the new project file and its assembler skeleton.
// WriteDosProject puts them on disk.
#include <string>
#include <string_view>

// Index tables of the wizard's radio groups.
constexpr int DosCpuCount = 7;        // 8086 ... Pentium MMX
constexpr int DosModelCount = 9;      // TINY ... FLAT
constexpr int DosDefaultCpu = 3;      // 80386

struct TDosWizardChoices {
    int Cpu = DosDefaultCpu;     // 0 "8086" ... 6 "Pentium MMX"
    bool ComFile = false;        // program type: EXE File (false) or COM File
    int Model = 0;               // 0 "TINY" ... 8 "FLAT"
    std::string Stack = "256";   // EXE only, decimal text as typed
    std::string ProjectName = "dos_app";
    std::string ProjectPath;     // the folder chosen on the last page
    bool CreateFolder = false;   // put the project in ProjectPath\ProjectName
};

struct TDosProject {
    std::string ProjectFolder;    // path + "\" (+ name when CreateFolder): the folder to create
    std::string ProjectFilePath;  // the path the wizard returns to the host
    std::string ProjectText;
    std::string SourceFilePath;
    std::string SourceText;
};

// Builds the two texts (CR LF line ends) and their paths; Title is the
// version string that heads both. Raises EConvertError for a choice outside
// the radio groups, an empty project path, or a project name that is empty,
// holds characters a file name cannot, or ends in a dot or blank (the name
// becomes two file names and, with CreateFolder, a folder).
TDosProject GenerateDosProject(const TDosWizardChoices& Choices, std::string_view Title);

// Creates the project folder (one level; failure, as when it exists, is
// ignored) and writes both files, each whole or not at all. Raises
// EFCreateError when a file cannot be written.
void WriteDosProject(const TDosProject& Project);
