#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "ui/messagehandler.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vorlan {

/**
 * "New constant-property fluid...": a named fluid of constant density, specific heat,
 * conductivity and viscosity, saved among the user's fluids as the Options dialog writes "User
 * defined", so that several such fluids can exist side by side.
 */
class ConstantFluidDialog : public QDialog {
    Q_OBJECT

public:
    ConstantFluidDialog(std::string dataFolder, std::string userFolder, MessageHandler showMessage, QWidget* parent);

signals:
    /** A fluid was saved under this name. */
    void saved(const QString& name);

private:
    void save();

    std::string m_dataFolder;
    std::string m_userFolder;
    MessageHandler m_showMessage;
    QLineEdit* m_name;
    std::array<QLineEdit*, 4> m_boxes {};
    std::array<QLabel*, 4> m_captions {};
    QCheckBox* m_replace;
};

} // namespace vorlan
