// The "Details" and "Temperature profile" windows as a user reaches them, offscreen: from the menu
// and the results window, refreshed by each calculation, kept by a failed one, and without any
// effect on what the calculation writes back or shows.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "platform/appdir.h"
#include "ui/analysisviews.h"
#include "ui/mainwindow.h"
#include "ui/profileplot.h"
#include "ui/resultswindow.h"

using namespace vorlan;

class AnalysisViewsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;

    template <typename T = QLineEdit> T* w(const char* name) const
    {
        T* widget = m_window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control %s", name);
        return widget;
    }
    void pick(const char* combo, const QString& entry)
    {
        auto* box = w<QComboBox>(combo);
        const int index = box->findText(entry);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void type(const char* name, const QString& text)
    {
        w(name)->clear();
        QTest::keyClicks(w(name), text);
    }
    /** Water in water, internal outlet temperature and length given. */
    void describeCase()
    {
        pick("Combo1", "Water");
        pick("Combo2", "Water");
        pick("Combo3", "Copper");
        for (const auto& [box, text] : {std::pair {"Text1", "25"}, {"Text2", "2"}, {"Text4", "50"}, {"Text5", "3"},
                 {"Text6", "80"}, {"Text7", "60"}, {"Text9", "20"}, {"Text11", "0,5"}, {"Text12", "10"}})
            type(box, text);
    }
    /** Every text the calculation writes: the main window's boxes and the results window's. */
    QStringList shownTexts() const
    {
        QStringList texts;
        for (int i = 1; i <= 12; ++i)
            texts << w(qPrintable(QString("Text%1").arg(i)))->text();
        for (int i = 1; i <= 28; ++i)
            texts << m_window->resultsWindow()->findChild<QLineEdit*>(QString("Text%1").arg(i))->text();
        return texts;
    }
    AnalysisViews* views() const { return m_window->analysisViews(); }
    /** The entry of the main window's "Analysis" menu; a missing one ends the test program. */
    QAction* menuEntry(const char* name) const
    {
        const auto* menu = m_window->menuBar()->findChild<QMenu*>("mnuAnalysis");
        for (QAction* action : menu ? menu->actions() : QList<QAction*> {}) {
            if (action->objectName() == name)
                return action;
        }
        qFatal("no menu entry %s", name);
    }

private slots:
    void init()
    {
        m_messages.clear();
        const std::string program = QuestaDirectory();
        m_window = std::make_unique<MainWindow>(program + "/data", QString::fromStdString(program),
            [this](QMessageBox::Icon, const QString&, const QString& text) { m_messages << text; });
        m_window->show();
    }

    void cleanup() { m_window.reset(); }

    void menuOpensBothWindowsBeforeAnyCalculation()
    {
        QVERIFY(m_window->menuBar()->findChild<QMenu*>("mnuAnalysis") != nullptr);
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
        QTest::mouseClick(w<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(m_messages.isEmpty());
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

    void resultsWindowOffersBothEntries()
    {
        describeCase();
        m_window->calculate();
        const QList<QAction*> actions = m_window->resultsWindow()->actions();
        QCOMPARE(m_window->resultsWindow()->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(actions.contains(views()->detailsAction()));
        QVERIFY(actions.contains(views()->profileAction()));
        m_window->calculate(); // offered once, not once per calculation
        QCOMPARE(m_window->resultsWindow()->actions().size(), actions.size());
    }

    void openWindowsChangeNoWriteBackAndNoResult()
    {
        describeCase();
        m_window->calculate();
        const QStringList closed = shownTexts();
        views()->showDetails();
        views()->showProfile();
        m_window->calculate();
        QCOMPARE(shownTexts(), closed);
        QVERIFY(m_messages.isEmpty());
    }

    void eachCalculationRefreshesAndAFailedOneKeeps()
    {
        describeCase();
        m_window->calculate();
        views()->showDetails();
        views()->showProfile();
        const QString first = views()->detailsWindow()->toHtml();
        type("Text12", "20");
        m_window->calculate();
        const QString second = views()->detailsWindow()->toHtml();
        QVERIFY(second != first);
        QCOMPARE(views()->profileWindow()->profile()->points.back().x, 20.0);

        type("Text12", "0"); // not a length: the calculation fails
        m_window->calculate();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(views()->detailsWindow()->toHtml(), second);
        QCOMPARE(views()->profileWindow()->profile()->points.back().x, 20.0);
    }

    void closingTheMainWindowClosesThem()
    {
        views()->showDetails();
        views()->showProfile();
        m_window->close();
        QVERIFY(!views()->detailsWindow()->isVisible());
        QVERIFY(!views()->profileWindow()->isVisible());
    }
};

QTEST_MAIN(AnalysisViewsTest)
#include "analysisviews_test.moc"
