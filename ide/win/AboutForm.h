#pragma once
// "&About": the splash shown modally over the main window, scrolling its
// credits under the version string, with back.mid playing when the machine
// can play it.
#include <string>

class TComponent;

// Music is the file to play (the program folder's back.mid); a file that
// is missing or cannot be played leaves the box silent.
void ShowAboutBox(TComponent* Owner, const std::string& Music);

// back.mid beside the program.
std::string AboutMusicPath(const std::string& ExeDir);
