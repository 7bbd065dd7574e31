// The source read from a file: CR LF line ends read as LF wherever the two
// bytes fall in the reads, a lone CR kept, no byte an end of file before the
// last, and one character of put-back across the reads.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "scanner/scanner.h"

namespace {

namespace fs = std::filesystem;

// The size of one read of the source (SourceText's buffer).
constexpr std::size_t ReadSize = 1 << 16;

class SourceFile : public testing::Test {
protected:
    fs::path path = fs::temp_directory_path() / ("kavel-source-" + std::to_string(getpid()));
    void TearDown() override { fs::remove(path); }

    // Every character `get` gives for the file holding `bytes`.
    std::string readAll(const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
        SourceText source;
        EXPECT_TRUE(source.openFile(path.c_str()));
        std::string text;
        for (char c; source.get(c);)
            text += c;
        EXPECT_TRUE(source.atEnd());
        EXPECT_FALSE(source.readFailed());
        return text;
    }
};

TEST_F(SourceFile, CrLfReadsAsLfWhereverItFalls)
{
    // The CR as the last byte of the first read and its LF the first of the
    // next, the pair inside a read, and the pair at the very end.
    std::string head(ReadSize - 1, 'a');
    EXPECT_EQ(readAll(head + "\r\nb\r\nc\r\n"), head + "\nb\nc\n");
    EXPECT_EQ(readAll("x\r\n\r\n"), "x\n\n");
}

TEST_F(SourceFile, LoneCrStays)
{
    std::string head(ReadSize - 1, 'a');
    EXPECT_EQ(readAll(head + "\rb"), head + "\rb");   // at the end of a read
    EXPECT_EQ(readAll(head + "\r"), head + "\r");     // the file's last byte
    EXPECT_EQ(readAll("a\rb\r\r\n"), "a\rb\r\n");
}

TEST_F(SourceFile, CtrlZAndNulAreBytes)
{
    std::string bytes("a\x1a" "b\0c\x1a", 6);
    EXPECT_EQ(readAll(bytes), bytes);
}

TEST_F(SourceFile, PutBackAcrossReads)
{
    std::string head(ReadSize - 1, 'a');
    std::ofstream(path, std::ios::binary) << head + "\r\nb\rc";
    SourceText source;
    ASSERT_TRUE(source.openFile(path.c_str()));
    char c = 0;
    for (std::size_t i = 0; i < head.size(); ++i)
        ASSERT_TRUE(source.get(c));
    ASSERT_TRUE(source.get(c));
    EXPECT_EQ(c, '\n');
    source.unget();
    ASSERT_TRUE(source.get(c));
    EXPECT_EQ(c, '\n');
    ASSERT_TRUE(source.get(c));
    EXPECT_EQ(c, 'b');
    ASSERT_TRUE(source.get(c));
    EXPECT_EQ(c, '\r');
    source.unget();
    ASSERT_TRUE(source.get(c));
    EXPECT_EQ(c, '\r');
    ASSERT_TRUE(source.get(c));
    EXPECT_EQ(c, 'c');
    EXPECT_FALSE(source.get(c));
}

// A CR that ends the file, put back after the look past it met the end, is
// read again, and then the end.
TEST_F(SourceFile, PutBackOfLastCr)
{
    std::string head(ReadSize - 1, 'a');
    std::ofstream(path, std::ios::binary) << head + "\r";
    SourceText source;
    ASSERT_TRUE(source.openFile(path.c_str()));
    char c = 0;
    for (std::size_t i = 0; i <= head.size(); ++i)
        ASSERT_TRUE(source.get(c));
    EXPECT_EQ(c, '\r');
    EXPECT_FALSE(source.atEnd());
    source.unget();
    ASSERT_TRUE(source.get(c));
    EXPECT_EQ(c, '\r');
    EXPECT_FALSE(source.get(c));
    EXPECT_TRUE(source.atEnd());
}

TEST_F(SourceFile, FolderAndMissingFileDoNotOpen)
{
    SourceText source;
    EXPECT_FALSE(source.openFile(fs::temp_directory_path().c_str()));
    EXPECT_FALSE(source.openFile(path.c_str()));
}

TEST(SourceMemory, CrLfReadsAsLf)
{
    std::string bytes = "a\r\nb\r";
    SourceText source;
    source.openMemory(bytes.data(), bytes.size());
    std::string text;
    for (char c; source.get(c);)
        text += c;
    EXPECT_EQ(text, "a\nb\r");
}

}  // namespace
