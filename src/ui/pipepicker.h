#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "properties/pipecatalogue.h"
#include "ui/messagehandler.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace vorlan {

/**
 * Picks one pipe of the catalogue: the standards to filter by, then the designations with their
 * outside diameter × thickness. Double-click or OK picks.
 */
class PipePicker : public QDialog {
    Q_OBJECT

public:
    /** current: the pipe the boxes match now, selected at the start (null for none). */
    PipePicker(const std::vector<StandardPipe>& catalogue, const QString& pipe, const StandardPipe* current,
        QWidget* parent = nullptr);

    /** The selected pipe, null for none. */
    const StandardPipe* picked() const;

    QComboBox* standardBox() const { return m_standard; }
    QTreeWidget* list() const { return m_list; }

private:
    /** Lists the pipes of the chosen standard, keeping the selection when it is among them. */
    void filter();

    const std::vector<StandardPipe>& m_catalogue;
    QComboBox* m_standard;
    QTreeWidget* m_list;
};

/**
 * Opens the picker of the pipe ("Internal pipe") from the button and writes the picked pipe's dimensions into the
 * outside-diameter and thickness boxes as if typed. While the catalogue could not be read (catalogueError not empty)
 * the button shows that instead.
 */
void offerStandardPipes(QPushButton* button, const QString& pipe, QLineEdit* outsideDiameter, QLineEdit* thickness,
    const std::vector<StandardPipe>& catalogue, const std::string& catalogueError, MessageHandler showMessage);

} // namespace vorlan
