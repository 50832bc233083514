// Random edits against a plain string model: the editor's (and its
// document's alone) text, integrity, undo and redo, and incremental
// highlighting must always agree with the model and with a full re-highlight.
#include <gtest/gtest.h>

#include <random>

#include "EditorTestUtil.h"
#include "editor/QuillEditor.h"

namespace {

template <class TTarget>
void AddKeys(TTarget& M) {
    M.Keywords()->AddKeyword("MOV", koWholeWord, 0, 1, 0, -1, 65535);
    M.Keywords()->AddKeyword("ax", 0, 1, 2, 0, -1, 255);
    M.StartStopKeys()->AddKey(";", "", true, 8421504, -1, 0, 1, 0, 0);
    M.StartStopKeys()->AddKey("\"", "\"", true, 65280, -1, 0, 1, 0, 0);
    M.StartStopKeys()->AddKey("/*", "*/", false, 128, -1, 0, 1, 2, 0);
}

bool SameStop(const TFormatStop& A, const TFormatStop& B) {
    if (A.Offset != B.Offset || A.Kind != B.Kind || A.Depth != B.Depth || A.Background != B.Background ||
        A.Foreground != B.Foreground || A.Context != B.Context || A.Cursor != B.Cursor || A.KeyLength != B.KeyLength ||
        A.StopLength != B.StopLength)
        return false;
    for (int d = 0; d < QuillMaxDepth; ++d)
        if (A.Stack[d] != B.Stack[d]) return false;
    return true;
}

// Brings a document's highlighting up to date, as laying it out would.
void HighlightAll(TQuillDocument& D) {
    D.EnsureHighlighted(D.ParagraphCount() - 1);
    for (int32_t p = 0; p < D.ParagraphCount(); ++p)
        if (!D.Paragraph(p).Parsed) D.HighlightParagraphKeywords(p);
}

// Compares the stops of every paragraph of two documents highlighted up to date.
std::string CompareHighlighting(const TQuillDocument& Inc, const TQuillDocument& Full) {
    if (Inc.ParagraphCount() != Full.ParagraphCount()) return "paragraph count";
    for (int32_t p = 0; p < Inc.ParagraphCount(); ++p) {
        const TParagraph& A = Inc.Paragraph(p);
        const TParagraph& B = Full.Paragraph(p);
        if (!StopsEqual(*A.StartContext, *B.StartContext) || A.StartContext->Kind != B.StartContext->Kind)
            return "start context of paragraph " + std::to_string(p);
        if (A.StopCount != B.StopCount) return "stop count of paragraph " + std::to_string(p);
        for (int32_t s = 0; s < A.StopCount; ++s)
            if (!SameStop(A.Stop(s), B.Stop(s))) return "stop " + std::to_string(s) + " of paragraph " + std::to_string(p);
    }
    return {};
}

std::string CompareHighlighting(TQuillEditor& Inc, TQuillEditor& Full) {
    Inc.FormatRange(0, Inc.ParagraphCount() - 1, false);
    Full.FormatRange(0, Full.ParagraphCount() - 1, false);
    return CompareHighlighting(Inc.Document(), Full.Document());
}

class TRandomEdits {
public:
    explicit TRandomEdits(uint32_t Seed) : Rng(Seed) {}

    int32_t SnapPos(int32_t P) const {
        if (P > 0 && P < static_cast<int32_t>(Model.size()) && Model[static_cast<size_t>(P) - 1] == '\r' &&
            Model[static_cast<size_t>(P)] == '\n')
            --P;
        return P;
    }

    std::string RandomText() {
        static const char* Pieces[] = {"a", "b", " ", "mov", "MOV", "ax", ";", "\"", "/*", "*/", "\r\n", "x y", "\t", ",", "z", "\n", "\r"};
        std::string S;
        int N = Pick(1, 4);
        for (int i = 0; i < N; ++i) S += Pieces[Pick(0, 16)];
        return S;
    }

    int Pick(int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(Rng); }

    std::mt19937 Rng;
    std::string Model;
    std::vector<std::string> Before, After;  // model text around each undo record
};

// M measures its lines in W, narrow enough to wrap, as soon as they change.
void LayOutAtOnce(TQuillEditor& M, TFakeWindow& W) {
    W.Width = 120;
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
}

}  // namespace

TEST(Differential, RandomEditsUndoAndRedoAgreeWithAStringModel) {
    TQuillEditor M(nullptr);
    AddKeys(M);
    M.SetUndoMaxSpace(1 << 30);
    TRandomEdits R(12345);
    for (int Step = 0; Step < 4000; ++Step) {
        int Op = R.Pick(0, 9);
        std::string Old = R.Model;
        int32_t IndexBefore = M.UndoIndex();
        bool Edited = Op <= 6 || R.Model.empty();
        if (Op <= 4 || R.Model.empty()) {
            // Insert, either at the caret (typing on) or at a new place.
            std::string T = R.RandomText();
            if (Op == 0 || R.Model.empty()) {
                M.InsertTextAtSelection(T);
            } else {
                int32_t P = R.SnapPos(R.Pick(0, static_cast<int>(R.Model.size())));
                M.SetSelStart(P);
                M.InsertTextAtSelection(T);
            }
        } else if (Op <= 6) {
            int32_t A = R.SnapPos(R.Pick(0, static_cast<int>(R.Model.size())));
            int32_t B = R.SnapPos(std::min<int32_t>(A + R.Pick(1, 12), static_cast<int32_t>(R.Model.size())));
            M.SetSelStart(Op == 5 ? A : B);
            M.SetSelLength(Op == 5 ? B - A : A - B);
            M.ClearSelection();
        } else if (Op <= 8) {
            if (M.CanUndo()) {
                int32_t K = M.UndoIndex();
                M.Undo();
                R.Model = R.Before[static_cast<size_t>(K - 1)];
                ASSERT_EQ(M.UndoIndex(), K - 1);
            }
        } else {
            if (M.CanRedo()) {
                int32_t J = M.UndoIndex();
                M.Redo();
                R.Model = R.After[static_cast<size_t>(J)];
                ASSERT_EQ(M.UndoIndex(), J + 1);
            }
        }
        if (Edited) {
            R.Model = M.GetTextRange(0, M.CharCount());
            int32_t IndexAfter = M.UndoIndex();
            if (IndexAfter == IndexBefore + 1) {
                R.Before.resize(static_cast<size_t>(IndexBefore));
                R.After.resize(static_cast<size_t>(IndexBefore));
                R.Before.push_back(Old);
                R.After.push_back(R.Model);
            } else if (IndexAfter == IndexBefore && IndexAfter > 0 && Old != R.Model) {
                R.After[static_cast<size_t>(IndexAfter - 1)] = R.Model;
                R.After.resize(static_cast<size_t>(IndexAfter));
                R.Before.resize(static_cast<size_t>(IndexAfter));
            }
        }
        ASSERT_NO_THROW(M.CheckIntegrity()) << "step " << Step;
        ASSERT_EQ(M.GetTextRange(0, M.CharCount()), R.Model) << "step " << Step << " op " << Op;
        ASSERT_EQ(M.CharCount(), static_cast<int32_t>(R.Model.size()));
        {
            TQuillEditor Full(nullptr);
            AddKeys(Full);
            Full.ReplaceAllText(R.Model);
            ASSERT_EQ(CompareHighlighting(M, Full), "") << "step " << Step << " op " << Op;
        }
    }
}

// The document alone, with no editor over it: its text, paragraph starts,
// a navigator's place and its highlighting after random replacements,
// undos and redos agree with a string model and a document made afresh.
TEST(Differential, ADocumentAloneAgreesWithAStringModel) {
    TQuillDocument D;
    AddKeys(D);
    D.SetUndoMaxSpace(1 << 30);
    TQuillNavigator Nav(D);
    TRandomEdits R(4242);
    std::vector<std::string> Texts{""};  // the model at each undo index
    for (int Step = 0; Step < 2500; ++Step) {
        int Op = R.Pick(0, 9);
        auto Size = static_cast<int32_t>(R.Model.size());
        if (Op <= 6 || Size == 0) {
            int32_t A = R.SnapPos(R.Pick(0, Size));
            int32_t B = Op <= 3 ? A : R.SnapPos(std::min(Size, A + R.Pick(1, 12)));
            std::string T = Op == 6 ? std::string() : R.RandomText();
            int32_t Was = Nav.Pos;
            TQuillDocument::TEdit E = D.Replace(A, B, T, true, false);
            D.HighlightEdited(E);
            R.Model.replace(static_cast<size_t>(A), static_cast<size_t>(B - A), T);
            // Line breaks of any kind are stored as CR LF.
            std::string Stored = D.GetTextRange(A, A + E.Inserted);
            R.Model.replace(static_cast<size_t>(A), T.size(), Stored);
            int32_t Expected = Was > B ? Was + E.Inserted - (B - A) : Was >= A ? A : Was;
            ASSERT_EQ(Nav.Pos, Expected) << "step " << Step;
            Texts.resize(static_cast<size_t>(D.UndoIndex()));
            Texts.push_back(R.Model);
        } else if (Op <= 8) {
            D.Undo();
            R.Model = Texts[static_cast<size_t>(D.UndoIndex())];
            Nav.SetPos(std::min(Nav.Pos, D.CharCount()));
        } else {
            D.Redo();
            R.Model = Texts[static_cast<size_t>(D.UndoIndex())];
        }
        ASSERT_EQ(D.GetTextRange(0, D.CharCount()), R.Model) << "step " << Step << " op " << Op;
        int64_t Start = 0;
        for (int32_t p = 0; p < D.ParagraphCount(); ++p) {
            ASSERT_EQ(D.ParagraphStart(p), Start) << "step " << Step << " paragraph " << p;
            Start += D.Paragraph(p).Length + 2;
        }
        ASSERT_EQ(D.CharCount(), Start - 2);
        if (Nav.Pos < D.CharCount()) {
            ASSERT_EQ(Nav.GetChar(), R.Model[static_cast<size_t>(Nav.Pos)]) << "step " << Step;
        }
        if (Step % 5 == 0) {
            TQuillDocument Fresh;
            AddKeys(Fresh);
            Fresh.Replace(0, 0, R.Model, true, false);
            HighlightAll(D);
            HighlightAll(Fresh);
            ASSERT_EQ(CompareHighlighting(D, Fresh), "") << "step " << Step << " op " << Op;
        }
        if (Op == 9) Nav.SetPos(R.SnapPos(R.Pick(0, D.CharCount())));
    }
}

// A load's paragraph records are made when first asked for: edits far
// below the records made so far, and the paragraphs and starts asked for
// in between, agree with a string model; paragraphs reached late have the
// text (blanks discarded, empty lines) and the in-text style the load found.
TEST(Differential, ParagraphRecordsMadeLateAgreeWithAStringModel) {
    TQuillDocument D;
    TRandomEdits R(515);
    std::string Text = "\x02" "bold\r\n";
    R.Model = Text;
    for (int i = 0; i < 5000; ++i) {
        std::string Line = i % 11 == 0 ? "" : "line " + std::to_string(i);
        Text += Line + (i % 5 == 0 ? " \t\r\n" : "\r\n");
        R.Model += Line + "\r\n";
    }
    TStringStream S(Text);
    D.LoadText(S, {true, true, 0}, {});
    auto Keep = static_cast<int32_t>(R.Model.size() - R.Model.rfind("line 4900"));  // the load's last lines
    for (int Step = 0; Step < 30; ++Step) {
        auto Size = static_cast<int32_t>(R.Model.size());
        int32_t A = R.SnapPos(R.Pick(Step < 15 ? Size / 2 : 0, Size - Keep));
        int32_t B = R.SnapPos(std::min(Size - Keep, A + R.Pick(0, 3000)));
        std::string T;
        for (int k = R.Pick(0, 600); k > 0; --k) T += "p q\r\n";
        D.Replace(A, B, T, true, false);
        R.Model.replace(static_cast<size_t>(A), static_cast<size_t>(B - A), T);
        ASSERT_EQ(D.CharCount(), static_cast<int32_t>(R.Model.size())) << "step " << Step;
        for (int k = 0; k < 20; ++k) {
            int32_t Pos = R.SnapPos(R.Pick(0, D.CharCount()));
            size_t LineStart = Pos == 0 ? 0 : R.Model.rfind("\r\n", static_cast<size_t>(Pos) - 1);
            LineStart = Pos == 0 || LineStart == std::string::npos ? 0 : LineStart + 2;
            auto Par = static_cast<int32_t>(std::count(R.Model.begin(), R.Model.begin() + static_cast<std::ptrdiff_t>(LineStart), '\n'));
            ASSERT_EQ(D.ParagraphAt(Pos), Par) << "step " << Step << " position " << Pos;
            ASSERT_EQ(D.ParagraphStart(Par), static_cast<int32_t>(LineStart)) << "step " << Step;
        }
    }
    EXPECT_EQ(D.Paragraph(D.ParagraphCount() - 2).Style0, qsBold);
    EXPECT_EQ(D.GetTextRange(0, D.CharCount()), R.Model);
}

TEST(Differential, RandomEditsUnderAMeasuredLayoutKeepLinesConsistent) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    LayOutAtOnce(M, W);
    AddKeys(M);
    TRandomEdits R(777);
    for (int Step = 0; Step < 1500; ++Step) {
        int Op = R.Pick(0, 9);
        int32_t Size = M.CharCount();
        if (Op <= 5 || Size == 0) {
            M.SetSelStart(R.SnapPos(R.Pick(0, Size)));
            std::string T = R.RandomText();
            if (Op == 0) T = std::string(static_cast<size_t>(R.Pick(10, 40)), 'w');
            M.InsertTextAtSelection(T);
        } else if (Op <= 7) {
            R.Model = M.GetTextRange(0, Size);
            int32_t A = R.SnapPos(R.Pick(0, Size));
            M.SetSelStart(A);
            M.SetSelLength(R.SnapPos(std::min(Size, A + R.Pick(1, 15))) - A);
            M.ClearSelection();
        } else if (Op == 8) {
            M.Undo();
        } else {
            M.Redo();
        }
        ASSERT_NO_THROW(M.CheckIntegrity()) << "step " << Step;
        if (Step % 25 == 0) {
            // The same text laid out from scratch has the same lines.
            TQuillEditor Fresh(nullptr);
            LayOutAtOnce(Fresh, W);
            AddKeys(Fresh);
            Fresh.ReplaceAllText(M.GetTextRange(0, M.CharCount()));
            ASSERT_EQ(M.LineCount(), Fresh.LineCount()) << "step " << Step;
            for (int32_t p = 0; p < M.ParagraphCount(); ++p) {
                ASSERT_EQ(M.ParagraphFirstLine(p), Fresh.ParagraphFirstLine(p)) << "step " << Step << " paragraph " << p;
                for (int32_t l = 0; l < M.ParagraphLineCount(p); ++l)
                    ASSERT_EQ(M.ParagraphLine(p, l).End, Fresh.ParagraphLine(p, l).End) << "step " << Step;
            }
            Fresh.SetWindowSide(nullptr);
        }
    }
    M.SetWindowSide(nullptr);
}

// Thousands of paragraphs, some wrapped: pastes and deletions of hundreds
// of lines and edits far apart move records between the blocks of the
// document's and the view's lists; starts, lines and a navigator's cached
// paragraph follow.
TEST(Differential, EditsAcrossParagraphBlocksKeepStartsLinesAndNavigators) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    LayOutAtOnce(M, W);
    TRandomEdits R(99);
    for (int i = 0; i < 3000; ++i) R.Model += "line " + std::string(static_cast<size_t>(i % 23), 'w') + "\r\n";
    M.ReplaceAllText(R.Model);
    TQuillNavigator N(&M);
    for (int Step = 0; Step < 150; ++Step) {
        auto Size = static_cast<int32_t>(R.Model.size());
        int32_t A = R.SnapPos(R.Pick(0, Size)), B = A;
        std::string T;
        int Op = R.Pick(0, 2);
        if (Op == 0)
            for (int k = R.Pick(1, 900); k > 0; --k) T += "p q\r\n";
        else if (Op == 1)
            B = R.SnapPos(std::min(Size, A + R.Pick(1, 12000)));
        else
            T = "x";
        int32_t At = R.SnapPos(R.Pick(0, Size));
        N.SetPos(At);
        N.LocatePar();
        M.SetSelStart(A);
        M.SetSelLength(B - A);
        M.InsertTextAtSelection(T);
        R.Model.replace(static_cast<size_t>(A), static_cast<size_t>(B - A), T);
        int32_t Expect = At > B ? At + static_cast<int32_t>(T.size()) - (B - A) : At >= A ? A : At;
        ASSERT_NO_THROW(M.CheckIntegrity()) << "step " << Step;
        ASSERT_EQ(M.GetTextRange(0, M.CharCount()), R.Model) << "step " << Step;
        ASSERT_EQ(N.Pos, Expect) << "step " << Step;
        ASSERT_EQ(N.Paragraph(), &M.Paragraph(N.GetPar())) << "step " << Step;
        ASSERT_EQ(M.ParagraphStart(N.GetPar()) + N.GetParOffset(), N.Pos) << "step " << Step;
    }
    M.SetWindowSide(nullptr);
}

// A loaded text's layout records are made as the view reaches them: edits
// far below the records made so far, background slices in between and the
// lines asked for meanwhile agree with a view laid out at once, and the
// paragraphs reached late start in the in-text style the load found.
TEST(Differential, LayoutRecordsMadeLateAgreeWithALayoutAtOnce) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    W.Width = 120;
    int64_t Ticks = 0;
    M.Clock = [&Ticks] { return Ticks += 1; };  // a slice lays out a few paragraphs
    M.SetWindowSide(&W);
    TRandomEdits R(4242);
    R.Model = "plain\r\n\x02" "bold on\r\n";
    for (int i = 0; i < 6000; ++i) R.Model += "l" + std::string(static_cast<size_t>(i % 9), 'w') + "\r\n";
    M.ReplaceAllText(R.Model);
    auto From = static_cast<int32_t>(R.Model.find("l\r\n"));
    for (int Step = 0; Step < 24; ++Step) {
        auto Size = static_cast<int32_t>(R.Model.size());
        int32_t A = R.SnapPos(R.Pick(Step < 12 ? Size / 2 : From, Size)), B = A;
        std::string T;
        int Op = R.Pick(0, 2);
        if (Op <= 1) {
            // Lines put in, or in place of up to a few thousand lines.
            if (Op == 1) B = R.SnapPos(std::min(Size, A + R.Pick(1, 12000)));
            for (int k = R.Pick(Op, 1500); k > 0; --k) T += "p q\r\n";
        } else
            T = std::string(40, 'w');
        M.SetSelStart(A);
        M.SetSelLength(B - A);
        M.InsertTextAtSelection(T);
        R.Model.replace(static_cast<size_t>(A), static_cast<size_t>(B - A), T);
        if (Step >= 12 && Step % 3 == 0) M.FormatInBackground(false);
        TQuillEditor Fresh(nullptr);
        TFakeWindow FW;
        LayOutAtOnce(Fresh, FW);
        Fresh.ReplaceAllText(R.Model);
        ASSERT_EQ(M.LineCount(), Fresh.LineCount()) << "step " << Step;
        for (int32_t p = 0; p < M.ParagraphCount(); p += 7)
            ASSERT_EQ(M.ParagraphFirstLine(p), Fresh.ParagraphFirstLine(p)) << "step " << Step << " paragraph " << p;
        for (int32_t l = 0; l < M.LineCount(); l += 5)
            ASSERT_EQ(M.ParagraphAtLine(l), Fresh.ParagraphAtLine(l)) << "step " << Step << " line " << l;
        Fresh.SetWindowSide(nullptr);
    }
    ASSERT_NO_THROW(M.CheckIntegrity());
    EXPECT_EQ(M.ParagraphLine(M.ParagraphCount() - 1, 0).Style(), qsBold);
    M.SetWindowSide(nullptr);
}

// Stop states are shared between editors and counted: an editor that goes
// away, after loads, highlighting, edits and undos, leaves none behind.
TEST(Differential, EveryStopStateIsReleasedWithItsEditors) {
    int32_t Before = StopStateCount();
    {
        TQuillEditor A(nullptr), B(nullptr);
        AddKeys(A);
        AddKeys(B);
        std::string Text = "mov ax, 1 ; one\r\n\"str /* x\" ax\r\n/* open\r\nstill */ mov\r\n";
        A.ReplaceAllText(Text);
        B.ReplaceAllText(Text + Text);
        A.FormatRange(0, A.ParagraphCount() - 1, false);
        B.FormatRange(0, B.ParagraphCount() - 1, false);
        ASSERT_GT(StopStateCount(), Before);
        TRandomEdits R(99);
        for (int Step = 0; Step < 300; ++Step) {
            A.SetSelStart(R.Pick(0, A.CharCount()));
            if (R.Pick(0, 3) == 0)
                A.Undo();
            else
                A.InsertTextAtSelection(R.RandomText());
        }
        A.ReplaceAllText("ax");
        A.FormatRange(0, 0, false);
    }
    EXPECT_EQ(StopStateCount(), Before);
}
