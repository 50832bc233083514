#pragma once
// A read-only memory stream over a caller's buffer; it never frees or
// reallocates that buffer.
#include "framework/rtl/Streams.h"

class TProtMemStream : public TCustomMemoryStream {
public:
    void SetPointer(const void* Ptr, int64_t Size) {
        TCustomMemoryStream::SetPointer(const_cast<void*>(Ptr), Size);
        FPosition = 0;
    }
    int32_t Write(const void*, int32_t) override { return 0; }
    ~TProtMemStream() override { SetPointer(nullptr, 0); }
};
