// The case as a document, driven through the menus and keys: Save and Save As with the question
// before a file is replaced, the report that prints results only beside their own inputs, the
// window title, the question before changes are lost, recent cases, dropped files, and the marks
// of stale, given and calculated values.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTreeWidget>

#include "platform/textfile.h"
#include "ui/analysisviews.h"
#include "ui/optionsdialog.h"
#include "ui/pipepicker.h"
#include "ui/recentcases.h"
#include "ui/resultswindow.h"
#include "ui/userfluidfolder.h"
#include "windowfixture.h"

using namespace vorlan;

/** The user fluid's file as the Options dialog writes it for 1000 kg/m³, 4,18 kJ/(kg K), 0,6 W/(m K), 0,001 Pa s. */
constexpr char kUserFluid1000[]
    = "-100,1,1000,4.18,0.6,0.001,-418\r\n0,1,1000,4.18,0.6,0.001,0\r\n300,1,1000,4.18,0.6,0.001,1254\r\n";

class CaseCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowFixture> m_fixture;
    test::WindowFixture& f() { return *m_fixture; }

    QString path(const char* name) const { return QString::fromStdString(m_fixture->folder.path() + "/" + name); }

    /** The text of the one-page report of the window's case. */
    QString report()
    {
        const QString file = path("report.pdf");
        {
            QPdfWriter writer(file);
            f().window->printReport(&writer);
        }
        QPdfDocument document;
        if (document.load(file) != QPdfDocument::Error::None)
            return {};
        return document.getAllText(0).text();
    }

    /**
     * Types a name into the file dialog that is about to open and presses Enter; answer then runs
     * on the question that follows.
     */
    static void saveAs(const QString& typed, std::function<void(QWidget*)> answer = {})
    {
        test::WindowFixture::whenModal(
            [typed, answer](QWidget* modal) {
                auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name != nullptr);
                // The name exactly as typed: the dialog's completer would offer the existing file's
                // name in a list that takes the Enter key, at a moment that depends on the folder's loading.
                name->setCompleter(nullptr);
                modal->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(modal));
                name->setFocus();
                QTRY_VERIFY(name->hasFocus()); // typing into the box, not picking files of the list
                QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(name, Qt::Key_Delete);
                QTest::keyClicks(name, typed);
                if (answer)
                    test::WindowFixture::whenModal(answer);
                QTest::keyClick(name, Qt::Key_Return);
            },
            "QFileDialog");
    }

    bool isStale(const char* box) const { return m_fixture->w(box)->font().italic(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_fixture = std::make_unique<test::WindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void saveAsksBeforeReplacingANameTypedWithoutItsEnding()
    {
        f().describeCase();
        QVERIFY(f().window->saveCase(path("current.vorlan"))); // Save As opens in this folder
        f().folder.write("pump.vorlan", "an earlier case");
        QString question;
        saveAs("pump", [&](QWidget* modal) {
            question = qobject_cast<QMessageBox*>(modal)->text();
            test::WindowFixture::press(modal, QMessageBox::No);
            // Back in the dialog: give up.
            test::WindowFixture::whenModal(
                [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }, "QFileDialog");
        });
        f().command(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY2(question.contains("pump.vorlan"), qPrintable(question));
        QCOMPARE(QString::fromStdString(f().folder.read("pump.vorlan")), QString("an earlier case"));

        saveAs("pump", [](QWidget* modal) { test::WindowFixture::press(modal, QMessageBox::Yes); });
        f().command(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(QString::fromStdString(f().folder.read("pump.vorlan")).contains("vorlan-case"));
        QVERIFY(!std::filesystem::exists(path("pump").toStdString()));
        QCOMPARE(f().window->windowTitle(), QString("pump.vorlan - Vorlan - Quessel"));

        // Save on a case that has a file writes to it without a dialog.
        f().type("Text1", "26");
        QCOMPARE(f().window->windowTitle(), QString("pump.vorlan* - Vorlan - Quessel"));
        f().command(Qt::Key_S);
        QVERIFY(QString::fromStdString(f().folder.read("pump.vorlan")).contains("\"26\""));
        QCOMPARE(f().window->windowTitle(), QString("pump.vorlan - Vorlan - Quessel"));
    }

    void fileDialogsOpenInAFolderThatExists()
    {
        // A new account without a documents folder: Save As opens in the home folder with no name
        // typed, not in the home's parent with "Documents" offered as the file's name. No recent
        // case (other tests leave theirs) gives it a folder of its own.
        RecentCases recent;
        for (const QString& path : recent.paths())
            recent.remove(path);
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString(f().folder.path()));
        QString folder, name;
        test::WindowFixture::whenModal(
            [&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                folder = dialog->directory().absolutePath();
                name = modal->findChild<QLineEdit*>("fileNameEdit")->text();
                QTest::keyClick(modal, Qt::Key_Escape);
            },
            "QFileDialog");
        f().command(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        qputenv("HOME", home);
        QCOMPARE(folder, QDir(QString::fromStdString(f().folder.path())).absolutePath());
        QVERIFY2(name.isEmpty(), qPrintable(name));
    }

    void reportPrintsResultsOnlyBesideTheirInputs_data()
    {
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("withResults");
        QTest::newRow("Calculate") << "calculate" << true;
        QTest::newRow("an edit of a box") << "edit" << false;
        QTest::newRow("an edit undone") << "edit back" << true;
        QTest::newRow("another fluid pressure") << "pressure" << false;
        QTest::newRow("another configuration") << "configuration" << false;
        QTest::newRow("a fouling factor") << "fouling" << false;
        QTest::newRow("New") << "new" << false;
        QTest::newRow("Open") << "open" << false;
        QTest::newRow("a failed calculation") << "failure" << false;
    }

    void reportPrintsResultsOnlyBesideTheirInputs()
    {
        QFETCH(QString, after);
        QFETCH(bool, withResults);
        f().describeCase();
        QVERIFY(f().window->saveCase(path("case.vorlan")));
        f().click("Command1");
        QVERIFY(f().messages.empty());
        if (after == "edit") {
            f().type("Text12", "13");
        } else if (after == "edit back") {
            f().type("Text12", "13");
            f().type("Text12", "12");
        } else if (after == "pressure") {
            f().pick("Combo4", "2");
        } else if (after == "configuration") {
            QTest::mouseClick(f().w<QRadioButton>("Option2"), Qt::LeftButton);
        } else if (after == "fouling") {
            f().click("Command2");
            auto* fouling = f().window->optionsDialog()->box("Text1");
            QTest::keyClicks(fouling, "1");
        } else if (after == "new") {
            f().window->newCase();
        } else if (after == "open") {
            QVERIFY(f().window->openCase(path("case.vorlan")));
        } else if (after == "failure") {
            f().type("Text7", "90"); // the hot side cannot leave hotter than it came
            f().click("Command1");
            QCOMPARE(f().messages.size(), size_t(1));
        }
        const QString text = report();
        QVERIFY(text.contains("INTERNAL PIPE"));
        QCOMPARE(text.contains("Results"), withResults);
        QCOMPARE(text.contains("has not been calculated"), !withResults);
        QCOMPARE(text.contains("(calculated)"), withResults); // a value of an earlier case is never "calculated"
    }

    void lockedValuesGoStaleUntilTheNextCalculate()
    {
        f().describeCase();
        f().click("Command1");
        for (const char* box : {"Text8", "Text10", "Text3"})
            QVERIFY2(!isStale(box), box);
        ResultsWindow* results = f().window->resultsWindow();
        for (const char* box : {"Text15", "Text14", "Text23", "Text24"}) // calculated
            QVERIFY2(results->isCalculated(box), box);
        for (const char* box : {"Text13", "Text16", "Text25", "Text1"}) // given
            QVERIFY2(!results->isCalculated(box), box);

        f().type("Text6", "85");
        for (const char* box : {"Text8", "Text10", "Text3"})
            QVERIFY2(isStale(box), box);
        QVERIFY(!isStale("Text6")); // an input is never stale
        f().click("Command1");
        for (const char* box : {"Text8", "Text10", "Text3"})
            QVERIFY2(!isStale(box), box);

        // The other modes: the capacity given, so the length is the calculated value.
        QTest::mouseClick(f().w<QRadioButton>("Option6"), Qt::LeftButton);
        QVERIFY(isStale("Text12")); // the length typed earlier, now locked, belongs to no calculation
        f().type("Text3", "40");
        f().click("Command1");
        QVERIFY(f().messages.empty());
        QVERIFY(!isStale("Text12"));
        QVERIFY(results->isCalculated("Text25") && !results->isCalculated("Text23"));
    }

    void aKeystrokeAndItsUndoingMarkAndUnmarkTheCase()
    {
        f().describeCase();
        f().click("Command1");
        QVERIFY(f().window->saveCase(path("marks.vorlan")));
        f().click("Command2");
        // A box of the main window, and a fouling factor of the Options dialog.
        for (QLineEdit* box : {f().w("Text6"), f().window->optionsDialog()->box("Text1")}) {
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClick(box, Qt::Key_5);
            QCOMPARE(f().window->windowTitle(), QString("marks.vorlan* - Vorlan - Quessel"));
            for (const char* locked : {"Text8", "Text10", "Text3"})
                QVERIFY2(isStale(locked), locked);
            QTest::keyClick(box, Qt::Key_Backspace); // the case is the saved and calculated one again
            QCOMPARE(f().window->windowTitle(), QString("marks.vorlan - Vorlan - Quessel"));
            for (const char* locked : {"Text8", "Text10", "Text3"})
                QVERIFY2(!isStale(locked), locked);
        }
    }

    void unsavedChangesAreAskedAbout()
    {
        QCOMPARE(f().window->windowTitle(), QString("Vorlan - Quessel"));
        f().type("Text1", "25");
        QCOMPARE(f().window->windowTitle(), QString("Untitled* - Vorlan - Quessel"));

        test::WindowFixture::whenModal([](QWidget* modal) { test::WindowFixture::press(modal, QMessageBox::Cancel); });
        f().command(Qt::Key_N);
        QCOMPARE(f().w("Text1")->text(), QString("25")); // kept

        test::WindowFixture::whenModal([](QWidget* modal) { test::WindowFixture::press(modal, QMessageBox::Cancel); });
        QVERIFY(!f().window->close()); // the close box asks too
        QVERIFY(f().window->isVisible());

        test::WindowFixture::whenModal([](QWidget* modal) { test::WindowFixture::press(modal, QMessageBox::Discard); });
        f().command(Qt::Key_N);
        QVERIFY(f().w("Text1")->text().isEmpty());
        QCOMPARE(f().window->windowTitle(), QString("Vorlan - Quessel"));
        f().command(Qt::Key_N); // nothing to lose: no question
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void recentCasesAndDroppedFiles()
    {
        f().describeCase();
        QVERIFY(f().window->saveCase(path("first.vorlan")));
        f().type("Text1", "30");
        QVERIFY(f().window->saveCase(path("second.vorlan")));
        auto* recent = f().window->findChild<QMenu*>("mnuFileRecent");
        QVERIFY(recent->isEnabled());
        QCOMPARE(recent->actions().value(0)->data().toString(), path("second.vorlan"));
        QCOMPARE(recent->actions().value(1)->data().toString(), path("first.vorlan"));
        recent->actions().value(1)->trigger();
        QCOMPARE(f().w("Text1")->text(), QString("25"));
        QCOMPARE(f().window->windowTitle(), QString("first.vorlan - Vorlan - Quessel"));

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("second.vorlan"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(f().window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(f().window.get(), &drop);
        QCOMPARE(f().w("Text1")->text(), QString("30"));

        QMimeData other;
        other.setUrls({QUrl::fromLocalFile(path("notes.txt"))});
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, {});
        QApplication::sendEvent(f().window.get(), &refused);
        QVERIFY(!refused.isAccepted());
    }

    void questionsAndMessagesShowNamesAsTyped_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name"); // shown in the box; empty for a box that names no file
        QTest::newRow("Save As, a name typed without its ending") << QString("save as") << QString("<h1>BIG");
        QTest::newRow("Save As, a name with another ending") << QString("save as") << QString("<h1>BIG.txt");
        QTest::newRow("a case that cannot be opened") << QString("open") << QString("<h1>BIG");
        QTest::newRow("changes not saved") << QString("new") << QString();
    }

    void questionsAndMessagesShowNamesAsTyped()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        m_fixture = std::make_unique<test::WindowFixture>(true); // real message boxes
        f().describeCase();
        const QString file = path("") + name + ".vorlan";
        f().folder.write((name + ".vorlan").toStdString(), "an earlier case");
        QStringList shown;
        test::WindowFixture::whenModal([&](QWidget* modal) {
            for (const QLabel* label : modal->findChildren<QLabel*>()) {
                if (!label->text().isEmpty())
                    shown << label->text() + (label->textFormat() == Qt::PlainText ? "" : " [not plain]");
            }
            QTest::keyClick(modal, Qt::Key_Escape);
            if (kind == "save as") // back in the file dialog: give up
                test::WindowFixture::whenModal(
                    [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }, "QFileDialog");
        });
        if (kind == "save as") {
            QVERIFY(f().window->saveCase(path("current.vorlan"))); // Save As opens in this folder
            saveAs(name);
            f().command(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        } else if (kind == "open") {
            f().window->openCase(file);
        } else {
            f().command(Qt::Key_N);
        }
        QVERIFY(!shown.isEmpty());
        QVERIFY2(!shown.join('|').contains("[not plain]"), qPrintable(shown.join('|')));
        QVERIFY2(shown.join('|').contains(name), qPrintable(shown.join('|')));
        QCOMPARE(QString::fromStdString(f().folder.read((name + ".vorlan").toStdString())), QString("an earlier case"));
    }

    void userFluidFirstUseFollowsTheGuideWithoutAnError()
    {
        // The guide's steps on a data folder without the fluid's file: pick it, "Options", tick
        // "Define user fluid", type the four properties, "Close".
        f().pick("Combo1", "User defined");
        QCOMPARE(f().w<QComboBox>("Combo4")->currentText(), QString("1"));
        f().click("Command2");
        OptionsDialog* options = f().window->optionsDialog();
        auto* check = options->findChild<QCheckBox*>("Check1");
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(check->isChecked());
        for (const auto& [box, text] :
            {std::pair {"Text3", "1000"}, {"Text4", "4,18"}, {"Text5", "0,6"}, {"Text6", "0,001"}})
            test::WindowFixture::type(options->box(box), text);
        QTest::mouseClick(options->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!options->isVisible());
        QCOMPARE(f().folder.read("User defined.dat"), std::string(kUserFluid1000));
        f().pick("Combo2", "User defined");
        QCOMPARE(f().w<QComboBox>("Combo5")->itemText(0), QString("1"));
        QCOMPARE(f().messages.size(), size_t(0));
    }

    void userFluidIsSavedWithTheCaseAndOfferedBackOnOpen()
    {
        f().describeCase();
        QVERIFY(f().window->saveCase(path("water.vorlan")));
        QVERIFY(f().folder.read("water.vorlan").find("userFluid") == std::string::npos); // not used: not kept

        f().folder.write("User defined.dat", kUserFluid1000);
        f().pick("Combo2", "User defined");
        QVERIFY(f().window->saveCase(path("user.vorlan")));
        QVERIFY(
            f().folder.read("user.vorlan").find("\"userFluid\": {\n    \"density\": \"1000\",") != std::string::npos);
        QVERIFY(f().window->openCase(path("user.vorlan")));
        QVERIFY(f().messages.empty()); // the folder's file holds the case's fluid

        const std::string redefined
            = "-100,1,800,2,0.2,0.01,-200\r\n0,1,800,2,0.2,0.01,0\r\n300,1,800,2,0.2,0.01,600\r\n";
        const struct {
            const char* name;
            std::string file; // of the data folder; empty for none
            QString inFolder;
        } rows[] = {
            {"redefined", redefined,
                "In the data folder: density 800 kg/m³, specific heat 2 kJ/(kg K), conductivity 0,2 "
                "W/(m K), viscosity 0,01 Pa s"},
            {"removed", "", "In the data folder: no file yet"},
        };
        for (const auto& row : rows) {
            std::filesystem::remove(f().folder.path() + "/User defined.dat");
            if (!row.file.empty())
                f().folder.write("User defined.dat", row.file);
            f().messages.clear();
            QVERIFY(f().window->openCase(path("user.vorlan")));
            QCOMPARE(f().messages.size(), size_t(1));
            const Message offer = f().messages[0];
            QCOMPARE(offer.text,
                QString("This case was saved with another definition of the fluid \"User defined\" than "
                        "the data folder's file: ")
                    + QString::fromStdString(f().folder.path() + "/User defined.dat"));
            QVERIFY2(offer.detail.startsWith("In the case: density 1000 kg/m³, specific heat 4,18 kJ/(kg K), "
                                             "conductivity 0,6 W/(m K), viscosity 0,001 Pa s\n"),
                qPrintable(offer.detail));
            QVERIFY2(offer.detail.endsWith(row.inFolder), qPrintable(offer.detail));
            QCOMPARE(offer.actionText, QString("Write the case's definition"));
            offer.action();
            QVERIFY2(f().folder.read("User defined.dat") == kUserFluid1000, row.name);
        }
    }

    void yourFluidsTablesTravelWithTheCase()
    {
        // Water's table as "Mine" among the user's fluids, in the internal pipe: Save asks whether
        // to carry it (Yes); with Mine gone, opening names it and offers to add it back.
        const std::string mine = userFluidFolder() + "/Mine.dat";
        std::filesystem::create_directories(userFluidFolder());
        std::filesystem::copy_file(f().folder.path() + "/Water.dat", mine);
        m_fixture = std::make_unique<test::WindowFixture>(); // its lists know Mine
        f().describeCase();
        f().pick("Combo1", "Mine");
        QString question;
        test::WindowFixture::whenModal([&question](QWidget* modal) {
            question = qobject_cast<QMessageBox*>(modal)->text();
            test::WindowFixture::press(modal, QMessageBox::Yes);
        });
        QVERIFY(f().window->saveCase(path("mine.vorlan")));
        QVERIFY2(question.startsWith("This case uses your own fluids."), qPrintable(question));
        QVERIFY(f().folder.read("mine.vorlan").find("\"fluidTables\": {\n    \"Mine\": \"") != std::string::npos);

        std::filesystem::remove(mine);
        f().messages.clear();
        QVERIFY(f().window->openCase(path("mine.vorlan")));
        QCOMPARE(f().messages.size(), size_t(1));
        QCOMPARE(f().messages[0].text,
            QString("This case carries the table of a fluid that is not among your fluids: \"Mine\" (internal pipe)"));
        QCOMPARE(f().w<QComboBox>("Combo4")->count(), 0);
        f().messages[0].action();
        QCOMPARE(f().folder.read("Water.dat"), readWholeFile(mine, 1 << 20));
        QVERIFY(f().w<QComboBox>("Combo2")->findText("Mine") >= 0);
        QVERIFY(f().w<QComboBox>("Combo4")->count() > 0);
        QCOMPARE(f().w<QComboBox>("Combo4")->currentText(), QString("1"));

        // A fluid no folder has and the case does not carry is named with its side.
        std::string text = f().folder.read("mine.vorlan");
        text.replace(text.find("\"Ethylene Glycol 30%\""), 21, "\"Benzene X\"");
        f().folder.write("gone.vorlan", text);
        f().messages.clear();
        QVERIFY(f().window->openCase(path("gone.vorlan")));
        QCOMPARE(f().messages.size(), size_t(1));
        QCOMPARE(f().messages[0].text,
            QString("The table of this case's fluid is found neither in the data folder nor among your fluids: "
                    "\"Benzene X\" (annulus)"));
        std::filesystem::remove(mine);
    }

    void namesFromFilesAreQuotedShortAndPlain()
    {
        const QString longName = QString("<b>") + QString(200, 'x');
        f().folder.write("odd.vorlan",
            "{\"format\": \"vorlan-case\", \"version\": 1, \"internalPipe\": {\"fluid\": \"" + longName.toStdString()
                + "\"}}");
        f().window->openCase(path("odd.vorlan"));
        QCOMPARE(f().messages.size(), size_t(1));
        QVERIFY(f().messages[0].text.size() < 200);
    }

    void aPickedStandardPipeIsTypedAndNamedBesideTheResults()
    {
        f().describeCase();
        f().click("externalStandardPipe");
        auto* picker = f().window->findChild<PipePicker*>();
        QVERIFY(picker != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(picker));
        test::WindowFixture::pick(picker->standardBox(), "ASME B36.10M");
        const QList<QTreeWidgetItem*> found = picker->list()->findItems("2\" Sch 40", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(
            picker->list()->viewport(), Qt::LeftButton, {}, picker->list()->visualItemRect(found[0]).center());
        QTest::mouseClick(picker->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(f().w("Text4")->text(), "60,33");
        QCOMPARE(f().w("Text5")->text(), "3,91");

        f().click("Command1");
        const QString name = "2\" Sch 40, 60,33 × 3,91 mm";
        QCOMPARE(f().window->resultsWindow()->findChild<QLabel*>("standardPipes")->text(), "External pipe: " + name);
        QVERIFY(report().contains(name));
        f().window->analysisViews()->showDetails();
        QVERIFY(f().window->analysisViews()->detailsWindow()->toPlainText().contains(name));
        QTest::keyClick(f().w("Text4"), Qt::Key_Z, Qt::ControlModifier); // typed, so it can be undone
        QCOMPARE(f().w("Text4")->text(), "50");
    }
};

QTEST_MAIN(CaseCommandsTest)
#include "casecommands_test.moc"
