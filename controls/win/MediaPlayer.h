#pragma once
// TMediaPlayer: a hidden multimedia device (the MIDI sequencer by default)
// that opens a file, plays it and closes again. Every step reports success
// as a Boolean and never raises: a machine without the device, or without
// sound at all, simply stays silent.
#include <string>

#include "framework/classes/Component.h"

enum TMPDeviceTypes { dtAutoSelect, dtSequencer, dtWaveAudio };
QRN_ENUM(TMPDeviceTypes, dtAutoSelect, dtSequencer, dtWaveAudio)

class TMediaPlayer : public TComponent {
    QRN_CLASS(TMediaPlayer, TComponent)
public:
    explicit TMediaPlayer(TComponent* AOwner);
    ~TMediaPlayer() override;

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    TMPDeviceTypes DeviceType() const { return FDeviceType; }
    void SetDeviceType(TMPDeviceTypes Value) { FDeviceType = Value; }
    // Kept for form files: the device never shows buttons.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }

    bool Open();
    bool Play();
    bool Stop();
    bool Close();
    bool IsOpen() const { return FDeviceID != 0; }

private:
    std::string FFileName;
    TMPDeviceTypes FDeviceType = dtSequencer;
    bool FVisible = false;
    unsigned FDeviceID = 0;
};
