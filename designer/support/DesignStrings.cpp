#include "designer/support/DesignStrings.h"

#include "framework/rtl/Exceptions.h"

void RaiseDesignError(const std::string& Msg) { throw Exception(Msg); }

void RaiseDesignErrorFmt(std::string_view Msg, std::initializer_list<TVarRec> Args) {
    throw Exception(Format(Msg, Args));
}

std::string ReplaceCharInString(std::string_view S, char FromChar, char ToChar) {
    std::string Result(S);
    for (char& C : Result)
        if (C == FromChar) C = ToChar;
    return Result;
}

std::string DeleteCharsInSet(std::string_view S, std::string_view Chars) {
    std::string Result;
    for (char C : S)
        if (Chars.find(C) == std::string_view::npos) Result += C;
    return Result;
}

int PosFrom(std::string_view Sub, std::string_view S, int Start) {
    if (Sub.empty() || S.empty() || Sub.size() > S.size()) return 0;
    const size_t From = Start > 1 ? static_cast<size_t>(Start - 1) : 0;
    const size_t At = S.find(Sub, From);
    return At == std::string_view::npos ? 0 : static_cast<int>(At) + 1;
}

std::string MiddleNamePart(std::string_view S) {
    const size_t First = S.find('.');
    if (First == std::string_view::npos) return std::string(S);
    std::string_view Rest = S.substr(First + 1);
    return std::string(Rest.substr(0, Rest.find('.')));
}

std::string AddBackslash(std::string_view S) {
    std::string Result(S);
    if (!Result.empty() && Result.back() != '\\') Result += '\\';
    return Result;
}

std::string ValueAfterEquals(std::string_view S) {
    const size_t At = S.find('=');
    return At == std::string_view::npos ? std::string() : std::string(S.substr(At + 1));
}

std::string MakeBackupFileName(std::string_view FileName) {
    const size_t Slash = FileName.find_last_of("\\/:");
    const size_t NameStart = Slash == std::string_view::npos ? 0 : Slash + 1;
    const std::string_view Folder = FileName.substr(0, NameStart);
    std::string_view Name = FileName.substr(NameStart);
    const size_t Dot = Name.rfind('.');
    std::string Ext = Dot == std::string_view::npos ? std::string() : std::string(Name.substr(Dot));
    if (Dot != std::string_view::npos) Name = Name.substr(0, Dot);
    if (Ext.size() > 1) {
        Ext.insert(1, "~");
        if (Ext.size() > 4) Ext.resize(4);
    } else {
        Ext = ".~";
    }
    return std::string(Folder) + std::string(Name) + Ext;
}
