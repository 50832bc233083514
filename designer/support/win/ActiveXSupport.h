#pragma once
// GUID texts, type-library names and self-registration of ActiveX servers.
#include <string>

#include "framework/rtl/win/WinApi.h"

// The GUID of a text in registry form ("{...}"); a malformed text raises.
GUID StringToCLSID(const std::string& S);
std::string CLSIDToString(const GUID& Id);
// The registered name of a type library (the default value of its first
// version key); empty when it is not registered.
std::string GetTypeLibDescription(const GUID& LibID);
// Loads the server, calls its DllRegisterServer and frees it again, on
// failure too. Raises 'Failed to load "%s"', '%s procedure not found in
// "%s"' or 'Call to %s failed in "%s"'.
void RegisterActiveXServer(const std::string& FileName);
