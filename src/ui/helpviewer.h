#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPdfDocument;
class QPdfSearchModel;
class QPdfView;
class QToolButton;
class QTreeView;

namespace Ui {
class Form4;
}

namespace vorlan {

class PageHighlight;

/**
 * Shows the user guide, a PDF document, in a window that can be resized, with zoom, find (the
 * place found marked on its page) and the guide's contents from its bookmarks beside the pages. A
 * guide that cannot be opened is said so, with its path, in place of the pages.
 */
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(const QString& guidePath, QWidget* parent = nullptr);
    ~HelpViewer() override;

    QPdfDocument* document() const { return m_document; }
    /** The text shown when the guide cannot be opened; empty while the guide is shown. */
    QString missingText() const;

private:
    void buildToolBar();
    void zoomBy(double factor);
    /** Goes to the next (step 1) or previous (step -1) place that holds the text of the find box. */
    void findStep(int step);
    void showFindCount();
    /** Goes to the chapter or section of a bookmark of the contents. */
    void openBookmark(const QModelIndex& index);

    std::unique_ptr<Ui::Form4> m_ui;
    QPdfDocument* m_document;
    QPdfSearchModel* m_search;
    QTreeView* m_contents;
    PageHighlight* m_highlight;
    QLabel* m_missing;
    QLineEdit* m_findBox;
    QLabel* m_findCount;
    int m_found = -1; // index of the result shown last; -1 before the first
};

} // namespace vorlan
