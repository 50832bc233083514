#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/Streams.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<std::string> Items(const TStrings& S) {
    std::vector<std::string> r;
    for (int i = 0; i < S.Count(); ++i) r.push_back(S[i]);
    return r;
}

using V = std::vector<std::string>;

void ExpectListError(const std::function<void()>& F, const std::string& Msg) {
    try {
        F();
        ADD_FAILURE() << "no error, expected " << Msg;
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message, Msg);
    }
}

struct EventCounter : TObject {
    int Changes = 0, Changings = 0;
    std::vector<int> CountsSeen;
    void Change(TObject* Sender) {
        ++Changes;
        CountsSeen.push_back(static_cast<TStrings*>(Sender)->Count());
    }
    void Changing(TObject*) { ++Changings; }
};
}  // namespace

TEST(StringList, AddInsertDeleteAndObjects) {
    TStringList l;
    TObject tag;
    l.Add("b");
    l.InsertObject(0, "a", &tag);
    l.Append("c");
    EXPECT_EQ(Items(l), (V{"a", "b", "c"}));
    EXPECT_EQ(l.Objects(0), &tag);
    EXPECT_EQ(l.Objects(1), nullptr);
    EXPECT_EQ(l.IndexOfObject(&tag), 0);
    l.SetStrings(1, "B");
    l.SetObjects(2, &tag);
    EXPECT_EQ(l.Strings(1), "B");
    EXPECT_EQ(l.IndexOfObject(&tag), 0);
    l.Delete(0);
    EXPECT_EQ(Items(l), (V{"B", "c"}));
    EXPECT_EQ(l.Objects(1), &tag);
    EXPECT_EQ(l.IndexOf("b"), 0) << "unsorted lists match case-insensitively by default";
    l.SetCaseSensitive(true);
    EXPECT_EQ(l.IndexOf("b"), -1);
}

TEST(StringList, IndexErrors) {
    TStringList l;
    l.Add("x");
    ExpectListError([&] { l.Get(1); }, "List index out of bounds (1)");
    ExpectListError([&] { l.Strings(-1); }, "List index out of bounds (-1)");
    ExpectListError([&] { l.Delete(3); }, "List index out of bounds (3)");
    ExpectListError([&] { l.Insert(2, "y"); }, "List index out of bounds (2)");
    ExpectListError([&] { l.Objects(1); }, "List index out of bounds (1)");
    ExpectListError([&] { l.Exchange(0, 1); }, "List index out of bounds (1)");
    ExpectListError([&] { l.Move(0, 1); }, "List index out of bounds (1)");
    EXPECT_EQ(Items(l), V{"x"}) << "a failed move loses nothing";
}

TEST(StringList, MoveAndExchangeCarryObjects) {
    TStringList l;
    TObject o1, o3;
    l.AddObject("1", &o1);
    l.Add("2");
    l.AddObject("3", &o3);
    l.Move(0, 2);
    EXPECT_EQ(Items(l), (V{"2", "3", "1"}));
    EXPECT_EQ(l.Objects(2), &o1);
    l.Exchange(0, 1);
    EXPECT_EQ(Items(l), (V{"3", "2", "1"}));
    EXPECT_EQ(l.Objects(0), &o3);
}

TEST(StringListSorted, AddKeepsOrderAndFindReturnsInsertionPoint) {
    TStringList l;
    l.SetSorted(true);
    for (const char* s : {"delta", "Alpha", "charlie", "bravo"}) l.Add(s);
    EXPECT_EQ(Items(l), (V{"Alpha", "bravo", "charlie", "delta"}));
    int index = -1;
    EXPECT_TRUE(l.Find("CHARLIE", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(l.Find("beta", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(l.Find("zulu", index));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(l.IndexOf("DELTA"), 3);
    EXPECT_EQ(l.IndexOf("echo"), -1);
}

TEST(StringListSorted, SortingAnUnsortedListAndRefusingPositionalWrites) {
    TStringList l;
    l.Add("c");
    l.Add("a");
    l.Add("b");
    l.SetSorted(true);
    EXPECT_EQ(Items(l), (V{"a", "b", "c"}));
    ExpectListError([&] { l.Insert(0, "z"); }, "Operation not allowed on sorted list");
    ExpectListError([&] { l.SetStrings(0, "z"); }, "Operation not allowed on sorted list");
    ExpectListError([&] { l.Move(0, 2); }, "Operation not allowed on sorted list");
    EXPECT_EQ(Items(l), (V{"a", "b", "c"})) << "a refused move loses nothing";
    l.SetSorted(false);
    l.Insert(0, "z");
    EXPECT_EQ(l[0], "z");
}

TEST(StringListSorted, DuplicatesPolicy) {
    TStringList l;
    l.SetSorted(true);
    EXPECT_EQ(l.Add("a"), 0);
    EXPECT_EQ(l.Add("b"), 1);
    EXPECT_EQ(l.Add("A"), 0) << "dupIgnore answers the existing index";
    EXPECT_EQ(l.Count(), 2);

    l.SetDuplicates(dupError);
    ExpectListError([&] { l.Add("B"); }, "Duplicates not allowed");
    EXPECT_EQ(l.Count(), 2);

    l.SetDuplicates(dupAccept);
    l.Add("a");
    EXPECT_EQ(l.Count(), 3);
    int index;
    ASSERT_TRUE(l.Find("a", index));
    EXPECT_EQ(index, 0) << "Find lands on the first of equal items";
}

TEST(StringListSorted, CaseSensitivityChangesMatchingAndResorts) {
    TStringList l;
    l.SetSorted(true);
    l.SetDuplicates(dupAccept);
    l.Add("b");
    l.Add("B");
    l.Add("a");
    l.SetCaseSensitive(true);
    int index;
    EXPECT_TRUE(l.Find("B", index));
    EXPECT_EQ(l[index], "B");
    EXPECT_TRUE(l.Find("b", index));
    EXPECT_EQ(l[index], "b");
    EXPECT_FALSE(l.Find("A", index));
    // Whatever the collation, the list stays ordered by its own comparison.
    for (int i = 1; i < l.Count(); ++i) EXPECT_LE(l.CompareStrings(l[i - 1], l[i]), 0);
}

TEST(StringList, CustomSortByLength) {
    TStringList l;
    for (const char* s : {"ccc", "a", "bb", "dd"}) l.Add(s);
    l.CustomSort([](TStringList* List, int A, int B) {
        return static_cast<int>(List->Strings(A).size()) - static_cast<int>(List->Strings(B).size());
    });
    EXPECT_EQ(Items(l), (V{"a", "bb", "dd", "ccc"})) << "equal items keep their order";
}

TEST(StringListEvents, EachChangeNotifiesOnceOutsideUpdates) {
    TStringList l;
    EventCounter c;
    l.OnChange = TNotifyEvent(&c, &EventCounter::Change);
    l.OnChanging = TNotifyEvent(&c, &EventCounter::Changing);
    l.Add("a");
    l.Add("b");
    l.Delete(0);
    EXPECT_EQ(c.Changes, 3);
    EXPECT_EQ(c.Changings, 3);
    EXPECT_EQ(c.CountsSeen, (std::vector<int>{1, 2, 1})) << "OnChange comes after the change";
    l.Add("c");
    l.Move(1, 0);
    EXPECT_EQ(c.Changes, 5) << "a move is one change";
    l.Clear();
    l.Clear();  // clearing an empty list changes nothing
    EXPECT_EQ(c.Changes, 6);
}

TEST(StringListEvents, BeginUpdateBatchesIntoOneNotification) {
    TStringList l;
    EventCounter c;
    l.OnChange = TNotifyEvent(&c, &EventCounter::Change);
    l.OnChanging = TNotifyEvent(&c, &EventCounter::Changing);
    l.BeginUpdate();
    l.BeginUpdate();
    EXPECT_EQ(l.UpdateCount(), 2);
    for (int i = 0; i < 10; ++i) l.Add(std::to_string(i));
    l.EndUpdate();
    EXPECT_EQ(c.Changes, 0) << "the inner EndUpdate does not notify";
    l.EndUpdate();
    EXPECT_EQ(c.Changes, 1);
    EXPECT_EQ(c.Changings, 1);
    EXPECT_EQ(c.CountsSeen, std::vector<int>{10});
    l.EndUpdate();  // unbalanced: harmless
    EXPECT_EQ(l.UpdateCount(), 0);
    l.SetText("x\r\ny\r\nz\r\n");
    EXPECT_EQ(c.Changes, 2) << "SetText is one change";
    l.SetCommaText("p,q");
    EXPECT_EQ(c.Changes, 3);
}

TEST(StringListText, TextEndsEveryLineWithCrLf) {
    TStringList l;
    EXPECT_EQ(l.Text(), "");
    l.Add("a");
    l.Add("");
    l.Add("c");
    EXPECT_EQ(l.Text(), "a\r\n\r\nc\r\n");
    TStringList r;
    r.SetText(l.Text());
    EXPECT_TRUE(r.Equals(&l));
}

TEST(StringListText, SetTextAcceptsEveryLineBreak) {
    TStringList l;
    l.SetText("a\rb\nc\r\nd");
    EXPECT_EQ(Items(l), (V{"a", "b", "c", "d"}));
    l.SetText("a\n\rb");  // LF then CR: two breaks
    EXPECT_EQ(Items(l), (V{"a", "", "b"}));
    l.SetText("a\r\n\r\n");
    EXPECT_EQ(Items(l), (V{"a", ""}));
    l.SetText("");
    EXPECT_EQ(l.Count(), 0);
    l.SetText("\r\n");
    EXPECT_EQ(Items(l), V{""});
}

TEST(StringListText, CommaTextQuotesWhatNeedsIt) {
    TStringList l;
    l.Add("plain");
    l.Add("with space");
    l.Add("");
    l.Add("say \"hi\"");
    l.Add("a,b");
    EXPECT_EQ(l.CommaText(), "plain,\"with space\",\"\",\"say \"\"hi\"\"\",\"a,b\"");
    TStringList r;
    r.SetCommaText(l.CommaText());
    EXPECT_EQ(Items(r), Items(l));
}

TEST(StringListText, CommaTextEdgeCases) {
    TStringList l;
    l.Add("");
    EXPECT_EQ(l.CommaText(), "\"\"") << "one empty item must not read back as none";
    TStringList r;
    r.SetCommaText(l.CommaText());
    EXPECT_EQ(Items(r), V{""});
    r.SetCommaText("");
    EXPECT_EQ(r.Count(), 0);
    r.SetCommaText("a,,b,");
    EXPECT_EQ(Items(r), (V{"a", "", "b", ""}));
    r.SetCommaText("  a b , c");  // blanks separate unquoted items
    EXPECT_EQ(Items(r), (V{"a", "b", "c"}));
    r.SetCommaText("\"unterminated");
    EXPECT_EQ(Items(r), V{"unterminated"});
    EXPECT_EQ(r.Delimiter, ',');
    r.Delimiter = ';';
    r.SetDelimitedText("x;\"y;z\"");
    EXPECT_EQ(Items(r), (V{"x", "y;z"}));
    EXPECT_EQ(r.DelimitedText(), "x;\"y;z\"");
}

TEST(StringListText, NulSeparatesItemsLikeABlank) {
    using namespace std::string_view_literals;
    TStringList l;
    l.SetCommaText("a\0b"sv);
    EXPECT_EQ(Items(l), (V{"a", "b"}));
    l.Delimiter = ';';
    l.SetDelimitedText("\0x;y\0"sv);
    EXPECT_EQ(Items(l), (V{"x", "y"}));
    // Inside quotes it is part of the item, so an item holding one reads back whole.
    TStringList w;
    w.Add(std::string("p\0q", 3));
    l.SetCommaText(w.CommaText());
    EXPECT_EQ(Items(l), Items(w));
}

TEST(StringListText, NamesAndValues) {
    TStringList l;
    l.Add("Left=10");
    l.Add("Caption=a=b");
    l.Add("NoValue");
    EXPECT_EQ(l.Names(0), "Left");
    EXPECT_EQ(l.Names(2), "");
    EXPECT_EQ(l.Values("caption"), "a=b");
    EXPECT_EQ(l.Values("Top"), "");
    EXPECT_EQ(l.IndexOfName("LEFT"), 0);
    l.SetValues("Left", "20");
    EXPECT_EQ(l[0], "Left=20");
    l.SetValues("Top", "5");
    EXPECT_EQ(l[3], "Top=5");
    l.SetValues("Left", "");
    EXPECT_EQ(l.IndexOfName("Left"), -1);
    EXPECT_EQ(l.Count(), 3);
}

TEST(StringList, AssignAddStringsAndEquals) {
    TStringList a, b;
    TObject o;
    a.AddObject("x", &o);
    a.Add("y");
    b.Add("old");
    b.Assign(&a);
    EXPECT_TRUE(b.Equals(&a));
    EXPECT_EQ(b.Objects(0), &o);
    b.AddStrings(&b);  // adding itself doubles once, not forever
    EXPECT_EQ(Items(b), (V{"x", "y", "x", "y"}));
    EXPECT_FALSE(b.Equals(&a));
    b.Assign(&b);
    EXPECT_EQ(b.Count(), 4);
}

TEST(StringListStreams, LoadFromStreamHandlesAllBreaksAndNoFinalBreak) {
    TStringList l;
    TStringStream s("one\r\ntwo\nthree\rfour");
    l.LoadFromStream(&s);
    EXPECT_EQ(Items(l), (V{"one", "two", "three", "four"}));

    TStringStream crlf("a\r\nb\r\n");
    l.LoadFromStream(&crlf);
    EXPECT_EQ(Items(l), (V{"a", "b"}));

    TStringStream partial("skip|x\ry");
    partial.SetPosition(5);  // from the current position on
    l.LoadFromStream(&partial);
    EXPECT_EQ(Items(l), (V{"x", "y"}));

    TStringStream empty("");
    l.LoadFromStream(&empty);
    EXPECT_EQ(l.Count(), 0);
}

TEST(StringListStreams, SaveToStreamWritesCrLfAfterEveryLine) {
    TStringList l;
    l.Add("a");
    l.Add("b");
    TMemoryStream m;
    l.SaveToStream(&m);
    EXPECT_EQ(std::string(static_cast<char*>(m.Memory()), static_cast<size_t>(m.Size())), "a\r\nb\r\n");
}
