#pragma once
// Automation helpers the ActiveX wrapper and the inspector's ActiveX rows
// share: the default event interface of a control, property reads and
// writes through IDispatch, and connecting an event sink.
#include "framework/ole/OleVariant.h"
#include "framework/rtl/win/ComPtr.h"

// The type information of the object's default source interface (the
// implemented type of its class flagged both default and source); empty
// when the object does not describe one.
TComPtr<ITypeInfo> GetDefaultEventTypeInfo(IUnknown* OleObject);
// A property put with the one named argument DISPID_PROPERTYPUT; by
// reference for an object value (VT_DISPATCH). Raises EOleSysError.
void SetDispatchProperty(IDispatch* Dispatch, DISPID DispID, const VARIANT& Value);
// A property get without arguments; the call's result code.
HRESULT GetDispatchProperty(IDispatch* Dispatch, DISPID DispID, TOleVariant& Value);
// Advises Sink on Source's connection point for Iid; Cookie stays 0 when
// any step fails.
void ConnectEvents(IUnknown* Source, const IID& Iid, IUnknown* Sink, DWORD& Cookie);
// Unadvises a connected sink; Cookie becomes 0 only when that succeeds.
void DisconnectEvents(IUnknown* Source, const IID& Iid, DWORD& Cookie);
