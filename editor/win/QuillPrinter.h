#pragma once
// Where the editor's printed pages go: the system's default printer, or a
// stand-in that draws them elsewhere.
#include <string>

#include "framework/rtl/win/WinApi.h"

class IQuillPrinter {
public:
    virtual ~IQuillPrinter() = default;
    // Starts a document; false when there is nothing to print on.
    virtual bool BeginDoc(const std::string& Title) = 0;
    // The context every page is drawn on (its resolution holds for the
    // whole document) and the printable size of a page in its pixels.
    virtual HDC PageDC() = 0;
    virtual SIZE PageSize() = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
    virtual void EndDoc(bool Aborted) = 0;
};

// The default printer, found without asking the user.
class TQuillSystemPrinter : public IQuillPrinter {
public:
    TQuillSystemPrinter() = default;
    ~TQuillSystemPrinter() override;
    TQuillSystemPrinter(const TQuillSystemPrinter&) = delete;
    TQuillSystemPrinter& operator=(const TQuillSystemPrinter&) = delete;
    bool BeginDoc(const std::string& Title) override;
    HDC PageDC() override { return FDC; }
    SIZE PageSize() override { return {GetDeviceCaps(FDC, HORZRES), GetDeviceCaps(FDC, VERTRES)}; }
    bool StartPage() override;
    bool EndPage() override;
    void EndDoc(bool Aborted) override;

private:
    HDC FDC = nullptr;
    bool FStarted = false;
};
