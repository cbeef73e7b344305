#include "ui/platform/common_dialog.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace qavo::ui {

CommonDialog::CommonDialog() = default;
CommonDialog::~CommonDialog() = default;

QPrinter& CommonDialog::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

std::optional<QString> CommonDialog::ShowSave(QWidget* parent) {
    std::optional<QString> chosen = AskSaveFileName(parent);
    if (chosen) {
        fileName_ = *chosen;
    }
    return chosen;
}

bool CommonDialog::ShowPrinter(QWidget* parent) {
    return AskPrinter(parent, Printer());
}

QString CommonDialog::StartFolder() const {
    return fileName_.isEmpty() ? QDir::homePath() : QFileInfo(fileName_).absolutePath();
}

QString CommonDialog::NameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        names << parts[i];
    }
    return names.join(";;");
}

std::optional<QString> CommonDialog::AskSaveFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(NameFilters(filter_));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !overwritePrompt_);
    dialog.setDirectory(StartFolder());
    if (!fileName_.isEmpty()) {
        dialog.selectFile(fileName_);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

bool CommonDialog::AskPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace qavo::ui
