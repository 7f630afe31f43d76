#pragma once

#include <QMainWindow>
#include <memory>

namespace Ui {
class Form1;
}

namespace vorlan {

/** The main window, where the engineer describes a case. */
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

private:
    std::unique_ptr<Ui::Form1> m_ui;
};

} // namespace vorlan
