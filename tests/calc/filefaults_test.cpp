// Damaged or missing data files end a calculation with "Invalid data", and once the file is
// mended the next calculation succeeds.
#include <gtest/gtest.h>

#include <filesystem>

#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "platform/calcerror.h"
#include "platform/messages.h"
#include "support/tempfolder.h"
#include "support/watercase.h"

namespace vorlan {
namespace {

class FileFaults : public ::testing::Test {
protected:
    FileFaults()
    {
        test::describeWaterCase(form, test::Mode::L1);
        restore("Water.dat");
        restore("condmat.dat");
    }

    void restore(const std::string& file)
    {
        std::filesystem::copy_file(QuestaDirectory() + "/data/" + file, folder.path() + "/" + file,
            std::filesystem::copy_options::overwrite_existing);
    }

    CalcOutcome calculate(const std::string& dataFolder)
    {
        // An unreadable condmat.dat leaves the exchanger without materials, as at start-up.
        Exchanger exchanger(dataFolder);
        return exchanger.calculate(form);
    }

    test::TempFolder folder;
    CaseContents form;
};

TEST_F(FileFaults, MissingDataFolder)
{
    EXPECT_EQ(calculate(folder.path() + "/no such folder").message, msg::InvalidData);
    EXPECT_TRUE(calculate(folder.path()).solution);
}

TEST_F(FileFaults, DamagedFluidTables)
{
    std::string rows452;
    for (int i = 0; i < 452; ++i)
        rows452 += std::to_string(i) + ",1,1000,4.2,0.6,0.001," + std::to_string(4 * i) + "\r\n";
    const std::pair<const char*, std::string> damages[] = {
        {"cut in the middle of a record", "1,1,999.9012,4.216120,0.5581824,0.001731024,4.277429\r\n2,1,999.94"},
        {"a non-number", "1,1,999.9012,4.216120,0.5581824,0.001731024,4.277429\r\n2,1,abc,4.2,0.56,0.0016,8.49\r\n"},
        {"empty", ""},
        {"452 records", rows452},
    };
    for (const auto& [damage, bytes] : damages) {
        folder.write("Water.dat", bytes);
        EXPECT_EQ(calculate(folder.path()).message, msg::InvalidData) << damage;
        restore("Water.dat");
        EXPECT_TRUE(calculate(folder.path()).solution) << "after " << damage;
    }
}

TEST_F(FileFaults, MissingOrDamagedMaterials)
{
    std::filesystem::remove(folder.path() + "/condmat.dat");
    EXPECT_EQ(calculate(folder.path()).message, msg::InvalidData);
    folder.write("condmat.dat", "\"Copper\",abc,1.5E-06\r\n");
    EXPECT_EQ(calculate(folder.path()).message, msg::InvalidData);
    restore("condmat.dat");
    EXPECT_TRUE(calculate(folder.path()).solution);
}

} // namespace
} // namespace vorlan
