#include "ide/win/AboutForm.h"

#include "ide/win/Splash.h"
#include "product/ProductTitle.h"

std::string AboutMusicPath(const std::string& ExeDir) { return ExeDir + "back.mid"; }

void ShowAboutBox(TComponent* Owner, const std::string& Music) {
    auto* Splash = new TSplash(Owner);
    struct TFree {
        TSplash* Form;
        ~TFree() { Form->Free(); }
    } Guard{Splash};
    Splash->MediaScroller->Lines()->Insert(0, TitleString);
    TMediaPlayer* Player = Splash->MediaPlayer1;
    Player->SetFileName(Music);
    // No device, no file, no sound card: the box shows without music.
    if (Player->Open()) Player->Play();
    Splash->ShowModal();
    Player->Stop();
    Player->Close();
}
