#pragma once
// An object with a hidden window of its own, so that messages can be
// posted to it; the window goes with the object.
#include "framework/controls/Controls.h"

class THandleObject : public TObject {
public:
    THandleObject();
    ~THandleObject() override;
    THandleObject(const THandleObject&) = delete;
    THandleObject& operator=(const THandleObject&) = delete;
    HWND Handle() const { return FHandle; }
    bool PostMessage(uint32_t Msg, WPARAM WParam, LPARAM LParam);

protected:
    // Messages of the window; the default passes them to Dispatch.
    virtual void WndProc(TMessage& Message);

private:
    HWND FHandle;
};

// Hands its window's messages to a target object instead.
class TZelHandleObject : public THandleObject {
public:
    explicit TZelHandleObject(TObject* Target) : FTarget(Target) {}

protected:
    void WndProc(TMessage& Message) override;

private:
    TObject* FTarget;
};
