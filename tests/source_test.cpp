// The source buffer and its places (lines and columns worked out from byte
// offsets), and the platform's reading of a whole file as bytes.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "base/base.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

struct Place {
    int line, column;
    bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Place& p) { return os << p.line << ":" << p.column; }

Place placeOf(const SourceBuffer& source, std::size_t offset)
{
    const SourcePlace p = source.placeOf(offset);
    return {p.line, p.column};
}

}  // namespace

TEST(SourcePlaces, LinesAndColumns)
{
    const SourceBuffer source("demo.fms", "form demo\nend\n");
    EXPECT_EQ(source.name(), "demo.fms");
    EXPECT_EQ(source.size(), 14u);
    EXPECT_EQ(placeOf(source, 0), (Place{1, 1}));
    EXPECT_EQ(placeOf(source, 5), (Place{1, 6}));
    EXPECT_EQ(placeOf(source, 9), (Place{1, 10}));   // the line end: one past the last character
    EXPECT_EQ(placeOf(source, 10), (Place{2, 1}));
    EXPECT_EQ(placeOf(source, 12), (Place{2, 3}));
    EXPECT_EQ(source.lineOf(9), 1);
    EXPECT_EQ(source.lineOf(10), 2);
    EXPECT_EQ(source.lineStart(1), 0u);
    EXPECT_EQ(source.lineStart(2), 10u);
    // No offset: no place.
    EXPECT_EQ(placeOf(source, NoOffset), (Place{0, 0}));
}

TEST(SourcePlaces, CrLfEndsALineAndALoneCrIsACharacter)
{
    const SourceBuffer crlf("d.fms", "ab\r\ncd\r\n");
    EXPECT_EQ(placeOf(crlf, 2), (Place{1, 3}));   // the CR of a CR LF: the end of the line
    EXPECT_EQ(placeOf(crlf, 4), (Place{2, 1}));
    EXPECT_EQ(placeOf(crlf, 5), (Place{2, 2}));
    EXPECT_EQ(placeOf(crlf, 6), (Place{2, 3}));
    EXPECT_EQ(crlf.lineStart(2), 4u);

    const SourceBuffer lone("d.fms", "a\rb\rc\nd");
    EXPECT_EQ(placeOf(lone, 2), (Place{1, 3}));   // a lone CR takes a column and ends no line
    EXPECT_EQ(placeOf(lone, 4), (Place{1, 5}));
    EXPECT_EQ(placeOf(lone, 5), (Place{1, 6}));
    EXPECT_EQ(placeOf(lone, 6), (Place{2, 1}));
    EXPECT_EQ(lone.lineOf(5), 1);
}

TEST(SourcePlaces, ATabOrAUtf8CharacterIsOneColumn)
{
    // "\tÉté = x": the tab, then three characters of five bytes.
    const SourceBuffer source("d.fms", "\t\xC3\x89t\xC3\xA9 = x\n\xE2\x9C\x93\xF0\x9F\x98\x80y");
    EXPECT_EQ(placeOf(source, 1), (Place{1, 2}));
    EXPECT_EQ(placeOf(source, 3), (Place{1, 3}));    // after É
    EXPECT_EQ(placeOf(source, 4), (Place{1, 4}));    // é
    EXPECT_EQ(placeOf(source, 7), (Place{1, 6}));    // the "="
    EXPECT_EQ(placeOf(source, 10), (Place{1, 9}));   // the line end
    EXPECT_EQ(placeOf(source, 11), (Place{2, 1}));
    EXPECT_EQ(placeOf(source, 14), (Place{2, 2}));   // after a character of three bytes
    EXPECT_EQ(placeOf(source, 18), (Place{2, 3}));   // after one of four
}

TEST(SourcePlaces, OffsetsAtAndPastTheEnd)
{
    const SourceBuffer open("d.fms", "ab\ncd");
    EXPECT_EQ(placeOf(open, 5), (Place{2, 3}));     // the end: after the last character
    EXPECT_EQ(placeOf(open, 6), (Place{2, 3}));     // past it: the same
    EXPECT_EQ(placeOf(open, 1000), (Place{2, 3}));
    // After a final line end, the end is on a line of its own.
    const SourceBuffer ended("d.fms", "ab\n");
    EXPECT_EQ(placeOf(ended, 2), (Place{1, 3}));
    EXPECT_EQ(placeOf(ended, 3), (Place{2, 1}));
    EXPECT_EQ(ended.lineOf(3), 2);
    EXPECT_EQ(ended.lineOf(99), 2);
    // Lines past the last start at the end.
    EXPECT_EQ(ended.lineStart(3), 3u);
    EXPECT_EQ(ended.lineStart(0), 3u);
    const SourceBuffer empty("d.fms", "");
    EXPECT_EQ(placeOf(empty, 0), (Place{1, 1}));
    EXPECT_EQ(placeOf(empty, 5), (Place{1, 1}));
    EXPECT_EQ(empty.lineText(1), "");
}

TEST(SourcePlaces, LineTextWithoutItsLineEndAndCutAtANul)
{
    const std::string text("one\r\ntwo\0three\nfo\rur\n\nlast", 26);
    const SourceBuffer source("d.fms", text);
    EXPECT_EQ(source.size(), 26u);
    EXPECT_EQ(source.lineText(1), "one");          // without the CR of its CR LF
    EXPECT_EQ(source.lineText(2), "two");          // the scanner stops at the NUL; so does the line
    EXPECT_EQ(source.lineText(3), "fo\rur");       // a lone CR stays
    EXPECT_EQ(source.lineText(4), "");
    EXPECT_EQ(source.lineText(5), "last");
    EXPECT_EQ(source.lineText(6), "");             // past the last line
    EXPECT_EQ(source.lineText(0), "");
    EXPECT_EQ(source.lineText(-1), "");
    // A NUL at the start of a line leaves nothing of it.
    EXPECT_EQ(SourceBuffer("d.fms", std::string("a\n\0b\n", 5)).lineText(2), "");
}

TEST(SourcePlaces, TheBytesAreCopiedOrKept)
{
    std::string text = "form x\n";
    const SourceBuffer copied("d.fms", text);
    text[0] = 'F';
    EXPECT_EQ(copied.text(), "form x\n");
    EXPECT_EQ(copied.end() - copied.begin(), 7);

    // Bytes someone else keeps stay alive with the buffer.
    auto owner = std::make_shared<std::string>("end\n");
    const std::string_view view = *owner;
    const SourceBuffer kept("d.fms", view, owner);
    owner.reset();
    EXPECT_EQ(kept.text(), "end\n");
    EXPECT_EQ(kept.begin(), view.data());
}

namespace {

class ReadFile : public testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("kavel-source-" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    fs::path write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    }
};

}  // namespace

TEST_F(ReadFile, TheBytesWholeCtrlZNulAndCrIncluded)
{
    const std::string bytes("form\r\n\x1a" "a\0b\rc\x1a\xff", 14);
    const fs::path path = write("bytes.fms", bytes);
    platform::FileContents contents;
    ASSERT_EQ(platform::readFile(path.c_str(), contents), platform::ReadOutcome::Read);
    ASSERT_EQ(contents.size, bytes.size());
    EXPECT_EQ(std::string(contents.data, contents.size), bytes);
    EXPECT_NE(contents.keep, nullptr);

    // The buffer made of them keeps them once the contents are gone.
    const SourceBuffer source(path.string(), std::string_view(contents.data, contents.size), contents.keep);
    contents = {};
    EXPECT_EQ(source.text(), bytes);
    EXPECT_EQ(source.lineText(2), "\x1a" "a");
}

TEST_F(ReadFile, ALargerFileWhole)
{
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "line " + std::to_string(i) + (i % 3 == 0 ? "\r\n" : "\n");
    const fs::path path = write("large.fms", bytes);
    platform::FileContents contents;
    ASSERT_EQ(platform::readFile(path.c_str(), contents), platform::ReadOutcome::Read);
    EXPECT_EQ(std::string(contents.data, contents.size), bytes);
}

TEST_F(ReadFile, AnEmptyFileIsReadAsNoBytes)
{
    const fs::path path = write("empty.fms", "");
    platform::FileContents contents;
    ASSERT_EQ(platform::readFile(path.c_str(), contents), platform::ReadOutcome::Read);
    EXPECT_EQ(contents.size, 0u);
}

TEST_F(ReadFile, AFolderAndAMissingFileDoNotOpen)
{
    platform::FileContents contents;
    errno = 0;
    EXPECT_EQ(platform::readFile(dir.c_str(), contents), platform::ReadOutcome::CannotOpen);
    EXPECT_EQ(contents.size, 0u);
    EXPECT_TRUE(platform::isFolder(dir.c_str()));
    errno = 0;
    EXPECT_EQ(platform::readFile((dir / "missing.fms").c_str(), contents), platform::ReadOutcome::CannotOpen);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(platform::isFolder((dir / "missing.fms").c_str()));
}
