#include "ui/mainwindow.h"

#include "ui_form1.h"

namespace vorlan {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::Form1>())
{
    m_ui->setupUi(this);
}

MainWindow::~MainWindow() = default;

} // namespace vorlan
