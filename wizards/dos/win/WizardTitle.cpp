#include "wizards/dos/win/WizardTitle.h"

#include "product/ProductTitle.h"

namespace {

// Made when the library is loaded, as the IDE makes its own at start-up;
// the program file is the host's, so both strings agree.
const std::string Title = ProgramTitleString();

}  // namespace

const std::string& WizardTitleString() { return Title; }
