#include "ui/studywindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/messages.h"
#include "ui/dialogfolder.h"
#include "ui/keyfilter.h"
#include "ui/savepath.h"
#include "ui/studyplot.h"
#include "ui/windowmessages.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

constexpr int kDefaultPoints = 50;
// Least time between redraws of the plot while a study runs [ms]: a redraw of a thousand points
// takes a few milliseconds, as much as several points' calculation in a slice.
constexpr qint64 kReplotMilliseconds = 200;
constexpr char kNoSecondColumn[] = "(none)";

/** A table cell that shows its text and cannot be edited. */
QTableWidgetItem* cellItem(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

/** A labelled control: the label's mnemonic moves the focus to it. */
QLabel* labelFor(const QString& text, QWidget* control)
{
    auto* label = new QLabel(text);
    label->setBuddy(control);
    return label;
}

} // namespace

StudyWindow::StudyWindow(const std::string& dataFolder, std::function<CaseContents()> currentCase,
    MessageHandler showMessage, QWidget* parent)
    : QWidget(parent)
    , m_currentCase(std::move(currentCase))
    , m_showMessage(std::move(showMessage))
    , m_runner(dataFolder)
    , m_box(new QComboBox)
    , m_from(new QLineEdit)
    , m_to(new QLineEdit)
    , m_points(new QSpinBox)
    , m_logarithmic(new QCheckBox("&Logarithmic"))
    , m_run(new QPushButton("&Run"))
    , m_cancel(new QPushButton("&Cancel"))
    , m_export(new QPushButton("&Export CSV..."))
    , m_progress(new QProgressBar)
    , m_plotFirst(new QComboBox)
    , m_plotSecond(new QComboBox)
    , m_table(new QTableWidget)
    , m_plot(new StudyPlot)
{
    setWindowTitle("Study");
    m_box->setObjectName("sweepBox");
    m_from->setObjectName("sweepFrom");
    m_to->setObjectName("sweepTo");
    m_points->setObjectName("sweepPoints");
    m_logarithmic->setObjectName("sweepLogarithmic");
    m_run->setObjectName("runButton");
    m_cancel->setObjectName("cancelButton");
    m_export->setObjectName("exportButton");
    m_progress->setObjectName("studyProgress");
    m_plotFirst->setObjectName("plotFirst");
    m_plotSecond->setObjectName("plotSecond");
    m_table->setObjectName("studyTable");
    m_plot->setObjectName("studyPlot");

    for (const Quantity quantity : sweepableQuantities())
        m_box->addItem(fromStd(labelOf(quantity)));
    m_box->setCurrentIndex(0); // the length, first of the list
    for (QLineEdit* end : {m_from, m_to})
        end->installEventFilter(new NumericKeyFilter(true, end)); // the main window's keys, '-' included
    m_points->setRange(kMinSweepPoints, kMaxSweepPoints);
    m_points->setValue(kDefaultPoints);
    m_points->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_plotSecond->addItem(kNoSecondColumn);
    for (const StudyColumn& column : studyColumns()) {
        m_plotFirst->addItem(fromStd(column.heading()));
        m_plotSecond->addItem(fromStd(column.heading()));
    }
    m_progress->setTextVisible(true);
    m_progress->setValue(0);

    QStringList headings {fromStd(labelOf(sweepableQuantities().front()))};
    for (const StudyColumn& column : studyColumns())
        headings << fromStd(column.heading());
    headings << "Warnings"
             << "Message";
    m_table->setColumnCount(static_cast<int>(headings.size()));
    m_table->setHorizontalHeaderLabels(headings);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->resizeColumnsToContents();

    auto* range = new QGridLayout;
    range->addWidget(labelFor("&Swept box:", m_box), 0, 0);
    range->addWidget(m_box, 0, 1, 1, 5);
    range->addWidget(m_logarithmic, 0, 6);
    range->addWidget(labelFor("&From:", m_from), 1, 0);
    range->addWidget(m_from, 1, 1);
    range->addWidget(labelFor("&To:", m_to), 1, 2);
    range->addWidget(m_to, 1, 3);
    range->addWidget(labelFor("&Points:", m_points), 1, 4);
    range->addWidget(m_points, 1, 5);
    range->setColumnStretch(7, 1);
    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {m_run, m_cancel, m_export})
        commands->addWidget(button);
    commands->addWidget(m_progress, 1);
    auto* plotted = new QHBoxLayout;
    plotted->addWidget(labelFor("Pl&ot:", m_plotFirst));
    plotted->addWidget(m_plotFirst);
    plotted->addWidget(labelFor("&and:", m_plotSecond));
    plotted->addWidget(m_plotSecond);
    plotted->addStretch(1);
    auto* results = new QSplitter(Qt::Vertical);
    results->addWidget(m_plot);
    results->addWidget(m_table);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addLayout(commands);
    layout->addLayout(plotted);
    layout->addWidget(results, 1);
    resize(720, 820);

    connect(m_run, &QPushButton::clicked, this, &StudyWindow::run);
    connect(m_cancel, &QPushButton::clicked, this, &StudyWindow::cancel);
    connect(m_export, &QPushButton::clicked, this, &StudyWindow::exportFromDialog);
    for (QComboBox* column : {m_plotFirst, m_plotSecond})
        connect(column, &QComboBox::currentIndexChanged, this, &StudyWindow::replot);
    connect(&m_runner, &StudyRunner::rowsAdded, this, &StudyWindow::showRows);
    connect(&m_runner, &StudyRunner::stopped, this, [this] { showRunning(false); });
    showRunning(false);
}

void StudyWindow::run()
{
    if (isRunning())
        return;
    SweepRange range;
    range.quantity = sweepableQuantities().at(static_cast<std::size_t>(m_box->currentIndex()));
    if (!readNumberBox(m_from, "From", m_showMessage, range.from)
        || !readNumberBox(m_to, "To", m_showMessage, range.to))
        return;
    m_points->interpretText(); // a number still being typed counts
    range.points = m_points->value();
    range.logarithmic = m_logarithmic->isChecked();
    const CaseContents contents = m_currentCase();
    if (const std::string problem = sweepProblem(range, contents); !problem.empty()) {
        m_showMessage(QMessageBox::Warning, msg::Title, fromStd(problem));
        return;
    }
    m_table->setRowCount(0);
    m_table->setHorizontalHeaderItem(0, new QTableWidgetItem(fromStd(labelOf(range.quantity))));
    m_progress->setRange(0, range.points);
    m_progress->setValue(0);
    m_runner.start(contents, range);
    showRunning(true);
    replot(); // an empty plot
}

void StudyWindow::cancel() { m_runner.cancel(); }

void StudyWindow::showRunning(bool running)
{
    m_run->setEnabled(!running);
    m_cancel->setEnabled(running);
    m_export->setEnabled(!running && !rows().empty());
    if (!running) {
        m_table->resizeColumnsToContents();
        replot(); // the last rows too
    }
}

void StudyWindow::showRows(int first)
{
    const std::vector<StudyRow>& all = rows();
    m_table->setRowCount(static_cast<int>(all.size()));
    const Qt::Alignment number = Qt::AlignRight;
    for (int r = first; r < static_cast<int>(all.size()); ++r) {
        const StudyRow& row = all[static_cast<std::size_t>(r)];
        const Solution* solution = pointSolution(row.point);
        m_table->setItem(r, 0, cellItem(fromStd(row.point.text), number));
        int c = 1;
        for (const StudyColumn& column : studyColumns()) {
            const QString value
                = solution ? fromStd(figure(column.value(solution->record), column.measure)) : QString();
            m_table->setItem(r, c++, cellItem(value, number));
        }
        m_table->setItem(r, c++, cellItem(fromStd(warningsCell(row.warnings)), number));
        m_table->setItem(r, c, cellItem(fromStd(pointMessage(row.point)), Qt::AlignLeft));
    }
    m_progress->setValue(static_cast<int>(all.size()));
    if (m_replotted.hasExpired(kReplotMilliseconds))
        replot();
}

void StudyWindow::replot()
{
    const std::vector<StudyColumn>& columns = studyColumns();
    std::vector<const StudyColumn*> plotted {&columns.at(static_cast<std::size_t>(m_plotFirst->currentIndex()))};
    if (m_plotSecond->currentIndex() > 0)
        plotted.push_back(&columns.at(static_cast<std::size_t>(m_plotSecond->currentIndex() - 1)));
    std::vector<double> x;
    std::vector<PlotSeries> series;
    for (const StudyColumn* column : plotted)
        series.push_back({fromStd(column->heading()), {}});
    for (const StudyRow& row : rows()) {
        x.push_back(row.point.value);
        const Solution* solution = pointSolution(row.point);
        for (std::size_t s = 0; s < plotted.size(); ++s)
            series[s].values.push_back(solution ? plotted[s]->value(solution->record) : NAN); // a failed point: a gap
    }
    const SweepRange& range = m_runner.range();
    m_plot->setData(fromStd(labelOf(range.quantity)), std::move(x), std::move(series), range.logarithmic);
    m_replotted.start();
}

void StudyWindow::exportFromDialog()
{
    const QString folder = existingFolder(m_exportPath.isEmpty() ? QString() : QFileInfo(m_exportPath).absolutePath());
    QFileDialog dialog(this, "Export CSV", folder, msg::CsvFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("csv");
    const QString path = chooseSavePath(dialog);
    if (!path.isEmpty())
        exportCsv(path);
}

bool StudyWindow::exportCsv(const QString& path)
{
    const std::string csv = studyCsv(m_runner.range().quantity, rows());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(csv.data(), static_cast<qint64>(csv.size())) != qint64(csv.size()) || !file.commit()) {
        m_showMessage(QMessageBox::Warning, msg::Title, msg::StudyNotExported + path + " (" + file.errorString() + ")");
        return false;
    }
    m_exportPath = path;
    return true;
}

void StudyWindow::closeEvent(QCloseEvent* event)
{
    m_runner.cancel(); // no point is calculated for a closed window; the rows stay
    QWidget::closeEvent(event);
}

} // namespace vorlan
