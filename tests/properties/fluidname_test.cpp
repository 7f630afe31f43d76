// A fluid name from a case file or a typed box names a file of the data folder and nothing else.
#include "properties/fluidname.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "platform/calcerror.h"
#include "properties/fluidtable.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

TEST(FluidName, NamesOfTheDataFolderAreUsedAsTheyStand)
{
    const char* names[] = {"Water", "Ethylene Glycol 30%", "R134a s.h. vapor", "User defined", "..Water", "Water..",
        "a.b", "K\xc3\xa4ltemittel", "", " "};
    for (const char* name : names)
        EXPECT_EQ(fluidFilePath("/opt/vorlan/data", name), std::string("/opt/vorlan/data/") + name + ".dat") << name;
}

TEST(FluidName, NamesThatLeaveTheDataFolderAreRefusedWithTheReason)
{
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::string fluid;
        const char* reason;
    } rows[] = {
        {"parent folder", "../x", "path separator"},
        {"deep traversal", "../../../../../../etc/passwd", "path separator"},
        {"absolute path", "/etc/passwd", "path separator"},
        {"backslash", "..\\x", "path separator"},
        {"sub-folder", "sub/Water", "path separator"},
        {"NUL cutting off .dat", "Water\0"s, "control character"},
        {"traversal with NUL", "../../../etc/passwd\0"s, "path separator"},
        {"NUL before a traversal", "x\0/../../proc/kmsg"s, "path separator"},
        {"line break", "Water\nAir", "control character"},
        {"escape sequence", "\x1b[2J", "control character"},
        {"DEL", "Water\x7f", "control character"},
        {"dot", ".", "folder"},
        {"dot dot", "..", "folder"},
        {"longer than a file name", std::string(252, 'W'), "too long"},
    };
    for (const auto& row : rows) {
        try {
            const std::string path = fluidFilePath("/opt/vorlan/data", row.fluid);
            ADD_FAILURE() << row.name << ": accepted as " << path;
        } catch (const CalcError& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find(row.reason), std::string::npos) << row.name << ": " << text;
            EXPECT_EQ(text.find('\0'), std::string::npos) << row.name;
            EXPECT_EQ(text.find('\x1b'), std::string::npos) << row.name;
            EXPECT_EQ(error.message(), "Invalid data") << row.name;
        }
    }
    EXPECT_EQ(fluidFilePath("/d", std::string(251, 'W')).size(), 3 + 251 + 4u); // 255 bytes: still a name
}

TEST(FluidName, NoTraversalReadsASentinelOutsideTheDataFolder)
{
    // The sentinel lies where each traversal would land; its content must appear nowhere.
    using namespace std::string_literals;
    test::TempFolder folder;
    const std::string data = folder.path() + "/data";
    std::filesystem::create_directory(data);
    const std::string sentinel = "SENTINEL-7f3a,1,1,1,1,1,1\r\n";
    folder.write("x.dat", sentinel);
    folder.write("x", sentinel);
    const std::string names[] = {"../x", "..\\x", "../x\0"s, "../x.dat\0"s, "..", "../data/../x"};
    for (const std::string& name : names) {
        FluidTable table;
        try {
            loadFluidTable(table, fluidFilePath(data, name));
            ADD_FAILURE() << "read " << name;
        } catch (const CalcError& error) {
            EXPECT_EQ(std::string(error.what()).find("SENTINEL"), std::string::npos) << error.what();
        }
        EXPECT_TRUE(table.T.empty());
    }
}

TEST(FluidName, AFifoOrFolderUnderAFluidsNameIsRefusedAtOnce)
{
    test::TempFolder folder;
    ASSERT_EQ(mkfifo((folder.path() + "/Water.dat").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.path() + "/Air.dat");
    const std::pair<const char*, const char*> rows[] = {{"Water", "pipe (FIFO)"}, {"Air", "folder"}};
    for (const auto& [fluid, what] : rows) {
        FluidTable table;
        try {
            loadFluidTable(table, fluidFilePath(folder.path(), fluid));
            ADD_FAILURE() << fluid << " read";
        } catch (const CalcError& error) {
            EXPECT_NE(std::string(error.what()).find(what), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace vorlan
