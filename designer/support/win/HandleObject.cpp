#include "designer/support/win/HandleObject.h"

THandleObject::THandleObject() : FHandle(AllocateHWnd([this](TMessage& M) { WndProc(M); })) {}

THandleObject::~THandleObject() { DeallocateHWnd(FHandle); }

bool THandleObject::PostMessage(uint32_t Msg, WPARAM WParam, LPARAM LParam) {
    return PostMessageA(FHandle, Msg, WParam, LParam) != FALSE;
}

void THandleObject::WndProc(TMessage& Message) {
    Message.Result = 0;
    Dispatch(&Message);
}

void TZelHandleObject::WndProc(TMessage& Message) {
    Message.Result = 0;
    if (FTarget) FTarget->Dispatch(&Message);
}
