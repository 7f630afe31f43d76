#pragma once

#include <QWidget>
#include <memory>

class QPdfDocument;

namespace Ui {
class Form4;
}

namespace vorlan {

/** Shows the user guide, a PDF document; a guide that cannot be opened leaves the view empty. */
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(const QString& guidePath, QWidget* parent = nullptr);
    ~HelpViewer() override;

    QPdfDocument* document() const { return m_document; }

private:
    std::unique_ptr<Ui::Form4> m_ui;
    QPdfDocument* m_document;
};

} // namespace vorlan
