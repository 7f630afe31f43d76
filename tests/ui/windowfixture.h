#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "platform/appdir.h"
#include "support/tempfolder.h"
#include "ui/mainwindow.h"

namespace vorlan::test {

/** The control of a window with this name; fails the test when there is none. */
template <typename T> T* in(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr)
        qFatal("no control %s", name);
    return widget;
}

/**
 * A main window on a copy of the build's data folder, shown and active, whose messages are
 * recorded instead of shown.
 */
class WindowFixture {
public:
    /** realBoxes: show real message boxes, for the tests that drive them. */
    explicit WindowFixture(bool realBoxes = false)
    {
        // Every shipped file but the user fluid's: arrow keys pick each fluid on their way.
        std::filesystem::copy(QuestaDirectory() + "/data", folder.path());
        std::filesystem::remove(folder.path() + "/User defined.dat");
        MessageHandler recorder;
        if (!realBoxes)
            recorder = [this](const Message& message) { messages.push_back(message); };
        window = std::make_unique<MainWindow>(folder.path(), QString::fromStdString(folder.path()), recorder);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the main window did not become active");
    }

    /** The control of the main window with this name; fails the test when there is none. */
    template <typename T = QLineEdit> T* w(const char* name) const { return in<T>(window.get(), name); }

    /** Clicks into a box of the main window, empties it with the keyboard and types text. */
    void type(const char* name, const QString& text) const { type(window->findChild<QWidget*>(name), text); }

    /** Clicks into a box of any window, empties it with the keyboard and types text. */
    static void type(QWidget* box, const QString& text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    /** Picks an entry of a combo box's list of the main window with the arrow keys, as a user does. */
    void pick(const char* combo, const QString& entry) const { pick(w<QComboBox>(combo), entry); }

    /** Picks an entry of a combo box's list with the arrow keys, as a user does. */
    static void pick(QComboBox* box, const QString& entry)
    {
        const int target = box->findText(entry);
        QVERIFY2(target >= 0, qPrintable(entry));
        box->setFocus();
        if (box->currentIndex() < 0)
            QTest::keyClick(box, Qt::Key_Down); // the first entry
        while (box->currentIndex() < target)
            QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() > target)
            QTest::keyClick(box, Qt::Key_Up);
    }

    /** Water inside, ethylene glycol outside, internal outlet temperature and length given. */
    void describeCase() const
    {
        pick("Combo1", "Water");
        pick("Combo2", "Ethylene Glycol 30%");
        pick("Combo3", "Copper");
        type("Text1", "25");
        type("Text2", "2");
        type("Text4", "50");
        type("Text5", "3");
        type("Text6", "80");
        type("Text7", "60");
        type("Text9", "15");
        type("Text11", "0,6");
        type("Text12", "12");
    }

    /** Presses a key of a command with the main window active, as after a dialog has closed. */
    void command(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const
    {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the main window did not become active");
        QTest::keyClick(window.get(), key, modifiers);
    }

    void click(const char* button) const { QTest::mouseClick(w<QPushButton>(button), Qt::LeftButton); }

    /**
     * Runs answer on the next modal window of the class (a message box by default, or a file
     * dialog) once it is shown, so that a test can drive it while the command that opened it waits.
     */
    static void whenModal(std::function<void(QWidget* modal)> answer, const char* className = "QMessageBox")
    {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [timer, className, answer = std::move(answer)] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible() || !modal->inherits(className))
                return;
            timer->deleteLater();
            timer->stop();
            answer(modal);
        });
        timer->start(20);
    }

    /** Presses the button of a message box that has this role. */
    static void press(QWidget* modal, QMessageBox::StandardButton button)
    {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    }

    TempFolder folder;
    std::vector<Message> messages;
    std::unique_ptr<MainWindow> window;
};

} // namespace vorlan::test
