#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/Streams.h"
#include "framework/rtl/StringList.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/common/TestFolder.h"

namespace {
std::string Contents(TMemoryStream& M) {
    return std::string(static_cast<const char*>(M.Memory()), static_cast<size_t>(M.Size()));
}
}  // namespace

TEST(MemoryStream, WriteReadSeekSize) {
    TMemoryStream m;
    EXPECT_EQ(m.Size(), 0);
    m.WriteBuffer("hello world", 11);
    EXPECT_EQ(m.Position(), 11);
    EXPECT_EQ(m.Size(), 11);
    EXPECT_EQ(m.Seek(-5, soEnd), 6);
    char buf[16] = {};
    EXPECT_EQ(m.Read(buf, 16), 5) << "a read stops at the end";
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(m.Read(buf, 16), 0);
    m.SetPosition(0);
    m.WriteBuffer("J", 1);
    EXPECT_EQ(m.Seek(2, soCurrent), 3);
    EXPECT_EQ(Contents(m), "Jello world");
    m.SetSize(5);
    EXPECT_EQ(m.Position(), 3);
    EXPECT_EQ(Contents(m), "Jello");
    m.SetSize(2);
    EXPECT_EQ(m.Position(), 2) << "shrinking pulls the position back";
    m.Clear();
    EXPECT_EQ(m.Size(), 0);
    EXPECT_EQ(m.Position(), 0);
}

TEST(MemoryStream, WritingPastTheEndFillsTheGapWithZeros) {
    TMemoryStream m;
    m.WriteBuffer("ab", 2);
    m.SetPosition(5);
    m.WriteBuffer("c", 1);
    EXPECT_EQ(m.Size(), 6);
    EXPECT_EQ(Contents(m), std::string("ab\0\0\0c", 6));
}

TEST(MemoryStream, CapacityGrowsByDoubling) {
    TMemoryStream m;
    const std::string chunk(1000, 'x');
    int regrowths = 0;
    int64_t capacity = 0;
    for (int i = 0; i < 1000; ++i) {
        m.WriteBuffer(chunk.data(), static_cast<int32_t>(chunk.size()));
        if (m.Capacity() != capacity) {
            ++regrowths;
            capacity = m.Capacity();
        }
    }
    EXPECT_EQ(m.Size(), 1000000);
    EXPECT_LE(regrowths, 20);
}

TEST(MemoryStream, ReadBufferAndWriteBufferAreAllOrNothing) {
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.SetPosition(1);
    char buf[8];
    try {
        m.ReadBuffer(buf, 5);
        FAIL() << "short read not reported";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message, "Stream read error");
    }
    TStringStream s;
    s.SetPosition(-1);
    EXPECT_EQ(s.Position(), 0);
}

TEST(Stream, CopyFromWholeSourceOrCount) {
    TStringStream src("0123456789");
    TMemoryStream dst;
    src.SetPosition(7);
    EXPECT_EQ(dst.CopyFrom(&src, 0), 10) << "0 copies everything from the start";
    EXPECT_EQ(Contents(dst), "0123456789");
    src.SetPosition(2);
    TMemoryStream part;
    EXPECT_EQ(part.CopyFrom(&src, 3), 3);
    EXPECT_EQ(Contents(part), "234");
    EXPECT_EQ(src.Position(), 5);
    TMemoryStream tooMuch;
    EXPECT_THROW(tooMuch.CopyFrom(&src, 50), EReadError);

    // Larger than the copy buffer.
    std::string big(200000, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
    TStringStream bigSrc(big);
    TStringStream bigDst;
    bigDst.CopyFrom(&bigSrc, 0);
    EXPECT_EQ(bigDst.DataString(), big);
}

TEST(StringStream, ReadWriteAndSize) {
    TStringStream s("abc");
    s.Seek(0, soEnd);
    s.WriteString("def");
    EXPECT_EQ(s.DataString(), "abcdef");
    s.SetPosition(1);
    EXPECT_EQ(s.ReadString(2), "bc");
    EXPECT_EQ(s.ReadString(100), "def");
    s.SetPosition(2);
    s.WriteString("XYZW");
    EXPECT_EQ(s.DataString(), "abXYZW");
    s.SetSize(3);
    EXPECT_EQ(s.DataString(), "abX");
    EXPECT_EQ(s.Position(), 3);
}

TEST(FileStream, CreateWriteReopenAndRead) {
    TTestFolder tmp;
    const std::string name = tmp / "data.bin";
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer("0123456789", 10);
        EXPECT_EQ(f.Size(), 10);
        EXPECT_EQ(f.Position(), 10);
        f.SetSize(4);
        EXPECT_EQ(f.Size(), 4);
        EXPECT_EQ(f.FileName(), name);
    }
    {
        TFileStream f(name, fmOpenReadWrite | fmShareExclusive);
        EXPECT_EQ(f.Size(), 4);
        f.Seek(0, soEnd);
        f.WriteBuffer("AB", 2);
    }
    TFileStream f(name, fmOpenRead | fmShareDenyWrite);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, sizeof buf), 6);
    EXPECT_STREQ(buf, "0123AB");
    EXPECT_EQ(f.Seek(-2, soCurrent), 4);
    EXPECT_EQ(f.Write("x", 1), 0) << "a read-only stream writes nothing";
    EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);
}

TEST(FileStream, OpenAndCreateErrorsNameTheFile) {
    TTestFolder tmp;
    const std::string missing = tmp / "missing.txt";
    try {
        TFileStream f(missing, fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Cannot open file \"" + missing + "\"");
    }
    const std::string bad = tmp / "no_folder" + PathDelim + "x.txt";
    try {
        TFileStream f(bad, fmCreate);
        FAIL() << "created in a missing folder";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message, "Cannot create file \"" + bad + "\"");
    }
}

TEST(MemoryStream, FileRoundTrip) {
    TTestFolder tmp;
    TMemoryStream m;
    const char data[] = "binary\0data\r\n";
    m.WriteBuffer(data, sizeof data);
    m.SaveToFile(tmp / "m.bin");
    TMemoryStream r;
    r.LoadFromFile(tmp / "m.bin");
    ASSERT_EQ(r.Size(), static_cast<int64_t>(sizeof data));
    EXPECT_EQ(std::memcmp(r.Memory(), data, sizeof data), 0);
    EXPECT_EQ(r.Position(), 0);
}

namespace {
int CountEntries(const std::string& Folder) {
    int n = 0;
    TSearchRec sr;
    if (FindFirst(Folder + "*", faAnyFile, sr) == 0) {
        do {
            if (sr.Name != "." && sr.Name != "..") ++n;
        } while (FindNext(sr) == 0);
    }
    return n;
}
}  // namespace

TEST(StringListFiles, SaveToFileWritesWholeFileAndLeavesNoTempFiles) {
    TTestFolder tmp;
    const std::string name = tmp / "list.txt";
    TStringList l;
    for (int i = 0; i < 1000; ++i) l.Add("line " + std::to_string(i));
    l.SaveToFile(name);
    EXPECT_EQ(ReadFileToString(name), l.Text());
    EXPECT_EQ(CountEntries(tmp.Path()), 1);

    // Replacing a longer file leaves no tail of the old one.
    TStringList shorter;
    shorter.Add("short");
    shorter.SaveToFile(name);
    EXPECT_EQ(ReadFileToString(name), "short\r\n");
    EXPECT_EQ(CountEntries(tmp.Path()), 1);

    TStringList back;
    back.LoadFromFile(name);
    EXPECT_TRUE(back.Equals(&shorter));
}

TEST(StringListFiles, FailedSaveKeepsTheOldFileAndRaises) {
    TTestFolder tmp;
    const std::string target = tmp / "sub";
    ASSERT_TRUE(CreateDir(target));  // a folder where the file should go: the rename must fail
    TStringList l;
    l.Add("x");
    EXPECT_THROW(l.SaveToFile(target), EFCreateError);
    EXPECT_TRUE(DirectoryExists(target));
    EXPECT_EQ(CountEntries(tmp.Path()), 1) << "the temp file is cleaned up";
    EXPECT_THROW(l.SaveToFile(tmp / "missing" + PathDelim + "f.txt"), EFCreateError);
    EXPECT_THROW(l.LoadFromFile(tmp / "missing.txt"), EFOpenError);
}
