#pragma once
// The registry of classes that streams may create by name.
#include <initializer_list>
#include <string_view>

#include "framework/classes/TypeInfo.h"

// Registering the same class twice is harmless; another class of the same
// name raises EFilerError "A class named %s already exists".
void RegisterClass(const TClass* Class);
void RegisterClasses(std::initializer_list<const TClass*> Classes);
void UnRegisterClass(const TClass* Class);
// Case-insensitive. FindClass raises EClassNotFound "Class %s not found";
// GetClass answers nullptr.
const TClass* FindClass(std::string_view ClassName);
const TClass* GetClass(std::string_view ClassName);
