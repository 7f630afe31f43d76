#include "platform/datafile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/calcerror.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

std::vector<double> readAllNumbers(const std::string& path)
{
    DataFileReader reader(path);
    std::vector<double> values;
    while (!reader.atEnd())
        values.push_back(reader.readNumber());
    return values;
}

std::size_t openFileCount()
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

TEST(DataFileReader, ReadsNumbersInEveryAcceptedForm)
{
    test::TempFolder folder;
    const std::string path = folder.write("numbers.dat", "-100,.5, 998.2,1E-03\r\n+2,3.,-4.5e+2\n7");
    EXPECT_EQ(readAllNumbers(path), (std::vector<double> {-100, 0.5, 998.2, 0.001, 2, 3, -450, 7}));
}

TEST(DataFileReader, LineBreaksAreOnlySeparators)
{
    test::TempFolder folder;
    const std::vector<double> expected {1, 2, 3, 4};
    EXPECT_EQ(readAllNumbers(folder.write("a.dat", "1,2\r\n3,4\r\n")), expected);
    EXPECT_EQ(readAllNumbers(folder.write("b.dat", "1\n2\n3\n4")), expected);
    EXPECT_EQ(readAllNumbers(folder.write("c.dat", "1,2,3,4")), expected);
    EXPECT_EQ(
        readAllNumbers(folder.write("d.dat", "\r\n1,2\r\n\r\n  3,4\r\n\r\n  \r\n")), expected); // blank lines skipped
}

TEST(DataFileReader, CommaAsDecimalSeparatorShiftsTheValues)
{
    test::TempFolder folder;
    EXPECT_EQ(readAllNumbers(folder.write("comma.dat", "1,998,2,3\r\n")), (std::vector<double> {1, 998, 2, 3}));
}

TEST(DataFileReader, FailsOnNonNumbersAndPastTheEnd)
{
    test::TempFolder folder;
    for (const char* bytes : {"1,abc\r\n", "1,,2\r\n", "1,2 3\r\n", "1,\"2\"\r\n", "1,1.2.3\r\n", "1,1E999\r\n"}) {
        EXPECT_THROW(readAllNumbers(folder.write("bad.dat", bytes)), CalcError) << bytes;
    }
    DataFileReader reader(folder.write("one.dat", "1\r\n"));
    EXPECT_EQ(reader.readNumber(), 1);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.readNumber(), CalcError);
}

TEST(DataFileReader, ReadsQuotedAndBareStrings)
{
    test::TempFolder folder;
    DataFileReader reader(folder.write("s.dat", "\"Steel, AISI 304\",16.2\r\n  Copper  ,380\r\n\"\",1\r\n"));
    EXPECT_EQ(reader.readString(), "Steel, AISI 304");
    EXPECT_EQ(reader.readNumber(), 16.2);
    EXPECT_EQ(reader.readString(), "Copper");
    EXPECT_EQ(reader.readNumber(), 380);
    EXPECT_EQ(reader.readString(), "");
    EXPECT_EQ(reader.readNumber(), 1);
    EXPECT_TRUE(reader.atEnd());

    DataFileReader unclosed(folder.write("u.dat", "\"Steel,16.2\r\n"));
    EXPECT_THROW(unclosed.readString(), CalcError);
    DataFileReader trailing(folder.write("t.dat", "\"Steel\" grade,16.2\r\n"));
    EXPECT_THROW(trailing.readString(), CalcError);
}

TEST(DataFileReader, MissingFileOrFolderFailsAndNoFileStaysOpen)
{
    test::TempFolder folder;
    const std::size_t before = openFileCount();
    EXPECT_THROW(DataFileReader(folder.path() + "/missing.dat"), CalcError);
    EXPECT_THROW(DataFileReader(folder.path() + "/no folder/x.dat"), CalcError);
    EXPECT_THROW(DataFileReader(folder.path()), CalcError); // a folder is not a data file
    EXPECT_THROW(readAllNumbers(folder.write("bad.dat", "1,x")), CalcError);
    EXPECT_EQ(readAllNumbers(folder.write("good.dat", "1,2")).size(), 2u);
    EXPECT_EQ(openFileCount(), before);
}

TEST(DataFileReader, LinksAreRefusedWithoutReadingWhatTheyPointTo)
{
    test::TempFolder folder;
    std::filesystem::create_directory(folder.path() + "/data");
    std::filesystem::create_directory(folder.path() + "/outside");
    const std::string secret = folder.write("outside/secret.dat", "SECRET-FIELD,2\r\n");
    folder.write("data/good.dat", "1,2\r\n");
    const struct {
        const char* name;
        std::string target;
    } links[] = {
        {"relative.dat", "../outside/secret.dat"},
        {"absolute.dat", secret},
        {"environ.dat", "/proc/self/environ"},
        {"status.dat", "/proc/self/status"},
        {"beside.dat", "good.dat"},
        {"dangling.dat", "../outside/none.dat"},
    };
    for (const auto& link : links) {
        const std::string path = folder.path() + "/data/" + link.name;
        std::filesystem::create_symlink(link.target, path);
        try {
            DataFileReader reader(path);
            ADD_FAILURE() << link.name << " read";
        } catch (const CalcError& error) {
            const std::string text = error.what();
            EXPECT_EQ(text, path + ": it is a symbolic link; only a file lying in the folder itself is read") << text;
        }
    }
    // The folder itself may be reached through a link: only the file must lie in it.
    std::filesystem::create_directory_symlink(folder.path() + "/data", folder.path() + "/linked data");
    EXPECT_EQ(readAllNumbers(folder.path() + "/linked data/good.dat"), (std::vector<double> {1, 2}));
}

TEST(DataFileReader, ByteOrderMarkIsNamed)
{
    test::TempFolder folder;
    for (const std::string mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        const std::string path = folder.write("marked.dat", mark + "1,2\r\n");
        try {
            readAllNumbers(path);
            ADD_FAILURE() << "read";
        } catch (const CalcError& error) {
            EXPECT_EQ(std::string(error.what()),
                path + ": the file starts with a byte-order mark; save it as plain text without one");
        }
    }
    EXPECT_EQ(readAllNumbers(folder.write("late.dat", "1,2\r\n")), (std::vector<double> {1, 2}));
}

TEST(DataFileWriter, WritesCommaSeparatedRecordsEndedByCrLf)
{
    test::TempFolder folder;
    const std::string path = folder.path() + "/out.dat";
    writeDataFile(path, {{"-100", "1", "1000"}, {"0", "1", "-418.5"}});
    EXPECT_EQ(folder.read("out.dat"), "-100,1,1000\r\n0,1,-418.5\r\n");
    writeDataFile(path, {{"7"}});
    EXPECT_EQ(folder.read("out.dat"), "7\r\n");
    EXPECT_EQ(readAllNumbers(path), std::vector<double> {7});
}

TEST(DataFileWriter, AFailedWriteLeavesThePreviousFileIntact)
{
    test::TempFolder folder;
    EXPECT_THROW(writeDataFile(folder.path() + "/no folder/out.dat", {{"1"}}), CalcError);

    // A target that cannot be replaced: a folder of that name holding a file.
    std::filesystem::create_directory(folder.path() + "/target.dat");
    folder.write("target.dat/keep", "old");
    EXPECT_THROW(writeDataFile(folder.path() + "/target.dat", {{"1"}}), CalcError);
    EXPECT_EQ(folder.read("target.dat/keep"), "old");
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "/target.dat.part"));
}

} // namespace
} // namespace vorlan
