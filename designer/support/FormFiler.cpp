#include "designer/support/FormFiler.h"

#include "designer/support/FormFileHeader.h"
#include "framework/classes/ClassPatches.h"
#include "framework/classes/Filer.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"

void (*ReaderErrorProc)(const std::string& Message, bool& Ignore, bool& IgnoreAll) = nullptr;

TCompFiler::TCompFiler() = default;
TCompFiler::~TCompFiler() = default;

int32_t TCompFiler::MethodCodeOf(const std::string& Name) {
    if (const int32_t Code = FindMethodCode(Name)) return Code;
    FMethodNames.emplace_back(Name, NextMethodCode);
    return NextMethodCode++;
}

int32_t TCompFiler::FindMethodCode(const std::string& Name) const {
    for (const auto& [Known, Code] : FMethodNames)
        if (SameText(Known, Name)) return Code;
    return 0;
}

std::vector<std::string> TCompFiler::MethodNames() const {
    std::vector<std::string> Names;
    for (const auto& Entry : FMethodNames) Names.push_back(Entry.first);
    return Names;
}

bool TCompFiler::RenameMethodName(const std::string& OldName, const std::string& NewName) {
    for (auto& Entry : FMethodNames)
        if (SameText(Entry.first, OldName)) {
            Entry.first = NewName;
            return true;
        }
    return false;
}

std::string TCompFiler::MethodNameOf(int32_t Code) const {
    for (const auto& [Name, Known] : FMethodNames)
        if (Known == Code) return Name;
    return {};
}

void TCompFiler::ReadFormFile(const std::string& FileName, TComponent* Root) {
    TFileStream Stream(FileName, fmOpenRead);
    std::string RootName;
    ReadForm(&Stream, Root, RootName);
}

void TCompFiler::ReadForm(TStream* Stream, TComponent* Root, std::string& RootName) {
    NextMethodCode = 1;
    FMethodNames.clear();
    IgnoreAll = false;
    ErrorOccurred = false;
    {
        TReader Reader(Stream);
        SkipResourceHeader(Stream, false);
        const int64_t Start = Reader.Position();
        Reader.ReadSignature();
        int Flags = 0, ChildPos = 0;
        Reader.ReadPrefix(Flags, ChildPos);
        Reader.ReadStr();
        RootName = Reader.ReadStr();
        Reader.SetPosition(Start);
        Reader.OnError = [this](TReader* R, const std::string& Message, bool& Handled) {
            ReaderError(R, Message, Handled);
        };
        // A live test form never jumps through a handler code.
        Reader.OnFindMethod = [this](TReader* R, const std::string& Name, TMethod& Method, bool& Error) {
            FindMethod(R, Name, Method, Error);
        };
        Reader.ReadRootComponent(Root);
    }
    if (OnLoaded) OnLoaded(this);
}

void TCompFiler::FindMethod(TReader* Reader, const std::string& Name, TMethod& Method, bool& Error) {
    if (!Error) return;
    Error = false;
    MethodCodeOf(Name);
    Method = TMethod{Reader->Root(), Name, {}};
}

void TCompFiler::ReaderError(TReader* Reader, const std::string& Message, bool& Handled) {
    if (OnError) {
        OnError(Reader, Message, Handled);
        return;
    }
    ErrorOccurred = true;
    Handled = IgnoreAll;
    if (!Handled && ReaderErrorProc) ReaderErrorProc(Message, Handled, IgnoreAll);
}

void TCompFiler::PatchClass(TComponent* Root) {
    if (!Root) return;
    PatchMethodTable(Root);
    FSavedClassName = ClassNamePatch(Root->ClassType());
    FClassNameBuffer = ("T" + Root->Name()).substr(0, 255);
    SetClassNamePatch(Root->ClassType(), FClassNameBuffer.c_str());
}

void TCompFiler::RestoreClass(TComponent* Root) {
    if (!Root) return;
    SetClassNamePatch(Root->ClassType(), FSavedClassName);
    if (!FMethodNames.empty()) {
        SetClassMethodTable(Root->ClassType(), FSavedMethodTable);
        FMethodTableStream.reset();
    }
}

void TCompFiler::PatchMethodTable(TComponent* Root) {
    if (FMethodNames.empty()) return;
    FSavedMethodTable = GetClassMethodTable(Root->ClassType());
    FMethodTableStream = BuildMethodTable();
    SetClassMethodTable(Root->ClassType(), FMethodTableStream->Memory());
}

std::unique_ptr<TMemoryStream> TCompFiler::BuildMethodTable() const {
    auto Table = std::make_unique<TMemoryStream>();
    WriteWordToStream(Table.get(), static_cast<uint16_t>(FMethodNames.size()));
    for (const auto& [Name, Code] : FMethodNames) {
        const size_t Length = Name.size() > 255 ? 255 : Name.size();
        WriteWordToStream(Table.get(), static_cast<uint16_t>(Length + 7));
        WriteLongToStream(Table.get(), Code);
        WriteShortStringToStream(Table.get(), Name);
    }
    return Table;
}
