#pragma once
// In-place changes to a class's run-time record for the time of a write:
// a designed form has the designer's plain form class, yet its stream must
// carry the class name the user sees ("T" + the form's name) and a table of
// the handler names its events use. Setting a value replaces any earlier
// one; nullptr puts the class's own back. Process-wide, UI thread only.
class TClass;

// The class name a patched class reports to the form writer.
void SetClassNamePatch(const TClass* Class, const char* Name);
const char* ClassNamePatch(const TClass* Class);

// The published-method table installed for a class (the bytes belong to
// whoever installed them).
void SetClassMethodTable(const TClass* Class, const void* Table);
const void* GetClassMethodTable(const TClass* Class);
