#pragma once
// The folder of tools.dat and templates.dat the options dialog edits: the
// program's own folder unless a test build's seam points it elsewhere.
#include <string>

std::string& PrefsDataDirOverride();
