// The "Fluid information" view as a user reaches it, from a fluid box's context menu: it names the
// fluid's source and shows its blocks and its properties at the side's pressure, and says why
// when the table cannot be read, the pressure is none of the table's or the fluid is "User defined".
#include <QContextMenuEvent>
#include <QMenu>
#include <QStandardPaths>
#include <QTextBrowser>

#include "ui/fluidinfoplot.h"
#include "ui/fluidinfowindow.h"
#include "windowfixture.h"

using namespace vorlan;

class FluidInfoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowFixture> m_fixture;
    test::WindowFixture& f() { return *m_fixture; }

    /** Right-clicks the fluid box and clicks "Fluid information..."; the view it opened, or null. */
    FluidInfoWindow* openFromMenu(const char* fluidBox, QStringList* entries = nullptr)
    {
        for (FluidInfoWindow* window : f().window->findChildren<FluidInfoWindow*>())
            window->close(); // the other box's view
        QLineEdit* box = f().w<QComboBox>(fluidBox)->lineEdit();
        QTimer::singleShot(50, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (QAction* action : menu->actions()) {
                if (entries != nullptr)
                    entries->append(action->text());
                if (action->text() == "Fluid information...")
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, box->rect().center(), box->mapToGlobal(box->rect().center()));
        QApplication::sendEvent(box, &event);
        FluidInfoWindow* view = nullptr;
        for (FluidInfoWindow* window : f().window->findChildren<FluidInfoWindow*>())
            if (window->isVisible())
                view = window;
        return view;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_fixture = std::make_unique<test::WindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void libraryFluidNamesItsSourceAndShowsItsBlocks()
    {
        f().pick("Combo1", "Toluene");
        QStringList entries;
        FluidInfoWindow* view = openFromMenu("Combo1", &entries);
        QVERIFY(view != nullptr);
        QVERIFY(entries.contains("&Paste\tCtrl+V")); // the box's own entries stay
        const QString text = view->text()->toPlainText();
        for (const char* part : {"Hydrocarbons and solvents", "Phase: liquid", "Lemmon & Span, JCED 51 (2006) 785",
                 "Avgeri et al.", "fluid-library.md", "110.13 (1)", "Pressure blocks (400 rows)"})
            QVERIFY2(text.contains(part), part);
        // The 10 bar block: -40 to 214 degC in 2 K steps, 128 rows.
        QVERIFY(text.contains(QRegularExpression("10\\s+-40\\s+214\\s+2\\s+128")));
        // The density at 1 bar from the lookups: Toluene, 20 degC, 866.89 kg/m3 (fluid-library.md, CRC).
        const std::vector<PropertyPoint>& points = view->plot()->points();
        QCOMPARE(points.front().t, -40.0);
        QVERIFY(points.back().t < 108);
        const auto at20 = std::find_if(points.begin(), points.end(), [](const PropertyPoint& p) { return p.t >= 20; });
        QVERIFY(std::abs(at20->rho - 866.89) < 1.5);

        // The other side's box with a pressure its table lacks, a missing table, the user fluid.
        f().pick("Combo2", "R22 liquid");
        f().type(f().w<QComboBox>("Combo5")->lineEdit(), "7");
        view = openFromMenu("Combo2");
        QVERIFY(view->text()->toPlainText().contains("the other phase is the table \"R22 s.h. vapor\""));
        QVERIFY(view->plot()->points().empty());
        QVERIFY2(view->plot()->missing().contains("1; 2; 5; 10; 15; 20; 25 bar"), qPrintable(view->plot()->missing()));
        f().type(f().w<QComboBox>("Combo2")->lineEdit(), "No such fluid");
        view = openFromMenu("Combo2");
        QVERIFY(view->text()->toPlainText().contains("The table cannot be read"));
        QVERIFY(view->plot()->points().empty());
        f().pick("Combo1", "User defined");
        view = openFromMenu("Combo1");
        QVERIFY(view->text()->toPlainText().contains("Not defined yet"));
    }
};

QTEST_MAIN(FluidInfoTest)
#include "fluidinfo_test.moc"
