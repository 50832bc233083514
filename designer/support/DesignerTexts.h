#pragma once
// The designer library's own messages, shown or raised as they stand.
extern const char* const SDuplicateItem;
extern const char* const SUnsupportedRegistryType;
extern const char* const SCantDeleteFile;
extern const char* const SCantRenameFile;
extern const char* const SCantCreateTempFile;
extern const char* const SFailedToLoadLibrary;
extern const char* const SProcedureNotFound;
extern const char* const SCallFailed;
