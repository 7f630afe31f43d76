// The catalogue of standard pipes that ships in the data folder, and how typed dimensions find a pipe.
#include "properties/pipecatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "platform/appdir.h"
#include "platform/calcerror.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

/** The shipped catalogue, read once. */
const std::vector<StandardPipe>& shipped()
{
    static const std::vector<StandardPipe> catalogue = readPipeCatalogue(QuestaDirectory() + "/data");
    return catalogue;
}

TEST(PipeCatalogue, PublishedRows)
{
    struct Row {
        const char* standard;
        const char* designation;
        double outsideDiameter, thickness; // [mm]
    };
    const Row rows[] = {
        // ASME B36.10M: NPS 2 is 2.375 in x 0.154 in, NPS 1 1/4 1.660 x 0.140, NPS 3 3.500 x 0.216, NPS 4 Sch 80 4.500
        // x 0.337.
        {"ASME B36.10M", "2\" Sch 40", 60.33, 3.91},
        {"ASME B36.10M", "1 1/4\" Sch 40", 42.16, 3.56},
        {"ASME B36.10M", "3\" Sch 40", 88.90, 5.49},
        {"ASME B36.10M", "4\" Sch 80", 114.30, 8.56},
        // ASME B36.19M: NPS 2 Sch 5S, wall 0.065 in.
        {"ASME B36.19M", "2\" Sch 5S", 60.33, 1.65},
        // EN 10220 series 1, 60,3 mm; EN 1057 22 x 1,0 mm.
        {"EN 10220", "DN 50", 60.3, 2.9},
        {"EN 1057", "Cu 22", 22, 1.0},
        // ASTM B88 type L, 3/4": 0.875 in x 0.045 in.
        {"ASTM B88", "3/4\" type L", 22.23, 1.14},
    };
    for (const Row& row : rows) {
        const auto found = std::ranges::find_if(shipped(), [&](const StandardPipe& pipe) {
            return pipe.standard == row.standard && pipe.designation == row.designation
                && pipe.thickness == row.thickness;
        });
        ASSERT_NE(found, shipped().end()) << row.designation;
        EXPECT_DOUBLE_EQ(found->outsideDiameter, row.outsideDiameter) << row.designation;
    }
}

TEST(PipeCatalogue, EveryRowIsAPipeOfADoublePipeExchanger)
{
    std::set<std::tuple<std::string, std::string, double>> seen;
    for (const StandardPipe& pipe : shipped()) {
        // From 1/2" (15,88 mm copper) to 8" (219,08 mm), walls from 1 % (8" Sch 5S) to 20 % of the diameter.
        EXPECT_TRUE(pipe.outsideDiameter >= 15 && pipe.outsideDiameter <= 220) << pipe.designation;
        EXPECT_TRUE(pipe.thickness >= 0.01 * pipe.outsideDiameter && pipe.thickness <= 0.2 * pipe.outsideDiameter)
            << pipe.designation;
        EXPECT_TRUE(seen.insert({pipe.standard, pipe.designation, pipe.thickness}).second) << pipe.designation;
    }
    EXPECT_EQ(shipped().size(), 140u);
}

TEST(PipeCatalogue, TypedDimensionsMatchWithinHalfTheirLastDigit)
{
    struct Row {
        const char* outsideDiameter;
        const char* thickness;
        const char* name; // none for no match
    };
    const Row rows[] = {
        {"60,33", "3,91", "2\" Sch 40, 60,33 × 3,91 mm"},
        {"60.33", "3.91", "2\" Sch 40, 60,33 × 3,91 mm"},
        {"60,3", "3,91", "2\" Sch 40, 60,33 × 3,91 mm"}, // 60,3 stands for 60,25 to 60,35
        {"60,34", "3,91", nullptr},
        {"60,33", "3,9", "2\" Sch 40, 60,33 × 3,91 mm"},
        {"60,3", "2,9", "DN 50, 60,3 × 2,9 mm"},
        {"42,16", "3,56", "1 1/4\" Sch 40, 42,16 × 3,56 mm"},
        {"22", "1", "Cu 22, 22 × 1,0 mm"},
        {"-60,33", "3,91", nullptr},
        {"", "3,91", nullptr},
    };
    for (const Row& row : rows) {
        const StandardPipe* pipe = standardPipeOf(shipped(), row.outsideDiameter, row.thickness);
        if (row.name == nullptr)
            EXPECT_EQ(pipe, nullptr) << row.outsideDiameter;
        else
            EXPECT_EQ(pipe ? pipeName(*pipe) : "", row.name) << row.outsideDiameter;
    }
}

TEST(PipeCatalogue, BadRowsAreRefused)
{
    for (const char* text : {"EN 10220,DN 50,60.3\r\n", "EN 10220,DN 50,60.3,x\r\n", "EN 10220,DN 50,60.3,30.2\r\n",
             ",DN 50,60.3,2.9\r\n"}) {
        test::TempFolder folder;
        folder.write("pipes.csv", text);
        EXPECT_THROW(readPipeCatalogue(folder.path()), CalcError) << text;
    }
}

} // namespace
} // namespace vorlan
