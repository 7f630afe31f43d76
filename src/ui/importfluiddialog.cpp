#include "ui/importfluiddialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/calcerror.h"
#include "platform/messages.h"
#include "ui/userfluidsave.h"

namespace vorlan {

namespace {

// The rows of the table the preview shows; the check covers all of them.
constexpr int kPreviewRows = 30;

constexpr std::size_t kEnthalpy = static_cast<std::size_t>(FluidQuantity::Enthalpy);

QString capitalised(std::string_view name)
{
    QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    text[0] = text[0].toUpper();
    return text;
}

} // namespace

ImportFluidDialog::ImportFluidDialog(
    std::string dataFolder, std::string userFolder, MessageHandler showMessage, QWidget* parent)
    : QDialog(parent)
    , m_dataFolder(std::move(dataFolder))
    , m_userFolder(std::move(userFolder))
    , m_showMessage(std::move(showMessage))
    , m_file(new QLineEdit(this))
    , m_preview(new QTableWidget(this))
    , m_name(new QLineEdit(this))
    , m_replace(new QCheckBox("Replace my fluid of the same name", this))
    , m_problems(new QPlainTextEdit(this))
{
    setWindowTitle("Import fluid table");
    m_file->setObjectName("tableFile");
    m_preview->setObjectName("preview");
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setMinimumHeight(8 * fontMetrics().lineSpacing());
    m_name->setObjectName("fluidName");
    m_replace->setObjectName("replaceFluid");
    m_problems->setObjectName("problems");
    m_problems->setReadOnly(true);
    m_problems->setMinimumHeight(5 * fontMetrics().lineSpacing());

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel("Table (CSV or text):", this));
    fileRow->addWidget(m_file, 1);
    auto* browseButton = new QPushButton("Browse...", this);
    fileRow->addWidget(browseButton);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Quantity", this), 0, 0);
    grid->addWidget(new QLabel("Column", this), 0, 1);
    grid->addWidget(new QLabel("Unit", this), 0, 2);
    for (std::size_t q = 0; q < kQuantities; ++q) {
        const auto quantity = static_cast<FluidQuantity>(q);
        const int row = static_cast<int>(q) + 1;
        m_columns[q] = new QComboBox(this);
        m_columns[q]->setObjectName(QStringLiteral("column%1").arg(q));
        m_units[q] = new QComboBox(this);
        m_units[q]->setObjectName(QStringLiteral("unit%1").arg(q));
        for (const ImportUnit& unit : importUnits(quantity))
            m_units[q]->addItem(QString::fromUtf8(unit.label.data(), static_cast<qsizetype>(unit.label.size())));
        grid->addWidget(new QLabel(capitalised(quantityName(quantity)), this), row, 0);
        grid->addWidget(m_columns[q], row, 1);
        grid->addWidget(m_units[q], row, 2);
        connect(m_columns[q], &QComboBox::currentIndexChanged, this, &ImportFluidDialog::check);
        connect(m_units[q], &QComboBox::currentIndexChanged, this, &ImportFluidDialog::check);
    }
    grid->setColumnStretch(1, 1);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel("Name of the fluid:", this));
    nameRow->addWidget(m_name, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton("Import", QDialogButtonBox::AcceptRole);
    m_save->setObjectName("importButton");
    m_save->setEnabled(false);
    buttons->addButton(QDialogButtonBox::Close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(m_preview, 1);
    layout->addLayout(grid);
    layout->addLayout(nameRow);
    layout->addWidget(m_replace);
    layout->addWidget(new QLabel("Problems and notes (rows as numbered in the file):", this));
    layout->addWidget(m_problems);
    layout->addWidget(buttons);
    setMinimumWidth(560);

    connect(browseButton, &QPushButton::clicked, this, &ImportFluidDialog::browse);
    connect(m_file, &QLineEdit::returnPressed, this, [this] { openFile(m_file->text()); });
    connect(m_name, &QLineEdit::textChanged, this, &ImportFluidDialog::check);
    connect(m_replace, &QCheckBox::toggled, this, &ImportFluidDialog::check);
    connect(m_save, &QPushButton::clicked, this, &ImportFluidDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ImportFluidDialog::browse()
{
    const QString path = QFileDialog::getOpenFileName(
        this, "Import fluid table", m_file->text(), "Tables (*.csv *.txt *.dat *.tsv);;All files (*)");
    if (!path.isEmpty())
        openFile(path);
}

void ImportFluidDialog::openFile(const QString& path)
{
    m_file->setText(path);
    try {
        m_source = readImportFile(path.toStdString());
    } catch (const CalcError& error) {
        m_source = {};
        m_showMessage(QMessageBox::Warning, msg::Title, QString(msg::ImportUnreadable) + path, error.what());
    }
    m_preview->clear();
    m_preview->setColumnCount(m_source.columns);
    m_preview->setRowCount(std::min(kPreviewRows, static_cast<int>(m_source.rows.size())));
    QStringList lines;
    for (int r = 0; r < m_preview->rowCount(); ++r) {
        const ImportSource::Row& row = m_source.rows[static_cast<std::size_t>(r)];
        lines << QString::number(row.line);
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            m_preview->setItem(r, static_cast<int>(c), new QTableWidgetItem(QString::fromStdString(row.cells[c])));
    }
    m_preview->setVerticalHeaderLabels(lines);
    if (m_name->text().isEmpty())
        m_name->setText(QFileInfo(path).completeBaseName());
    fillColumnLists();
}

void ImportFluidDialog::fillColumnLists()
{
    QStringList names;
    for (int c = 0; c < m_source.columns; ++c) {
        const auto index = static_cast<std::size_t>(c);
        names << QString::number(c + 1)
                + (index < m_source.header.size() ? ": " + QString::fromStdString(m_source.header[index]) : QString());
    }
    m_preview->setHorizontalHeaderLabels(names);
    for (std::size_t q = 0; q < kQuantities; ++q) {
        QComboBox* box = m_columns[q];
        const QSignalBlocker quiet(box);
        box->clear();
        if (q == kEnthalpy)
            box->addItem("none: from the specific heat", -1);
        for (int c = 0; c < m_source.columns; ++c)
            box->addItem(names[c], c);
        // The record's own order by default: T, p, rho, cp, k, mu and h.
        box->setCurrentIndex(std::max(0, box->findData(static_cast<int>(q))));
    }
    check();
}

ImportMapping ImportFluidDialog::mapping() const
{
    ImportMapping mapping;
    for (std::size_t q = 0; q < kQuantities; ++q) {
        mapping.column[q] = m_columns[q]->currentIndex() < 0 ? -1 : m_columns[q]->currentData().toInt();
        mapping.unit[q] = m_units[q]->currentIndex();
    }
    return mapping;
}

void ImportFluidDialog::check()
{
    m_result = importFluidTable(m_source, mapping());
    QStringList lines;
    const std::string nameProblem
        = userFluidNameProblem(m_dataFolder, m_userFolder, m_name->text().toStdString(), m_replace->isChecked());
    if (!nameProblem.empty())
        lines << "the name: " + QString::fromStdString(nameProblem);
    for (const ImportProblem& problem : m_result.problems)
        lines << QString::fromStdString(problemText(problem));
    for (const std::string& note : m_result.notes)
        lines << "note: " + QString::fromStdString(note);
    if (lines.isEmpty())
        lines << QStringLiteral("%1 rows, no problem").arg(m_result.records.size());
    m_problems->setPlainText(lines.join('\n'));
    m_save->setEnabled(nameProblem.empty() && m_result.problems.empty());
}

void ImportFluidDialog::save()
{
    if (!m_result.problems.empty())
        return;
    const QString name = m_name->text();
    if (saveUserFluid(
            m_dataFolder, m_userFolder, name.toStdString(), m_replace->isChecked(), m_result.records, m_showMessage)) {
        emit saved(name);
        accept();
    }
}

} // namespace vorlan
