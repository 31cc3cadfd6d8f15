#include "engine/file_replace.h"
#include "engine/ini_profile.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace tintara;

TEST(IniValue, MatchesSectionsAndKeysIgnoringCaseAndTrimsBlanks)
{
    const std::string text = "[Famount]\r\n  fdAMT =  5 \t\r\n[ rdclrs ]\r\nRD1=7\r\n";
    EXPECT_EQ(iniValue(text, "famount", "fdamt"), "5");
    EXPECT_EQ(iniValue(text, "FAMOUNT", "FDAMT"), "5");
    EXPECT_EQ(iniValue(text, "rdclrs", "rd1"), "7");
}

TEST(IniValue, GivesEmptyTextForWhatIsMissing)
{
    const std::string text = "RD1=1\r\n[famount]\r\nfdamt\r\n[rdclrs]\r\nrd2=2\r\n";
    EXPECT_EQ(iniValue(text, "rdclrs", "rd1"), "") << "a key before any section belongs to none";
    EXPECT_EQ(iniValue(text, "famount", "fdamt"), "") << "a line without '=' holds no value";
    EXPECT_EQ(iniValue(text, "grnclrs", "rd2"), "");
    EXPECT_EQ(iniValue(text, "famount", "rd2"), "") << "keys of other sections do not count";
    EXPECT_EQ(iniValue("", "famount", "fdamt"), "");
}

TEST(IniValue, ReadsLineFeedOnlyFilesBlankLinesAndEqualsSignsInValues)
{
    const std::string text = "\n[fweight]\n\nbold=1\nnote = a=b \n[last]\nkey=end";
    EXPECT_EQ(iniValue(text, "fweight", "bold"), "1");
    EXPECT_EQ(iniValue(text, "fweight", "note"), "a=b");
    EXPECT_EQ(iniValue(text, "last", "key"), "end");
}

TEST(IniValue, TheFirstSectionAndKeyOfANameCount)
{
    const std::string text = "[s]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n";
    EXPECT_EQ(iniValue(text, "s", "k"), "1");
    EXPECT_EQ(iniValue(text, "s", "j"), "");
}

TEST(IniValue, CutsValuesTo254Characters)
{
    const std::string longValue(300, 'x');
    EXPECT_EQ(iniValue("[s]\r\nk=" + longValue + "\r\n", "s", "k"), std::string(254, 'x'));
    EXPECT_EQ(iniValue("[s]\r\nk=" + std::string(254, 'y'), "s", "k"), std::string(254, 'y'));
}

TEST(SetIniValue, WritesANewFileWithUpperCaseKeysAndCrLf)
{
    std::string text;
    setIniValue(text, "famount", "fdamt", "4");
    setIniValue(text, "rdclrs", "rd1", "255");
    EXPECT_EQ(text, "[famount]\r\nFDAMT=4\r\n[rdclrs]\r\nRD1=255\r\n");
}

TEST(SetIniValue, ReplacesAnExistingValueInPlaceAndKeepsEveryOtherLine)
{
    std::string text = "; my set\n[other]\nfdamt=9\n\n[FAMOUNT]\n  fdamt = 3 \nextra=x\n[tail]\n";
    setIniValue(text, "famount", "fdamt", "5");
    EXPECT_EQ(text, "; my set\n[other]\nfdamt=9\n\n[FAMOUNT]\nFDAMT=5\r\nextra=x\n[tail]\n");
}

TEST(SetIniValue, PutsAMissingKeyAfterTheLastLineOfItsSection)
{
    std::string text = "[rdclrs]\r\nRD1=1\r\n\r\n[grnclrs]\r\nGRN1=2\r\n";
    setIniValue(text, "rdclrs", "rd2", "3");
    EXPECT_EQ(text, "[rdclrs]\r\nRD1=1\r\nRD2=3\r\n\r\n[grnclrs]\r\nGRN1=2\r\n");

    std::string unterminated = "[rdclrs]";
    setIniValue(unterminated, "rdclrs", "rd1", "0");
    EXPECT_EQ(unterminated, "[rdclrs]\r\nRD1=0\r\n");
}

TEST(SetIniValue, AppendsAMissingSectionAtTheEnd)
{
    std::string text = "[a]\r\nk=1";
    setIniValue(text, "fweight", "bold", "1");
    EXPECT_EQ(text, "[a]\r\nk=1\r\n[fweight]\r\nBOLD=1\r\n");
}

TEST(SetIniValue, CompletesALastLineEndingInALoneCarriageReturn)
{
    // A lone "\r" doubled would read back as part of its line.
    std::string header = "[famount\r";
    setIniValue(header, "famount", "fdamt", "3");
    EXPECT_EQ(header, "[famount\r\nFDAMT=3\r\n");
    EXPECT_EQ(iniValue(header, "famount", "fdamt"), "3");

    std::string note = "[s]\r\nnote=hello\r";
    setIniValue(note, "s", "k", "1");
    setIniValue(note, "t", "k", "2");
    EXPECT_EQ(note, "[s]\r\nnote=hello\r\nK=1\r\n[t]\r\nK=2\r\n");
}

TEST(SetIniValue, ThenReadsBackWhatItWrote)
{
    std::string text = "[s]\r\nk=old\r\n";
    setIniValue(text, "S", "K", "new");
    setIniValue(text, "s", "other", "2");
    EXPECT_EQ(iniValue(text, "s", "k"), "new");
    EXPECT_EQ(iniValue(text, "s", "other"), "2");
}

TEST(SetIniValue, ReadsPastAByteOrderMarkAndKeepsIt)
{
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        std::string text;
        std::string read;    // fdamt in famount
        std::string written; // after setting it to 4
    } cases[] = {
        {bom + "[famount]\r\nFDAMT=3\r\n", "3", bom + "[famount]\r\nFDAMT=4\r\n"},
        {bom + "fdamt=9\r\n[famount]\r\nfdamt=3", "3", bom + "fdamt=9\r\n[famount]\r\nFDAMT=4\r\n"},
        {bom, "", bom + "[famount]\r\nFDAMT=4\r\n"},
        // Only at the start is it a byte order mark.
        {"\r\n" + bom + "[famount]\r\nFDAMT=3\r\n", "",
         "\r\n" + bom + "[famount]\r\nFDAMT=3\r\n[famount]\r\nFDAMT=4\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(iniValue(c.text, "famount", "fdamt"), c.read);
        std::string text = c.text;
        setIniValue(text, "famount", "fdamt", "4");
        EXPECT_EQ(text, c.written);
    }
}

TEST(WriteIniValue, CreatesAMissingFileAndUpdatesItLikeTheTextForm)
{
    TempFolder folder;
    const std::string path = folder.file("set.tnf");
    EXPECT_EQ(readIniValue("famount", "fdamt", path), "");
    writeIniValue("famount", "fdamt", "4", path);
    writeIniValue("famount", "fdamt", "6", path);
    writeIniValue("fweight", "bold", "1", path);
    EXPECT_EQ(readText(path), "[famount]\r\nFDAMT=6\r\n[fweight]\r\nBOLD=1\r\n");
    EXPECT_EQ(readIniValue("FAMOUNT", "FdAmt", path), "6");
}

TEST(WriteIniValues, WritesOnceWhatSeparateUpdatesWouldWrite)
{
    TempFolder folder;
    const std::string start = "[grnclrs]\nGRN2=9\n[keep]\nx=1\n";
    const std::vector<IniEntry> entries{{"famount", "fdamt", "3"},
                                        {"grnclrs", "grn1", "5"},
                                        {"grnclrs", "grn2", "6"},
                                        {"famount", "fdamt", "4"},
                                        {"new", "k", "v"}};
    writeText(folder.file("one.ini"), start);
    writeText(folder.file("many.ini"), start);

    writeIniValues(entries, folder.file("one.ini"));
    for (const IniEntry &entry : entries) {
        writeIniValue(entry.section, entry.key, entry.value, folder.file("many.ini"));
    }
    EXPECT_EQ(readText(folder.file("one.ini")), readText(folder.file("many.ini")));
}

TEST(ReadIniValue, NeverFailsOnFilesItCannotRead)
{
    TempFolder folder;
    writeText(folder.file("plain"), "[s]\r\nk=1\r\n");
    EXPECT_EQ(readIniValue("s", "k", folder.path().string()), "") << "a folder";
    EXPECT_EQ(readIniValue("s", "k", folder.file("plain") + "/inside"), "") << "under a file";
}
