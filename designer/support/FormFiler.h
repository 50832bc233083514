#pragma once
// The form filer: lets a designed form, whose class is the designer's plain
// form class, travel through the component stream. Reading turns every
// event handler name the root does not publish into a small handler code
// remembered by name (the event keeps the name and has nothing to call);
// around a write, PatchClass gives the root's class the class name "T" +
// the root's name and a published-method table of those names, and
// RestoreClass takes both back. Reader errors go to OnError, or to the
// global ReaderErrorProc (the reader-error dialog) with "Ignore All".
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/classes/Component.h"
#include "framework/rtl/Events.h"
#include "framework/rtl/Streams.h"

class TReader;

using TReaderErrorEvent = TEvent<void(TReader* Reader, const std::string& Message, bool& Handled)>;

// The question the library asks about a reader error: Ignore skips this
// error, IgnoreAll also the later ones of the same read. nullptr: nobody
// asks, and the error ends the read.
extern void (*ReaderErrorProc)(const std::string& Message, bool& Ignore, bool& IgnoreAll);

class TCompFiler : public TObject {
public:
    TCompFiler();
    ~TCompFiler() override;

    // The code of a handler name (case-insensitive); a new name gets the
    // next code, in order of first use.
    int32_t MethodCodeOf(const std::string& Name);
    // The name stored for a code; empty when none has it.
    std::string MethodNameOf(int32_t Code) const;
    int MethodNameCount() const { return static_cast<int>(FMethodNames.size()); }
    // The code of a known name (case-insensitive); 0 when none has it.
    int32_t FindMethodCode(const std::string& Name) const;
    // The known names, in order of first use.
    std::vector<std::string> MethodNames() const;
    // Renames the first entry equal to OldName (case-insensitive); its code
    // stays. False when there is none.
    bool RenameMethodName(const std::string& OldName, const std::string& NewName);

    // Opens the file read-only and reads it into Root; open errors pass on.
    void ReadFormFile(const std::string& FileName, TComponent* Root);
    // Reads a designed-form file (with or without its resource header) into
    // Root; returns the root name the stream holds.
    void ReadForm(TStream* Stream, TComponent* Root, std::string& RootName);
    // The readers' find-method handler: a handler the root does not publish
    // is bound by its name (the event keeps the name and has nothing to
    // call), and the name gets its code.
    void FindMethod(TReader* Reader, const std::string& Name, TMethod& Method, bool& Error);

    // Always paired around one write, never nested.
    void PatchClass(TComponent* Root);
    void RestoreClass(TComponent* Root);
    void PatchMethodTable(TComponent* Root);
    // The table PatchMethodTable installs: a 16-bit count, then per entry a
    // 16-bit size (name length + 7), the 32-bit code and the name as a
    // short string.
    std::unique_ptr<TMemoryStream> BuildMethodTable() const;

    TReaderErrorEvent OnError;
    TNotifyEvent OnLoaded;
    bool IgnoreAll = false;
    bool ErrorOccurred = false;
    int32_t NextMethodCode = 1;

private:
    void ReaderError(TReader* Reader, const std::string& Message, bool& Handled);

    const char* FSavedClassName = nullptr;
    std::string FClassNameBuffer;
    const void* FSavedMethodTable = nullptr;
    std::unique_ptr<TMemoryStream> FMethodTableStream;
    std::vector<std::pair<std::string, int32_t>> FMethodNames;
};
