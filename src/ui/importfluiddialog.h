#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "properties/fluidimport.h"
#include "ui/messagehandler.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vorlan {

/**
 * "Import fluid table...": a CSV or text table, its columns given to the quantities of a fluid
 * table with their units, previewed and checked as it is set up; "Import" saves it under the name
 * typed among the user's fluids.
 */
class ImportFluidDialog : public QDialog {
    Q_OBJECT

public:
    ImportFluidDialog(std::string dataFolder, std::string userFolder, MessageHandler showMessage, QWidget* parent);

    /** Reads the table at path: the preview, the column lists and the problems follow. */
    void openFile(const QString& path);

signals:
    /** A fluid was saved under this name. */
    void saved(const QString& name);

private:
    void browse();
    void fillColumnLists();
    /** Imports again with the columns and units as they are set, and lists what is wrong. */
    void check();
    void save();
    ImportMapping mapping() const;

    std::string m_dataFolder;
    std::string m_userFolder;
    MessageHandler m_showMessage;
    ImportSource m_source;
    ImportResult m_result;
    QLineEdit* m_file;
    QTableWidget* m_preview;
    std::array<QComboBox*, kQuantities> m_columns {};
    std::array<QComboBox*, kQuantities> m_units {};
    QLineEdit* m_name;
    QCheckBox* m_replace;
    QPlainTextEdit* m_problems;
    QPushButton* m_save;
};

} // namespace vorlan
