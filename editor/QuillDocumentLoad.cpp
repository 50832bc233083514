// Reading a document's whole text from a stream and writing it back.
#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "editor/QuillDocument.h"
#include "framework/rtl/Streams.h"

namespace {

constexpr int32_t ReadBlock = 65500;
// Loaded texts share large pool blocks, sized from the stream up to this
// size; the part of a block that no text uses is never touched, so it
// costs no memory.
constexpr int64_t MaxPoolBlock = int64_t{1} << 24;
// Room past the end of the read buffer and of the pool's used part, so
// that a line may be copied in whole 16-byte pieces.
constexpr size_t CopySlack = 16;

// Copies a line's characters; most lines are short, and 16 at a time is
// cheaper than a library call for each. May read and write up to 15
// characters past the end: both buffers have CopySlack to spare.
void CopyLine(char* To, const char* From, size_t N) {
#if defined(__SSE2__)
    if (N <= 64) {
        for (size_t I = 0; I < N; I += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(To + I), _mm_loadu_si128(reinterpret_cast<const __m128i*>(From + I)));
        return;
    }
#endif
    std::memcpy(To, From, N);
}

// Builds paragraphs as the text is scanned. Characters go from the read
// buffer straight to the end of the pool, where the open paragraph grows;
// a paragraph's text stays in one piece, so one still open when its pool
// block is full moves to the next block. Each paragraph leaves its start
// (its record is made when first asked for), and where its text lies when
// that is not right after the text before.
class TTextBuilder {
public:
    TTextBuilder(TLoadedParagraphs& AList, std::vector<std::unique_ptr<TPoolBlock>>& APool, bool ADiscardBlanks,
                 int64_t Expected)
        : List(AList), Pool(APool), DiscardBlanks(ADiscardBlanks),
          BlockSize(static_cast<size_t>(std::clamp<int64_t>(Expected + 2 + static_cast<int64_t>(CopySlack), 32, MaxPoolBlock))) {}

    // Adds N characters to the open paragraph, with room for its zero.
    void Append(const char* P, size_t N) {
        if (N == 0) return;
        if (static_cast<size_t>(PoolEnd - Next) < N + CopySlack) Grow(N + CopySlack);
        CopyLine(Next, P, N);
        Next += N;
    }
    size_t Pending() const { return static_cast<size_t>(Next - Open); }

    // Ends the open paragraph. Last: the text after the last line break.
    void End(bool Last, uint8_t StyleAtStart) {
        size_t Len = Pending();
        if (!Last && DiscardBlanks)
            while (Len > 0 && (Open[Len - 1] == ' ' || Open[Len - 1] == '\t')) --Len;
        int64_t Added = static_cast<int64_t>(Len) + (Last ? 0 : 2);
        if (CharCount + Added > 2147483647 || static_cast<int64_t>(Len) > QuillMaxParLength)
            throw Exception("Text too long");
        int32_t Index = List.Count();
        if (Len >= 1) {
            if (Open != Follows) List.Jumps.emplace_back(Index, Pool.back()->RefOf(Open));
            Open[Len] = 0;
            Next = Follows = Open + Len + 1;
        } else {
            Next = Open;
        }
        if (StyleAtStart != 0) List.Styles.emplace_back(Index, StyleAtStart);
        List.Add(static_cast<int32_t>(CharCount));
        CharCount += Added;
        Open = Next;
    }

    int64_t CharCount = 0;

private:
    void Grow(size_t Need) {
        size_t Keep = Pending();
        // A paragraph longer than a block grows by half again each time.
        size_t Size = std::max(BlockSize, Keep + Need + Keep / 2);
        auto Block = std::make_unique<TPoolBlock>(Size);
        if (Keep > 0) std::memcpy(Block->Data(), Open, Keep);
        // A block that held nothing but the open paragraph goes.
        bool Replace = !Pool.empty() && Pool.back()->Data() == Open;
        Open = Block->Data();
        Next = Open + Keep;
        PoolEnd = Open + Size;
        if (Replace)
            Pool.back() = std::move(Block);
        else
            Pool.push_back(std::move(Block));
    }

    TLoadedParagraphs& List;
    std::vector<std::unique_ptr<TPoolBlock>>& Pool;
    bool DiscardBlanks;
    size_t BlockSize;
    char* Open = nullptr;     // the open paragraph's first character
    char* Next = nullptr;     // where its next character goes
    char* PoolEnd = nullptr;  // end of the current pool block
    char* Follows = nullptr;  // right after the last paragraph's text
};

// The first place in [I, End) holding a line break or a NUL, the only
// characters a text without style codes must look at; 16 at a time where
// the processor can, since most of a file is the characters in between.
int32_t NextLineBreakOrNul(const char* P, int32_t I, int32_t End) {
#if defined(__SSE2__)
    const __m128i Cr = _mm_set1_epi8('\r'), Lf = _mm_set1_epi8('\n'), Nul = _mm_setzero_si128();
    for (; I + 16 <= End; I += 16) {
        const __m128i V = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P + I));
        const __m128i Hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(V, Cr), _mm_cmpeq_epi8(V, Lf)), _mm_cmpeq_epi8(V, Nul));
        if (const int Mask = _mm_movemask_epi8(Hit)) return I + __builtin_ctz(static_cast<unsigned>(Mask));
    }
#endif
    while (I < End && P[I] != '\r' && P[I] != '\n' && P[I] != 0) ++I;
    return I;
}

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

void TQuillDocument::LoadText(TStream& Stream, const TTextFormat& Format, const std::function<void()>& Progress) {
    try {
        ClearParagraphs();
        int64_t StartPos = Stream.Position();
        int64_t Remaining = std::max<int64_t>(Stream.Size() - StartPos, 0);
        std::vector<char> Block(static_cast<size_t>(std::min<int64_t>(Remaining, ReadBlock)) + CopySlack);
        TTextBuilder B(FLoaded, FTextPool, Format.DiscardTrailingBlanks, Remaining);
        uint8_t Style = 0, ParStyle = 0;
        char LastEnd = 0;  // the line-break character that ended the previous paragraph
        int64_t Consumed = 0;
        bool StoppedAtNul = false;
        // Line ends, NUL and (with style codes) the codes.
        bool Special[256] = {};
        Special[static_cast<unsigned char>('\r')] = Special[static_cast<unsigned char>('\n')] = Special[0] = true;
        if (Format.StyleCodes)
            for (int C = 0; C < 256; ++C) Special[C] = Special[C] || IsStyleCode(static_cast<char>(C));
        while (Remaining > 0 && !StoppedAtNul) {
            auto Want = static_cast<int32_t>(std::min<int64_t>(Remaining, ReadBlock));
            int32_t Got = Stream.Read(Block.data(), Want);
            if (Got <= 0) break;
            Remaining -= Got;
            char* P = Block.data();
            if (Format.NullReplacement != 0)
                for (int32_t i = 0; i < Got; ++i)
                    if (P[i] == 0) P[i] = Format.NullReplacement;
            int32_t RunStart = 0;
            int32_t i = 0;
            while (i < Got) {
                // Plain characters up to the next one that needs a look
                // (or to where an over-long line must be split).
                int64_t SplitAt = static_cast<int64_t>(QuillMaxParLength) - static_cast<int64_t>(B.Pending()) + RunStart;
                auto End = static_cast<int32_t>(std::min<int64_t>(Got, std::max<int64_t>(SplitAt, i)));
                int32_t j = i;
                if (Format.StyleCodes)
                    while (j < End && !Special[static_cast<unsigned char>(P[j])]) ++j;
                else
                    j = NextLineBreakOrNul(P, j, End);
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
                if (Format.StyleCodes && IsStyleCode(C)) Style = ApplyStyleCode(Style, C);
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
            if (Progress) Progress();
        }
        B.End(true, ParStyle);
        if (StoppedAtNul) Stream.SetPosition(StartPos + Consumed);
        EndLoad(static_cast<int32_t>(B.CharCount));
    } catch (...) {
        InitialParagraph();
        ResetNavigators();
        throw;
    }
}

void TQuillDocument::SaveText(TStream& Stream, const TTextFormat& Format, const std::function<void()>& Progress) const {
    std::string Out;
    Out.reserve(65536);
    auto Flush = [&] {
        if (!Out.empty()) Stream.WriteBuffer(Out.data(), static_cast<int32_t>(Out.size()));
        Out.clear();
    };
    std::string Copy;
    for (int32_t i = 0; i < ParagraphCount(); ++i) {
        const TParagraph& P = Paragraph(i);
        std::string_view Text(P.Text() ? P.Text() : "", static_cast<size_t>(P.Length));
        if (Format.StyleCodes && std::any_of(Text.begin(), Text.end(), IsStyleCode)) {
            Copy.assign(Text);
            CancelStylePairs(Copy);
            Text = Copy;
        }
        if (Format.DiscardTrailingBlanks)
            while (!Text.empty() && (Text.back() == ' ' || Text.back() == '\t')) Text.remove_suffix(1);
        if (Out.size() + Text.size() > 65536) Flush();
        if (Text.size() > 65536)
            Stream.WriteBuffer(Text.data(), static_cast<int32_t>(Text.size()));
        else
            Out.append(Text);
        if (i < ParagraphCount() - 1) Out.append("\r\n");
        if (Progress) Progress();
    }
    Flush();
}
