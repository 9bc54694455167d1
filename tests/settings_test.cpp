#include "geometry/scurve.h"
#include "settings/settings.h"
#include "tests/file_size_limit.h"
#include "tests/float_bits.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tremalo {
namespace {

using test::bitsOf;
using test::fieldsOf;
using test::readFile;
using test::TempFolder;

const std::string DefaultsFile = readFile(TREMALO_FIXTURES "/defaults.ini");

// Distinct values that no row of the load table writes, so untouched fields show.
SCurve otherRecord() {
    SCurve c;
    c.offset = 11.0f;
    c.angle = 12.0f;
    c.radius1 = 13.0f;
    c.straight = 14.0f;
    c.radius2 = 15.0f;
    c.length = 16.0f;
    c.span1 = 17.0f;
    c.span2 = 18.0f;
    return c;
}

void expectSameRecord(const SCurve& actual, const SCurve& expected) {
    const auto a = fieldsOf(actual);
    const auto e = fieldsOf(expected);
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::isnan(e[i]))
            EXPECT_TRUE(std::isnan(a[i])) << "field " << i;
        else
            EXPECT_EQ(bitsOf(a[i]), bitsOf(e[i])) << "field " << i << ": " << a[i];
    }
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(SaveSettings, DefaultRecordWritesExactlyTheFixtureBytes) {
    ASSERT_EQ(DefaultsFile.size(), 130u);
    TempFolder folder;
    std::filesystem::create_directory(folder.assets());
    saveSettings(defaultSCurve(), folder.path());
    EXPECT_EQ(readFile(folder.settingsFile()), DefaultsFile);
    EXPECT_EQ(folder.assetNames(), std::vector<std::string>{"Tremalo.ini"});
}

TEST(LoadSettings, FixtureGivesBackTheSixDefaultsBitForBit) {
    TempFolder folder;
    folder.writeSettings(DefaultsFile);
    SCurve curve = otherRecord();
    loadSettings(curve, folder.path());
    SCurve expected = defaultSCurve();
    expected.span1 = 17.0f;
    expected.span2 = 18.0f;
    expectSameRecord(curve, expected);
}

TEST(Settings, ExitSolveChangesOnlyTheLengthLineAndIsStableOverRuns) {
    TempFolder folder;
    std::filesystem::create_directory(folder.assets());
    SCurve first = defaultSCurve();
    solveSCurve(first, SolveRadius2);
    saveSettings(first, folder.path());
    const std::string written = readFile(folder.settingsFile());
    EXPECT_EQ(written, replaceAll(DefaultsFile, "705.3499755859", "705.3526000977"));

    SCurve second = defaultSCurve();
    loadSettings(second, folder.path());
    solveSCurve(second, SolveRadius2);
    saveSettings(second, folder.path());
    EXPECT_EQ(readFile(folder.settingsFile()), written);
}

TEST(Settings, InfinitiesAndNaNRoundTrip) {
    TempFolder folder;
    std::filesystem::create_directory(folder.assets());
    SCurve saved = otherRecord();
    saved.offset = std::numeric_limits<float>::infinity();
    saved.angle = -std::numeric_limits<float>::infinity();
    saved.length = std::numeric_limits<float>::quiet_NaN();
    saveSettings(saved, folder.path());
    EXPECT_NE(readFile(folder.settingsFile()).find("\r\n+Infinity\r\nAngle:\r\n-Infinity\r\n"),
              std::string::npos);
    SCurve loaded = defaultSCurve();
    loadSettings(loaded, folder.path());
    EXPECT_EQ(loaded.offset, saved.offset);
    EXPECT_EQ(loaded.angle, saved.angle);
    EXPECT_TRUE(std::isnan(loaded.length));
}

// One file and what loading it into otherRecord() must leave.
struct LoadRow {
    const char* name;
    std::string bytes;
    std::array<std::optional<float>, 6> loaded; // nullopt: keeps its value
};

const std::array<std::optional<float>, 6> AllDefaults = {50.0f, 7.5f,     1962.0f,
                                                         57.5f, 3005.16f, 705.35f};
const std::array<std::optional<float>, 6> Nothing = {};

std::string defaultsWith(const std::string& from, const std::string& to) {
    return replaceAll(DefaultsFile, from, to);
}

const LoadRow LoadRows[] = {
    {"LfOnly", defaultsWith("\r\n", "\n"), AllDefaults},
    {"CrOnly", defaultsWith("\r\n", "\r"), AllDefaults},
    {"ZeroBytesEndLines", defaultsWith("\r\n", std::string(1, '\0')), AllDefaults},
    {"MixedLineEnds",
     std::string("Tremalo Init File\rOffset:\n50\r\nAngle:\0007.5\rRadius1:\n1962\n", 55),
     {50.0f, 7.5f, 1962.0f, {}, {}, {}}},
    {"LfThenCrIsTwoLineEnds", defaultsWith("Tremalo Init File\r\n", "Tremalo Init File\n\r"),
     Nothing},
    {"HeaderInOtherCase", defaultsWith("Tremalo Init File", "TREMALO INIT FILE"), Nothing},
    {"HeaderWithTrailingSpace", defaultsWith("Init File", "Init File "), Nothing},
    {"EmptyLineAfterHeader", defaultsWith("File\r\n", "File\r\n\r\n"), Nothing},
    {"FirstKeyInLowerCase", defaultsWith("Offset:", "offset:"), Nothing},
    {"FirstKeyWithSpaceAfterColon", defaultsWith("Offset:", "Offset: "), Nothing},
    {"Radius2Misspelled",
     defaultsWith("Radius2:", "Radius 2:"),
     {50.0f, 7.5f, 1962.0f, 57.5f, {}, {}}},
    {"OffsetAndAngleSwapped",
     defaultsWith("Offset:\r\n50\r\nAngle:\r\n7.5", "Angle:\r\n7.5\r\nOffset:\r\n50"), Nothing},
    {"LettersOnlyValue",
     defaultsWith("\r\n7.5\r\n", "\r\nabc\r\n"),
     {50.0f, 0.0f, 1962.0f, 57.5f, 3005.16f, 705.35f}},
    {"CommaValue", defaultsWith("57.5", "57,5"), {50.0f, 7.5f, 1962.0f, 57.0f, 3005.16f, 705.35f}},
    {"NegativeValueStaysNegative",
     defaultsWith("\r\n1962\r\n", "\r\n-12.5\r\n"),
     {50.0f, 7.5f, -12.5f, 57.5f, 3005.16f, 705.35f}},
    {"EndsAfterLengthKey",
     defaultsWith("705.3499755859\r\n", ""),
     {50.0f, 7.5f, 1962.0f, 57.5f, 3005.16f, 0.0f}},
    {"EndsInLengthKeyWithoutLineEnd",
     defaultsWith("Length:\r\n705.3499755859\r\n", "Length:"),
     {50.0f, 7.5f, 1962.0f, 57.5f, 3005.16f, 0.0f}},
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF" + DefaultsFile, Nothing},
    {"Utf16", std::string("\xFF\xFET\0r\0", 6), Nothing},
    {"ExtraLinesAfterLine13", DefaultsFile + "Offset:\r\n99\r\n", AllDefaults},
    {"EmptyFile", "", Nothing},
    {"HeaderOnly", "Tremalo Init File\r\n", Nothing},
    {"ValueLineWithBlanksAndTrailingText",
     defaultsWith("\r\n50\r\n", "\r\n  1e2 mm\r\n"),
     {100.0f, 7.5f, 1962.0f, 57.5f, 3005.16f, 705.35f}},
};

void PrintTo(const LoadRow& row, std::ostream* out) {
    *out << row.name;
}

class LoadSettingsRows : public testing::TestWithParam<LoadRow> {};

TEST_P(LoadSettingsRows, LoadsWhatTheLineRulesAllow) {
    const LoadRow& row = GetParam();
    TempFolder folder;
    folder.writeSettings(row.bytes);
    SCurve curve = otherRecord();
    loadSettings(curve, folder.path());

    SCurve expected = otherRecord();
    float* fields[] = {&expected.offset,   &expected.angle,   &expected.radius1,
                       &expected.straight, &expected.radius2, &expected.length};
    for (std::size_t i = 0; i < 6; ++i)
        if (row.loaded[i])
            *fields[i] = *row.loaded[i];
    expectSameRecord(curve, expected);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadSettingsRows, testing::ValuesIn(LoadRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadSettings, MissingOrUnusableFileLeavesTheRecordAlone) {
    TempFolder folder;
    SCurve curve = otherRecord();
    loadSettings(curve, folder.path());                         // no Assets folder
    std::filesystem::create_directories(folder.settingsFile()); // a folder in its place
    loadSettings(curve, folder.path());
    expectSameRecord(curve, otherRecord());
}

TEST(LoadSettings, LineWithoutEndOfManyMegabytesDoesNotStopLoading) {
    TempFolder folder;
    folder.writeSettings("Tremalo Init File\nOffset:\n5" + std::string(3 << 20, '0') + "\n");
    SCurve curve = otherRecord();
    loadSettings(curve, folder.path());
    EXPECT_TRUE(std::isinf(curve.offset));
}

TEST(SaveSettings, MissingAssetsFolderIsNotCreated) {
    TempFolder folder;
    saveSettings(defaultSCurve(), folder.path());
    EXPECT_FALSE(std::filesystem::exists(folder.assets()));
}

TEST(SaveSettings, ReadOnlyFileStaysByteIdentical) {
    TempFolder folder;
    folder.writeSettings("Tremalo Init File\r\nOffset:\r\n1\r\n");
    std::filesystem::permissions(folder.settingsFile(), std::filesystem::perms::owner_read);
    saveSettings(defaultSCurve(), folder.path());
    EXPECT_EQ(readFile(folder.settingsFile()), "Tremalo Init File\r\nOffset:\r\n1\r\n");
    EXPECT_EQ(folder.assetNames(), std::vector<std::string>{"Tremalo.ini"});
}

TEST(SaveSettings, ReplacesAForeignFileAndKeepsItsPermissions) {
    TempFolder folder;
    folder.writeSettings("\xEF\xBB\xBF" + DefaultsFile + "more\r\n");
    using std::filesystem::perms;
    std::filesystem::permissions(folder.settingsFile(), perms::owner_read | perms::owner_write);
    saveSettings(defaultSCurve(), folder.path());
    EXPECT_EQ(readFile(folder.settingsFile()), DefaultsFile);
    EXPECT_EQ(std::filesystem::status(folder.settingsFile()).permissions(),
              perms::owner_read | perms::owner_write);
}

TEST(SaveSettings, WritesThroughALinkToTheFileItNames) {
    TempFolder folder;
    std::filesystem::create_directory(folder.assets());
    const auto real = folder.path() / "elsewhere.ini";
    test::writeFile(real, "old");
    std::filesystem::create_symlink(real, folder.settingsFile());
    saveSettings(defaultSCurve(), folder.path());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.settingsFile()));
    EXPECT_EQ(readFile(real), DefaultsFile);
}

#ifdef TREMALO_HAVE_FILE_SIZE_LIMIT
TEST(SaveSettings, WriteFailingPartWayLeavesThePreviousFileAndNoTemporary) {
    TempFolder folder;
    SCurve previous = otherRecord();
    std::filesystem::create_directory(folder.assets());
    saveSettings(previous, folder.path());
    const std::string before = readFile(folder.settingsFile());
    ASSERT_FALSE(before.empty());
    {
        test::FileSizeLimit limit(64); // the new text is 130 bytes: the disk "fills" at 64
        saveSettings(defaultSCurve(), folder.path());
    }
    EXPECT_EQ(readFile(folder.settingsFile()), before);
    EXPECT_EQ(folder.assetNames(), std::vector<std::string>{"Tremalo.ini"});
}
#endif

} // namespace
} // namespace tremalo
