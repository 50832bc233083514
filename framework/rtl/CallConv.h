#pragma once
// Calling convention of every function a library of ours exports and of
// the pointers the IDE calls them through. The 32-bit binaries pass the
// first three arguments in registers; 64-bit Windows has one convention.
#if defined(QRN_I686)
#define QRN_CALL __attribute__((regparm(3)))
#else
#define QRN_CALL
#endif
