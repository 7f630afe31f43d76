// The "Details" and "Temperature profile" windows as a user reaches them, offscreen: from the menu
// and the results window, refreshed by each calculation, kept by a failed one, and without any
// effect on what the calculation writes back or shows.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextBrowser>

#include "ui/analysisviews.h"
#include "ui/profileplot.h"
#include "ui/resultswindow.h"
#include "ui/warningsstrip.h"
#include "windowfixture.h"

using namespace vorlan;

class AnalysisViewsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowFixture> m_fixture;
    test::WindowFixture& f() { return *m_fixture; }
    MainWindow* window() { return f().window.get(); }

    /** Water in water, internal outlet temperature and 10 m of length given. */
    void describeCase()
    {
        f().pick("Combo1", "Water");
        f().pick("Combo2", "Water");
        f().pick("Combo3", "Copper");
        for (const auto& [box, text] : {std::pair {"Text1", "25"}, {"Text2", "2"}, {"Text4", "50"}, {"Text5", "3"},
                 {"Text6", "80"}, {"Text7", "60"}, {"Text9", "20"}, {"Text11", "0,5"}, {"Text12", "10"}})
            f().type(box, text);
    }
    /** Every text the calculation writes: the main window's boxes and the results window's. */
    QStringList shownTexts()
    {
        QStringList texts;
        for (int i = 1; i <= 12; ++i)
            texts << f().w(qPrintable(QString("Text%1").arg(i)))->text();
        for (int i = 1; i <= 28; ++i)
            texts << window()->resultsWindow()->findChild<QLineEdit*>(QString("Text%1").arg(i))->text();
        return texts;
    }
    AnalysisViews* views() { return window()->analysisViews(); }
    /** True when the label's text fits its rectangle. */
    static bool fits(const QLabel* label)
    {
        const QRect room(QPoint(0, 0), label->size());
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        return room.contains(label->fontMetrics().boundingRect(room, flags, label->text()));
    }
    /** The entry of the main window's "Analysis" menu; a missing one ends the test program. */
    QAction* menuEntry(const char* name)
    {
        const auto* menu = window()->menuBar()->findChild<QMenu*>("mnuAnalysis");
        for (QAction* action : menu ? menu->actions() : QList<QAction*> {}) {
            if (action->objectName() == name)
                return action;
        }
        qFatal("no menu entry %s", name);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // the recent cases of a scratch account
    void init() { m_fixture = std::make_unique<test::WindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void menuOpensBothWindowsBeforeAnyCalculation()
    {
        QVERIFY(window()->menuBar()->findChild<QMenu*>("mnuAnalysis") != nullptr);
        menuEntry("mnuAnalysisDetails")->trigger();
        QTextBrowser* details = views()->detailsWindow();
        QVERIFY(details != nullptr && details->isVisible());
        QCOMPARE(details->windowTitle(), QString("Details"));
        QVERIFY(details->toPlainText().contains("No case has been calculated yet"));
        menuEntry("mnuAnalysisProfile")->trigger();
        ProfilePlot* plot = views()->profileWindow();
        QVERIFY(plot != nullptr && plot->isVisible());
        QCOMPARE(plot->windowTitle(), QString("Temperature profile"));
        QVERIFY(!plot->profile());
        QVERIFY(!plot->grab().isNull()); // paints the note instead of a plot
    }

    void calculationFillsTheWindows()
    {
        describeCase();
        f().click("Command1");
        QVERIFY(f().messages.empty());
        menuEntry("mnuAnalysisDetails")->trigger();
        const QString text = views()->detailsWindow()->toPlainText();
        for (const char* expected : {"Film coefficients and flow", "INTERNAL PIPE", "Thermal resistances",
                 "Effectiveness-NTU", "Cross-check", "No warnings"})
            QVERIFY2(text.contains(expected), expected);
        QVERIFY(!text.contains("nan") && !text.contains("inf"));
        menuEntry("mnuAnalysisProfile")->trigger();
        const ProfilePlot* plot = views()->profileWindow();
        QVERIFY(plot->profile());
        QCOMPARE(plot->profile()->points.size(), std::size_t(kProfileSegments + 1));
        QCOMPARE(plot->profile()->points.back().x, 10.0);
        const QImage picture = views()->profileWindow()->grab().toImage();
        QVERIFY(picture.pixelColor(picture.width() / 2, picture.height() / 2).isValid());
    }

    void resultsStripShowsTheWarningsBelowTheSheet()
    {
        // Both flows given, 100 kg/s of water in the 21 mm tube: far more than its 1 bar is lost.
        describeCase();
        QTest::mouseClick(f().w<QRadioButton>("Option4"), Qt::LeftButton);
        f().type("Text8", "100");
        f().click("Command1");
        QVERIFY(f().messages.empty());
        ResultsWindow* results = window()->resultsWindow();
        WarningsStrip* strip = results->strip();
        QCOMPARE(results->findChild<QPushButton*>("Command1")->geometry(), QRect(200, 472, 65, 25)); // "Close" stays
        QCOMPARE(strip->geometry(), QRect(0, 501, 467, strip->height()));
        QCOMPARE(results->size(), QSize(467, 501 + strip->height()));
        QVERIFY(!strip->banner()->isVisible());
        const QString summary = strip->summary()->text();
        QVERIFY2(summary.contains(" warnings, the most severe: Physically impossible: Internal pipe: pressure drop "),
            qPrintable(summary));
        QVERIFY(fits(strip->summary()));

        QVERIFY(views()->detailsWindow() == nullptr || !views()->detailsWindow()->isVisible());
        QTest::mouseClick(strip->detailsButton(), Qt::LeftButton);
        QVERIFY(views()->detailsWindow() != nullptr && views()->detailsWindow()->isVisible());
        QVERIFY(views()->detailsWindow()->toPlainText().contains("Physically impossible"));

        // The banner takes a line of its own above the warnings, cut to its width when too long.
        const int plain = results->height();
        const std::pair<QString, bool> banners[] = {{"Robust solution", true},
            {QString("Robust solution of a case with a rather long explanation ").repeated(4), true}, {"", false}};
        for (const auto& [banner, shown] : banners) {
            results->setBanner(banner);
            QCOMPARE(strip->banner()->isVisible(), shown);
            QCOMPARE(results->height() > plain, shown);
            QVERIFY(fits(strip->banner()));
            QVERIFY(strip->summary()->y() >= (shown ? strip->banner()->geometry().bottom() : 0));
        }
        QCOMPARE(results->height(), plain);
    }

    void resultsWindowOffersBothEntries()
    {
        describeCase();
        window()->calculate();
        const QList<QAction*> actions = window()->resultsWindow()->actions();
        QCOMPARE(window()->resultsWindow()->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(actions.contains(views()->detailsAction()));
        QVERIFY(actions.contains(views()->profileAction()));
        window()->calculate(); // offered once, not once per calculation
        QCOMPARE(window()->resultsWindow()->actions().size(), actions.size());
    }

    void openWindowsChangeNoWriteBackAndNoResult()
    {
        describeCase();
        window()->calculate();
        const QStringList closed = shownTexts();
        views()->showDetails();
        views()->showProfile();
        window()->calculate();
        QCOMPARE(shownTexts(), closed);
        QVERIFY(f().messages.empty());
    }

    void eachCalculationRefreshesAndAFailedOneKeeps()
    {
        describeCase();
        window()->calculate();
        views()->showDetails();
        views()->showProfile();
        const QString first = views()->detailsWindow()->toHtml();
        f().type("Text12", "20");
        window()->calculate();
        const QString second = views()->detailsWindow()->toHtml();
        QVERIFY(second != first);
        QCOMPARE(views()->profileWindow()->profile()->points.back().x, 20.0);

        f().type("Text12", "0"); // not a length: the calculation fails
        window()->calculate();
        QCOMPARE(f().messages.size(), std::size_t(1));
        QCOMPARE(views()->detailsWindow()->toHtml(), second);
        QCOMPARE(views()->profileWindow()->profile()->points.back().x, 20.0);
    }

    void closingTheMainWindowClosesThem()
    {
        views()->showDetails();
        views()->showProfile();
        window()->close();
        QVERIFY(!views()->detailsWindow()->isVisible());
        QVERIFY(!views()->profileWindow()->isVisible());
    }
};

QTEST_MAIN(AnalysisViewsTest)
#include "analysisviews_test.moc"
