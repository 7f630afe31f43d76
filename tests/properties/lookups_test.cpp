#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "platform/calcerror.h"
#include "properties/fluidtables.h"
#include "properties/interpolation.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

/**
 * Two blocks: 1 bar at 0, 50, 100 degC and 2 bar at 20, 100 degC. Each segment has its own
 * enthalpy slope (2, 6 and 10 kJ/(kg K)), so a result tells which segment served it.
 */
constexpr char kTwoBlocks[] = "0,1,1000,4,0.5,0.004,0\r\n"
                              "50,1,980,4.1,0.6,0.002,100\r\n"
                              "100,1,960,4.2,0.7,0.001,400\r\n"
                              "20,2,990,4.05,0.55,0.003,50\r\n"
                              "100,2,950,4.25,0.72,0.0009,850\r\n";

class Lookups : public ::testing::Test {
protected:
    Lookups()
        : fluids(folder.path())
    {
        folder.write("Two blocks.dat", kTwoBlocks);
        folder.write("Decades.dat", "10,1,1,1,1,1,10\r\n20,1,1,1,1,1,20\r\n30,1,1,1,1,1,30\r\n40,1,1,1,1,1,40\r\n");
        folder.write("One row.dat", "10,1,1,1,1,0.005,10\r\n");
        fluids.dbpropint("Two blocks");
        fluids.dbpropest("Two blocks");
        fluids.setPressures("1", fluids.estPressure());
        fluids.setPressures(fluids.intPressure(), "1");
    }

    test::TempFolder folder;
    FluidTables fluids;
};

TEST_F(Lookups, SegmentSearchFollowsTheSelectedPressureBlock)
{
    fluids.setPressures("2", fluids.estPressure());
    EXPECT_NEAR(fluids.propHint(60), 50 + 40 * 10, 1e-3); // rows 3-4
    fluids.setPressures("1", fluids.estPressure());
    EXPECT_NEAR(fluids.propHint(75), 100 + 25 * 6, 1e-3); // rows 1-2
    EXPECT_NEAR(fluids.propHint(100), 100 * 2, 1e-3); // end of the block: extrapolated along rows 0-1
    EXPECT_NEAR(fluids.propHint(-10), -10 * 2, 1e-3); // below the table: rows 0-1 as well
    fluids.setPressures("5", fluids.estPressure());
    EXPECT_NEAR(fluids.propHint(60), 60 * 2, 1e-3); // pressure not in the table: rows 0-1
}

TEST_F(Lookups, BulkPropertiesOnARowAreThatRowsValues)
{
    fluids.propint(50);
    EXPECT_EQ(fluids.intSide.Rho, 980);
    EXPECT_EQ(fluids.intSide.Cp, 4.1);
    EXPECT_EQ(fluids.intSide.K, 0.6);
    EXPECT_EQ(fluids.intSide.Mu, 0.002);
    EXPECT_EQ(fluids.estSide.Rho, 0); // the other side's state is untouched

    fluids.setPressures(fluids.intPressure(), "2");
    fluids.propest(60);
    EXPECT_NEAR(fluids.estSide.Rho, 990 - 40 * 0.5, 1e-3);
    EXPECT_NEAR(fluids.estSide.Mu, 0.003 - 40 * 0.00002625, 1e-6);
}

TEST_F(Lookups, EachInterpolationRaisesTheSegmentsUpperEnd)
{
    fluids.propint(25); // segment 0-50: the four properties raise T(1) by 1e-6 each
    EXPECT_NEAR(fluids.intSide.Tab.T[1], 50 + 4e-6, 1e-12);
    fluids.propint(25);
    EXPECT_NEAR(fluids.intSide.Tab.T[1], 50 + 8e-6, 1e-12);
    fluids.propHint(25);
    EXPECT_NEAR(fluids.intSide.Tab.T[1], 50 + 9e-6, 1e-12);
    EXPECT_EQ(fluids.estSide.Tab.T[1], 50); // each side drifts on its own

    fluids.trovatint(50); // the inverse lookup raises the enthalpy instead
    EXPECT_NEAR(fluids.intSide.Tab.H[1], 100 + 1e-6, 1e-12);
    fluids.dbpropint("Two blocks");
    EXPECT_EQ(fluids.intSide.Tab.T[1], 50); // a reload undoes the drift
}

TEST_F(Lookups, ARaisePastTheNextRowEndsTheBisectionUntilTheNextLoad)
{
    folder.write("Close rows.dat", "0,1,1,1,1,1,0\r\n1,1,1,1,1,1,10\r\n1.00001,1,1,1,1,1,20\r\n2,1,1,1,1,1,30\r\n");
    fluids.dbpropint("Close rows");
    fluids.propint(0.5); // T(1) raised by 4e-6
    fluids.propint(0.5);
    EXPECT_TRUE(fluids.intSide.Tab.tOrder.ordered);
    fluids.propint(0.5); // T(1) = 1.000012, above T(2)
    EXPECT_FALSE(fluids.intSide.Tab.tOrder.ordered);
    fluids.trovatint(5); // the enthalpy's order is its own
    EXPECT_TRUE(fluids.intSide.Tab.hOrder.ordered);
    fluids.dbpropint("Close rows");
    fluids.propint(0.5);
    EXPECT_TRUE(fluids.intSide.Tab.tOrder.ordered);
}

TEST_F(Lookups, ValueWithinSingleRoundingOfASegmentTopMatchesNoSegment)
{
    fluids.dbpropint("Decades");
    // 29.9999999 - 20 rounds to 10 in single precision, not below the spacing 10.
    EXPECT_NEAR(fluids.propHint(29.9999999), 29.9999999, 1e-4); // rows 0-1 extrapolated
    EXPECT_NEAR(fluids.intSide.Tab.T[1], 20 + 1e-6, 1e-12);
    EXPECT_EQ(fluids.intSide.Tab.T[2], 30);
}

TEST_F(Lookups, WallViscosityIsHeldToTheTableEnds)
{
    fluids.setPressures("2", fluids.estPressure());
    fluids.dbpropint("Decades");
    fluids.intSide.Tab.Mu = {0.004, 0.003, 0.002, 0.001};
    EXPECT_EQ(fluids.propviscpari(-50), 0.004);
    EXPECT_EQ(fluids.propviscpari(40), 0.001); // the last row itself
    EXPECT_EQ(fluids.propviscpari(400), 0.001);
    fluids.setPressures("1", fluids.estPressure());
    EXPECT_NEAR(fluids.propviscpari(25), 0.0025, 1e-9);

    fluids.dbpropint("One row");
    EXPECT_EQ(fluids.propviscpari(0), 0.005);
    EXPECT_EQ(fluids.propviscpari(99), 0.005);
    EXPECT_THROW(fluids.propint(10), CalcError); // other lookups need two rows
    EXPECT_THROW(fluids.propHint(10), CalcError);
    EXPECT_THROW(fluids.trovatint(10), CalcError);
}

TEST_F(Lookups, InverseLookupMapsTheLastEnthalpyToTheLastSegment)
{
    fluids.setPressures("2", fluids.estPressure());
    EXPECT_NEAR(fluids.trovatint(850), 100, 1e-4);
    EXPECT_NEAR(fluids.trovatint(450), 60, 1e-4);
    fluids.setPressures("1", fluids.estPressure());
    // 400 closes the 1 bar block but not the table: treated as unmatched, rows 0-1.
    EXPECT_NEAR(fluids.trovatint(400), 400 * 0.5, 1e-3);
    EXPECT_NEAR(fluids.trovatint(250), 75, 1e-4);
}

TEST_F(Lookups, UnusablePressureOrTableIsAnError)
{
    for (const char* text : {"", "abc", "1.0", "1,0,0"}) {
        fluids.setPressures(text, fluids.estPressure());
        EXPECT_THROW(fluids.propint(20), CalcError) << text;
    }
    fluids.setPressures("1,0", fluids.estPressure());
    EXPECT_NO_THROW(fluids.propint(20));

    FluidTables empty(folder.path());
    empty.setPressures("1", "1");
    EXPECT_THROW(empty.propint(20), CalcError);
    EXPECT_THROW(empty.propviscpari(20), CalcError);
    EXPECT_THROW(empty.trovatint(20), CalcError);
}

TEST_F(Lookups, ValuesBeyondTheSingleRangeAreErrors)
{
    // Each row's difference to the argument is rounded to single precision.
    EXPECT_THROW(fluids.propHint(1e39), CalcError);
    EXPECT_THROW(fluids.propHint(-1e300), CalcError);
    EXPECT_THROW(fluids.propHint(std::nan("")), CalcError);
    EXPECT_THROW(fluids.trovatint(1e39), CalcError);
    EXPECT_NO_THROW(fluids.propHint(1e30)); // extrapolated, but within range
}

// The bisection within a block against the linear search on tables built to break it: two blocks
// of one pressure, falling and flat runs, one-row blocks, values at, just below and just above
// every row, beyond the rows, and drift raises up to and past the next row.
TEST_F(Lookups, NoSegmentInRowsThatDoNotRiseNamesTheRecords)
{
    // 1 bar rises; at 2 bar record 6 falls below record 5 in temperature and enthalpy.
    const std::string path = folder.write("Falling.dat",
        "0,1,1,1,1,1,0\r\n50,1,1,1,1,1,100\r\n100,1,1,1,1,1,400\r\n20,2,1,1,1,1,50\r\n100,2,1,1,1,1,850\r\n"
        "60,2,1,1,1,1,400\r\n");
    const std::string falls
        = path + ": the temperatures at 2 bar do not rise from record 5 to record 6 (100 °C, then 60 °C)";
    const struct {
        const char* pressure;
        bool byEnthalpy;
        double argument;
        std::string error; // empty: the lookup succeeds
    } rows[] = {
        {"1", false, -50, ""}, // outside rising rows: taken from the first segment
        {"2", false, 50, ""}, // inside a segment that rises
        {"2", false, 10, falls + "; the rows of one pressure must rise"},
        {"2", false, 120, falls + "; the rows of one pressure must rise"},
        {"2", true, 900,
            path
                + ": the enthalpies at 2 bar do not rise from record 5 to record 6 (850 kJ/kg, then 400 kJ/kg); "
                  "the rows of one pressure must rise"},
    };
    for (const auto& row : rows) {
        fluids.dbpropint("Falling");
        fluids.setPressures(row.pressure, "1");
        try {
            row.byEnthalpy ? fluids.trovatint(row.argument) : fluids.propHint(row.argument);
            EXPECT_EQ(row.error, "") << row.argument;
        } catch (const CalcError& error) {
            EXPECT_EQ(error.what(), row.error) << row.argument;
        }
    }
    // Rows brought out of order by the lookups' own raises are no fault of the file.
    folder.write("Close rows.dat", "0,1,1,1,1,1,0\r\n1,1,1,1,1,1,10\r\n1.00001,1,1,1,1,1,20\r\n2,1,1,1,1,1,30\r\n");
    fluids.dbpropint("Close rows");
    for (int i = 0; i < 12; ++i)
        fluids.propint(0.5);
    EXPECT_FALSE(fluids.intSide.Tab.tOrder.ordered);
    EXPECT_NO_THROW(fluids.propHint(-1));
}

TEST(SegmentSearch, BisectionFindsTheRowTheLinearSearchFinds)
{
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int tableNumber = 0; tableNumber < 300; ++tableNumber) {
        std::vector<double> X;
        std::vector<float> P;
        const int blocks = 1 + static_cast<int>(unit(random) * 4);
        for (int b = 0; b < blocks; ++b) {
            const float pressure = unit(random) < 0.2 ? 1.0f : static_cast<float>(b + 1);
            const int rows = 1 + static_cast<int>(unit(random) * 12);
            double x = unit(random) * 100 - 20;
            for (int r = 0; r < rows; ++r) {
                X.push_back(x);
                P.push_back(pressure);
                const double kind = unit(random);
                x += kind < 0.05 ? 0 : kind < 0.1 ? -1 : kind < 0.2 ? 1e-5 : unit(random) * 10;
            }
        }
        ColumnOrder order;
        for (int query = 0; query < 200; ++query) {
            const std::size_t row = static_cast<std::size_t>(unit(random) * X.size());
            const double near[] = {X[row], std::nextafter(X[row], -1e300), std::nextafter(X[row], 1e300),
                X[row] + unit(random) * 10 - 5, unit(random) * 200 - 50};
            const double t = near[query % 5];
            const std::string pressureText = query % 3 == 0 ? "2" : "1";
            SelectedPressure linear(pressureText), bisected(pressureText);
            ASSERT_EQ(findSegment(X, P, t, bisected, order), findSegment(X, P, t, linear))
                << "table " << tableNumber << " query " << query << " t " << t;
            // A lookup raises the found segment's upper end, as Interpola does.
            const std::size_t upper = static_cast<std::size_t>(findSegment(X, P, t, linear)) + 1;
            if (upper < X.size()) {
                X[upper] += 0.000001;
                order.raised(X, P, upper);
            }
        }
    }
}

TEST(SegmentSearch, DriftPastTheNextRowEndsTheBisection)
{
    // Rows 1e-5 apart: ten raises of the first segment's upper end reach the next row.
    std::vector<double> X = {0, 1, 1.00001, 2};
    const std::vector<float> P(X.size(), 1.0f);
    ColumnOrder order;
    for (int lookup = 0; lookup < 40; ++lookup) {
        SelectedPressure pressure("1");
        X[1] += 0.000001; // a lookup at 0.5
        order.raised(X, P, 1);
        for (const double t : {X[1], X[2], (X[1] + X[2]) / 2, std::nextafter(X[1], 0.0), std::nextafter(X[2], 0.0)}) {
            SelectedPressure linear("1");
            EXPECT_EQ(findSegment(X, P, t, pressure, order), findSegment(X, P, t, linear)) << lookup << " " << t;
        }
    }
}

TEST(Interpola, RaisesTheUpperEndAndFailsOnArithmeticFaults)
{
    double x1 = 10;
    EXPECT_NEAR(Interpola(5, 0, x1, 0, 100), 50, 1e-4);
    EXPECT_EQ(x1, 10 + 0.000001);

    double degenerate = -0.000001; // becomes equal to x0 = 0
    EXPECT_THROW(Interpola(1, 0, degenerate, 0, 1), CalcError);
    double huge = 1;
    EXPECT_THROW(Interpola(1e300, 0, huge, 0, 1e300), CalcError); // slope beyond the single range
}

TEST(Log10, IsTheDecimalLogarithmOfPositiveValues)
{
    EXPECT_NEAR(Log10(1000), 3, 1e-15);
    EXPECT_NEAR(Log10(0.01), -2, 1e-15);
    EXPECT_THROW(Log10(0), CalcError);
    EXPECT_THROW(Log10(-1), CalcError);
}

} // namespace
} // namespace vorlan
