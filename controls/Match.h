#pragma once
// Wildcard matching: "*" stands for any run of characters, "?" for exactly
// one. As functions, as the plain TMatchCore and as the non-visual
// component TMatch; the find-in-files content test uses it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/Component.h"

// Whether the whole Text matches Pattern. Without CaseSensitive only ASCII
// letters fold (a-z equals A-Z). Runs in time proportional to
// Text.size() * Pattern.size() at worst, whatever the pattern.
bool WildcardMatches(std::string_view Text, std::string_view Pattern, bool CaseSensitive);

// Whether any line of Contents (lines end in CR LF, LF or CR) matches
// Pattern. Lines of any length are tested whole. Contents without any
// line (the empty text) has nothing to match.
bool AnyLineMatches(std::string_view Contents, std::string_view Pattern, bool CaseSensitive);

// Reads a whole file for the content test; raises the library's error when
// it cannot.
using TMatchFileReader = std::function<std::string(const std::string& FileName)>;

// The state and behaviour beneath TMatch. The pattern is kept as
// "*" + Pattern + "*" so it is found anywhere in a text; Source is either a
// text or a ";"-separated list of files (empty entries vanish).
class TMatchCore {
public:
    bool CaseSensitive = false;

    void SetPattern(std::string_view Value);
    std::string Pattern() const;  // as set
    const std::string& InternalPattern() const { return FPattern; }

    // Switching does not convert what Source already holds.
    bool SourceIsFile = false;
    void SetSource(std::string_view Value);
    std::string Source() const;
    const std::vector<std::string>& Files() const { return FFiles; }

    // The text, or any line of any listed file, holds the pattern. The
    // reader defaults to reading the file from disk.
    bool IsMatch() const;
    bool IsMatch(const TMatchFileReader& ReadFile) const;

private:
    std::string FPattern = "**";
    std::string FText;
    std::vector<std::string> FFiles;
};

// The wildcard match component: published CaseSensitive, Pattern, Source
// and SourceIsFile over a TMatchCore.
class TMatch : public TComponent {
    QRN_CLASS(TMatch, TComponent)
public:
    explicit TMatch(TComponent* AOwner) : TComponent(AOwner) {}

    bool CaseSensitive() const { return FCore.CaseSensitive; }
    void SetCaseSensitive(bool Value) { FCore.CaseSensitive = Value; }
    std::string Pattern() const { return FCore.Pattern(); }
    void SetPattern(const std::string& Value) { FCore.SetPattern(Value); }
    std::string Source() const { return FCore.Source(); }
    void SetSource(const std::string& Value) { FCore.SetSource(Value); }
    bool SourceIsFile() const { return FCore.SourceIsFile; }
    void SetSourceIsFile(bool Value) { FCore.SourceIsFile = Value; }

    bool IsMatch() const { return FCore.IsMatch(); }
    const TMatchCore& Core() const { return FCore; }

private:
    TMatchCore FCore;
};
