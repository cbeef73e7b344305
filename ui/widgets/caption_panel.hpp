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
    // The keyboard's day: a black and a white ring inside the border, which
    // shows on any background.
    void SetFocusMark(bool marked);
    bool HasFocusMark() const { return focusMark_; }

  signals:
    void Clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool focusMark_ = false;
};

}  // namespace qavo::ui
