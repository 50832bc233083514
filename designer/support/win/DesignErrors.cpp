#include "designer/support/win/DesignErrors.h"

#include <exception>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/win/WinApi.h"

namespace {
TDesignErrorReporter GReporter;

std::string CurrentMessage() {
    try {
        throw;
    } catch (const Exception& E) {
        return E.Message;
    } catch (const std::exception& E) {
        return E.what();
    } catch (...) {
        return "Unknown error";
    }
}
}  // namespace

TDesignErrorReporter SetDesignErrorReporter(TDesignErrorReporter Reporter) {
    TDesignErrorReporter Old = std::move(GReporter);
    GReporter = std::move(Reporter);
    return Old;
}

void ReportDesignError() noexcept {
    try {
        const std::string Message = CurrentMessage();
        if (GReporter)
            GReporter(Message);
        else
            OutputDebugStringA(("Designer: " + Message + "\n").c_str());
    } catch (...) {
    }
}
