// The windows as a user drives them, offscreen: start-up, input modes, key filter, fluid picks,
// Calculate with its results, the Options dialog, case files, the report and the menus.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>

#include "platform/appdir.h"
#include "platform/messages.h"
#include "properties/fluidlist.h"
#include "support/filesizelimit.h"
#include "support/tempfolder.h"
#include "ui/analysisreport.h"
#include "ui/analysisviews.h"
#include "ui/helpviewer.h"
#include "ui/mainwindow.h"
#include "ui/optionsdialog.h"
#include "ui/resultswindow.h"

using namespace vorlan;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;
    std::vector<Message> m_messages;

    template <typename T = QLineEdit> T* w(const char* name) const
    {
        T* widget = m_window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control %s", name);
        return widget;
    }
    QString textOf(const char* name) const { return w(name)->text(); }
    bool locked(const char* name) const
    {
        return w(name)->isReadOnly()
            && w(name)->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
    }
    bool editable(const char* name) const
    {
        return !w(name)->isReadOnly() && w(name)->palette().color(QPalette::Base) == QColor(Qt::white);
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
        type("Text1", "25");
        type("Text2", "2");
        type("Text4", "50");
        type("Text5", "3");
        type("Text6", "80");
        type("Text7", "60");
        type("Text9", "20");
        type("Text11", "0,5");
        type("Text12", "10");
    }
    MessageHandler recorder()
    {
        return [this](const Message& message) { m_messages.push_back(message); };
    }
    ResultsWindow* results() const { return m_window->resultsWindow(); }
    QString result(const char* box) const { return results()->findChild<QLineEdit*>(box)->text(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // the recent cases of a scratch account
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        const std::string shipped = QuestaDirectory() + "/data/";
        for (const char* file : {"Water.dat", "Ethylene Glycol 30%.dat", "condmat.dat"})
            std::filesystem::copy_file(shipped + file, m_folder->path() + "/" + file);
        m_folder->write(
            "Air.dat", "0,1,1,1,1,1,0\r\n10,1,1,1,1,1,1\r\n20,5,1,1,1,1,0\r\n30,5,1,1,1,1,1\r\n40,10,1,1,1,1,2\r\n");
        m_messages.clear();
        m_window = std::make_unique<MainWindow>(m_folder->path(), QString::fromStdString(m_folder->path()), recorder());
        m_window->show();
    }

    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    void displayRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Rei 230.5 to even") << "Rei" << 230.5 << "Text28"
                                           << "230";
        QTest::newRow("Rei 231.5 to even") << "Rei" << 231.5 << "Text28"
                                           << "232";
        QTest::newRow("U 123.5") << "U" << 123.5 << "Text26"
                                 << "124";
        QTest::newRow("U 124.5") << "U" << 124.5 << "Text26"
                                 << "124";
        QTest::newRow("intTin 3 decimals") << "intTin" << 45.12349 << "Text11"
                                           << "45,123";
        QTest::newRow("intTin whole") << "intTin" << 20.0 << "Text11"
                                      << "20";
        QTest::newRow("fouling plain") << "intSporc" << 0.0002 << "Text21"
                                       << "0,0002";
        QTest::newRow("fouling all digits") << "intSporc" << 0.00035 << "Text21"
                                            << "0,00035";
        QTest::newRow("diameter single") << "deti" << 25.4 << "Text1"
                                         << "25,4";
        QTest::newRow("capacity 7 digits") << "q" << 12345.678 << "Text23"
                                           << "12345,68";
    }

    void displayRules()
    {
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        ResultRecord record;
        const std::map<QString, std::function<void(double)>> setters = {
            {"Rei", [&](double v) { record.Rei = v; }},
            {"U", [&](double v) { record.U = float(v); }},
            {"intTin", [&](double v) { record.intTin = v; }},
            {"intSporc", [&](double v) { record.intSporc = v; }},
            {"deti", [&](double v) { record.deti = float(v); }},
            {"q", [&](double v) { record.q = float(v); }},
        };
        setters.at(field)(value);
        ResultsWindow window;
        window.Risultati(record);
        QCOMPARE(window.findChild<QLineEdit*>(box)->text(), shown);
    }

    void configurationText()
    {
        ResultsWindow window;
        ResultRecord record;
        for (const auto& [configuration, shown] : {std::pair {Configuration::Countercurrent, "Contercurrent"},
                 std::pair {Configuration::Cocurrent, "Equicurrent"}}) {
            record.configuration = configuration;
            window.Risultati(record);
            QCOMPARE(window.findChild<QLineEdit*>("Text27")->text(), QString(shown));
        }
    }

    void startUpState()
    {
        QCOMPARE(m_window->windowTitle(), QString("Vorlan - Quessel"));
        for (int i = 1; i <= 12; ++i)
            QVERIFY(w(qPrintable(QString("Text%1").arg(i)))->text().isEmpty());
        for (const char* option : {"Option1", "Option3", "Option5", "Option8"})
            QVERIFY(w<QRadioButton>(option)->isChecked());
        QVERIFY(!w<QRadioButton>("Option7")->isEnabled());
        for (const char* box : {"Text8", "Text10", "Text3"})
            QVERIFY2(locked(box), box);
        for (const char* box : {"Text7", "Text11", "Text12"})
            QVERIFY2(editable(box), box);
        // The sixteen fluids first and in their order, then 5 headings and 53 library fluids.
        QCOMPARE(w<QComboBox>("Combo1")->count(), 16 + 5 + 53);
        QCOMPARE(w<QComboBox>("Combo1")->itemText(0), QString("Water"));
        QCOMPARE(w<QComboBox>("Combo2")->itemText(15), QString("User defined"));
        QCOMPARE(w<QComboBox>("Combo2")->itemText(16), QString("Refrigerants"));
        QCOMPARE(w<QComboBox>("Combo3")->count(), 11);
        for (const char* combo : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5"})
            QVERIFY(w<QComboBox>(combo)->currentText().isEmpty());
        QCOMPARE(w<QComboBox>("Combo4")->count(), 0);
        QVERIFY(m_messages.empty());
        QCOMPARE(m_window->centralWidget()->size(), QSize(497, 474)); // 7455 x 7110 twips
    }

    void modeRules()
    {
        w<QRadioButton>("Option4")->setChecked(true);
        QVERIFY(locked("Text7"));
        QVERIFY(editable("Text8"));
        QVERIFY(w<QRadioButton>("Option7")->isEnabled());
        type("Text11", "0,5");
        w<QRadioButton>("Option7")->setChecked(true);
        QVERIFY(textOf("Text11").isEmpty());
        QVERIFY(locked("Text11"));
        QVERIFY(editable("Text10"));

        type("Text10", "40");
        type("Text8", "2");
        w<QRadioButton>("Option3")->setChecked(true); // forces the external mass flow
        QVERIFY(w<QRadioButton>("Option8")->isChecked());
        QVERIFY(!w<QRadioButton>("Option7")->isEnabled());
        QVERIFY(textOf("Text10").isEmpty());
        QVERIFY(textOf("Text8").isEmpty());
        QVERIFY(editable("Text7") && editable("Text11") && locked("Text8") && locked("Text10"));

        type("Text12", "10");
        w<QRadioButton>("Option6")->setChecked(true);
        QCOMPARE(textOf("Text12"), QString("10")); // kept, locked
        QVERIFY(locked("Text12") && editable("Text3"));
        type("Text3", "40");
        w<QRadioButton>("Option5")->setChecked(true);
        QCOMPARE(textOf("Text3"), QString("40"));
        QVERIFY(locked("Text3") && editable("Text12"));
    }

    void keyFilter()
    {
        type("Text1", "12.5");
        QCOMPARE(textOf("Text1"), QString("12,5"));
        QTest::keyClicks(w("Text1"), ".,");
        QCOMPARE(textOf("Text1"), QString("12,5"));
        type("Text1", "-5e+x 3");
        QCOMPARE(textOf("Text1"), QString("53"));
        type("Text6", "-5,5");
        QCOMPARE(textOf("Text6"), QString("-5,5")); // temperatures may be negative
        QTest::keyClicks(w("Text6"), "-");
        QCOMPARE(textOf("Text6"), QString("-5,5"));
        type("Text9", "5-");
        QCOMPARE(textOf("Text9"), QString("5"));
        // A sign typed over the whole text selected from its start to its end replaces it.
        for (const char* before : {"15", "-15"}) {
            type("Text9", before);
            QTest::keyClick(w("Text9"), Qt::Key_Home);
            QTest::keyClick(w("Text9"), Qt::Key_End, Qt::ShiftModifier);
            QTest::keyClicks(w("Text9"), "-10");
            QCOMPARE(textOf("Text9"), QString("-10"));
        }
        type("Text9", "-15");
        QTest::keyClick(w("Text9"), Qt::Key_End);
        QTest::keyClick(w("Text9"), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClicks(w("Text9"), "-");
        QCOMPARE(textOf("Text9"), QString("-15")); // a selection that is not at the start stays
        type("Text2", "7");
        QTest::keyClick(w("Text2"), Qt::Key_Backspace);
        QVERIFY(textOf("Text2").isEmpty());
    }

    void editingKeys_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("ctrlKeys"); // the letters pressed with Ctrl, in order
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboardAfter"); // the clipboard holds "<b> 1.5e-3" before
        const char* const pasted = "<b> 1.5e-3";
        const char* const rows[][6] = {{"paste: what typing drops is dropped", "Text2", "7", "V", "71,53", pasted},
            {"paste over all selected", "Text2", "7,2", "AV", "1,53", pasted},
            {"paste into a temperature", "Text6", "", "V", "1,53", pasted}, {"cut", "Text1", "25", "AX", "", "25"},
            {"cut, undone", "Text1", "25", "AXZ", "25", "25"},
            {"copy out of a locked box", "Text8", "0,6", "AC", "0,6", "0,6"},
            {"no paste into a locked box", "Text8", "0,6", "AV", "0,6", pasted}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]) << QString(row[4])
                                  << QString(row[5]);
    }

    void editingKeys()
    {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, ctrlKeys);
        QFETCH(QString, after);
        QFETCH(QString, clipboardAfter);
        QGuiApplication::clipboard()->setText("<b> 1.5e-3");
        w(qPrintable(box))->setText(before);
        for (const QChar letter : ctrlKeys)
            QTest::keyClick(w(qPrintable(box)), letter.toLatin1(), Qt::ControlModifier);
        QCOMPARE(textOf(qPrintable(box)), after);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboardAfter);
    }

    void pickingAFluidFillsItsPressureList()
    {
        pick("Combo1", "Water");
        auto* pressures = w<QComboBox>("Combo4");
        QStringList entries;
        for (int i = 0; i < pressures->count(); ++i)
            entries << pressures->itemText(i);
        QCOMPARE(entries, (QStringList {"1", "2", "5", "10", "20"}));
        QCOMPARE(pressures->currentText(), QString("1"));
        QCOMPARE(w<QComboBox>("Combo5")->count(), 0);

        pick("Combo2", "Air"); // pressures 1, 1, 5, 5, 10: the last row alone is not offered
        QCOMPARE(w<QComboBox>("Combo5")->count(), 2);
        QCOMPARE(w<QComboBox>("Combo5")->itemText(1), QString("5"));

        w<QComboBox>("Combo1")->setEditText("Nitrogen"); // typed, not picked: nothing loads
        QCOMPARE(pressures->count(), 5);
        pick("Combo1", "Nitrogen"); // no such file in this data folder
        QCOMPARE(pressures->count(), 0);
        QCOMPARE(m_messages.size(), size_t(1));
        QVERIFY(m_messages[0].text.contains("Nitrogen.dat"));
    }

    void aLibraryFluidIsPickedByTypingPartOfItsName()
    {
        // Toluene inside, benzene in the annulus (Kern's Example 6.1 pairs them), each found by
        // typing part of its name in any letter case and picking it from the names shown.
        for (const char* file : {"Toluene.dat", "Benzene.dat"})
            std::filesystem::copy_file(QuestaDirectory() + "/data/" + file, m_folder->path() + "/" + file);
        describeCase();
        for (const auto& [combo, typed, fluid, shown] :
            {std::tuple {"Combo1", "TOLU", "Toluene", 1}, {"Combo2", "benz", "Benzene", 2}}) {
            QLineEdit* edit = w<QComboBox>(combo)->lineEdit();
            edit->clear();
            QTest::keyClicks(edit, typed);
            QCompleter* completer = edit->completer();
            QTRY_VERIFY(completer->popup()->isVisible());
            QCOMPARE(completer->completionCount(), shown); // "benz" is in Ethylbenzene too
            QTest::keyClick(completer->popup(), Qt::Key_Down);
            QTest::keyClick(completer->popup(), Qt::Key_Return);
            QCOMPARE(w<QComboBox>(combo)->currentText(), QString(fluid));
        }
        QCOMPARE(w<QComboBox>("Combo4")->currentText(), QString("1")); // the pick loaded the table
        QVERIFY(w<QComboBox>("Combo5")->count() > 0);
        type("Text9", "20");
        type("Text7", "50");
        QTest::mouseClick(w<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY2(m_messages.empty(), m_messages.empty() ? "" : qPrintable(m_messages[0].detail));
        QVERIFY(results() != nullptr && results()->isVisible());
        QCOMPARE(result("Text7"), QString("Toluene"));
    }

    void aRefusedCaseOffersItsRobustSolution()
    {
        // 2000 m of the worked example: NTU above 20, which Calculate refuses; the robust solution
        // is one button away and is shown as the solved case under its banner.
        describeCase();
        type("Text12", "2000");
        QTest::mouseClick(w<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(m_messages.size(), size_t(1));
        const Message refusal = m_messages[0];
        QCOMPARE(refusal.text, QString(msg::NtuTooHigh));
        QVERIFY2(refusal.detail.contains("Robust solution: "), qPrintable(refusal.detail));
        QCOMPARE(refusal.actionText, QString("Show the robust solution"));
        QVERIFY(textOf("Text3").isEmpty() && results() == nullptr);

        refusal.action();
        QVERIFY(!textOf("Text3").isEmpty() && !textOf("Text8").isEmpty() && !textOf("Text10").isEmpty());
        QVERIFY(results() != nullptr && results()->isVisible());
        QCOMPARE(result("Text23"), textOf("Text3"));
        const auto* banner = results()->findChild<QLabel*>("banner");
        QVERIFY(banner != nullptr && banner->isVisible());
        QVERIFY2(banner->text().startsWith("Robust solution"), qPrintable(banner->text()));
        QVERIFY(m_window->analysisViews()->latest()->details.has_value()); // analysed like a calculated case

        type("Text12", "12"); // a case Calculate solves clears the banner
        QTest::mouseClick(w<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(!banner->isVisible());
    }

    void calculateShowsResultsAndWritesBack()
    {
        describeCase();
        QTest::mouseClick(w<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY2(m_messages.empty(), m_messages.empty() ? "" : qPrintable(m_messages[0].text));
        QVERIFY(results() != nullptr && results()->isVisible());
        QVERIFY(QRegularExpression("^\\d+(,\\d{1,3})?$").match(textOf("Text3")).hasMatch());
        QVERIFY(QRegularExpression("^0,\\d{1,4}$").match(textOf("Text8")).hasMatch());
        QVERIFY(QRegularExpression("^\\d+(,\\d{1,4})?$").match(textOf("Text10")).hasMatch());
        QCOMPARE(textOf("Text7"), QString("60"));
        QCOMPARE(result("Text23"), textOf("Text3")); // the capacity, to 3 decimals in both
        QCOMPARE(result("Text27"), QString("Contercurrent"));
        QCOMPARE(result("Text1"), QString("25"));
        QVERIFY(result("Text23").size() > 0 && results()->findChild<QLineEdit*>("Text23")->font().bold());
        QVERIFY(m_window->optionsDialog() != nullptr && !m_window->optionsDialog()->isVisible());

        const QString firstCapacity = result("Text23");
        type("Text12", "20");
        QTest::mouseClick(w<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(result("Text23") != firstCapacity); // the same window, new values
        const QString secondCapacity = result("Text23");

        w<QComboBox>("Combo4")->setEditText("3");
        QTest::mouseClick(w<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].text, QString("Invalid pressure of internal fluid"));
        QCOMPARE(m_messages[0].title, QString("Vorlan"));
        QCOMPARE(m_messages[0].icon, QMessageBox::Warning);
        QCOMPARE(result("Text23"), secondCapacity); // a failure leaves the results alone

        QTest::mouseClick(results()->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(results() != nullptr && !results()->isVisible()); // "Close" only hides
        results()->close();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(results() == nullptr); // the close box destroys it
    }

    void optionsDialogWritesTheUserFluid()
    {
        m_window->showOptions();
        OptionsDialog* options = m_window->optionsDialog();
        QVERIFY(options->isVisible());
        auto* check = options->findChild<QCheckBox*>("Check1");
        QVERIFY(!check->isEnabled() && !check->isChecked());
        for (const char* box : {"Text3", "Text4", "Text5", "Text6"})
            QVERIFY(options->box(box)->isReadOnly() && options->box(box)->text().isEmpty());

        w<QComboBox>("Combo2")->setEditText("User defined");
        m_window->showOptions();
        QVERIFY(check->isEnabled() && !check->isChecked());
        QVERIFY(!options->box("Text3")->isReadOnly());
        check->setChecked(true); // no file yet: the first definition, nothing to report
        QCOMPARE(m_messages.size(), size_t(0));
        QVERIFY(!options->box("Text3")->isReadOnly());

        options->box("Text3")->setText("1000");
        options->box("Text4")->setText("4,18");
        options->box("Text5")->setText("abc");
        options->box("Text6")->setText("0,001");
        QTest::mouseClick(options->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].text, QString("Not a number: Conductivity"));
        QVERIFY(options->isVisible());
        QVERIFY(!std::filesystem::exists(m_folder->path() + "/User defined.dat"));

        options->box("Text5")->setText("0,6");
        QTest::mouseClick(options->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!options->isVisible());
        QCOMPARE(QString::fromStdString(m_folder->read("User defined.dat")),
            QString("-100,1,1000,4.18,0.6,0.001,-418\r\n0,1,1000,4.18,0.6,0.001,0\r\n"
                    "300,1,1000,4.18,0.6,0.001,1254\r\n"));

        m_window->showOptions(); // ticked boxes are cleared by the preparation, then ticked again
        options->box("Text3")->setText("5");
        check->setChecked(true);
        QCOMPARE(options->box("Text3")->text(), QString("1000")); // the file's values
        QCOMPARE(options->box("Text6")->text(), QString("0,001"));
    }

    void foulingTypedIntoTheOpenDialogIsUsed()
    {
        describeCase();
        m_window->showOptions();
        m_window->optionsDialog()->box("Text1")->setText("0,0002");
        m_window->calculate();
        QVERIFY(m_messages.empty());
        QCOMPARE(result("Text21"), QString("0,0002"));
        QCOMPARE(result("Text22"), QString("0"));
    }

    void saveAndOpenRoundTrip()
    {
        describeCase();
        w<QRadioButton>("Option2")->setChecked(true);
        w<QRadioButton>("Option6")->setChecked(true);
        type("Text3", "30");
        m_window->calculate();
        const CaseContents before = m_window->caseContents();
        const QString path = QString::fromStdString(m_folder->path() + "/case.vorlan");
        QVERIFY(m_window->saveCase(path));

        m_window->newCase();
        QVERIFY(textOf("Text1").isEmpty());
        QVERIFY(m_window->openCase(path));
        const CaseContents after = m_window->caseContents();
        QVERIFY(before.texts == after.texts);
        QVERIFY(after.flowMode() == before.flowMode() && after.lengthGiven == before.lengthGiven
            && after.counterCurrent == before.counterCurrent);
        QCOMPARE(w<QComboBox>("Combo4")->count(), 5); // the pressure list as a pick fills it

        m_folder->write("corrupt.vorlan", "{\"format\": \"vorlan-case\", \"version\": 1");
        QVERIFY(!m_window->openCase(QString::fromStdString(m_folder->path() + "/corrupt.vorlan")));
        QCOMPARE(m_messages.size(), size_t(1));
        QVERIFY(m_messages[0].text.contains("corrupt.vorlan"));
        QVERIFY(m_window->caseContents().texts == after.texts);
    }

    void hostileFluidNamesReadNothingOutsideTheDataFolder()
    {
        // A sentinel table outside the data folder, where each traversal would land.
        test::TempFolder outside;
        const std::string sentinel = "SENTINEL-91c4";
        outside.write("Secret.dat", "0,1," + sentinel + ",1,1,1,0\r\n");
        outside.write("Secret", sentinel);
        const std::string up = "../" + std::filesystem::path(outside.path()).filename().string() + "/Secret";
        const auto mentionsSentinel = [&] {
            return std::any_of(m_messages.begin(), m_messages.end(),
                [&](const Message& m) { return m.text.contains(QString::fromStdString(sentinel)); });
        };

        // Typed into a fluid box, then picked.
        for (const std::string& typed : {up, std::string("..\\Secret"), std::string("Water\0", 6)}) {
            m_messages.clear();
            auto* box = w<QComboBox>("Combo1");
            box->setEditText(QString::fromUtf8(typed.data(), qsizetype(typed.size())));
            emit box->activated(box->currentIndex());
            QCOMPARE(m_messages.size(), size_t(1));
            QVERIFY2(m_messages[0].text.startsWith(msg::FluidFileUnreadable), qPrintable(m_messages[0].text));
            QVERIFY2(
                m_messages[0].text.contains("cannot name a file of the data folder"), qPrintable(m_messages[0].text));
            QCOMPARE(w<QComboBox>("Combo4")->count(), 0);
        }

        // From a case file, with a NUL that would cut ".dat" off, then calculated.
        describeCase();
        QVERIFY(m_window->saveCase(QString::fromStdString(m_folder->path() + "/good.vorlan")));
        for (const std::string& fluid : {up, up + ".dat\\u0000", std::string("Water\\u0000")}) {
            std::string text = m_folder->read("good.vorlan");
            const std::string water = "\"fluid\": \"Water\"";
            text.replace(text.find(water), water.size(), "\"fluid\": \"" + fluid + "\"");
            const std::string path = m_folder->write("hostile.vorlan", text);
            m_messages.clear();
            QVERIFY(m_window->openCase(QString::fromStdString(path)));
            QCOMPARE(m_messages.size(), size_t(1));
            QVERIFY2(
                m_messages[0].text.contains("cannot name a file of the data folder"), qPrintable(m_messages[0].text));
            m_window->calculate();
            QCOMPARE(m_messages.size(), size_t(2));
            QCOMPARE(m_messages[1].text, QString(msg::InvalidData));
            QVERIFY(!mentionsSentinel());
        }
    }

    void userFluidWithPhysicalNonsenseIsNotWritten()
    {
        w<QComboBox>("Combo2")->setEditText("User defined");
        m_window->showOptions();
        OptionsDialog* options = m_window->optionsDialog();
        options->findChild<QCheckBox*>("Check1")->setChecked(true);
        const struct {
            const char* density;
            const char* specificHeat;
            const char* conductivity;
            const char* viscosity;
            const char* message;
        } rows[] = {
            {"-1000", "4,18", "0,6", "0,001", msg::DensityNotPositive},
            {"1000", "0", "0,6", "0,001", msg::SpecificHeatNotPositive},
            {"1000", "4,18", "-0,6", "0,001", msg::ConductivityNotPositive},
            {"1000", "4,18", "0,6", "0", msg::ViscosityNotPositive},
        };
        m_folder->write("User defined.dat", "previous");
        for (const auto& row : rows) {
            for (const auto& [box, text] : {std::pair {"Text3", row.density}, std::pair {"Text4", row.specificHeat},
                     std::pair {"Text5", row.conductivity}, std::pair {"Text6", row.viscosity}}) {
                options->box(box)->clear();
                QTest::keyClicks(options->box(box), text);
            }
            m_messages.clear();
            QTest::mouseClick(options->findChild<QPushButton*>("Command1"), Qt::LeftButton);
            QCOMPARE(m_messages.size(), size_t(1));
            QCOMPARE(m_messages[0].text, QString(row.message));
            QVERIFY(options->isVisible());
            QCOMPARE(QString::fromStdString(m_folder->read("User defined.dat")), QString("previous"));
        }
    }

    void reportHoldsTheCaseAndTheResults()
    {
        // A slow annulus flow over 40 m: seven warnings, which the second page holds with the
        // picture made smaller.
        describeCase();
        type("Text9", "15");
        type("Text11", "0,02");
        type("Text12", "40");
        m_window->calculate();
        QCOMPARE(m_window->analysisViews()->latest()->warnings.size(), std::size_t(7));
        const QString crowded = QString::fromStdString(m_folder->path() + "/crowded.pdf");
        {
            QPdfWriter writer(crowded);
            QVERIFY(m_window->printReport(&writer) < kProfilePictureHeights[0]);
        }
        QPdfDocument crowdedReport;
        QCOMPARE(crowdedReport.load(crowded), QPdfDocument::Error::None);
        QCOMPARE(crowdedReport.pageCount(), 2);
        QVERIFY(crowdedReport.getAllText(1).text().contains("Temperature profile"));

        describeCase();
        type("Text9", "20");
        m_window->calculate();
        const QString path = QString::fromStdString(m_folder->path() + "/report.pdf");
        {
            QPdfWriter writer(path);
            QCOMPARE(m_window->printReport(&writer), kProfilePictureHeights[0]); // one warning: the largest picture
        }
        QPdfDocument document;
        QCOMPARE(document.load(path), QPdfDocument::Error::None);
        QCOMPARE(document.pageCount(), 2); // the case and its results, then their analysis
        const QString analysis = document.getAllText(1).text();
        for (const QString& expected :
            {QString("Details of the solution"), QString("Pressure drop of the bends"), QString("Warnings")})
            QVERIFY2(analysis.contains(expected), qPrintable(expected));
        const QString text = document.getAllText(0).text();
        for (const QString& expected :
            {QString("INTERNAL PIPE"), QString("Water"), QString("Copper"), textOf("Text3"), QString("Contercurrent")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
    }

    void newCaseRestoresTheStartUpState()
    {
        describeCase();
        w<QRadioButton>("Option4")->setChecked(true);
        w<QRadioButton>("Option7")->setChecked(true);
        w<QRadioButton>("Option2")->setChecked(true);
        m_window->newCase();
        for (int i = 1; i <= 12; ++i)
            QVERIFY(w(qPrintable(QString("Text%1").arg(i)))->text().isEmpty());
        for (const char* option : {"Option1", "Option3", "Option5", "Option8"})
            QVERIFY(w<QRadioButton>(option)->isChecked());
        QVERIFY(!w<QRadioButton>("Option7")->isEnabled());
        QVERIFY(editable("Text7") && editable("Text11") && locked("Text8") && locked("Text10"));
        QVERIFY(w<QComboBox>("Combo1")->currentText().isEmpty());
        QCOMPARE(w<QComboBox>("Combo4")->count(), 5); // the lists stay
    }

    void unreadableFilesAreReportedOnce()
    {
        // The user fluid file cannot be replaced: a folder stands in its way.
        std::filesystem::create_directory(m_folder->path() + "/User defined.dat");
        w<QComboBox>("Combo1")->setEditText("User defined");
        m_window->showOptions();
        OptionsDialog* options = m_window->optionsDialog();
        options->findChild<QCheckBox*>("Check1")->setChecked(true);
        m_messages.clear();
        for (const char* box : {"Text3", "Text4", "Text5", "Text6"})
            options->box(box)->setText("1");
        options->closeDialog();
        QCOMPARE(m_messages.size(), size_t(1));
        QVERIFY(m_messages[0].text.startsWith("Cannot write the user-defined fluid file"));
        QVERIFY(options->isVisible());

        // A write that fails part-way (the disk is full) leaves the previous file as it was.
        std::filesystem::remove(m_folder->path() + "/User defined.dat");
        m_folder->write("User defined.dat", "previous");
        m_messages.clear();
        {
            test::FileSizeLimit fullDisk(8);
            options->closeDialog();
        }
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(m_folder->read("User defined.dat")), QString("previous"));

        // The same for a case saved over a file that cannot be replaced.
        m_folder->write("kept.vorlan", "old case");
        m_messages.clear();
        {
            test::FileSizeLimit fullDisk(8);
            QVERIFY(!m_window->saveCase(QString::fromStdString(m_folder->path() + "/kept.vorlan")));
        }
        QCOMPARE(m_messages.size(), size_t(1));
        QVERIFY(m_messages[0].text.startsWith(msg::CaseNotSaved));
        QCOMPARE(QString::fromStdString(m_folder->read("kept.vorlan")), QString("old case"));

        // A data folder without condmat.dat: the window starts with an empty material list.
        std::filesystem::remove(m_folder->path() + "/condmat.dat");
        m_messages.clear();
        MainWindow withoutMaterials(m_folder->path(), {}, recorder());
        QCOMPARE(withoutMaterials.findChild<QComboBox*>("Combo3")->count(), 0);
        QCOMPARE(m_messages.size(), size_t(1));
        QVERIFY(m_messages[0].text.endsWith("/condmat.dat"));
    }

    void helpShowsTheGuideOfTheBuild()
    {
        MainWindow beside(m_folder->path(), QString::fromStdString(QuestaDirectory()), recorder());
        beside.showHelp();
        QVERIFY(beside.helpViewer()->document()->pageCount() > 1);
    }

    void userGuideNamesEveryFluidAndMessage()
    {
        QPdfDocument guide;
        QCOMPARE(
            guide.load(QString::fromStdString(QuestaDirectory() + "/Using Vorlan.pdf")), QPdfDocument::Error::None);
        QVERIFY(guide.pageCount() > 1);
        QString text;
        for (int page = 0; page < guide.pageCount(); ++page)
            text += guide.getAllText(page).text() + " ";
        text = text.simplified(); // line breaks of the layout become blanks
        for (const std::string_view fluid : kFluidNames)
            QVERIFY2(text.contains(QString::fromUtf8(fluid.data(), qsizetype(fluid.size()))), fluid.data());
        for (const char* message :
            {msg::InvalidData, msg::InvalidPressureInternal, msg::InvalidPressureExternal, msg::InvalidTemperatures,
                msg::TemperaturesOutOfRange, msg::CapacityTooHigh, msg::NtuTooHigh, msg::NotConverged,
                msg::FluidFileUnreadable, msg::MaterialsUnreadable, msg::NotANumber, msg::UserFluidUnreadable,
                msg::UserFluidNotWritten, msg::UserFluidDiffers, msg::CaseNotOpened, msg::CaseNotSaved}) {
            // The messages that name a file or box: their words up to the first punctuation.
            const QString words = QString(message).section(QRegularExpression("[:;(]"), 0, 0).trimmed();
            QVERIFY2(text.contains(words), qPrintable(words));
        }
    }

    void guideKeepsEveryHeadingWithItsText()
    {
        QFile source(VORLAN_GUIDE_SOURCE);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QStringList headings;
        for (const QString& line : QString::fromUtf8(source.readAll()).split('\n'))
            if (line.startsWith('#'))
                headings << line.section(' ', 1).trimmed();
        QVERIFY(headings.size() > 5);

        QPdfDocument guide;
        QCOMPARE(
            guide.load(QString::fromStdString(QuestaDirectory() + "/Using Vorlan.pdf")), QPdfDocument::Error::None);
        for (int page = 0; page < guide.pageCount(); ++page) {
            const QStringList lines
                = guide.getAllText(page).text().split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts);
            QVERIFY(!lines.isEmpty());
            const QString last = lines.back().trimmed();
            QVERIFY2(!headings.contains(last), qPrintable(QString("page %1 ends with \"%2\"").arg(page + 1).arg(last)));
        }
    }

    void aboutAndHelp()
    {
        m_window->showAbout();
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].icon, QMessageBox::Information);
        QCOMPARE(m_messages[0].title, QString("About"));
        QCOMPARE(m_messages[0].text, QString("Vorlan 1.0.2\r\nQuessel Calculator"));

        m_window->showHelp(); // no guide in this folder: an empty viewer
        QVERIFY(m_window->helpViewer() != nullptr && m_window->helpViewer()->isVisible());
        QCOMPARE(m_window->helpViewer()->document()->pageCount(), 0);
        HelpViewer* first = m_window->helpViewer();
        m_window->showHelp();
        QCOMPARE(m_window->helpViewer(), first); // shown again, not rebuilt
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
