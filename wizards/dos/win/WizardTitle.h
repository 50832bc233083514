#pragma once
// The wizard's copy of the version string that heads the files it writes:
// "Quorlen PRO v1.0a (Merivel <time of day>)", the time being the host
// executable's last modification, so that it equals the IDE's own.
#include <string>

const std::string& WizardTitleString();
