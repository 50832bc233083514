#pragma once
// Named commands ("View.AlignmentPalette", ...) kept in the object
// parameter registry, and the bracket that batches their changes.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "designer/support/ObjectParams.h"

// Bits of a verb's state.
inline constexpr uint8_t VerbVisible = 1;
inline constexpr uint8_t VerbEnabled = 2;
inline constexpr uint8_t VerbChecked = 4;

// A state routine gets the state (visible and enabled to start with) and
// may change it; the execute routine runs the command.
using TVerbStateProc = void (*)(uint8_t& State);
using TVerbExecuteProc = void (*)();

// The class verbs are registered under.
class TVerbObject : public TPersistent {
    QRN_CLASS(TVerbObject, TPersistent)
};

struct TVerbDefinition {
    std::string Name;
    TVerbStateProc GetState = nullptr;
    TVerbExecuteProc Execute = nullptr;
};

TObjectParamListItem* RegisterVerb(const std::string& Name, TVerbStateProc GetState, TVerbExecuteProc Execute);
void RegisterVerbs(std::initializer_list<TVerbDefinition> Verbs);
// Takes back what RegisterVerb returned; nothing when the entry is gone
// already (its editor group was freed).
void UnregisterVerb(TObjectParamListItem* Entry);
// The first enabled verb of that name (any case); nullptr when none.
TObjectParamListItem* FindVerb(const std::string& Name, TVerbStateProc& GetState, TVerbExecuteProc& Execute);

// 2045 unless an update bracket is open.
void VerbsChanged();
// The outermost bracket sends 2055 when it opens and 2053 then 2045 when
// it closes; an unmatched end does nothing.
void BeginVerbUpdate();
void EndVerbUpdate();
int VerbUpdateCount();
void ResetVerbUpdates();
