#include "engine/fade_set.h"
#include "engine/file_replace.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tintara;
namespace fs = std::filesystem;

namespace
{

FadeSet redBoldSet()
{
    FadeSet set;
    set.colourCount = 4;
    set.palette[0] = 255;
    set.styles.bold = true;
    return set;
}

std::vector<std::string> folderEntries(const TempFolder &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

// Lets this process write files of at most `bytes` bytes; a longer write fails
// with EFBIG instead of raising SIGXFSZ. Works for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

const std::string kOtherLines = "[mine]\r\nnote=keep me\r\n";

} // namespace

TEST(FadeSetFiles, SaveThenLoadGivesTheSameSet)
{
    TempFolder folder;
    const std::string path = folder.file("red.tnf");
    saveFadeSetFile(redBoldSet(), path);
    const FadeSetReading reading = loadFadeSetFile(path);
    ASSERT_TRUE(reading.fadeSet) << reading.error;
    EXPECT_EQ(reading.fadeSet->colourCount, 4);
    EXPECT_EQ(reading.fadeSet->palette, redBoldSet().palette);
    EXPECT_TRUE(reading.fadeSet->styles.bold);
    EXPECT_FALSE(reading.fadeSet->styles.italic);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"red.tnf"});
}

TEST(FadeSetFiles, SavingOverAFileKeepsItsOtherLinesAndPermissionsAndReplacesValuesInPlace)
{
    TempFolder folder;
    const std::string path = folder.file("set.tnf");
    writeText(path, kOtherLines + "[famount]\r\nfdamt = 9\r\nextra=1\r\n[tail]\r\nx=1\r\n");
    ::chmod(path.c_str(), 0640);

    saveFadeSetFile(redBoldSet(), path);
    const std::string text = readText(path);
    EXPECT_TRUE(text.starts_with(kOtherLines +
                                 "[famount]\r\nFDAMT=4\r\nextra=1\r\n[tail]\r\nx=1\r\n[rdclrs]"))
        << text;
    EXPECT_EQ(loadFadeSetFile(path).fadeSet->palette, redBoldSet().palette);
    saveFadeSetFile(redBoldSet(), path);
    EXPECT_EQ(readText(path), text) << "saving the same set again changes nothing";
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"set.tnf"});
}

TEST(FadeSetFiles, SavingAnRgbSetOverAStoredBlendStoresRgb)
{
    TempFolder folder;
    const std::string path = folder.file("blend.tnf");
    FadeSet oklab = redBoldSet();
    oklab.blend = Blend::OkLab;
    saveFadeSetFile(oklab, path);
    ASSERT_EQ(loadFadeSetFile(path).fadeSet->blend, Blend::OkLab);

    saveFadeSetFile(redBoldSet(), path);
    EXPECT_TRUE(readText(path).ends_with("[fblend]\r\nBLEND=rgb\r\n"));
    EXPECT_EQ(loadFadeSetFile(path).fadeSet->blend, Blend::Rgb);
}

TEST(FadeSetFiles, SavesUnderNamesAsLongAsTheSystemAllows)
{
    TempFolder folder;
    for (const std::size_t length : {245u, 250u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".tnf";
        saveFadeSetFile(redBoldSet(), folder.file(name));
        EXPECT_EQ(folderEntries(folder), std::vector<std::string>{name});
        fs::remove(folder.file(name));
    }
}

TEST(FadeSetFiles, SavingThroughALinkReplacesTheLinkedFile)
{
    TempFolder folder;
    writeText(folder.file("real.tnf"), kOtherLines);
    fs::create_symlink("real.tnf", folder.file("link.tnf"));

    saveFadeSetFile(redBoldSet(), folder.file("link.tnf"));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.tnf")));
    EXPECT_TRUE(readText(folder.file("real.tnf")).starts_with(kOtherLines + "[famount]"));
}

TEST(FadeSetFiles, AFailedSaveLeavesNothingBehindAndTheOldFileAsItWas)
{
    TempFolder folder;
    const std::string notAFolder = folder.file("plain");
    writeText(notAFolder, kOtherLines);
    EXPECT_THROW(saveFadeSetFile(redBoldSet(), notAFolder + "/set.tnf"), FileError);
    EXPECT_EQ(readText(notAFolder), kOtherLines);

    const std::string readOnly = folder.file("locked.tnf");
    writeText(readOnly, kOtherLines);
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_THROW(saveFadeSetFile(redBoldSet(), readOnly), FileError);
    EXPECT_EQ(readText(readOnly), kOtherLines);

    const std::string aFolder = folder.file("folder.tnf");
    fs::create_directory(aFolder);
    writeText(aFolder + "/inside", "x");
    EXPECT_THROW(saveFadeSetFile(redBoldSet(), aFolder), FileError);
    EXPECT_EQ(readText(aFolder + "/inside"), "x");

    EXPECT_EQ(folderEntries(folder),
              (std::vector<std::string>{"folder.tnf", "locked.tnf", "plain"}));
}

TEST(FadeSetFiles, AWriteThatFailsHalfwayLeavesTheOldFileWhole)
{
    TempFolder folder;
    const std::string path = folder.file("big.tnf");
    const std::string old = kOtherLines + std::string(400, ';') + "\r\n";
    writeText(path, old);
    {
        const FileSizeLimit limit(200);
        EXPECT_THROW(saveFadeSetFile(redBoldSet(), path), FileError);
    }
    EXPECT_EQ(readText(path), old);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"big.tnf"});
}

TEST(FadeSetFiles, AFileThatCannotBeReadLoadsNothing)
{
    TempFolder folder;
    // A device or a named pipe would never end, or never start: the program refuses them.
    const std::string pipe = folder.file("pipe.tnf");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string &path :
         {folder.file("missing.tnf"), folder.path().string(), pipe, std::string("/dev/zero")}) {
        const FadeSetReading reading = loadFadeSetFile(path);
        EXPECT_EQ(reading.colourCount, std::nullopt);
        EXPECT_FALSE(reading.fadeSet);
        EXPECT_NE(reading.error.find(path), std::string::npos) << reading.error;
    }
}
