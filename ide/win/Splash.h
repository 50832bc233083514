#pragma once
// TSplash: the borderless, stay-on-top picture shown at start-up and as
// the About box, with its credits scrolling over the picture and a hidden
// sequencer for the music. A click on the picture closes it when shown
// modally.
#include "controls/win/MediaPlayer.h"
#include "controls/win/MediaScroller.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/ExtCtrls.h"

class TSplash : public TForm {
    QRN_CLASS(TSplash, TForm)
public:
    static constexpr int PictureWidth = 480;
    static constexpr int PictureHeight = 360;

    explicit TSplash(TComponent* AOwner);

    TImage* Image1 = nullptr;
    TMediaScroller* MediaScroller = nullptr;
    TMediaPlayer* MediaPlayer1 = nullptr;

    void Image1Click(TObject* Sender);

private:
    void PaintPicture();
};

// The classes the splash's form file names.
void RegisterSplashClasses();
