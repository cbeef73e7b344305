#pragma once
// The three clocks of the sunset setup in place of a daylight check box:
// Standard (the city's Zone), Daylight (one hour later) and Auto (each date's
// clock of the city's time zone).

#include <QWidget>

class QRadioButton;

namespace qavo::ui {

class DaylightChoice : public QWidget {
    Q_OBJECT
  public:
    enum class Clock { Standard, Daylight, Auto };

    explicit DaylightChoice(QWidget* parent = nullptr);

    Clock Chosen() const;
    void Show(Clock clock);

  signals:
    // The user clicked one of the three.
    void Clicked();

  private:
    QRadioButton* standard_ = nullptr;
    QRadioButton* daylight_ = nullptr;
    QRadioButton* auto_ = nullptr;
};

}  // namespace qavo::ui
