// The Fluids menu as a user drives it: a small CSV imported through the dialog, refused while its
// enthalpy column falls and saved once the enthalpy is taken from cp, and a named constant-property
// fluid; both join the fluid lists and load when picked.
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStandardPaths>

#include "platform/datafile.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "properties/userfluid.h"
#include "ui/constantfluiddialog.h"
#include "ui/importfluiddialog.h"
#include "ui/userfluidfolder.h"
#include "windowfixture.h"

using namespace vorlan;
using test::in;

class FluidImportTest : public QObject {
    Q_OBJECT

private:
    /** Fluids > the entry of that name, and the dialog it shows. */
    template <typename Dialog> static Dialog* open(test::WindowFixture& f, const char* entry)
    {
        f.window->menuBar()->findChild<QMenu*>("mnuFluids")->findChild<QAction*>(entry)->trigger();
        return f.window->findChild<Dialog*>();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // a scratch folder for the user's fluids

    void importedAndConstantFluidsJoinTheLists()
    {
        test::WindowFixture f;
        const test::TempFolder folder;
        // Oil in degF and cP; its enthalpy column (Btu/lb) falls at row 4.
        const std::string csv = folder.write("oil.csv",
            "T [F],p [bar],rho,cp,k,mu [cP],h\n68,1,870,1.9,0.13,30,0\n212,1,800,2.2,0.12,3,140\n"
            "248,1,790,2.3,0.12,2,130\n");
        auto* dialog = open<ImportFluidDialog>(f, "mnuImportFluid");
        QVERIFY(dialog != nullptr && dialog->isVisible());
        auto* file = in<QLineEdit>(dialog, "tableFile");
        test::WindowFixture::type(file, QString::fromStdString(csv));
        QTest::keyClick(file, Qt::Key_Return);
        auto* problems = in<QPlainTextEdit>(dialog, "problems");
        QVERIFY2(problems->toPlainText().startsWith("row 4: the enthalpy 130 kJ/kg is not above"),
            qPrintable(problems->toPlainText()));
        auto* importButton = in<QPushButton>(dialog, "importButton");
        QVERIFY(!importButton->isEnabled());

        QTest::keyClick(in<QComboBox>(dialog, "column6"), Qt::Key_Home); // none: from the specific heat
        QTest::keyClick(in<QComboBox>(dialog, "unit0"), Qt::Key_End); // degF
        QTest::keyClick(in<QComboBox>(dialog, "unit5"), Qt::Key_Down); // mPa s (cP)
        test::WindowFixture::type(in<QLineEdit>(dialog, "fluidName"), "Test oil");
        QVERIFY2(importButton->isEnabled(), qPrintable(problems->toPlainText()));
        QTest::mouseClick(importButton, Qt::LeftButton);
        QCOMPARE(f.messages.size(), 1u);
        QVERIFY(f.messages[0].text.startsWith(msg::FluidSaved));
        // 68 degF is 20 degC, 30 cP 0.03 Pa s; h = (1.9 + 2.2) / 2 * 80 K = 164 kJ/kg.
        const std::string written = readWholeFile(userFluidFolder() + "/Test oil.dat", 1 << 20);
        QVERIFY2(written.starts_with("20,1,870,1.9,0.13,0.03,0\r\n100,1,800,2.2,0.12,0.003,164\r\n"), written.c_str());

        auto* constant = open<ConstantFluidDialog>(f, "mnuNewConstantFluid");
        QVERIFY(constant != nullptr);
        for (const auto& [box, text] : {std::pair {"fluidName", "Kern kerosene"}, {"density", "780"},
                 {"specificHeat", "2,47"}, {"conductivity", "0,14"}, {"viscosity", "0,0004"}})
            test::WindowFixture::type(in<QLineEdit>(constant, box), text);
        QTest::mouseClick(in<QPushButton>(constant, "saveButton"), Qt::LeftButton);
        QCOMPARE(readWholeFile(userFluidFolder() + "/Kern kerosene.dat", 1 << 20),
            dataFileText(userFluidRecords({780.0f, 2.47f, 0.14f, 0.0004})));

        // Both under "Your fluids" at the end of the lists; a pick loads the table's pressures.
        auto* internal = f.w<QComboBox>("Combo1");
        QCOMPARE(internal->itemText(internal->count() - 3), QString("Your fluids"));
        QCOMPARE(internal->itemText(internal->count() - 1), QString("Test oil"));
        f.pick("Combo2", "Kern kerosene");
        QCOMPARE(f.w<QComboBox>("Combo5")->itemText(0), QString("1"));
        QCOMPARE(f.messages.size(), 2u);
    }
};

QTEST_MAIN(FluidImportTest)
#include "fluidimport_test.moc"
