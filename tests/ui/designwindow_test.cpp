// The Design window as a user drives it on Kern's Example 6.1: a search over one standard's pipes
// run to the end, a search cancelled, a box that is not a number, and a design put into the main
// window.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>

#include "platform/numbertext.h"
#include "ui/designtablemodel.h"
#include "ui/designwindow.h"
#include "ui/windowtext.h"
#include "windowfixture.h"

using namespace vorlan;
using test::in;

namespace {

constexpr int kSearchTimeout = 240000; // [ms] ample for a Debug build on a busy machine

double number(const QString& text)
{
    double value = 0;
    return parseTypedNumber(text.toStdString(), value) ? value : -1;
}

} // namespace

class DesignWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowFixture> m_fixture;

    test::WindowFixture& f() { return *m_fixture; }
    DesignWindow* design() const { return m_fixture->window->designWindow(); }
    QString cell(int row, int column) const
    {
        const QAbstractItemModel* model = in<QTableView>(design(), "designTable")->model();
        return model->index(row, column).data().toString();
    }
    /** Ticks only the standard of that name. */
    void tickOnly(const QString& standard)
    {
        for (QCheckBox* box : design()->findChildren<QCheckBox*>("pipeStandard")) {
            if (box->isChecked() != (box->text() == standard))
                QTest::mouseClick(box, Qt::LeftButton);
        }
    }
    void search() { QTest::mouseClick(in<QPushButton>(design(), "designSearch"), Qt::LeftButton); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_fixture = std::make_unique<test::WindowFixture>();
        QVERIFY(f().window->openCase(VORLAN_KERN_CASE));
        auto* menu = f().window->menuBar()->findChild<QMenu*>("mnuStudies");
        QVERIFY(menu != nullptr);
        in<QAction>(menu, "mnuDesign")->trigger();
        QVERIFY(design() != nullptr && design()->isVisible());
    }
    void cleanup() { m_fixture.reset(); }

    void searchOfOneStandardRanksFeasibleDesignsWithinTheConstraints()
    {
        tickOnly("ASME B36.10M");
        test::WindowFixture::type(in<QSpinBox>(design(), "mostBanks"), "2");
        search();
        QVERIFY(design()->isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!design()->isRunning(), kSearchTimeout);
        QVERIFY(f().messages.empty());
        QVERIFY(in<QLabel>(design(), "designTarget")->text().contains("48,93 kW"));

        // The least surface among the standard's pairs: a 1" pipe in Kern's 2" one.
        QCOMPARE(cell(0, DesignTableModel::Rank), QString("1"));
        QCOMPARE(cell(0, DesignTableModel::Pipes), QString("2\" Sch 40 × 1\" Sch 10"));
        QCOMPARE(cell(0, DesignTableModel::Verdict), QString("Feasible"));
        const long hairpins = cell(0, DesignTableModel::Hairpins).toLong();
        QVERIFY(hairpins >= 1 && hairpins <= 50);
        for (const int drop : {DesignTableModel::FirstDrop, DesignTableModel::SecondDrop})
            QVERIFY(number(cell(0, drop)) > 0 && number(cell(0, drop)) <= 68.95);
        for (const Design& ranked : design()->designs())
            QVERIFY(ranked.candidate.inner.standard == "ASME B36.10M" && ranked.candidate.banks <= 2);
    }

    void cancelKeepsTheDesignsEvaluated()
    {
        search(); // every standard, up to 4 banks
        QTRY_VERIFY_WITH_TIMEOUT(in<QProgressBar>(design(), "designProgress")->value() > 0, kSearchTimeout);
        QTest::mouseClick(in<QPushButton>(design(), "designCancel"), Qt::LeftButton);
        QVERIFY(!design()->isRunning());
        const std::size_t kept = design()->designs().size();
        QVERIFY(kept > 0 && in<QProgressBar>(design(), "designProgress")->value() < 1930);
        QVERIFY(in<QLabel>(design(), "designSummary")->text().startsWith("Cancelled"));
        QTest::mouseClick(in<QCheckBox>(design(), "showInfeasible"), Qt::LeftButton);
        QCOMPARE(std::size_t(in<QTableView>(design(), "designTable")->model()->rowCount()), kept);
    }

    void aBoxThatIsNoNumberIsNamed()
    {
        test::WindowFixture::type(in<QLineEdit>(design(), "allowedDropInnerStream"), "abc");
        search();
        QVERIFY(!design()->isRunning());
        QCOMPARE(f().messages.size(), std::size_t(1));
        QVERIFY2(f().messages.front().text.startsWith("Allowed pressure drop, Benzene (inner pipe in the case) is not"),
            qPrintable(f().messages.front().text));
    }

    void useThisDesignFillsThePipesOfTheMainWindow()
    {
        tickOnly("ASME B36.10M");
        test::WindowFixture::type(in<QSpinBox>(design(), "mostBanks"), "1");
        search();
        QTRY_VERIFY_WITH_TIMEOUT(!design()->isRunning(), kSearchTimeout);
        const Design& first = design()->designs().front();
        QTest::mouseClick(in<QPushButton>(design(), "useDesign"), Qt::LeftButton);
        const QString expected[] = {fromStd(windowDimension(first.candidate.inner.outsideDiameterText)),
            fromStd(windowDimension(first.candidate.inner.thicknessText)),
            fromStd(windowDimension(first.candidate.outer.outsideDiameterText)),
            fromStd(windowDimension(first.candidate.outer.thicknessText))};
        const char* boxes[] = {"Text1", "Text2", "Text4", "Text5"};
        for (int b = 0; b < 4; ++b)
            QCOMPARE(f().w(boxes[b])->text(), expected[b]);
        QVERIFY(f().window->windowTitle().startsWith("kern-example-6-1.vorlan*"));
    }
};

QTEST_MAIN(DesignWindowTest)
#include "designwindow_test.moc"
