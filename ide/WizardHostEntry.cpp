#include "ide/WizardHostEntry.h"

std::string WizzardEntryText(const TWizzardEntry& Entry) {
    return Entry.Name + " (" + Entry.FileName + ")" + " (ver " + std::to_string(Entry.Version >> 8) + "." +
           std::to_string(Entry.Version & 0xFF) + ")";
}
