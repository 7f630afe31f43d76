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

TEST(Materials, TwelveRecordsFailLeavingNoMaterial)
{
    // The window and vorlan-batch both go on from the table a failed load leaves: none.
    test::TempFolder folder;
    Materials materials;
    folder.write("condmat.dat", materialRecords(11));
    materials.dbmateriale(folder.path());
    folder.write("condmat.dat", materialRecords(12));
    EXPECT_THROW(materials.dbmateriale(folder.path()), CalcError);
    EXPECT_EQ(materials.count, 0);
    EXPECT_TRUE(materials.names().empty());
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

TEST(Materials, PhysicalNonsenseIsRefusedNamingTheMaterial)
{
    // A wall conducts heat (k > 0) and a pipe is at least smooth (roughness >= 0); a negative
    // conductivity made the solution run to "did not converge".
    const struct {
        const char* name;
        const char* record;
        const char* expected; // part of the error text
    } rows[] = {
        {"negative conductivity", "\"Steel\",-60.5,4.6E-05\r\n", "\"Steel\": the conductivity -60.5"},
        {"zero conductivity", "\"Steel\",0,4.6E-05\r\n", "\"Steel\": the conductivity 0"},
        {"negative roughness", "\"Steel\",60.5,-1E-06\r\n", "\"Steel\": the roughness -1E-06 is negative"},
    };
    test::TempFolder folder;
    for (const auto& row : rows) {
        folder.write("condmat.dat", std::string("\"Copper\",401,1.5E-06\r\n") + row.record);
        Materials materials;
        try {
            materials.dbmateriale(folder.path());
            ADD_FAILURE() << row.name << " accepted";
        } catch (const CalcError& error) {
            EXPECT_NE(std::string(error.what()).find(row.expected), std::string::npos)
                << row.name << ": " << error.what();
        }
        EXPECT_EQ(materials.count, 0) << row.name;
    }
    // A smooth pipe (roughness 0) is physics, not nonsense.
    folder.write("condmat.dat", "\"Glass\",1.05,0\r\n");
    Materials materials;
    materials.dbmateriale(folder.path());
    EXPECT_EQ(materials.count, 1);
}

} // namespace
} // namespace vorlan
