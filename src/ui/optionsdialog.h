#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "ui/messagehandler.h"

class QLineEdit;

namespace Ui {
class Form2;
}

namespace vorlan {

/**
 * The fouling factors of both sides [(m^2 K)/W] and the fluid "User defined": constant density,
 * specific heat, conductivity and viscosity, written as a table to its data file on "Close".
 */
class OptionsDialog : public QWidget {
    Q_OBJECT

public:
    /**
     * userFluidPath is the file of "User defined"; userFluidPicked tells whether either fluid box
     * of the main window reads "User defined".
     */
    OptionsDialog(std::string userFluidPath, std::function<bool()> userFluidPicked, MessageHandler showMessage,
        QWidget* parent = nullptr);
    ~OptionsDialog() override;

    /** The text of a box of the dialog ("Text1" ... "Text6"). */
    QLineEdit* box(const char* name) const;

    /** What the main window's "Options" button sets before showing the dialog. */
    void prepare(bool userFluidPicked);

    /** "Close": writes the user fluid when the box is ticked, then hides; stays open on a failure. */
    void closeDialog();

private:
    void checkRule();
    void showFileValues();
    bool writeUserFluid();

    std::unique_ptr<Ui::Form2> m_ui;
    std::string m_userFluidPath;
    std::function<bool()> m_userFluidPicked;
    MessageHandler m_showMessage;
};

} // namespace vorlan
