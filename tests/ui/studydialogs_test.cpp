// The Hairpin layout and Find fouling dialogs as a user drives them from the Studies menu: a leg
// length typed and laid out against a hand count, and the fouling of a "running exchanger" whose
// outlets were calculated with a known fouling, recovered within 1 %.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>

#include "platform/numbertext.h"
#include "ui/foulingdialog.h"
#include "ui/hairpindialog.h"
#include "windowfixture.h"

using namespace vorlan;
using test::in;

class StudyDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowFixture> m_fixture;

    test::WindowFixture& f() { return *m_fixture; }
    /** Studies > the entry of that name, as the user reaches it. */
    void open(const char* entry)
    {
        auto* menu = f().window->menuBar()->findChild<QMenu*>("mnuStudies");
        QVERIFY(menu != nullptr);
        auto* action = menu->findChild<QAction*>(entry);
        QVERIFY(action != nullptr);
        action->trigger();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // the recent cases of a scratch account
    void init() { m_fixture = std::make_unique<test::WindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void hairpinsOfATypedLegByHand()
    {
        open("mnuHairpins");
        HairpinDialog* dialog = f().window->hairpinDialog();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QVERIFY(in<QLabel>(dialog, "hairpinNote")->text().startsWith("Calculate a case first"));

        f().describeCase(); // 12 m long
        f().click("Command1");
        QVERIFY(f().messages.empty());
        open("mnuHairpins");
        auto* table = in<QTableWidget>(dialog, "hairpinTable");
        const auto value = [table](const QString& caption) {
            for (int row = 0; row < table->rowCount(); ++row)
                if (table->item(row, 0)->text() == caption)
                    return table->item(row, 2)->text();
            return QString("none");
        };
        QCOMPARE(value("Hairpins"), QString("1")); // 12 m in one hairpin of two 6 m legs
        QCOMPARE(value("Excess over the required surface"), QString("0"));

        // 3,658 m legs: 12 / 7,316 = 1,64, so two hairpins, 14,632 m; excess 14,632 / 12 - 1 = 21,93 %.
        test::WindowFixture::type(in<QLineEdit>(dialog, "legLength"), "3,658");
        QTest::mouseClick(in<QPushButton>(dialog, "layOutButton"), Qt::LeftButton);
        QCOMPARE(value("Hairpins"), QString("2"));
        QCOMPARE(value("Installed length"), QString("14,63"));
        QCOMPARE(value("Excess over the required surface"), QString("21,9"));
        QCOMPARE(value("Return bends"), QString("2"));

        test::WindowFixture::type(in<QLineEdit>(dialog, "legLength"), "0");
        QTest::mouseClick(in<QPushButton>(dialog, "layOutButton"), Qt::LeftButton);
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(in<QLabel>(dialog, "hairpinNote")->text().startsWith("not available"));
    }

    void findFoulingRecoversTheFoulingOfTheMeasuredOutlets()
    {
        // The running exchanger: the worked case with both flows given, fouled 0,0001 inside and
        // 0,0002 outside; its calculated outlets are the "measurements".
        f().describeCase();
        QTest::mouseClick(f().w<QRadioButton>("Option4"), Qt::LeftButton);
        f().type("Text8", "0,3");
        CaseContents fouled = f().window->caseContents();
        fouled.setText(Quantity::InternalFouling, "0,0001");
        fouled.setText(Quantity::ExternalFouling, "0,0002");
        Exchanger core(f().folder.path());
        const CalcOutcome outcome = core.calculate(fouled);
        QVERIFY(outcome.solution);
        fouled.apply(outcome.writeBacks);

        open("mnuFindFouling");
        FoulingDialog* dialog = f().window->foulingDialog();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        test::WindowFixture::type(in<QLineEdit>(dialog, "measuredInternalOutlet"),
            QString::fromStdString(fouled.text(Quantity::InternalOutletTemperature)));
        test::WindowFixture::type(in<QLineEdit>(dialog, "measuredExternalOutlet"),
            QString::fromStdString(fouled.text(Quantity::ExternalOutletTemperature)));
        test::WindowFixture::type(in<QLineEdit>(dialog, "internalShare"), "0,3333333333");
        QTest::mouseClick(in<QPushButton>(dialog, "findButton"), Qt::LeftButton);
        QVERIFY(dialog->lastResult() && dialog->lastResult()->found);
        QVERIFY(qAbs(dialog->lastResult()->found->total - 0.0003) < 0.0003 * 0.01);
        QVERIFY(in<QLabel>(dialog, "foulingAnswer")->text().startsWith("Fouling found: 0,0003 (m² K)/W"));
        QCOMPARE(f().w("Text7")->text(), QString()); // the main window's boxes stay as they were
        open("mnuFindFouling"); // opened again: the measurements typed stay
        QCOMPARE(in<QLineEdit>(dialog, "measuredInternalOutlet")->text(),
            QString::fromStdString(fouled.text(Quantity::InternalOutletTemperature)));

        // An external outlet below its inlet: the sides' duties disagree, and the dialog says so.
        test::WindowFixture::type(in<QLineEdit>(dialog, "measuredExternalOutlet"), "14");
        QTest::mouseClick(in<QPushButton>(dialog, "findButton"), Qt::LeftButton);
        QVERIFY(!dialog->lastResult()->found);
        QVERIFY(in<QLabel>(dialog, "foulingAnswer")->text().startsWith("The measured outlet temperatures"));

        test::WindowFixture::type(in<QLineEdit>(dialog, "internalShare"), "");
        QTest::mouseClick(in<QPushButton>(dialog, "findButton"), Qt::LeftButton);
        QCOMPARE(f().messages.size(), std::size_t(1));
        QVERIFY(f().messages.back().text.startsWith("The share inside is not a number"));
        QCOMPARE(f().messages.back().over, static_cast<QWidget*>(dialog));
    }
};

QTEST_MAIN(StudyDialogsTest)
#include "studydialogs_test.moc"
