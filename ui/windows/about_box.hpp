#pragma once
// The about box: the program's icon, name and version.

#include <QDialog>

namespace qavo::ui {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

  private slots:
    void Cmd_OK_Click();
};

}  // namespace qavo::ui
