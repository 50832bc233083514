#pragma once
// The exception hierarchy. Every error the user may see carries its text
// in Message; what() returns the same text.
#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
public:
    explicit Exception(std::string Msg) : Message(std::move(Msg)) {}
    ~Exception() override = default;
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

#define QRN_DECLARE_EXCEPTION(Name, Base) \
    class Name : public Base {            \
    public:                               \
        using Base::Base;                 \
    };

// Silent exception: ends an operation without a message.
QRN_DECLARE_EXCEPTION(EAbort, Exception)
QRN_DECLARE_EXCEPTION(EListError, Exception)
QRN_DECLARE_EXCEPTION(EStringListError, Exception)
QRN_DECLARE_EXCEPTION(EConvertError, Exception)
QRN_DECLARE_EXCEPTION(ERangeError, Exception)
QRN_DECLARE_EXCEPTION(EInvalidOperation, Exception)
QRN_DECLARE_EXCEPTION(EInvalidPointer, Exception)
QRN_DECLARE_EXCEPTION(EOutOfMemory, Exception)
QRN_DECLARE_EXCEPTION(EOutOfResources, Exception)
QRN_DECLARE_EXCEPTION(EInOutError, Exception)
QRN_DECLARE_EXCEPTION(EVariantError, Exception)
QRN_DECLARE_EXCEPTION(EStreamError, Exception)
QRN_DECLARE_EXCEPTION(EFCreateError, EStreamError)
QRN_DECLARE_EXCEPTION(EFOpenError, EStreamError)
QRN_DECLARE_EXCEPTION(EReadError, EStreamError)
QRN_DECLARE_EXCEPTION(EWriteError, EStreamError)
// A typed reference of the wrong class ("Invalid class typecast").
QRN_DECLARE_EXCEPTION(EInvalidCast, Exception)
