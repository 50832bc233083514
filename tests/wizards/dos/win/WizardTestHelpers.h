#pragma once
// Small helpers shared by the wizard's window tests.
#include <string>

#include "framework/classes/ClassRegistry.h"
#include "framework/forms/Forms.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/Pump.h"

