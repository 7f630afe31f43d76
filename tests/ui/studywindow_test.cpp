// The Study window as a user drives it, offscreen: opened from the Studies menu on the main
// window's case, run to the end, cancelled, closed while running, with points that fail, exported
// as CSV, and refused ranges that run nothing.
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>

#include "analysis/numberformat.h"
#include "ui/studyplot.h"
#include "ui/studywindow.h"
#include "windowfixture.h"

using namespace vorlan;

namespace {

constexpr int kStudyTimeout = 120000; // [ms] ample for a Debug build on a busy machine

} // namespace

class StudyWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowFixture> m_fixture;

    test::WindowFixture& f() { return *m_fixture; }
    StudyWindow* study() const { return m_fixture->window->studyWindow(); }
    template <typename T> T* control(const char* name) const
    {
        T* widget = study()->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control %s in the Study window", name);
        return widget;
    }
    QTableWidget* table() const { return control<QTableWidget>("studyTable"); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    int plotted() const { return control<StudyPlot>("studyPlot")->plottedPoints(); }

    /** Studies > Study... on the menu bar, as the user reaches it. */
    void openStudy()
    {
        auto* menu = f().window->menuBar()->findChild<QMenu*>("mnuStudies");
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->title(), QString("Studies"));
        const QList<QAction*> entries = menu->actions();
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries.front()->text(), QString("Study..."));
        entries.front()->trigger();
        QVERIFY(study() != nullptr && study()->isVisible());
    }
    /** Picks the swept box, types the range with the keyboard and clicks Run. */
    void run(const QString& box, const QString& from, const QString& to, int points)
    {
        test::WindowFixture::pick(control<QComboBox>("sweepBox"), box);
        test::WindowFixture::type(control<QLineEdit>("sweepFrom"), from);
        test::WindowFixture::type(control<QLineEdit>("sweepTo"), to);
        test::WindowFixture::type(control<QSpinBox>("sweepPoints"), QString::number(points));
        QTest::mouseClick(control<QPushButton>("runButton"), Qt::LeftButton);
    }
    void waitForTheEnd() { QTRY_VERIFY_WITH_TIMEOUT(!study()->isRunning(), kStudyTimeout); }
    bool enabled(const char* button) const { return control<QPushButton>(button)->isEnabled(); }
    /** The texts of the main window's boxes. */
    QStringList caseTexts() const
    {
        QStringList texts;
        for (int i = 1; i <= 12; ++i)
            texts << m_fixture->w(qPrintable(QString("Text%1").arg(i)))->text();
        return texts;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_fixture = std::make_unique<test::WindowFixture>();
        f().describeCase();
        openStudy();
    }
    void cleanup() { m_fixture.reset(); }

    void lengthSweepFillsTableAndPlotWithTheCaseOfTheMainWindow()
    {
        QCOMPARE(control<QComboBox>("sweepBox")->currentText(), QString("Length [m]"));
        f().type("Text6", "85"); // the case is read when Run is pressed, not when the window opened
        const QStringList before = caseTexts();
        run("Length [m]", "2", "51", 50); // a step of 1 m
        QVERIFY(enabled("cancelButton") && !enabled("runButton"));
        waitForTheEnd();
        QVERIFY(f().messages.empty());
        QCOMPARE(table()->rowCount(), 50);
        QCOMPARE(plotted(), 50);
        QCOMPARE(control<QProgressBar>("studyProgress")->value(), 50);
        QVERIFY(!enabled("cancelButton") && enabled("runButton") && enabled("exportButton"));
        QCOMPARE(caseTexts(), before); // nothing written back: the internal flow stays empty

        // The row of 12 m is the main window's case calculated at 12 m; a longer pipe transfers more.
        QCOMPARE(cell(10, 0), QString("12"));
        CaseContents at12 = f().window->caseContents();
        const CalcOutcome expected = Exchanger(f().folder.path()).calculate(at12);
        QVERIFY(expected.solution);
        QCOMPARE(cell(10, 1), QString::fromStdString(figure(expected.solution->record.q, Measure::Duty)));
        for (int row = 1; row < 50; ++row)
            QVERIFY(cell(row, 1).replace(',', '.').toDouble() > cell(row - 1, 1).replace(',', '.').toDouble());

        // A second plotted column keeps every point; the picture paints.
        test::WindowFixture::pick(control<QComboBox>("plotSecond"), "External pressure drop [kPa]");
        QCOMPARE(plotted(), 50);
        QVERIFY(!control<StudyPlot>("studyPlot")->grab().isNull());
    }

    void cancelAndCloseStopAThousandPointStudyAndKeepItsRows()
    {
        run("Length [m]", "5", "50", 1000);
        QTRY_VERIFY_WITH_TIMEOUT(table()->rowCount() > 0, kStudyTimeout);
        QTest::mouseClick(control<QPushButton>("cancelButton"), Qt::LeftButton);
        const int kept = table()->rowCount();
        QVERIFY(kept < 1000);
        QVERIFY(!study()->isRunning());
        QTest::qWait(500);
        QCOMPARE(table()->rowCount(), kept);
        QCOMPARE(static_cast<int>(study()->rows().size()), kept);
        QVERIFY(enabled("runButton") && !enabled("cancelButton") && enabled("exportButton"));

        QTest::mouseClick(control<QPushButton>("runButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(table()->rowCount() > 0, kStudyTimeout);
        study()->close();
        const int closed = table()->rowCount();
        QVERIFY(!study()->isRunning() && closed < 1000);
        QTest::qWait(500);
        QCOMPARE(table()->rowCount(), closed);
    }

    void failedPointsShowTheirMessagesAndStayOutOfThePlot()
    {
        // Water enters at 80 °C and the glycol at 15 °C: outlets at or above 80 °C cannot be reached.
        run("Internal outlet temp. [°C]", "40", "95", 12); // 40, 45, ..., 95
        waitForTheEnd();
        QCOMPARE(table()->rowCount(), 12);
        const int message = table()->columnCount() - 1;
        int solved = 0;
        for (int row = 0; row < 12; ++row) {
            const bool failed = !cell(row, message).isEmpty();
            QCOMPARE(cell(row, 1).isEmpty(), failed); // a failed point has no duty
            QCOMPARE(failed, cell(row, 0).toDouble() >= 80);
            solved += failed ? 0 : 1;
        }
        QCOMPARE(solved, 8);
        QCOMPARE(plotted(), solved);
        QVERIFY(f().messages.empty()); // the messages are in the table, not in message boxes
    }

    void exportWritesTheTableAsCsv()
    {
        run("Length [m]", "10", "20", 11);
        waitForTheEnd();
        const std::string expected = studyCsv(Quantity::Length, study()->rows());
        QVERIFY(study()->exportCsv(QString::fromStdString(f().folder.path() + "/sweep.csv")));
        const std::string written = f().folder.read("sweep.csv");
        QCOMPARE(QString::fromStdString(written), QString::fromStdString(expected));
        QCOMPARE(static_cast<int>(std::count(written.begin(), written.end(), '\n')), table()->rowCount() + 1);

        // Through the button's dialog: a name typed without ".csv" gets it.
        test::WindowFixture::whenModal(
            [this](QWidget* dialog) {
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name != nullptr);
                name->setCompleter(nullptr);
                name->setText(QString::fromStdString(f().folder.path() + "/typed"));
                QTest::keyClick(name, Qt::Key_Return);
            },
            "QFileDialog");
        QTest::mouseClick(control<QPushButton>("exportButton"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(f().folder.read("typed.csv")), QString::fromStdString(expected));

        // A folder that does not exist: a message, no file.
        QVERIFY(!study()->exportCsv(QString::fromStdString(f().folder.path() + "/missing/sweep.csv")));
        QCOMPARE(f().messages.size(), std::size_t(1));
        QVERIFY(f().messages.front().text.contains("missing/sweep.csv"));
        QCOMPARE(f().messages.front().over, study());
    }

    void refusedRangesRunNothing()
    {
        run("Length [m]", "10", "20", 5);
        waitForTheEnd();
        const std::string kept = studyCsv(Quantity::Length, study()->rows());
        run("Length [m]", "5", "5", 1); // the spin box corrects 1 point to 2; the range is empty still
        QCOMPARE(f().messages.size(), std::size_t(1));
        QVERIFY(f().messages.back().text.contains("same value"));
        QCOMPARE(control<QSpinBox>("sweepPoints")->value(), 2);
        run("Internal mass flow [kg/s]", "0,1", "1", 5); // solved, not given, in this case
        QVERIFY(f().messages.back().text.contains("calculated, not read"));
        run("Length [m]", "", "1", 5);
        QVERIFY(f().messages.back().text.startsWith("From is not a number"));
        QCOMPARE(f().messages.size(), std::size_t(3));
        QVERIFY(!study()->isRunning());
        QCOMPARE(table()->rowCount(), 5); // the previous study stays
        QCOMPARE(studyCsv(Quantity::Length, study()->rows()), kept);
    }
};

QTEST_MAIN(StudyWindowTest)
#include "studywindow_test.moc"
