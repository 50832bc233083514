#pragma once
// Exceptions of the component model and the form stream.
#include "framework/rtl/Exceptions.h"

QRN_DECLARE_EXCEPTION(EComponentError, Exception)
QRN_DECLARE_EXCEPTION(EPropertyError, Exception)
QRN_DECLARE_EXCEPTION(EFilerError, EStreamError)
QRN_DECLARE_EXCEPTION(EClassNotFound, EFilerError)
QRN_DECLARE_EXCEPTION(EMethodNotFound, EFilerError)
QRN_DECLARE_EXCEPTION(EInvalidImage, EFilerError)
QRN_DECLARE_EXCEPTION(EParserError, Exception)
QRN_DECLARE_EXCEPTION(EResNotFound, Exception)
