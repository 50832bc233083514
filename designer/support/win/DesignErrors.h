#pragma once
// Where the designer library reports errors it must not raise (from
// destructors and the library's end): by default the debugger's output.
#include <functional>
#include <string>

using TDesignErrorReporter = std::function<void(const std::string& Message)>;

// Installs a reporter (empty: the default) and returns the one it replaces.
TDesignErrorReporter SetDesignErrorReporter(TDesignErrorReporter Reporter);
// Reports the exception being handled; call only inside a catch block.
void ReportDesignError() noexcept;
