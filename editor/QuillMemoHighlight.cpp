// Highlighting: the start/stop pass (regions such as comments and strings,
// which may run on into later paragraphs) and the keyword pass.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "editor/QuillEditor.h"
#include "editor/QuillHighlighter.h"
#include "editor/QuillText.h"

namespace {

// The state outside every region: the same record a fresh paragraph
// starts with, so that closing a region restores an equal state.
TFormatStop PlainEndStop() { return TFormatStop{}; }

bool InStartStopRegion(const TFormatStop& S) {
    return S.Kind >= qkRegion && S.Depth >= 0 && S.Depth < QuillMaxDepth && S.Stack[S.Depth] < 0;
}

// The paragraph text and, for keys that ignore case, an upper-cased copy.
struct TParCopies {
    std::string_view Text;
    std::string Upper;
    bool UseText = false;
    std::string_view For(uint8_t Options) const {
        return (Options & koMatchCase) || UseText ? Text : std::string_view(Upper);
    }
};

// The start/stop records of a paragraph highlighted for the first time,
// handed to the keyword pass before anything is stored, so that the
// paragraph's stops are written once with both kinds of region in them.
// The states are held by the giver; scratch of the user-interface thread.
struct TFreshStops {
    const TQuillDocument* Owner = nullptr;
    int32_t Par = -1;
    std::vector<TStopRec> Recs;
    bool Stored = false;  // the keyword pass wrote the merged list
};

TFreshStops& FreshStops() {
    static TFreshStops F;
    return F;
}

// A run of a paragraph's text, From up to To.
struct TRun {
    int32_t From, To;
};

std::vector<TRun>& AllowedRuns() {
    static std::vector<TRun> Runs;  // scratch of the user-interface thread
    return Runs;
}

}  // namespace

void TQuillDocument::HighlightParagraphStartStop(int32_t Par, std::vector<TFormatStop>& Out, TFormatStop& EndState) {
    TParagraph& P = Paragraph(Par);
    Out.clear();
    // The walk's state is the end state itself: a copy at the end, right
    // after the walk changed fields of it, would stall the processor.
    TFormatStop& State = EndState;
    State = *P.StartContext;
    State.Offset = 0;
    TStartStopKeyList& Keys = *FStartStopKeys;
    int32_t KeyCount = Keys.Count();
    bool UseKeys = FApplyStartStopKeys && KeyCount > 0;
    if (!UseKeys && !FHighlighter) return;
    if (UseKeys && !Keys.Prepared()) Keys.Prepare(FSeparators);
    const int32_t L = P.Length;
    TParCopies C{std::string_view(P.Text() ? P.Text() : "", static_cast<size_t>(L)), {}};
    C.UseText = !Keys.NeedsUpperCopy();
    // The scratch copy is lent to the walk: the hooks may highlight keywords,
    // which use it too.
    if (!C.UseText) {
        C.Upper = std::move(FScratchUpper);
        C.Upper.assign(C.Text);
        QuillUpperInPlace(C.Upper.data(), L);
    }
    struct TGiveBack {
        std::string& To;
        TParCopies& From;
        ~TGiveBack() {
            if (!From.UseText) To = std::move(From.Upper);
        }
    } GiveBack{FScratchUpper, C};
    auto IsSep = [&](std::string_view T, int32_t I) {
        return I < 0 || I >= L || FSeparators[static_cast<unsigned char>(T[static_cast<size_t>(I)])];
    };
    auto Push = [&](const TFormatStop& S) {
        if (!Out.empty() && Out.back().Offset == S.Offset)
            Out.back() = S;
        else
            Out.push_back(S);
    };
    int32_t Pos = 0;
    // The highlighter's hooks see the stops made so far in the paragraph
    // and may add their own; a hook that reports success hands the walk on
    // from the last stop it left. Each place asks the hooks once.
    int32_t HookedAt = -1;
    auto AskHook = [&](bool Start, int32_t Limit) {
        if (!FHighlighter || Pos == HookedAt) return false;
        HookedAt = Pos;
        SetParagraphStops(P, Out);
        TQuillNavigator* F = FNav.HookFrom.get();
        TQuillNavigator* T = FNav.HookTo.get();
        F->PlaceAt(Par, Pos);
        T->PlaceAt(Par, Limit);
        bool Done = Start ? FHighlighter->FindStart(F, T, KeyCount) : FHighlighter->FindStop(F, T, KeyCount);
        if (!Done) return false;
        UnpackStops(Paragraph(Par), Out);
        if (!Out.empty() && Out.back().Offset >= Pos) {
            State = Out.back();
            Pos = std::min(L, State.Offset + State.KeyLength);
        }
        return true;
    };
    while (true) {
        if (!InStartStopRegion(State) && State.Kind >= qkRegion && AskHook(false, L)) continue;
        if (InStartStopRegion(State)) {
            if (!UseKeys) break;
            int32_t KIdx = State.Stack[State.Depth] + 32768;
            if (KIdx >= KeyCount) {  // the key went away: the region ends here
                TFormatStop E = PlainEndStop();
                E.Offset = Pos;
                Push(E);
                State = E;
                continue;
            }
            const TStartStopKey& K = Keys.Key(KIdx);
            int32_t Hit = -1;
            if (K.StopLength > 0) {
                std::string_view T = C.For(K.Options);
                std::string_view Key(K.StopKey, static_cast<size_t>(K.StopLength));
                size_t From = static_cast<size_t>(Pos);
                while (From + Key.size() <= T.size()) {
                    size_t Q = T.find(Key, From);
                    if (Q == std::string_view::npos) break;
                    auto Qi = static_cast<int32_t>(Q);
                    bool Ok = (!K.CheckBeforeStop || IsSep(T, Qi - 1)) && (!K.CheckAfterStop || IsSep(T, Qi + K.StopLength));
                    if (Ok) {
                        Hit = Qi;
                        break;
                    }
                    From = Q + 1;
                }
            }
            int32_t CloseAt;
            if (Hit >= 0)
                CloseAt = Hit + K.StopLength;
            else if (K.EndsAtParEnd) {
                // Closed by the paragraph end: no stop is needed after the
                // last character, only the state handed to the next paragraph.
                for (auto It = Out.rbegin(); It != Out.rend(); ++It)
                    if (It->Kind >= qkRegion && It->Depth == State.Depth) {
                        It->StopLength = 0;
                        break;
                    }
                State = PlainEndStop();
                break;
            } else
                break;  // the region runs on into the next paragraph
            // The opening stop learns how long its closing text is.
            for (auto It = Out.rbegin(); It != Out.rend(); ++It)
                if (It->Kind >= qkRegion && It->Depth == State.Depth) {
                    It->StopLength = static_cast<uint8_t>(Hit >= 0 ? K.StopLength + (K.CheckBeforeStop ? 1 : 0) : 0);
                    break;
                }
            TFormatStop E;
            int32_t Next = -1;
            for (int32_t k = KIdx + 1; k < KeyCount && Hit >= 0; ++k)
                if (Keys.Key(k).SameStartLink == KIdx) {
                    Next = k;
                    break;
                }
            if (Next >= 0) {
                const TStartStopKey& N = Keys.Key(Next);
                E = State;
                E.Kind = static_cast<uint8_t>((N.Style & 0x3F) | qkRegion);
                E.Stack[E.Depth] = static_cast<int16_t>(Next - 32768);
                E.Background = N.Background;
                E.Foreground = N.Foreground;
                E.Context = N.Context;
                E.Cursor = N.Cursor;
                E.StopLength = static_cast<uint8_t>(N.StopLength);
            } else
                E = PlainEndStop();
            E.Offset = CloseAt;
            E.KeyLength = 0;
            Push(E);
            State = E;
            Pos = CloseAt;
            continue;
        }
        // Outside a start/stop region: the earliest start key wins, earlier
        // keys in the list first at the same place.
        if (StopContext(State) + 1 >= QuillMaxDepth) break;
        int32_t FoundAt = -1, FoundKey = -1;
        for (int32_t Q = Pos; UseKeys && Q < L && FoundAt < 0; ++Q) {
            // Most characters start no key: they are passed over at once.
            while (Q < L && !Keys.CanStartKey(static_cast<unsigned char>(C.Text[static_cast<size_t>(Q)]))) ++Q;
            if (Q == L) break;
            for (int32_t k = 0; k < KeyCount; ++k) {
                const TStartStopKey& K = Keys.Key(k);
                if (K.StartLength == 0 || Q + K.StartLength > L) continue;
                std::string_view T = C.For(K.Options);
                // Keys are short: their first character rules most out without a call.
                if (T[static_cast<size_t>(Q)] != K.StartKey[0] ||
                    std::memcmp(T.data() + Q, K.StartKey, static_cast<size_t>(K.StartLength)) != 0)
                    continue;
                if (K.CheckBeforeStart && !IsSep(T, Q - 1)) continue;
                if (K.CheckAfterStart && !IsSep(T, Q + K.StartLength)) continue;
                FoundAt = Q;
                FoundKey = k;
                break;
            }
        }
        if (AskHook(true, FoundAt < 0 ? L : FoundAt)) continue;
        if (FoundAt < 0) break;
        const TStartStopKey& K = Keys.Key(FoundKey);
        const auto Depth = static_cast<int8_t>(StopContext(State) + 1);
        // The pushed copy and the state are changed field by field after
        // copying: a record copied right after such changes stalls the
        // processor, on every line with a comment.
        auto Open = [&](TFormatStop& R) {
            R.Depth = Depth;
            R.Kind = static_cast<uint8_t>((K.Style & 0x3F) | qkRegion);
            R.Stack[Depth] = static_cast<int16_t>(FoundKey - 32768);
            R.Background = K.Background;
            R.Foreground = K.Foreground;
            R.Context = K.Context;
            R.Cursor = K.Cursor;
            R.KeyLength = static_cast<uint8_t>(std::min(255, K.StartLength + (K.CheckAfterStart ? 1 : 0)));
            R.StopLength = static_cast<uint8_t>(K.StopLength);
            R.Offset = FoundAt;
        };
        if (!Out.empty() && Out.back().Offset == FoundAt)
            Out.back() = State;
        else
            Out.push_back(State);
        Open(Out.back());
        Open(State);
        Pos = FoundAt + K.StartLength;
    }
}

void TQuillDocument::HighlightStartStop(TQuillNavigator* From, TQuillNavigator* To) {
    int32_t PF = From->LocatePar();
    HighlightParagraphs(PF, std::max(PF, To->LocatePar()));
}

void TQuillDocument::HighlightParagraphs(int32_t PF, int32_t PT) {
    std::vector<TFormatStop>& Stops = FScratchPassStops;
    TFormatStop End;
    int32_t Count = ParagraphCount();
    int32_t P = PF;
    bool Changed = false;
    int32_t LastDone = PF;
    bool FreshKeywords = !FHighlighter && FApplyKeyWords && FKeywords->GetCount() > 0;
    while (P < Count) {
        TParagraph& Pr = Paragraph(P);
        HighlightParagraphStartStop(P, Stops, End);
        if (FreshKeywords && P > FHighlightFrontier) {
            // Reached in order for the first time: its keywords follow at
            // once, merged with these stops before they are stored.
            TFreshStops& F = FreshStops();
            F.Recs.clear();
            struct TGiveBack {
                TFreshStops& F;
                ~TGiveBack() {
                    for (const TStopRec& R : F.Recs) ReleaseStopState(R.State);
                    F.Recs.clear();
                    F.Owner = nullptr;
                    F.Par = -1;
                }
            } GiveBack{F};
            for (const TFormatStop& S : Stops) F.Recs.push_back({S.Offset, InternStopState(S)});
            F.Owner = this;
            F.Par = P;
            F.Stored = false;
            Pr.Highlighted = 1;
            try {
                HighlightParagraphKeywords(P);
                if (!F.Stored) SetParagraphStopRecs(Pr, F.Recs.data(), static_cast<int32_t>(F.Recs.size()));
            } catch (...) {
                Pr.Highlighted = Pr.Parsed = 0;  // its stops are not current: done again later
                throw;
            }
        } else {
            SetParagraphStops(Pr, Stops);
            Pr.Highlighted = 1;
            Pr.Parsed = 0;
        }
        Changed = true;
        LastDone = P;
        if (P + 1 >= Count) break;
        TParagraph& Nx = Paragraph(P + 1);
        bool Same = StopsEqual(*Nx.StartContext, End) && Nx.StartContext->Kind == End.Kind;
        if (!Same) {
            if (!Stops.empty())
                SetParagraphContext(Nx, End);
            else
                ShareParagraphContext(Nx, Pr);
            Nx.Highlighted = Nx.Parsed = 0;
            HighlightingChanged(P + 1, P + 1, true);
        }
        if (P >= PT) break;
        ++P;
    }
    if (FHighlightFrontier >= PF - 1) {
        // Everything before PF was highlighted: the frontier moves on unless
        // the next paragraph now waits for a new start state.
        int32_t Frontier = LastDone;
        FHighlightFrontier = Frontier;
    }
    if (Changed) {
        HighlightingChanged(PF, LastDone, false);
        InvalidateNavigators(ParagraphStart(PF) - 1, LastDone + 1);
    }
}

void TQuillDocument::EnsureHighlighted(int32_t Par) {
    Par = std::min(Par, ParagraphCount() - 1);
    while (FHighlightFrontier < Par) {
        int32_t P = FHighlightFrontier + 1;
        if (Paragraph(P).Highlighted) {
            FHighlightFrontier = P;
            continue;
        }
        // A run of paragraphs not highlighted yet goes in one pass.
        int32_t Last = P;
        while (Last < Par && !Paragraph(Last + 1).Highlighted) ++Last;
        HighlightParagraphs(P, Last);
        if (FHighlightFrontier < P) FHighlightFrontier = P;
    }
}

void TQuillDocument::HighlightKeywords(TQuillNavigator* From, TQuillNavigator* To) {
    int32_t PF = From->LocatePar();
    int32_t PT = std::max(PF, To->LocatePar());
    for (int32_t P = PF; P <= PT; ++P) HighlightParagraphKeywords(P);
}

void TQuillDocument::HighlightParagraphKeywords(int32_t Par) {
    if (!Paragraph(Par).Highlighted) EnsureHighlighted(Par);
    TParagraph& P = Paragraph(Par);
    if (FHighlighter) {
        TQuillNavigator* F = FNav.HookFrom.get();
        TQuillNavigator* T = FNav.HookTo.get();
        F->PlaceAt(Par, 0);
        T->PlaceAt(Par, P.Length);
        FHighlighter->ParseKeywords(F, T, FKeywords->GetCount());
    }
    P.Parsed = 1;
    TKeywordList& KW = *FKeywords;
    if (!FApplyKeyWords || KW.GetCount() == 0 || P.Length == 0) return;
    const int32_t L = P.Length;
    FKeywordIndex.Prepare(KW, FSeparators);
    TFreshStops& Fresh = FreshStops();
    const bool FromFresh = Fresh.Owner == this && Fresh.Par == Par;
    static std::vector<TStopRec> Kept;  // scratch of the user-interface thread
    if (!FromFresh) {
        Kept.resize(static_cast<size_t>(P.StopCount));
        for (int32_t i = 0; i < P.StopCount; ++i) Kept[static_cast<size_t>(i)] = P.StopRec(i);
    }
    const std::vector<TStopRec>& In = FromFresh ? Fresh.Recs : Kept;
    const auto StopCount = static_cast<int32_t>(In.size());
    // Keywords see the text with character 5 where they are not allowed;
    // the runs where they are allowed are read from the paragraph itself.
    std::vector<TRun>& Allowed = AllowedRuns();
    Allowed.clear();
    bool AnyAllowed = false;
    {
        const TFormatStop* State = &*P.StartContext;
        int32_t At = 0;
        for (int32_t s = 0; s <= StopCount; ++s) {
            int32_t Next = s < StopCount ? In[static_cast<size_t>(s)].Offset : L;
            bool Blocked = IsHighlightingStop(*State) && State->Context != 0;
            if (!Blocked && Next > At) {
                AnyAllowed = true;
                int32_t To = std::min(Next, L);
                if (To > At) {
                    if (!Allowed.empty() && Allowed.back().To == At)
                        Allowed.back().To = To;
                    else
                        Allowed.push_back({At, To});
                }
            }
            if (s < StopCount) {
                State = &StopState(In[static_cast<size_t>(s)].State);
                At = std::max(At, In[static_cast<size_t>(s)].Offset);
            }
        }
    }
    if (!AnyAllowed) return;
    const char* Src = P.Text();
    std::vector<TMatch>& Matches = FScratchMatches;
    Matches.clear();
    // The text as keywords see it, with every claim so far, is made when a
    // search or a check needs it: most lines need only their words. The
    // upper-cased copy follows it when a keyword that ignores case is
    // searched on its own.
    std::string& Text = FScratchText;
    std::string& Upper = FScratchUpper;
    bool TextMade = false;
    Upper.clear();
    auto MakeText = [&] {
        if (TextMade) return;
        Text.assign(static_cast<size_t>(L), '\5');
        for (const TRun& R : Allowed) std::memcpy(Text.data() + R.From, Src + R.From, static_cast<size_t>(R.To - R.From));
        for (const TMatch& M : Matches) std::memset(Text.data() + M.Offset, 5, static_cast<size_t>(M.Length));
        TextMade = true;
    };
    const auto& Compiled = KW.Compiled();
    // A keyword claims its text: nothing later can match inside it.
    auto Claim = [&](int32_t At, int32_t Len, int32_t k) {
        Matches.push_back({At, k, Len});
        if (TextMade) std::memset(Text.data() + At, 5, static_cast<size_t>(Len));
        if (!Upper.empty()) std::memset(Upper.data() + At, 5, static_cast<size_t>(Len));
    };
    // Every word is looked up once, before anything claims text: a claim
    // only turns characters into 5, so a word is still free at its group's
    // turn when neither it nor the characters beside it became 5.
    std::vector<TMatch>& Words = FScratchWords;
    Words.clear();
    const bool Scanned = FKeywordIndex.AnyWords();
    if (Scanned) {
        FKeywordIndex.BeginLine();
        // Unless 5 separates words, a word beside text where keywords are
        // not allowed runs on into its 5s and matches no word keyword.
        const bool Glued = !FKeywordIndex.IsSeparator(5);
        for (const TRun& R : Allowed) {
            int32_t i = R.From;
            while (i < R.To) {
                while (i < R.To && FKeywordIndex.IsSeparator(Src[i])) ++i;
                int32_t j = i;
                while (j < R.To && !FKeywordIndex.IsSeparator(Src[j])) ++j;
                if (j > i) {
                    std::string_view W(Src + i, static_cast<size_t>(j - i));
                    FKeywordIndex.NoteWord(W);
                    bool Joined = Glued && ((i == R.From && i > 0) || (j == R.To && j < L));
                    int32_t k = Joined ? -1 : FKeywordIndex.FindWord(W, static_cast<size_t>(L - i));
                    if (k >= 0) Words.push_back({i, k, j - i});
                }
                i = j;
            }
        }
    }
    auto StillFree = [&](const TMatch& W) {
        MakeText();
        const char* T = Text.data();
        return (W.Offset == 0 || T[W.Offset - 1] != 5) && (W.Offset + W.Length >= L || T[W.Offset + W.Length] != 5) &&
               !std::memchr(T + W.Offset, 5, static_cast<size_t>(W.Length));
    };
    // Words the scan found are free until a single keyword claims text
    // (claims of word keywords leave the separators between words), unless
    // the blocked text's character 5 separates words.
    bool WordsFree = !FKeywordIndex.IsSeparator(5);
    // Without a single keyword in the line, each word found claims itself.
    const bool OnlyWords = WordsFree && Scanned && !FKeywordIndex.AnySingleMayOccur();
    if (OnlyWords) Matches.swap(Words);
    const auto& Groups = FKeywordIndex.Groups();
    for (size_t g = 0; g < Groups.size() && !OnlyWords; ++g) {
        const TKeywordIndex::TGroup& G = Groups[g];
        if (G.Words) {
            for (const TMatch& W : Words)
                if (FKeywordIndex.GroupOf(W.Index) == g && (WordsFree || StillFree(W))) Claim(W.Offset, W.Length, W.Index);
            continue;
        }
        if (Scanned && !FKeywordIndex.MayOccur(g)) continue;
        MakeText();
        int32_t k = G.First;
        TKeyword* K = KW.Record(k);
        const std::string& Key = Compiled[static_cast<size_t>(k)];
        bool MatchCase = (K->Options & koMatchCase) != 0;
        if (!MatchCase && Upper.empty()) {
            Upper = Text;  // with every claim so far
            QuillUpperInPlace(Upper.data(), L);
        }
        std::string& Buf = MatchCase ? Text : Upper;
        std::string_view View(Buf);
        size_t From = 0;
        while (true) {
            size_t Q = View.find(Key, From);
            if (Q == std::string_view::npos) break;
            auto Qi = static_cast<int32_t>(Q);
            auto Len = static_cast<int32_t>(Key.size());
            bool Ok = true;
            if (K->Options & koWholeWord) {
                bool Before = Qi == 0 || FSeparators[static_cast<unsigned char>(Buf[Q - 1])];
                bool After = Qi + Len >= L || FSeparators[static_cast<unsigned char>(Buf[Q + Key.size()])];
                Ok = Before && After;
            }
            if (Ok) {
                Claim(Qi, Len, k);
                WordsFree = false;
            }
            From = Q + Key.size();
        }
    }
    if (Matches.empty()) return;
    auto Earlier = [](const TMatch& A, const TMatch& B) { return A.Offset < B.Offset; };
    if (!std::is_sorted(Matches.begin(), Matches.end(), Earlier)) std::sort(Matches.begin(), Matches.end(), Earlier);
    // Merge the keyword regions into the paragraph's stops. The merge works
    // on stored records: only a keyword's own state and a state whose key
    // length a match cuts are new, every other stop keeps its state.
    std::vector<TStopRec>& Out = FScratchRecs;
    std::vector<TStopState>& Made = FScratchMade;  // interned here, given back once P holds them
    Out.clear();
    Made.clear();
    auto Intern = [&](const TFormatStop& S) {
        TStopState Id = InternStopState(S);
        Made.push_back(Id);
        return Id;
    };
    int32_t s = 0;
    TStopState InForce = P.StartContext.Id;
    int32_t InForceAt = 0;
    bool LastParagraph = Par == ParagraphCount() - 1;
    for (const TMatch& M : Matches) {
        while (s < StopCount && In[static_cast<size_t>(s)].Offset < M.Offset) {
            Out.push_back(In[static_cast<size_t>(s)]);
            InForce = Out.back().State;
            InForceAt = Out.back().Offset;
            ++s;
        }
        const TFormatStop& F = StopState(InForce);
        int Depth = StopContext(F) + 1;
        if (Depth >= QuillMaxDepth) continue;
        if (F.Kind >= qkRegion && !Out.empty()) {
            const TFormatStop& B = StopState(Out.back().State);
            if (B.Kind >= qkRegion && B.Depth == F.Depth && B.StopLength != 0) {
                TFormatStop Cut = B;
                Cut.StopLength = 0;
                Out.back().State = Intern(Cut);
            }
        }
        TStopState Id = FKeywordStates.Get(InForce, M.Index, *KW.Record(M.Index), M.Length);
        AddStopStateRef(Id);  // the cache may let it go before P holds it
        Made.push_back(Id);
        Out.push_back({M.Offset, Id});
        // Stops covered by the match go; the last of them (or the state in
        // force) comes back at the match end.
        TStopState Previous = InForce;
        int32_t PrevAt = InForceAt;
        int32_t End = M.Offset + M.Length;
        while (s < StopCount && In[static_cast<size_t>(s)].Offset <= End) {
            Previous = In[static_cast<size_t>(s)].State;
            PrevAt = In[static_cast<size_t>(s)].Offset;
            ++s;
        }
        const TFormatStop& PS = StopState(Previous);
        int KeyLeft = std::max(0, PS.KeyLength - (End - PrevAt));
        if (KeyLeft != PS.KeyLength) {
            TFormatStop Cut = PS;
            Cut.KeyLength = static_cast<uint8_t>(KeyLeft);
            Previous = Intern(Cut);
        }
        if (!(LastParagraph && End >= L)) Out.push_back({End, Previous});
        InForce = Previous;
        InForceAt = End;
    }
    while (s < StopCount) Out.push_back(In[static_cast<size_t>(s++)]);
    SetParagraphStopRecs(P, Out.data(), static_cast<int32_t>(Out.size()));
    for (TStopState Id : Made) ReleaseStopState(Id);
    if (FromFresh) {
        Fresh.Stored = true;  // the start/stop pass tells the views and forgets the navigators' stops
    } else {
        HighlightingChanged(Par, Par, false);
        InvalidateNavigators(ParagraphStart(Par) - 1, Par);
    }
}

void TQuillDocument::ApplyStopRange(TQuillNavigator* From, TQuillNavigator* To, bool MarkLayout, bool Highlighting,
                                    const TFormatStop& Stop) {
    if (From->Pos > To->Pos) std::swap(From, To);
    int32_t PF = From->LocatePar();
    int32_t PT = To->LocatePar();
    if (MarkLayout) HighlightingChanged(PF, PT, true);
    int32_t EndPos = To->Pos;
    TFormatStop Previous = From->CurrentStop();
    int32_t PrevAt = From->Pos;
    TFormatStop New = Stop;
    if (Highlighting)
        New.Kind |= qkHighlighting;
    else
        New.Kind = 0;
    if (Highlighting || IsHighlightingStop(Previous)) From->InsertFormatStop(New);
    for (int32_t p = PF; p <= PT; ++p) {
        TParagraph& Pr = Paragraph(p);
        int32_t Idx = p == PF ? From->GetStopIndex() : 0;
        int32_t Limit = p == PT ? EndPos - ParagraphStart(p) : Pr.Length + 1;
        while (Idx < Pr.StopCount && Pr.StopOffset(Idx) <= Limit) {
            Previous = Pr.Stop(Idx);
            PrevAt = ParagraphStart(p) + Previous.Offset;
            DeleteParagraphStop(Pr, Idx);
        }
        if (p > PF) SetParagraphContext(Pr, New);
    }
    Previous.KeyLength = static_cast<uint8_t>(std::max(0, Previous.KeyLength - (EndPos - PrevAt)));
    if (EndPos < CharCount() && (Highlighting || IsHighlightingStop(Previous))) {
        TQuillNavigator* W = FNav.StopRangeEnd.get();
        W->ResetCache();
        W->Pos = EndPos;
        W->SkipStopsAtPos();
        W->InsertFormatStop(Previous);
    }
    HighlightingChanged(PF, PT, false);
    InvalidateNavigators(From->Pos - 1, PT);
    From->ForgetStopAndLine();
    To->ForgetStopAndLine();
}

void TQuillDocument::ClearHighlighting() {
    for (int32_t i = 0; i < ParagraphCount(); ++i) {
        TParagraph& P = Paragraph(i);
        P.Highlighted = P.Parsed = 0;
        ClearParagraphStops(P);
        if (i > 0 && P.StartContext.Id != Paragraph(0).StartContext.Id) ShareParagraphContext(P, Paragraph(0));
    }
    for (TQuillNavigator* N : FNavigators) N->ForgetStopAndLine();
    FHighlightFrontier = -1;
    HighlightingChanged(0, ParagraphCount() - 1, false);
}

void TQuillEditor::ReformatAll() {
    FDoc->ClearHighlighting();
    StartFullFormat();
    if (FWindow) FWindow->InvalidateAll();
}
