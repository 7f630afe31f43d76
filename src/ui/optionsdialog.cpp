#include "ui/optionsdialog.h"

#include <QLineEdit>

#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/messages.h"
#include "platform/numbertext.h"
#include "properties/userfluid.h"
#include "ui/boxlook.h"
#include "ui/constantfluidboxes.h"
#include "ui/formfont.h"
#include "ui/windowpositions.h"
#include "ui_form2.h"

namespace vorlan {

namespace {

constexpr const char* kPropertyBoxes[] = {"Text3", "Text4", "Text5", "Text6"};

} // namespace

OptionsDialog::OptionsDialog(
    std::string userFluidPath, std::function<bool()> userFluidPicked, MessageHandler showMessage, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Form2>())
    , m_userFluidPath(std::move(userFluidPath))
    , m_userFluidPicked(std::move(userFluidPicked))
    , m_showMessage(std::move(showMessage))
{
    m_ui->setupUi(this);
    applyFormFont(this);
    setAttribute(Qt::WA_DeleteOnClose); // the close box discards the dialog without writing
    move(kOptionsPosition);
    m_ui->Text1->setText("0");
    m_ui->Text2->setText("0");
    connect(m_ui->Check1, &QCheckBox::toggled, this, &OptionsDialog::checkRule);
    connect(m_ui->Command1, &QPushButton::clicked, this, &OptionsDialog::closeDialog);
}

OptionsDialog::~OptionsDialog() = default;

QLineEdit* OptionsDialog::box(const char* name) const { return findChild<QLineEdit*>(name); }

void OptionsDialog::prepare(bool userFluidPicked)
{
    for (const char* name : kPropertyBoxes)
        setButtonFace(box(name));
    if (!userFluidPicked) {
        for (const char* name : kPropertyBoxes) {
            box(name)->clear();
            box(name)->setReadOnly(true);
        }
        m_ui->Check1->setChecked(false);
        m_ui->Check1->setEnabled(false);
    } else {
        for (const char* name : kPropertyBoxes)
            box(name)->setReadOnly(false);
        m_ui->Check1->setChecked(false);
        m_ui->Check1->setEnabled(true);
    }
}

void OptionsDialog::checkRule()
{
    if (!m_ui->Check1->isChecked()) {
        for (const char* name : kPropertyBoxes)
            setLocked(box(name));
    } else if (m_userFluidPicked()) {
        for (const char* name : kPropertyBoxes)
            setEditable(box(name));
        showFileValues();
    }
}

void OptionsDialog::showFileValues()
{
    // No file yet (the fluid's first definition) or one that cannot be read: the boxes stay as
    // they are, editable; only a file that cannot be read is reported.
    std::optional<UserFluid> fluid;
    try {
        fluid = readUserFluid(m_userFluidPath);
    } catch (const CalcError& error) {
        m_showMessage(QMessageBox::Warning, msg::Title,
            QString(msg::UserFluidUnreadable) + QString::fromStdString(m_userFluidPath), error.what());
        return;
    }
    if (!fluid)
        return;
    const float values[] = {fluid->density, fluid->specificHeat, fluid->conductivity, toSingle(fluid->viscosity)};
    for (int i = 0; i < 4; ++i)
        box(kPropertyBoxes[i])->setText(QString::fromStdString(numberToText(values[i])));
}

void OptionsDialog::closeDialog()
{
    if (m_ui->Check1->isChecked() && !writeUserFluid())
        return;
    hide();
}

bool OptionsDialog::writeUserFluid()
{
    const auto records = constantFluidRecords({m_ui->Text3, m_ui->Text4, m_ui->Text5, m_ui->Text6},
        {m_ui->Label5, m_ui->Label6, m_ui->Label7, m_ui->Label8}, m_showMessage);
    if (!records)
        return false;
    try {
        writeDataFile(m_userFluidPath, *records);
    } catch (const CalcError&) {
        m_showMessage(QMessageBox::Warning, msg::Title,
            QString(msg::UserFluidNotWritten) + QString::fromStdString(m_userFluidPath));
        return false;
    }
    return true;
}

} // namespace vorlan
