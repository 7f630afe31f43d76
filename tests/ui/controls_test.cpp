// The controls as a user meets them, typing and clicking: fluid names typed or picked, the start
// of a long material name, frames on their rectangles, the Options dialog's place and messages,
// the numeric boxes' context menu, the keys of the commands and the help viewer.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolButton>
#include <QTreeView>

#include "ui/helpviewer.h"
#include "ui/optionsdialog.h"
#include "ui/pagehighlight.h"
#include "ui/resultswindow.h"
#include "windowfixture.h"

using namespace vorlan;

class ControlsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowFixture> m_fixture;
    test::WindowFixture& f() { return *m_fixture; }

    /** The row of the frame's top line: the first row whose middle third is drawn in one dark colour. */
    static int topLineRow(QWidget* frame)
    {
        const QImage image = frame->grab().toImage();
        const QColor background = frame->palette().color(QPalette::Window);
        for (int y = 0; y < image.height(); ++y) {
            int dark = 0;
            for (int x = image.width() / 3; x < 2 * image.width() / 3; ++x)
                dark += qGray(image.pixel(x, y)) + 40 < qGray(background.rgb());
            if (dark > image.width() / 3 - 2)
                return y;
        }
        return -1;
    }

    /** True when some pixel of the row band [top, bottom) within [left, right) differs from the background. */
    static bool inkBetween(QWidget* frame, int left, int right, int top, int bottom)
    {
        const QImage image = frame->grab().toImage();
        const QRgb background = frame->palette().color(QPalette::Window).rgb();
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (qGray(image.pixel(x, y)) + 60 < qGray(background))
                    return true;
        return false;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_fixture = std::make_unique<test::WindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void typedFluidNamesStayAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("leaveKey");
        QTest::newRow("lower case, Tab") << "water" << int(Qt::Key_Tab);
        QTest::newRow("lower case, Enter") << "water" << int(Qt::Key_Return);
        QTest::newRow("entry's own case, Tab") << "Water" << int(Qt::Key_Tab);
        QTest::newRow("entry's own case, Enter") << "Water" << int(Qt::Key_Return);
        QTest::newRow("prefix of an entry") << "Wat" << int(Qt::Key_Tab);
        QTest::newRow("user fluid in other case") << "user defined" << int(Qt::Key_Tab);
    }

    void typedFluidNamesStayAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(int, leaveKey);
        for (const char* side : {"Combo1", "Combo2"}) {
            f().type(side, typed);
            QTest::keyClick(f().w<QComboBox>(side), Qt::Key(leaveKey));
            QCOMPARE(f().w<QComboBox>(side)->currentText(), typed);
        }
        // Typing runs no fluid pick: both pressure lists stay empty, and nothing was loaded.
        QCOMPARE(f().w<QComboBox>("Combo4")->count(), 0);
        QCOMPARE(f().w<QComboBox>("Combo5")->count(), 0);
        QVERIFY(f().w<QComboBox>("Combo4")->currentText().isEmpty());
        QVERIFY(f().messages.empty());
    }

    void letterCaseOfTheUserFluidCountsAsAnotherFluid()
    {
        f().type("Combo1", "user defined");
        QTest::keyClick(f().w<QComboBox>("Combo1"), Qt::Key_Tab);
        f().click("Command2");
        auto* check = f().window->optionsDialog()->findChild<QCheckBox*>("Check1");
        QVERIFY(!check->isEnabled()); // "user defined" is not "User defined"
    }

    void pickingFromTheListRunsThePick()
    {
        f().pick("Combo1", "Water"); // arrow keys
        QCOMPARE(f().w<QComboBox>("Combo4")->count(), 5);
        QCOMPARE(f().w<QComboBox>("Combo4")->currentText(), QString("1"));

        auto* external = f().w<QComboBox>("Combo2"); // the mouse, in the open list
        external->showPopup();
        auto* list = qobject_cast<QListView*>(external->view());
        const QModelIndex entry = list->model()->index(external->findText("Ethylene Glycol 30%"), 0);
        list->scrollTo(entry);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
        QCOMPARE(external->currentText(), QString("Ethylene Glycol 30%"));
        QVERIFY(f().w<QComboBox>("Combo5")->count() > 0);
        QCOMPARE(f().w<QComboBox>("Combo5")->currentText(), QString("1"));
    }

    void longNamesShowTheirStart()
    {
        f().pick("Combo3", "Stainless steel AISI 316");
        QLineEdit* material = f().w<QComboBox>("Combo3")->lineEdit();
        QCOMPARE(material->text(), QString("Stainless steel AISI 316"));
        QVERIFY(material->fontMetrics().horizontalAdvance(material->text()) > material->width()); // it is long
        QCOMPARE(material->cursorPosition(), 0); // the line edit scrolls so that its cursor is in view

        f().pick("Combo2", "Ethylene Glycol 30%");
        QCOMPARE(f().w<QComboBox>("Combo2")->lineEdit()->cursorPosition(), 0);
    }

    void framesLieOnTheirRectangles()
    {
        auto* size = f().w<QGroupBox>("Frame2"); // no caption
        auto* configuration = f().w<QGroupBox>("Frame3");
        QCOMPARE(size->y(), configuration->y()); // 5160 twips both
        const int sizeLine = topLineRow(size);
        const int configurationLine = topLineRow(configuration);
        QVERIFY(sizeLine >= 0);
        QCOMPARE(configurationLine, sizeLine); // a shared top is one line

        // The caption's top is the frame's top and the line runs through the caption.
        for (const char* name : {"Frame1", "Frame4", "Frame3"}) {
            auto* frame = f().w<QGroupBox>(name);
            const int line = topLineRow(frame);
            const int captionHeight = frame->fontMetrics().height();
            QVERIFY2(line > 0 && line < captionHeight, name);
            QVERIFY2(inkBetween(frame, 8, 40, 0, line), name); // caption ink above the line
            QVERIFY2(inkBetween(frame, 8, 40, line + 1, captionHeight), name); // and below it
        }
        // The first row of boxes, at 360 twips, lies 24 pixels below the frame's top.
        QCOMPARE(f().w("Text1")->y(), 24);
    }

    void optionsDialogStandsBesideTheMainWindow()
    {
        f().click("Command2");
        OptionsDialog* options = f().window->optionsDialog();
        QVERIFY(options->isVisible());
        const QRect main = f().window->frameGeometry();
        QVERIFY(options->frameGeometry().left() > main.right()); // beside it, covering none of it
        QVERIFY(!options->frameGeometry().intersects(main));
        const QPoint first = options->pos();
        QTest::mouseClick(options->findChild<QPushButton*>("Command1"), Qt::LeftButton); // "Close" hides
        f().click("Command2");
        QCOMPARE(options->pos(), first); // the same place every time
    }

    void theRobustSolutionIsOneClickAwayInTheRealBox()
    {
        test::WindowFixture real(true);
        real.describeCase();
        real.type("Text12", "2000"); // NTU above 20: refused
        QString reason;
        test::WindowFixture::whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            reason = box->informativeText();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "Show the robust solution")
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        real.click("Command1");
        QTRY_VERIFY(real.window->resultsWindow() != nullptr && real.window->resultsWindow()->isVisible());
        QVERIFY2(reason.contains("Robust solution: "), qPrintable(reason));
        QVERIFY(!real.w("Text3")->text().isEmpty());
        QVERIFY(real.window->resultsWindow()->findChild<QLabel*>("banner")->isVisible());
    }

    void optionsMessagesAreCentredOnTheDialog()
    {
        test::WindowFixture real(true);
        real.folder.write("User defined.dat",
            "-100,1,1000,4.18,0.6,0.001,-418\r\n0,1,1000,4.18,0.6,0.001,0\r\n"
            "300,1,1000,4.18,0.6,0.001,1254\r\n");
        real.pick("Combo1", "User defined");
        real.click("Command2");
        OptionsDialog* options = real.window->optionsDialog();
        QTest::mouseClick(options->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
        options->box("Text3")->clear();
        QTest::keyClicks(options->box("Text3"), "dense");

        QWidget* parent = nullptr;
        Qt::TextFormat format = Qt::AutoText;
        QString text;
        QPoint centre;
        test::WindowFixture::whenModal([&](QWidget* modal) {
            parent = modal->parentWidget();
            format = qobject_cast<QMessageBox*>(modal)->textFormat();
            text = qobject_cast<QMessageBox*>(modal)->text();
            QTest::qWait(50);
            centre = modal->frameGeometry().center();
            test::WindowFixture::press(modal, QMessageBox::Ok);
        });
        QTest::mouseClick(options->findChild<QPushButton*>("Command1"), Qt::LeftButton); // "Close"
        QCOMPARE(text, QString("Not a number: Density"));
        QCOMPARE(parent, options);
        QCOMPARE(format, Qt::PlainText);
        // Over the dialog, not the main window (a small screen may push it back inside its edge).
        const QPoint dialogCentre = options->frameGeometry().center();
        const QPoint mainCentre = real.window->frameGeometry().center();
        QVERIFY((centre - dialogCentre).manhattanLength() < (centre - mainCentre).manhattanLength());
        QVERIFY(options->frameGeometry().contains(centre));
    }

    void messageBoxShowsTheReasonAndRunsItsSecondButton()
    {
        // The reason stands below the text without a click, plain like it; the second button runs
        // its action once the box has closed, OK runs nothing.
        const MessageHandler show = messageBoxHandler(f().window.get());
        int runs = 0;
        bool boxClosedFirst = false;
        const Message message {
            QMessageBox::Warning, "Vorlan", "Invalid data", "<b>Length [m]</b>: 'x'", nullptr, "Show more", [&] {
                ++runs;
                boxClosedFirst = QApplication::activeModalWidget() == nullptr;
            }};
        QString reason;
        Qt::TextFormat reasonFormat = Qt::AutoText;
        for (const char* pressed : {"Show more", "OK"}) {
            test::WindowFixture::whenModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                reason = box->informativeText();
                reasonFormat = box->findChild<QLabel*>("qt_msgbox_informativelabel")->textFormat();
                for (QAbstractButton* button : box->buttons())
                    if (button->text().remove('&') == pressed)
                        QTest::mouseClick(button, Qt::LeftButton);
            });
            show(message);
        }
        QCOMPARE(reason, QString("<b>Length [m]</b>: 'x'"));
        QCOMPARE(reasonFormat, Qt::PlainText);
        QCOMPARE(runs, 1);
        QVERIFY(boxClosedFirst);

        // A test's handler receives the button and its action as they are.
        std::vector<Message> recorded;
        MessageHandler([&](const Message& m) { recorded.push_back(m); })(message);
        QCOMPARE(recorded.at(0).actionText, QString("Show more"));
        recorded.at(0).action();
        QCOMPARE(runs, 2);
    }

    void numericMenuOffersOnlyWorkingEntries()
    {
        QGuiApplication::clipboard()->setText("12a");
        QLineEdit* box = f().w("Text1");
        QStringList entries;
        bool submenu = false;
        QTimer::singleShot(50, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (QAction* action : menu->actions()) {
                entries << action->text();
                submenu = submenu || action->menu() != nullptr;
            }
            QTest::keyClick(menu, Qt::Key_P); // "&Paste"
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, box->rect().center(), box->mapToGlobal(box->rect().center()));
        QApplication::sendEvent(box, &event);

        QVERIFY(entries.contains("&Paste\tCtrl+V")); // with its key, which works in the box
        QVERIFY(entries.contains("Select All\tCtrl+A"));
        QVERIFY(!submenu); // no control characters to insert
        QCOMPARE(box->text(), QString("12")); // the menu's Paste drops what typing would drop

        // The calculation still checks what was pasted.
        test::WindowFixture& fixture = f();
        fixture.describeCase();
        box->setText("12a");
        fixture.click("Command1");
        QCOMPARE(fixture.messages.size(), size_t(1));
        QCOMPARE(fixture.messages[0].text, QString("Invalid data"));
    }

    void fluidAndMaterialListsShowWholeNames()
    {
        for (const char* name : {"Combo1", "Combo2", "Combo3"}) {
            auto* box = f().w<QComboBox>(name);
            QCOMPARE(box->width(), 1815 / 15); // the box keeps its width
            box->showPopup();
            QAbstractItemView* list = box->view();
            QTRY_VERIFY(list->isVisible());
            for (int row = 0; row < box->count(); ++row) // no entry is elided
                QVERIFY2(list->sizeHintForIndex(box->model()->index(row, 0)).width() <= list->viewport()->width(),
                    qPrintable(box->itemText(row)));
            box->hidePopup();
        }
    }

    void commandKeys()
    {
        f().describeCase();
        QTest::keyClick(f().w("Text12"), Qt::Key_Return); // Enter in a number box calculates
        QVERIFY(f().window->resultsWindow() != nullptr && f().window->resultsWindow()->isVisible());
        QVERIFY(!f().w("Text3")->text().isEmpty());
        f().window->resultsWindow()->close();
        f().command(Qt::Key_F5, {});
        QVERIFY(f().window->resultsWindow() != nullptr && f().window->resultsWindow()->isVisible());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr); // the wait cursor is gone again

        f().type("Combo4", "3"); // a pressure the table does not hold
        QTest::keyClick(f().w<QComboBox>("Combo4"), Qt::Key_Tab);
        f().command(Qt::Key_F5, {});
        QCOMPARE(f().messages.size(), size_t(1));
        QCOMPARE(f().messages[0].text, QString("Invalid pressure of internal fluid"));
        QVERIFY(!f().messages[0].detail.isEmpty()); // the reason
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);

        const std::pair<const char*, QKeySequence> keys[] = {{"mnuFileOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"mnuFileSave", QKeySequence(Qt::CTRL | Qt::Key_S)}, {"mnuFilePrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"mnuFileExit", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
        for (const auto& [action, key] : keys)
            QCOMPARE(f().window->findChild<QAction*>(action)->shortcut(), key);
    }

    void tabGoesThroughTheBoxesInReadingOrder()
    {
        f().w("Text1")->setFocus();
        QStringList visited {QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 30 && visited.back() != "Command2"; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            while (focus != nullptr && focus->objectName().isEmpty()) // the line edit of a combo box
                focus = focus->parentWidget();
            visited << (focus != nullptr ? focus->objectName() : QString("none"));
        }
        // Locked boxes (Text8, Text10, Text3 at start-up) are passed by.
        const QStringList boxes = {"Text1", "Text2", "Combo3", "Combo1", "Combo4", "Text6", "Text7",
            "internalStandardPipe", "Text4", "Text5", "Combo2", "Combo5", "Text9", "Text11", "externalStandardPipe",
            "Text12", "Command1", "Command2"};
        QStringList reached;
        for (const QString& name : visited)
            if (!name.startsWith("Option"))
                reached << name;
        QCOMPARE(reached.join(' '), boxes.join(' '));
    }

    void helpViewerSaysWhenTheGuideIsMissing()
    {
        f().window->showHelp(); // this data folder holds no guide
        HelpViewer* help = f().window->helpViewer();
        QVERIFY(help->missingText().contains("cannot be found"));
        QVERIFY(help->missingText().contains(QString::fromStdString(f().folder.path()) + "/Using Vorlan.pdf"));
        QVERIFY(!help->findChild<QPdfView*>("WebBrowser1")->isVisible());
    }

    void helpViewerResizesZoomsAndFinds()
    {
        MainWindow beside(f().folder.path(), QString::fromStdString(QuestaDirectory()), {});
        beside.showHelp();
        HelpViewer* help = beside.helpViewer();
        QVERIFY(help->missingText().isEmpty());
        help->resize(900, 800);
        QCOMPARE(help->size(), QSize(900, 800));

        auto* view = help->findChild<QPdfView*>("WebBrowser1");
        view->setZoomMode(QPdfView::ZoomMode::Custom);
        const double before = view->zoomFactor();
        QTest::mouseClick(help->findChild<QToolButton*>("zoomIn"), Qt::LeftButton);
        QVERIFY(view->zoomFactor() > before);
        QTest::mouseClick(help->findChild<QToolButton*>("zoomOut"), Qt::LeftButton);
        QTest::mouseClick(help->findChild<QToolButton*>("zoomOut"), Qt::LeftButton);
        QVERIFY(view->zoomFactor() < before);

        auto* find = help->findChild<QLineEdit*>("findBox");
        QTest::keyClicks(find, "Reynolds");
        auto* count = help->findChild<QLabel*>("findCount");
        QTRY_VERIFY(count->text().endsWith("found") && count->text() != "Not found");
        QTest::keyClick(find, Qt::Key_Return);
        QVERIFY(count->text().startsWith("1 of "));
        const int firstPage = view->pageNavigator()->currentPage();
        QVERIFY(help->document()->getAllText(firstPage).text().contains("Reynolds"));

        find->clear();
        QTest::keyClicks(find, "no such words anywhere");
        QTRY_COMPARE(count->text(), QString("Not found"));
    }

    void helpViewerMarksTheHitAndGoesToTheContentsBookmarks()
    {
        MainWindow beside(f().folder.path(), QString::fromStdString(QuestaDirectory()), {});
        beside.showHelp();
        HelpViewer* help = beside.helpViewer();
        help->resize(900, 700);
        auto* view = help->findChild<QPdfView*>("WebBrowser1");

        // Enter in the find box goes to the hit: in sight, and marked in the marker's yellow.
        auto* find = help->findChild<QLineEdit*>("findBox");
        QTest::keyClicks(find, "Darby");
        auto* count = help->findChild<QLabel*>("findCount");
        QTRY_VERIFY(count->text().endsWith("found") && count->text() != "Not found");
        QTest::keyClick(find, Qt::Key_Return);
        QVERIFY(count->text().startsWith("1 of "));
        auto* highlight = help->findChild<PageHighlight*>("pageHighlight");
        QVERIFY(highlight != nullptr);
        const QList<QRectF> marked = highlight->markedRects();
        QVERIFY(!marked.isEmpty());
        QVERIFY(view->viewport()->rect().contains(marked.front().toRect()));
        const QImage shown = view->viewport()->grab().toImage();
        const QPoint centre = marked.front().center().toPoint();
        const QColor pixel = shown.pixelColor(centre.x(), marked.front().top() + 1);
        QVERIFY2(pixel.red() > 200 && pixel.green() > 150 && pixel.blue() < 180, qPrintable(pixel.name()));

        // The contents: the guide's chapters, their sections beneath; a click goes to the chapter.
        auto* contents = help->findChild<QTreeView*>("contents");
        QAbstractItemModel* bookmarks = contents->model();
        QTRY_VERIFY(bookmarks->rowCount() > 10);
        QModelIndex studies;
        for (int row = 0; row < bookmarks->rowCount(); ++row)
            if (bookmarks->index(row, 0).data().toString() == "Studies")
                studies = bookmarks->index(row, 0);
        QVERIFY(studies.isValid());
        QCOMPARE(bookmarks->index(0, 0, studies).data().toString(), QString("The Study window"));
        const int scrolled = view->verticalScrollBar()->value();
        contents->scrollTo(studies);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualRect(studies).center());
        QVERIFY(view->verticalScrollBar()->value() != scrolled);
        const int page = view->pageNavigator()->currentPage();
        QVERIFY(help->document()->getAllText(page).text().contains("Studies"));
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
