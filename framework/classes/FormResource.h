#pragma once
// Filling a root component (a form) from its form data: the text form
// ("object ..."), the binary form ("TPF0") or a designed-form file with
// its resource header. Event properties bind to the root's handlers by
// name; components fill the root's published fields.
#include <cstddef>
#include <functional>
#include <string>

class TComponent;
class TReader;

// Setup, when given, may set reader hooks (OnError, OnFindMethod, ...)
// before the read starts. Returns Root.
TComponent* ReadFormData(const void* Data, size_t Size, TComponent* Root,
                         const std::function<void(TReader&)>& Setup = {});
// The same for a text form held in a string.
TComponent* ReadFormText(const std::string& Text, TComponent* Root, const std::function<void(TReader&)>& Setup = {});

#ifdef _WIN32
// Windows: the form data embedded as RCDATA named ResName (the form file's
// upper-cased base name) in Module (nullptr: the program itself).
bool FormResourceExists(void* Module, const std::string& ResName);
// Raises EResNotFound "Resource %s not found" when it is missing.
TComponent* LoadFormResource(void* Module, const std::string& ResName, TComponent* Root,
                             const std::function<void(TReader&)>& Setup = {});
#endif
