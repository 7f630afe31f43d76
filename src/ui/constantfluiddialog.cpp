#include "ui/constantfluiddialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/constantfluidboxes.h"
#include "ui/userfluidsave.h"

namespace vorlan {

ConstantFluidDialog::ConstantFluidDialog(
    std::string dataFolder, std::string userFolder, MessageHandler showMessage, QWidget* parent)
    : QDialog(parent)
    , m_dataFolder(std::move(dataFolder))
    , m_userFolder(std::move(userFolder))
    , m_showMessage(std::move(showMessage))
    , m_name(new QLineEdit(this))
    , m_replace(new QCheckBox("Replace my fluid of the same name", this))
{
    setWindowTitle("New constant-property fluid");
    m_name->setObjectName("fluidName");
    m_replace->setObjectName("replaceFluid");
    // The captions and units of the Options dialog's user fluid; decimal comma, no key filter, as there.
    const char* rows[4][3] = {{"density", "Density", "kg/m^3"}, {"specificHeat", "Cp", "kJ/(kg K)"},
        {"conductivity", "Conductivity", "W/(m K)"}, {"viscosity", "Viscosity", "Pa s"}};
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Name", this), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    for (std::size_t i = 0; i < 4; ++i) {
        m_boxes[i] = new QLineEdit(this);
        m_boxes[i]->setObjectName(rows[i][0]);
        m_captions[i] = new QLabel(rows[i][1], this);
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(m_captions[i], row, 0);
        grid->addWidget(m_boxes[i], row, 1);
        grid->addWidget(new QLabel(rows[i][2], this), row, 2);
    }
    auto* note
        = new QLabel("The fluid has these properties from -100 to 300 °C at 1 bar, as \"User defined\" has.", this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* saveButton = buttons->addButton("Save", QDialogButtonBox::AcceptRole);
    saveButton->setObjectName("saveButton");
    saveButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close);
    connect(saveButton, &QPushButton::clicked, this, &ConstantFluidDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(m_replace);
    layout->addWidget(buttons);
}

void ConstantFluidDialog::save()
{
    const auto records = constantFluidRecords({m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3]},
        {m_captions[0], m_captions[1], m_captions[2], m_captions[3]}, m_showMessage);
    const QString name = m_name->text();
    if (records
        && saveUserFluid(
            m_dataFolder, m_userFolder, name.toStdString(), m_replace->isChecked(), *records, m_showMessage)) {
        emit saved(name);
        accept();
    }
}

} // namespace vorlan
