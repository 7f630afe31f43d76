#include "properties/materials.h"

#include <gtest/gtest.h>

#include "platform/calcerror.h"
#include "support/tempfolder.h"

namespace vorlan {
namespace {

std::string materialRecords(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "\"Material " + std::to_string(i) + "\"," + std::to_string(10 + i) + ",1E-0" + std::to_string(i % 9 + 1)
            + "\r\n";
    return text;
}

TEST(Materials, ElevenRecordsLoadAndEachIsFound)
{
    test::TempFolder folder;
    folder.write("condmat.dat", materialRecords(11));
    Materials materials;
    materials.dbmateriale(folder.path());
    ASSERT_EQ(materials.names().size(), 11u);
    for (int i = 0; i < 11; ++i) {
        float wallK = 0;
        double wallRough = 0;
        materials.proptubo("Material " + std::to_string(i), wallK, wallRough);
        EXPECT_EQ(wallK, 10.0f + i);
        EXPECT_EQ(wallRough, std::stod("1E-0" + std::to_string(i % 9 + 1)));
    }
}

TEST(Materials, TwelveRecordsFailKeepingTheEntriesRead)
{
    test::TempFolder folder;
    folder.write("condmat.dat", materialRecords(12));
    Materials materials;
    EXPECT_THROW(materials.dbmateriale(folder.path()), CalcError);
    EXPECT_EQ(materials.count, 11);
}

TEST(Materials, LookupIsExactAndTheLastOfEqualNamesWins)
{
    test::TempFolder folder;
    folder.write("condmat.dat",
        "\"Steel, AISI 304\",14.9,1.5E-06\r\n"
        "  Copper,401,1.5E-06\r\n"
        "\"Copper\",380,2E-06\r\n");
    Materials materials;
    materials.dbmateriale(folder.path());
    EXPECT_EQ(materials.names(), (std::vector<std::string> {"Steel, AISI 304", "Copper", "Copper"}));

    float wallK = 0;
    double wallRough = 0;
    materials.proptubo("Copper", wallK, wallRough);
    EXPECT_EQ(wallK, 380.0f);
    EXPECT_EQ(wallRough, 2E-06);
    materials.proptubo("Steel, AISI 304", wallK, wallRough);
    EXPECT_EQ(wallK, 14.9f);

    for (const char* unknown : {"copper", "Copper ", "", "Steel"}) {
        float k = 0;
        double rough = 0;
        materials.proptubo(unknown, k, rough);
        EXPECT_EQ(k, 0.0f) << unknown;
        EXPECT_EQ(rough, 0.0) << unknown;
    }
}

TEST(Materials, MissingOrMalformedFileIsAnError)
{
    test::TempFolder folder;
    Materials materials;
    EXPECT_THROW(materials.dbmateriale(folder.path()), CalcError);
    for (const char* bytes : {"\"Copper\",401\r\n", "\"Copper\",abc,1E-6\r\n", "\"Copper,401,1E-6\r\n"}) {
        folder.write("condmat.dat", bytes);
        EXPECT_THROW(materials.dbmateriale(folder.path()), CalcError) << bytes;
    }
}

} // namespace
} // namespace vorlan
