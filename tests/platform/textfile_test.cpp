// Reading only regular files, and saving that neither follows a planted link nor loses the old file.
#include "platform/textfile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/calcerror.h"
#include "support/filesizelimit.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

namespace fs = std::filesystem;

/** The error text of a read, or "" when it succeeds. */
std::string readError(const std::string& path)
{
    try {
        readWholeFile(path, 1024);
    } catch (const CalcError& error) {
        return error.what();
    }
    return "";
}

mode_t modeOf(const std::string& path)
{
    struct stat status { };
    lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

/** The names in a folder, to see that a save leaves nothing behind. */
std::set<std::string> namesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(ReadWholeFile, SaysWhatAPathIsInsteadOfReadingOrWaiting)
{
    test::TempFolder folder;
    const std::string fifo = folder.path() + "/pipe.dat";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(folder.path() + "/folder.dat");
    folder.write("plain.dat", "1,2\r\n");
    fs::create_symlink(folder.path() + "/plain.dat", folder.path() + "/link.dat");
    const struct {
        const char* name;
        std::string path;
        const char* expected; // part of the error text; "" for a file that is read
    } rows[] = {
        {"missing file", folder.path() + "/missing.dat", "does not exist"},
        {"FIFO, which a read would wait on forever", fifo, "pipe (FIFO)"},
        {"folder", folder.path() + "/folder.dat", "folder"},
        {"character device", "/dev/null", "device"},
        {"path through a file", folder.path() + "/plain.dat/x.dat", "not a folder"},
        {"too large", folder.write("big.dat", std::string(1025, '1')), "too large"},
        {"link to a regular file", folder.path() + "/link.dat", ""},
    };
    for (const auto& row : rows) {
        const std::string error = readError(row.path);
        if (*row.expected == '\0') {
            EXPECT_EQ(error, "") << row.name;
        } else {
            EXPECT_NE(error.find(row.path + ": "), std::string::npos) << row.name << ": " << error;
            EXPECT_NE(error.find(row.expected), std::string::npos) << row.name << ": " << error;
        }
    }
}

TEST(ReadWholeFile, SaysWhenAFolderOnThePathCannotBeSearched)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root searches every folder";
    test::TempFolder folder;
    fs::create_directory(folder.path() + "/closed");
    folder.write("closed/a.dat", "1");
    fs::permissions(folder.path() + "/closed", fs::perms::none);
    EXPECT_NE(readError(folder.path() + "/closed/a.dat").find("permission denied"), std::string::npos);
    fs::permissions(folder.path() + "/closed", fs::perms::owner_all);
}

/** A save into a folder in which something was planted beforehand. */
struct SaveCase {
    const char* name;
    void (*plant)(const test::TempFolder& folder); // what stands there before the save
    void (*check)(const test::TempFolder& folder); // what must hold after it
};

const SaveCase kPlantedSaves[] = {
    {"symbolic link at the old temporary name",
        [](const test::TempFolder& f) {
            f.write("victim", "victim's own bytes");
            fs::create_symlink(f.path() + "/victim", f.path() + "/case.vorlan.part");
        },
        [](const test::TempFolder& f) {
            EXPECT_EQ(f.read("victim"), "victim's own bytes");
            EXPECT_TRUE(fs::is_symlink(f.path() + "/case.vorlan.part"));
        }},
    {"FIFO at the old temporary name, which would block the save",
        [](const test::TempFolder& f) { ASSERT_EQ(mkfifo((f.path() + "/case.vorlan.part").c_str(), 0600), 0); },
        [](const test::TempFolder& f) { EXPECT_TRUE(fs::is_fifo(f.path() + "/case.vorlan.part")); }},
    {"empty folder at the old temporary name, which was deleted",
        [](const test::TempFolder& f) { fs::create_directory(f.path() + "/case.vorlan.part"); },
        [](const test::TempFolder& f) { EXPECT_TRUE(fs::is_directory(f.path() + "/case.vorlan.part")); }},
    {"private case file (0600)",
        [](const test::TempFolder& f) {
            f.write("case.vorlan", "old");
            fs::permissions(f.path() + "/case.vorlan", fs::perms::owner_read | fs::perms::owner_write);
        },
        [](const test::TempFolder& f) { EXPECT_EQ(modeOf(f.path() + "/case.vorlan"), 0600u); }},
    {"read-only case file (0444)",
        [](const test::TempFolder& f) {
            f.write("case.vorlan", "old");
            fs::permissions(
                f.path() + "/case.vorlan", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        },
        [](const test::TempFolder& f) { EXPECT_EQ(modeOf(f.path() + "/case.vorlan"), 0444u); }},
};

TEST(WriteFileAtomically, PlantedFilesAreNeitherFollowedNorRemoved)
{
    for (const SaveCase& row : kPlantedSaves) {
        test::TempFolder folder;
        row.plant(folder);
        const std::set<std::string> before = namesIn(folder.path());
        writeFileAtomically(folder.path() + "/case.vorlan", "new case");
        EXPECT_EQ(folder.read("case.vorlan"), "new case") << row.name;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.path() + "/case.vorlan"))) << row.name;
        std::set<std::string> expected = before;
        expected.insert("case.vorlan");
        EXPECT_EQ(namesIn(folder.path()), expected) << row.name << ": a temporary file is left";
        SCOPED_TRACE(row.name);
        row.check(folder);
    }
}

TEST(WriteFileAtomically, StaleTemporaryFilesOfTheSameTargetAreRemoved)
{
    test::TempFolder folder;
    const struct {
        const char* name;
        bool stale; // untouched for two minutes, or just written
        bool folder;
        bool removed;
    } rows[] = {
        {".case.vorlan.AbCd1234.part", true, false, true}, {".case.vorlan.zzzzzzzz.part", true, false, true},
        {".case.vorlan.Young123.part", false, false, false}, // a save still running elsewhere
        {".other.vorlan.AbCd1234.part", true, false, false}, // another case's
        {".case.vorlan.AbCd123.part", true, false, false}, // no name of a save
        {".case.vorlan.AbCd-234.part", true, false, false}, {".case.vorlan.AbCd1234.part.keep", true, false, false},
        {".case.vorlan.Folder12.part", true, true, false}, // not a regular file
    };
    for (const auto& row : rows) {
        const std::string path = folder.path() + "/" + row.name;
        if (row.folder)
            fs::create_directory(path);
        else
            folder.write(row.name, "left by a killed save");
        if (row.stale)
            fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    fs::create_symlink(folder.path() + "/.other.vorlan.AbCd1234.part", folder.path() + "/.case.vorlan.Linked12.part");
    fs::last_write_time(
        folder.path() + "/.other.vorlan.AbCd1234.part", fs::file_time_type::clock::now() - std::chrono::minutes(2));
    writeFileAtomically(folder.path() + "/case.vorlan", "saved");
    for (const auto& row : rows)
        EXPECT_EQ(fs::exists(folder.path() + "/" + row.name), !row.removed) << row.name;
    EXPECT_TRUE(fs::is_symlink(folder.path() + "/.case.vorlan.Linked12.part"));
    EXPECT_EQ(folder.read("case.vorlan"), "saved");
}

TEST(WriteFileAtomically, ALinkedTargetIsWrittenThroughAndTheLinkStays)
{
    test::TempFolder folder;
    fs::create_directory(folder.path() + "/cases");
    folder.write("cases/real.vorlan", "old");
    fs::permissions(folder.path() + "/cases/real.vorlan", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("cases/real.vorlan", folder.path() + "/link.vorlan"); // relative link
    fs::create_symlink(folder.path() + "/link.vorlan", folder.path() + "/chain.vorlan"); // link to a link
    fs::create_symlink("cases/new.vorlan", folder.path() + "/dangling.vorlan");

    writeFileAtomically(folder.path() + "/chain.vorlan", "through two links");
    EXPECT_TRUE(fs::is_symlink(folder.path() + "/chain.vorlan"));
    EXPECT_TRUE(fs::is_symlink(folder.path() + "/link.vorlan"));
    EXPECT_EQ(folder.read("cases/real.vorlan"), "through two links");
    EXPECT_EQ(modeOf(folder.path() + "/cases/real.vorlan"), 0600u);

    writeFileAtomically(folder.path() + "/dangling.vorlan", "a new file");
    EXPECT_TRUE(fs::is_symlink(folder.path() + "/dangling.vorlan"));
    EXPECT_EQ(folder.read("cases/new.vorlan"), "a new file");
    EXPECT_EQ(namesIn(folder.path() + "/cases"), (std::set<std::string> {"new.vorlan", "real.vorlan"}));
}

TEST(WriteFileAtomically, AFailedSaveKeepsTheOldFileItsModeAndNothingElse)
{
    const struct {
        const char* name;
        std::string target; // inside the folder
        bool diskFull;
    } rows[] = {
        {"disk full part-way", "case.vorlan", true},
        {"target is a folder", "folder.vorlan", false},
        {"target is a FIFO", "fifo.vorlan", false},
        {"folder of the target missing", "no folder/case.vorlan", false},
    };
    for (const auto& row : rows) {
        test::TempFolder folder;
        folder.write("case.vorlan", "old case");
        fs::permissions(folder.path() + "/case.vorlan", fs::perms::owner_read | fs::perms::owner_write);
        fs::create_directory(folder.path() + "/folder.vorlan");
        ASSERT_EQ(mkfifo((folder.path() + "/fifo.vorlan").c_str(), 0600), 0);
        const std::set<std::string> before = namesIn(folder.path());
        const std::string target = folder.path() + "/" + row.target;
        try {
            std::optional<test::FileSizeLimit> fullDisk;
            if (row.diskFull)
                fullDisk.emplace(100);
            writeFileAtomically(target, std::string(1000, 'x'));
            ADD_FAILURE() << row.name << ": reported as written";
        } catch (const CalcError& error) {
            EXPECT_NE(std::string(error.what()).find(target), std::string::npos) << row.name;
        }
        EXPECT_EQ(folder.read("case.vorlan"), "old case") << row.name;
        EXPECT_EQ(modeOf(folder.path() + "/case.vorlan"), 0600u) << row.name;
        EXPECT_TRUE(fs::is_directory(folder.path() + "/folder.vorlan")) << row.name;
        EXPECT_TRUE(fs::is_fifo(folder.path() + "/fifo.vorlan")) << row.name;
        EXPECT_EQ(namesIn(folder.path()), before) << row.name;
    }
}

TEST(WriteFileAtomically, ANewFileGetsTheCreationMask)
{
    test::TempFolder folder;
    const mode_t previous = umask(027);
    writeFileAtomically(folder.path() + "/new.vorlan", "x");
    umask(previous);
    EXPECT_EQ(modeOf(folder.path() + "/new.vorlan"), 0640u);
}

TEST(WriteFileAtomically, ATargetNamedAtTheLengthLimitIsSaved)
{
    // 255 bytes is the longest name; the temporary file beside it must still have a valid name.
    test::TempFolder folder;
    const std::string name = std::string(248, 'c') + ".vorlan";
    writeFileAtomically(folder.path() + "/" + name, "long");
    EXPECT_EQ(folder.read(name), "long");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string> {name});
}

} // namespace
} // namespace vorlan
