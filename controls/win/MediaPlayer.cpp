#include "controls/win/MediaPlayer.h"

#include "framework/rtl/win/WinApi.h"

TMediaPlayer::TMediaPlayer(TComponent* AOwner) : TComponent(AOwner) {}

TMediaPlayer::~TMediaPlayer() { Close(); }

bool TMediaPlayer::Open() {
    Close();
    MCI_OPEN_PARMSA Params{};
    DWORD Flags = MCI_OPEN_ELEMENT | MCI_WAIT;
    Params.lpstrElementName = FFileName.c_str();
    if (FDeviceType == dtSequencer) {
        Params.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(MCI_DEVTYPE_SEQUENCER));
        Flags |= MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID;
    } else if (FDeviceType == dtWaveAudio) {
        Params.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(MCI_DEVTYPE_WAVEFORM_AUDIO));
        Flags |= MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID;
    }
    if (mciSendCommandA(0, MCI_OPEN, Flags, reinterpret_cast<DWORD_PTR>(&Params)) != 0) return false;
    FDeviceID = Params.wDeviceID;
    return true;
}

bool TMediaPlayer::Play() {
    if (!FDeviceID) return false;
    MCI_PLAY_PARMS Params{};
    return mciSendCommandA(FDeviceID, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&Params)) == 0;
}

bool TMediaPlayer::Stop() {
    if (!FDeviceID) return false;
    MCI_GENERIC_PARMS Params{};
    return mciSendCommandA(FDeviceID, MCI_STOP, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&Params)) == 0;
}

bool TMediaPlayer::Close() {
    if (!FDeviceID) return false;
    MCI_GENERIC_PARMS Params{};
    const bool Ok = mciSendCommandA(FDeviceID, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&Params)) == 0;
    FDeviceID = 0;
    return Ok;
}

QRN_PUBLISHED(TMediaPlayer) {
    B.Prop("DeviceType", &TMediaPlayer::DeviceType, &TMediaPlayer::SetDeviceType).Default(dtSequencer);
    B.Prop("FileName", &TMediaPlayer::FileName, &TMediaPlayer::SetFileName);
    B.Prop("Visible", &TMediaPlayer::Visible, &TMediaPlayer::SetVisible).Default(false);
}
