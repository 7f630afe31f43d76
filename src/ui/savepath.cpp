#include "ui/savepath.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/messages.h"
#include "ui/windowmessages.h"

namespace vorlan {

QString chooseSavePath(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QString suffix = dialog.defaultSuffix();
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        QString path = dialog.selectedFiles().front();
        // A name given another ending (or a desktop dialog that ignores the default suffix).
        if (!suffix.isEmpty() && QFileInfo(path).suffix() != suffix)
            path += "." + suffix;
        if (!QFileInfo::exists(path))
            return path;
        QMessageBox question(QMessageBox::Question, msg::Title, QFileInfo(path).fileName() + msg::ReplaceFile,
            QMessageBox::Yes | QMessageBox::No, dialog.parentWidget());
        question.setTextFormat(Qt::PlainText);
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() == QMessageBox::Yes)
            return path;
        // No: back in the dialog for another name.
    }
    return {};
}

} // namespace vorlan
