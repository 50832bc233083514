#include "designer/support/DesignerTexts.h"

const char* const SDuplicateItem = "Can't insert duplicate item";
const char* const SUnsupportedRegistryType = "This type isn't supported by WriteToRegistry";
const char* const SCantDeleteFile = "Can't delete file %S";
const char* const SCantRenameFile = "Can't rename file %s to file %s";
const char* const SCantCreateTempFile = "Can't create temporary filename";
const char* const SFailedToLoadLibrary = "Failed to load \"%s\"";
const char* const SProcedureNotFound = "%s procedure not found in \"%s\"";
const char* const SCallFailed = "Call to %s failed in \"%s\"";
