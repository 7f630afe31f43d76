#include "ui/hairpindialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/analysistext.h"
#include "analysis/hairpins.h"
#include "platform/calcerror.h"
#include "ui/keyfilter.h"
#include "ui/windowtext.h"

namespace vorlan {

HairpinDialog::HairpinDialog(std::function<const CaseAnalysis*()> latest, MessageHandler showMessage, QWidget* parent)
    : QDialog(parent)
    , m_latest(std::move(latest))
    , m_showMessage(std::move(showMessage))
    , m_leg(new QLineEdit("6", this))
    , m_table(new QTableWidget(0, 4, this))
    , m_note(new QLabel(this))
{
    setWindowTitle("Hairpin layout");
    m_leg->setObjectName("legLength");
    m_leg->installEventFilter(new NumericKeyFilter(false, m_leg));
    auto* form = new QFormLayout;
    form->addRow("Leg length [m]:", m_leg);
    auto* common = new QLabel("Common legs: 12 ft = 3,658 m, 15 ft = 4,572 m, 20 ft = 6,096 m.", this);

    m_table->setObjectName("hairpinTable");
    m_table->setHorizontalHeaderLabels({"", "Unit", "Internal pipe", "External pipe"});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_note->setObjectName("hairpinNote");
    m_note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* layOutButton = buttons->addButton("Lay out", QDialogButtonBox::ActionRole);
    layOutButton->setObjectName("layOutButton");
    layOutButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close)->setObjectName("closeButton");
    connect(layOutButton, &QPushButton::clicked, this, &HairpinDialog::layOut);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(common);
    layout->addWidget(m_table);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    resize(560, 450);
}

void HairpinDialog::layOut()
{
    m_table->setRowCount(0);
    m_note->clear();
    double leg = 0;
    if (!readNumberBox(m_leg, "The leg length", m_showMessage, leg))
        return;
    const CaseAnalysis* analysis = m_latest();
    if (analysis == nullptr || !analysis->solved || !analysis->details) {
        m_note->setText(analysis == nullptr ? "Calculate a case first: the layout is that of the last solved case."
                                            : fromStd(notAvailable(analysis->hairpinsMissing)));
        return;
    }
    HairpinLayout layout;
    try {
        layout = hairpinLayout(analysis->solved->record, *analysis->details, leg);
    } catch (const CalcError& error) {
        m_note->setText(fromStd(notAvailable(error.what())));
        return;
    }
    // The exchanger's values span both sides' columns; the return bends have one per side.
    const auto addRows = [this](const std::vector<DetailRow>& rows, bool perSide) {
        for (const DetailRow& row : rows) {
            const int r = m_table->rowCount();
            m_table->insertRow(r);
            const QString cells[]
                = {fromStd(row.caption), fromStd(row.unit), fromStd(row.internal), fromStd(row.external)};
            for (int c = 0; c < (perSide ? 4 : 3); ++c)
                m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
            if (!perSide)
                m_table->setSpan(r, 2, 1, 2);
        }
    };
    addRows(hairpinRows(layout), false);
    addRows(returnBendRows(layout), true);
    m_table->resizeColumnsToContents();
    m_note->setText("The return bends' drops come on top of the straight pipes' drops of the results.");
}

} // namespace vorlan
