// Loading and saving the text.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "editor/ProtMemStream.h"
#include "editor/QuillEditor.h"
#include "framework/rtl/Streams.h"

namespace {

constexpr int32_t ReadBlock = 65500;
constexpr int64_t ProgressInterval = 300;

// Builds paragraphs as the text is scanned; one paragraph may span any
// number of reading blocks.
class TParagraphBuilder {
public:
    TParagraphBuilder(TParagraphsList& AList, bool ADiscardBlanks, std::vector<std::unique_ptr<char[]>>& APool)
        : List(AList), DiscardBlanks(ADiscardBlanks), Pool(APool) {}

    // Loaded texts are packed into large blocks; an edit moves a paragraph's
    // text to a buffer of its own.
    char* PoolAlloc(size_t N) {
        if (PoolLeft < N) {
            size_t Size = std::max<size_t>(N, ChunkSize);
            Pool.push_back(std::unique_ptr<char[]>(new char[Size]));
            PoolNext = Pool.back().get();
            PoolLeft = Size;
        }
        char* P = PoolNext;
        PoolNext += N;
        PoolLeft -= N;
        return P;
    }

    void Append(const char* P, size_t N) { Current.append(P, N); }
    size_t Pending() const { return Current.size(); }

    // Ends the current paragraph. Last: the text after the last line break.
    void End(bool Last, uint8_t StyleAtStart) {
        size_t Len = Current.size();
        if (!Last && DiscardBlanks)
            while (Len > 0 && (Current[Len - 1] == ' ' || Current[Len - 1] == '\t')) --Len;
        int64_t Added = static_cast<int64_t>(Len) + (Last ? 0 : 2);
        if (CharCount + Added > 2147483647 || static_cast<int64_t>(Len) > QuillMaxParLength)
            throw Exception("Text too long");
        // Every loaded paragraph starts in the plain state with one plain line.
        TParagraph P;
        auto L = static_cast<int32_t>(Len);
        if (L >= 1) {
            P.Text = PoolAlloc(Len + 1);
            std::memcpy(P.Text, Current.data(), Len);
            P.Text[Len] = 0;
            P.TextInPool = 1;
        }
        P.Length = L;
        P.Style0 = StyleAtStart;
        P.StartBase = static_cast<int32_t>(CharCount);
        List.AddPar(P);
        CharCount += Added;
        Current.clear();
    }

    TParagraphsList& List;
    bool DiscardBlanks;
    std::vector<std::unique_ptr<char[]>>& Pool;
    size_t ChunkSize = 1 << 20;  // small texts get a block of their own size
    char* PoolNext = nullptr;
    size_t PoolLeft = 0;
    int64_t CharCount = 0;
    std::string Current;
};

}  // namespace

void TQuillEditor::LoadFromStream(TStream* Stream) { ReadText(Stream); }

void TQuillEditor::ReplaceAllText(std::string_view Text) {
    if (Text.empty() && CharCount() == 0) return;
    TProtMemStream S;
    S.SetPointer(Text.data(), static_cast<int64_t>(Text.size()));
    ReadText(&S);
}

void TQuillEditor::NotifyProgress(int64_t& LastCall, bool Force) {
    if (!OnProgress) return;
    int64_t T = Now();
    if (Force || T - LastCall > ProgressInterval) {
        LastCall = T;
        OnProgress(this);
    }
}

int64_t TQuillEditor::Now() const { return Clock ? Clock() : 0; }

void TQuillEditor::ReadText(TStream* Stream) {
    FLoading = true;
    ++FUpdateCount;
    try {
        ClearParagraphs();
        int64_t StartPos = Stream->Position();
        int64_t Remaining = Stream->Size() - StartPos;
        if (Remaining < 0) Remaining = 0;
        std::vector<char> Block(static_cast<size_t>(std::min<int64_t>(Remaining, ReadBlock)) + 1);
        TParagraphBuilder B(FDoc->Paragraphs(), HasOption(pmoDiscardTrailingSpaces), FDoc->TextPool());
        B.ChunkSize = static_cast<size_t>(std::min<int64_t>(Remaining + 1, 1 << 20));
        uint8_t Style = 0, ParStyle = 0;
        char LastEnd = 0;  // the line-break character that ended the previous paragraph
        int64_t Consumed = 0;
        bool StoppedAtNul = false;
        int64_t LastProgress = Now();
        // Line ends, NUL and (with StaticFormat) style codes.
        bool Special[256] = {};
        Special[static_cast<unsigned char>('\r')] = Special[static_cast<unsigned char>('\n')] = Special[0] = true;
        if (FStaticFormat)
            for (int C = 0; C < 256; ++C) Special[C] = Special[C] || IsStyleCode(static_cast<char>(C));
        while (Remaining > 0 && !StoppedAtNul) {
            auto Want = static_cast<int32_t>(std::min<int64_t>(Remaining, ReadBlock));
            int32_t Got = Stream->Read(Block.data(), Want);
            if (Got <= 0) break;
            Remaining -= Got;
            char* P = Block.data();
            if (FNullReplacement != 0)
                for (int32_t i = 0; i < Got; ++i)
                    if (P[i] == 0) P[i] = FNullReplacement;
            int32_t RunStart = 0;
            int32_t i = 0;
            while (i < Got) {
                // Plain characters up to the next one that needs a look
                // (or to where an over-long line must be split).
                int64_t SplitAt = static_cast<int64_t>(QuillMaxParLength) - static_cast<int64_t>(B.Pending()) + RunStart;
                auto End = static_cast<int32_t>(std::min<int64_t>(Got, std::max<int64_t>(SplitAt, i)));
                int32_t j = i;
                while (j < End && !Special[static_cast<unsigned char>(P[j])]) ++j;
                if (j > i) {
                    LastEnd = 0;
                    i = j;
                    if (i >= Got) break;
                }
                char C = P[i];
                if (C == '\r' || C == '\n') {
                    B.Append(P + RunStart, static_cast<size_t>(i - RunStart));
                    RunStart = ++i;
                    bool Skip = B.Pending() == 0 && LastEnd != 0 && LastEnd != C;
                    if (Skip) {
                        LastEnd = 0;
                        continue;
                    }
                    B.End(false, ParStyle);
                    ParStyle = Style;
                    LastEnd = C;
                    continue;
                }
                if (C == 0) {
                    StoppedAtNul = true;
                    break;
                }
                LastEnd = 0;
                if (FStaticFormat && IsStyleCode(C)) Style = ApplyStyleCode(Style, C);
                if (B.Pending() + static_cast<size_t>(i - RunStart) + 1 > static_cast<size_t>(QuillMaxParLength)) {
                    // An over-long line is split as if a line break followed.
                    B.Append(P + RunStart, static_cast<size_t>(i - RunStart));
                    RunStart = i;
                    B.End(false, ParStyle);
                    ParStyle = Style;
                }
                ++i;
            }
            B.Append(P + RunStart, static_cast<size_t>(i - RunStart));
            Consumed += StoppedAtNul ? i + 1 : Got;
            NotifyProgress(LastProgress, false);
        }
        B.End(true, ParStyle);
        if (StoppedAtNul) Stream->SetPosition(StartPos + Consumed);
        FDoc->EndLoad(static_cast<int32_t>(B.CharCount));
    } catch (...) {
        InitialParagraph();
        FDoc->ResetNavigators();
        FSelLength = 0;
        FPendLastPar = -1;
        FLoading = false;
        if (FUpdateCount > 0) --FUpdateCount;
        throw;
    }
    ResetAfterLoad();
}

void TQuillEditor::ResetAfterLoad() {
    FPendFirstPar = 0;
    FPendFirstLine = 0;
    FPendLastPar = ParagraphCount() - 1;
    if (OnParse) OnParse(this, 0, CharCount());
    FLoading = false;
    if (FUpdateCount > 0) --FUpdateCount;
    int64_t Dummy = 0;
    NotifyProgress(Dummy, true);
    if (FUpdateCount > 0) {
        FPendFirstPar = 0;
        FPendFirstLine = 0;
        FPendLastPar = ParagraphCount() - 1;
    } else {
        FPendLastPar = -1;
        FPendFirstPar = ParagraphCount();
        FPendFirstLine = FLineCount;
        StartFullFormat();
        if (FWindow) {
            FWindow->InvalidateAll();
            FWindow->UpdateScrollRanges();
            FWindow->PlaceCaret();
        }
    }
    Change();
}

namespace {
// Removes pairs of equal style codes separated only by other style codes:
// together they change nothing.
void CancelStylePairs(std::string& S) {
    size_t i = 0;
    while (i < S.size()) {
        if (!IsStyleCode(S[i])) {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < S.size() && IsStyleCode(S[j]) && S[j] != S[i]) ++j;
        if (j < S.size() && S[j] == S[i]) {
            S.erase(j, 1);
            S.erase(i, 1);
            continue;  // look again at the same place
        }
        ++i;
    }
}
}  // namespace

void TQuillEditor::SaveToStream(TStream* Stream) {
    std::string Out;
    Out.reserve(65536);
    int64_t LastProgress = Now();
    auto Flush = [&] {
        if (!Out.empty()) Stream->WriteBuffer(Out.data(), static_cast<int32_t>(Out.size()));
        Out.clear();
    };
    for (int32_t i = 0; i < ParagraphCount(); ++i) {
        const TParagraph& P = Paragraph(i);
        std::string_view Text(P.Text ? P.Text : "", static_cast<size_t>(P.Length));
        std::string Copy;
        if (FStaticFormat && std::any_of(Text.begin(), Text.end(), IsStyleCode)) {
            Copy.assign(Text);
            CancelStylePairs(Copy);
            Text = Copy;
        }
        if (HasOption(pmoDiscardTrailingSpaces))
            while (!Text.empty() && (Text.back() == ' ' || Text.back() == '\t')) Text.remove_suffix(1);
        if (Out.size() + Text.size() > 65536) Flush();
        if (Text.size() > 65536)
            Stream->WriteBuffer(Text.data(), static_cast<int32_t>(Text.size()));
        else
            Out.append(Text);
        if (i < ParagraphCount() - 1) Out.append("\r\n");
        NotifyProgress(LastProgress, false);
    }
    Flush();
    NotifyProgress(LastProgress, true);
}
