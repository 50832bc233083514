#pragma once
// Names of the stock cursors, for form files and property editors
// ("Cursor = crHandPoint").
#include <functional>
#include <string>

#include "framework/classes/UiTypes.h"

bool CursorToIdent(int Cursor, std::string& Ident);
bool IdentToCursor(const std::string& Ident, int& Cursor);
// "crDrag" for a stock cursor, else the number ("5").
std::string CursorToString(TCursor Cursor);
// Accepts a cursor name (any case) or a number; throws EConvertError
// for anything else.
TCursor StringToCursor(const std::string& S);
// Calls Proc with every cursor name, crDefault first.
void GetCursorValues(const std::function<void(const std::string&)>& Proc);
// Lets the form stream read and write TCursor properties by name.
void RegisterCursorIdents();
