#pragma once
// The engine's part of the designer library's start and end: design mode
// ends before a designed form goes, the live designer components hear
// every window message of the thread, and the designer actions by name.
#include <string>

#include "framework/rtl/Object.h"

class TZelFormDesigner;

// Nested: only the outermost start and end do the work. With
// SkipDesignRegistration set the form-destruction hook stays out.
void StartFormDesignerUnit();
void EndFormDesignerUnit();

// Designer components that want the thread's window messages: each gets
// message 1025 (WParam = the hooked call's CWPSTRUCT) while registered;
// the first that leaves Result non-zero ends the round.
inline constexpr uint32_t DesignerHookMessage = 1025;
void RegisterDesignerComponent(TObject* Component);
void UnregisterDesignerComponent(TObject* Component);
bool DesignerHookInstalled();

// The topmost visible form's designer when it is an active engine
// designer; nullptr otherwise.
TZelFormDesigner* ActiveFormDesigner();
// The sixteen actions ("Designer.AlignLeftEdges", ...) on the active
// designer. Unknown names and no active designer do nothing.
bool ExecuteDesignerAction(const std::string& Name);
// An action is enabled while there is an active designer; the lock action
// shows as checked while the controls are locked.
bool DesignerActionEnabled(const std::string& Name);
bool DesignerActionChecked(const std::string& Name);
int DesignerActionCount();
std::string DesignerActionName(int Index);
