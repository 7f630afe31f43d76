#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <string>

#include "ui/messagehandler.h"

class QComboBox;
class QMenuBar;

namespace vorlan {

class ConstantFluidDialog;
class ImportFluidDialog;

/**
 * The user's own fluids in the main window: the fluids of the user's folder at the end of both
 * fluid lists, under the heading "Your fluids" (no heading while there are none), and the Fluids
 * menu, whose "Import fluid table..." and "New constant-property fluid..." add to them.
 */
class UserFluidLists : public QObject {
    Q_OBJECT

public:
    /**
     * boxes are the internal and external fluid boxes, filled with every other fluid; picks[i] is
     * what a pick in boxes[i] runs. Messages of the dialogs go to showMessage, over the dialog.
     */
    UserFluidLists(std::string dataFolder, std::string userFolder, std::array<QComboBox*, 2> boxes,
        std::array<std::function<void()>, 2> picks, MessageHandler showMessage, QWidget* window);

    /** Adds the Fluids menu before the last menu of bar (Help). */
    void addMenu(QMenuBar* bar);

    /** Lists the fluids of the user's folder again; the texts typed or picked in the boxes stay. */
    void refresh();

private:
    /** The dialog in front, created by make on first use; its messages over it, its saves refreshing the lists. */
    template <typename Dialog> void showDialog(QPointer<Dialog>& dialog);

    std::string m_dataFolder;
    std::string m_userFolder;
    std::array<QComboBox*, 2> m_boxes;
    std::array<std::function<void()>, 2> m_picks;
    MessageHandler m_showMessage;
    QWidget* m_window;
    int m_otherFluids; ///< the entries of each list before the user's fluids
    QPointer<ImportFluidDialog> m_import;
    QPointer<ConstantFluidDialog> m_constant;
};

} // namespace vorlan
