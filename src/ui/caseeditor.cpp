#include "ui/caseeditor.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>

#include "platform/calcerror.h"
#include "platform/messages.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"
#include "properties/fluidname.h"
#include "properties/pressurelist.h"
#include "ui/boxlook.h"
#include "ui/boxnames.h"
#include "ui/casesession.h"
#include "ui/combotext.h"
#include "ui/fluidinfomenu.h"
#include "ui/keyfilter.h"
#include "ui/optionsdialog.h"
#include "ui/userfluidfolder.h"
#include "ui/windowmessages.h"
#include "ui/windowtext.h"
#include "ui_form1.h"

namespace vorlan {

namespace {

constexpr char kTitle[] = "Vorlan - Quessel";

void setComboText(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

} // namespace

CaseEditor::CaseEditor(QMainWindow* window, Ui::Form1& ui, const Exchanger& core, const CaseSession& session,
    const std::string& dataFolder, MessageHandler showMessage)
    : m_window(window)
    , m_ui(ui)
    , m_tables(dataFolder, userFluidFolder())
    , m_session(session)
    , m_showMessage(std::move(showMessage))
{
    for (int i = 1; i <= 12; ++i) {
        const QString name = QStringLiteral("Text%1").arg(i);
        const bool temperature = i == 6 || i == 7 || i == 9 || i == 10;
        m_window->findChild<QLineEdit*>(name)->installEventFilter(new NumericKeyFilter(temperature, m_window));
    }
    connectModeRules();
    runOnPickOnly(m_ui.Combo1, [this] { pickFluid(true); });
    runOnPickOnly(m_ui.Combo2, [this] { pickFluid(false); });
    for (QComboBox* combo : {m_ui.Combo1, m_ui.Combo2, m_ui.Combo3, m_ui.Combo4, m_ui.Combo5})
        showTextStart(combo);
    fillLists(core, dataFolder);
    connectMarks();
}

CaseEditor::~CaseEditor()
{
    delete m_options; // it has no owner: it goes with the main window
}

void CaseEditor::fillLists(const Exchanger& core, const std::string& dataFolder)
{
    for (int i = 1; i <= 12; ++i)
        m_window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i))->clear();
    for (QRadioButton* option : {m_ui.Option1, m_ui.Option3, m_ui.Option5, m_ui.Option8})
        option->setChecked(true);

    setComboText(m_ui.Combo3, "");
    // Without materials the program still starts; a calculation then reports "Invalid data".
    if (!core.materialsError().empty())
        m_showMessage(
            QMessageBox::Warning, msg::Title, QString(msg::MaterialsUnreadable) + fromStd(dataFolder) + "/condmat.dat");
    for (const std::string& name : core.materials().names())
        m_ui.Combo3->addItem(fromStd(name));
    widenListToEntries(m_ui.Combo3);
    setComboText(m_ui.Combo3, "");

    // The sixteen fluids first, then the library group by group under its heading.
    QStringList fluids;
    for (const std::string_view fluid : kFluidNames)
        fluids << fromStd(fluid);
    for (QComboBox* fluidBox : {m_ui.Combo1, m_ui.Combo2})
        fluidBox->addItems(fluids);
    for (const FluidGroup& group : fluidLibrary()) {
        for (QComboBox* fluidBox : {m_ui.Combo1, m_ui.Combo2})
            addListHeading(fluidBox, fromStd(group.heading));
        for (const std::string_view fluid : group.fluids) {
            fluids << fromStd(fluid);
            for (QComboBox* fluidBox : {m_ui.Combo1, m_ui.Combo2})
                fluidBox->addItem(fluids.back());
        }
    }
    for (QComboBox* fluidBox : {m_ui.Combo1, m_ui.Combo2}) {
        widenListToEntries(fluidBox);
        setComboText(fluidBox, "");
    }
    completeNames(m_ui.Combo1, fluids, [this] { pickFluid(true); });
    completeNames(m_ui.Combo2, fluids, [this] { pickFluid(false); });
    offerFluidInformation(m_ui.Combo1, m_ui.Combo4, dataFolder);
    offerFluidInformation(m_ui.Combo2, m_ui.Combo5, dataFolder);
    setComboText(m_ui.Combo4, "");
    setComboText(m_ui.Combo5, "");
}

void CaseEditor::connectModeRules()
{
    // Each rule runs when its option becomes selected, by a click or from code.
    const auto onSelected = [this](QRadioButton* option, auto rule) {
        connect(option, &QRadioButton::toggled, this, [rule](bool selected) {
            if (selected)
                rule();
        });
    };
    Ui::Form1& ui = m_ui;
    onSelected(ui.Option3, [&ui] {
        ui.Text8->clear();
        setEditable(ui.Text7);
        setEditable(ui.Text11);
        setLocked(ui.Text8);
        setLocked(ui.Text10);
        ui.Option7->setEnabled(false);
        ui.Option8->setChecked(true);
    });
    onSelected(ui.Option4, [&ui] {
        ui.Text7->clear();
        setEditable(ui.Text8);
        setLocked(ui.Text7);
        ui.Option7->setEnabled(true);
    });
    onSelected(ui.Option7, [&ui] {
        ui.Text11->clear();
        setEditable(ui.Text10);
        setLocked(ui.Text11);
    });
    onSelected(ui.Option8, [&ui] {
        ui.Text10->clear();
        setEditable(ui.Text11);
        setLocked(ui.Text10);
    });
    onSelected(ui.Option5, [&ui] {
        setEditable(ui.Text12);
        setLocked(ui.Text3);
    });
    onSelected(ui.Option6, [&ui] {
        setEditable(ui.Text3);
        setLocked(ui.Text12);
    });
}

void CaseEditor::pickFluid(bool internalSide)
{
    fillPressureList(internalSide);
    setComboText(internalSide ? m_ui.Combo4 : m_ui.Combo5, "1");
}

void CaseEditor::fillPressureList(bool internalSide, bool restoring)
{
    QComboBox* fluidBox = internalSide ? m_ui.Combo1 : m_ui.Combo2;
    QComboBox* pressureBox = internalSide ? m_ui.Combo4 : m_ui.Combo5;
    pressureBox->clear();
    const std::string fluid = fluidBox->currentText().toStdString();
    // "User defined" has no file until the Options dialog first writes one: nothing to report yet.
    std::error_code error;
    if (fluid == kUserDefinedFluid
        && std::filesystem::symlink_status(userFluidPath(), error).type() == std::filesystem::file_type::not_found)
        return;
    try {
        if (internalSide)
            m_tables.dbpropint(fluid);
        else
            m_tables.dbpropest(fluid);
    } catch (const CalcError& error) {
        // An opened case's fluid that no folder has is named by the open, with its side.
        if (restoring && isMissing(fluid))
            return;
        // The detail names the file and why it cannot be read (or why the name names none).
        m_showMessage(QMessageBox::Warning, msg::Title, QString(msg::FluidFileUnreadable) + fromStd(error.what()));
        return;
    }
    const FluidTable& table = internalSide ? m_tables.intSide.Tab : m_tables.estSide.Tab;
    for (const std::string& entry : pressureList(table))
        pressureBox->addItem(fromStd(entry));
}

bool CaseEditor::isMissing(const std::string& fluid) const
{
    try {
        return !hasFluidFile(m_tables.dataFolder(), fluid)
            && (m_tables.userFolder().empty() || !hasFluidFile(m_tables.userFolder(), fluid));
    } catch (const CalcError&) {
        return false; // a name that cannot name a table: the message says why
    }
}

void CaseEditor::fillEmptyPressureLists()
{
    for (const bool internalSide : {true, false}) {
        QComboBox* fluidBox = internalSide ? m_ui.Combo1 : m_ui.Combo2;
        QComboBox* pressureBox = internalSide ? m_ui.Combo4 : m_ui.Combo5;
        if (fluidBox->currentText().isEmpty() || pressureBox->count() > 0)
            continue;
        const QString pressure = pressureBox->currentText();
        fillPressureList(internalSide, true);
        setComboText(pressureBox, pressure);
    }
}

void CaseEditor::clear()
{
    for (QLineEdit* box : {m_ui.Text1, m_ui.Text2, m_ui.Text4, m_ui.Text5, m_ui.Text6, m_ui.Text7, m_ui.Text8,
             m_ui.Text9, m_ui.Text10, m_ui.Text11, m_ui.Text12, m_ui.Text3})
        box->clear();
    for (QRadioButton* option : {m_ui.Option1, m_ui.Option3, m_ui.Option5, m_ui.Option8})
        option->setChecked(true);
    for (QComboBox* combo : {m_ui.Combo3, m_ui.Combo1, m_ui.Combo2, m_ui.Combo4, m_ui.Combo5})
        setComboText(combo, "");
}

void CaseEditor::restore(const CaseContents& contents)
{
    // The choices first: their rules empty the boxes they lock, which the saved texts then fill.
    (contents.counterCurrent ? m_ui.Option1 : m_ui.Option2)->setChecked(true);
    (contents.internalOutletGiven ? m_ui.Option3 : m_ui.Option4)->setChecked(true);
    (contents.externalOutletGiven ? m_ui.Option7 : m_ui.Option8)->setChecked(true);
    (contents.lengthGiven ? m_ui.Option5 : m_ui.Option6)->setChecked(true);

    const auto saved = [&contents](Quantity quantity) { return fromStd(contents.text(quantity)); };
    setComboText(m_ui.Combo3, saved(Quantity::Material));
    for (const bool internalSide : {true, false}) {
        QComboBox* fluidBox = internalSide ? m_ui.Combo1 : m_ui.Combo2;
        setComboText(fluidBox, saved(internalSide ? Quantity::InternalFluid : Quantity::ExternalFluid));
        if (!fluidBox->currentText().isEmpty())
            fillPressureList(internalSide, true);
        setComboText(internalSide ? m_ui.Combo4 : m_ui.Combo5,
            saved(internalSide ? Quantity::InternalPressure : Quantity::ExternalPressure));
    }
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        const auto quantity = static_cast<Quantity>(i);
        if (!isPicked(quantity))
            lineEdit(quantity)->setText(saved(quantity));
    }
}

OptionsDialog* CaseEditor::ensureOptions()
{
    if (!m_options) {
        m_options = new OptionsDialog(
            userFluidPath(), [this] { return userFluidPicked(); },
            messagesOver(m_showMessage, [this] { return m_options.data(); }));
        for (const Quantity quantity : {Quantity::InternalFouling, Quantity::ExternalFouling}) {
            QLineEdit* fouling = m_options->box(quantity == Quantity::InternalFouling ? "Text1" : "Text2");
            m_marked.setText(quantity, fouling->text().toStdString()); // its own factors
            connect(fouling, &QLineEdit::textChanged, this,
                [this, quantity](const QString& text) { boxEdited(quantity, nullptr, text); });
        }
    }
    return m_options;
}

OptionsDialog* CaseEditor::optionsDialog() const { return m_options; }

std::string CaseEditor::userFluidPath() const { return m_tables.fluidPath(std::string(kUserDefinedFluid)); }

bool CaseEditor::userFluidPicked() const
{
    const QString userDefined = fromStd(kUserDefinedFluid);
    return m_ui.Combo1->currentText() == userDefined || m_ui.Combo2->currentText() == userDefined;
}

void CaseEditor::showOptions()
{
    OptionsDialog* dialog = ensureOptions();
    dialog->prepare(userFluidPicked());
    dialog->show();
    dialog->raise();
}

template <typename Widget> Widget* CaseEditor::control(std::string_view name) const
{
    auto* widget = m_window->findChild<Widget*>(fromStd(name));
    if (widget == nullptr)
        throw std::logic_error("the main window has no control " + std::string(name));
    return widget;
}

bool CaseEditor::isFouling(Quantity quantity)
{
    return quantity == Quantity::InternalFouling || quantity == Quantity::ExternalFouling;
}

QLineEdit* CaseEditor::lineEdit(Quantity quantity)
{
    if (isFouling(quantity))
        return ensureOptions()->box(quantity == Quantity::InternalFouling ? "Text1" : "Text2");
    return control<QLineEdit>(boxNameOf(quantity));
}

CaseContents CaseEditor::contents()
{
    CaseContents contents;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        const auto quantity = static_cast<Quantity>(i);
        const QString text
            = isPicked(quantity) ? control<QComboBox>(boxNameOf(quantity))->currentText() : lineEdit(quantity)->text();
        contents.setText(quantity, text.toStdString());
    }
    contents.internalOutletGiven = m_ui.Option3->isChecked();
    contents.externalOutletGiven = m_ui.Option7->isChecked();
    contents.lengthGiven = m_ui.Option5->isChecked();
    contents.counterCurrent = m_ui.Option1->isChecked();
    return contents;
}

void CaseEditor::applyWriteBacks(const std::vector<WriteBack>& writeBacks)
{
    for (const WriteBack& writeBack : writeBacks)
        lineEdit(writeBack.quantity)->setText(fromStd(writeBack.text));
}

void CaseEditor::connectMarks()
{
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        const auto quantity = static_cast<Quantity>(i);
        if (isPicked(quantity))
            connect(control<QComboBox>(boxNameOf(quantity)), &QComboBox::editTextChanged, this,
                [this, quantity](const QString& text) { boxEdited(quantity, nullptr, text); });
        else if (!isFouling(quantity)) // connected with their dialog
            connect(control<QLineEdit>(boxNameOf(quantity)), &QLineEdit::textChanged, this,
                [this, quantity, edited = control<QLineEdit>(boxNameOf(quantity))](
                    const QString& text) { boxEdited(quantity, edited, text); });
    }
    // A choice locks and empties boxes: the whole case is marked again.
    for (QRadioButton* option : m_window->findChildren<QRadioButton*>())
        connect(option, &QRadioButton::toggled, this, &CaseEditor::refreshMarks);
}

void CaseEditor::refreshMarks()
{
    m_marked = contents();
    m_calculated = m_session.isCalculated(m_marked);
    for (QLineEdit* box : lockableBoxes())
        markStale(box);
    markTitle();
}

void CaseEditor::boxEdited(Quantity quantity, QLineEdit* edited, const QString& text)
{
    ensureOptions(); // a dialog closed with its close box comes back, with its own fouling factors
    m_marked.setText(quantity, text.toStdString());
    const bool calculated = m_session.isCalculated(m_marked);
    if (calculated != m_calculated) { // every locked value belongs to the case, or no longer does
        m_calculated = calculated;
        for (QLineEdit* lockable : lockableBoxes())
            markStale(lockable);
    } else if (const auto lockable = lockableBoxes(); std::ranges::find(lockable, edited) != lockable.end()) {
        markStale(edited);
    }
    markTitle();
}

std::array<QLineEdit*, 6> CaseEditor::lockableBoxes() const
{
    return {m_ui.Text7, m_ui.Text8, m_ui.Text10, m_ui.Text11, m_ui.Text12, m_ui.Text3};
}

void CaseEditor::markStale(QLineEdit* box) const
{
    setStale(box, box->isReadOnly() && !box->text().isEmpty() && !m_calculated);
}

void CaseEditor::markTitle()
{
    const bool modified = m_session.modified(m_marked);
    QString name = m_session.path().isEmpty() ? QString() : QFileInfo(m_session.path()).fileName();
    if (name.isEmpty() && modified)
        name = msg::UntitledCase;
    QString title = kTitle;
    if (!name.isEmpty())
        title = name + (modified ? "*" : "") + " - " + title;
    m_window->setWindowTitle(title);
}

} // namespace vorlan
