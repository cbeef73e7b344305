#pragma once
// A raised panel with a centred caption of one or more lines that reports
// clicks: the two parts of a day cell.

#include <QColor>
#include <QLabel>

namespace qavo::ui {

class CaptionPanel : public QLabel {
    Q_OBJECT
  public:
    explicit CaptionPanel(QWidget* parent = nullptr);
    void SetColours(const QColor& text, const QColor& background);
    QColor TextColour() const;
    QColor BackgroundColour() const;

  signals:
    void Clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qavo::ui
