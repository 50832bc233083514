#pragma once
// The method type of an ActiveX control's event: the parameters a handler
// of it takes, as the designer compares handlers by it.
#include <string>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/win/WinApi.h"

#include <oaidl.h>

// {66504301-BE0F-101A-8BBB-00AA00300CAB}: the automation colour type.
inline constexpr GUID OleColorGuid = {0x66504301, 0xbe0f, 0x101a, {0x8b, 0xbb, 0x00, 0xaa, 0x00, 0x30, 0x0c, 0xab}};

// A method type whose name spells the handler's heading: "procedure" or
// "function", then Sender: TObject and each parameter of the event ("var"
// for one passed by reference) with its type's name, and a function's
// result type: "procedure(Sender: TObject; NewValue: Integer)".
TTypeInfo AxEventType(ITypeInfo* TypeInfo, const FUNCDESC* Func);
// The same for the event DispID of a control's default source interface;
// an empty record (Kind tkUnknown) when the control has no such event.
TTypeInfo AxEventTypeOf(IUnknown* OleObject, int DispID);
// The name of an automation type as a handler's parameter shows it.
std::string AxTypeName(ITypeInfo* TypeInfo, const TYPEDESC* TypeDesc);
