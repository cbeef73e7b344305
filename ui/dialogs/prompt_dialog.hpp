#pragma once
// The common frame of the prompts: a fixed-size modal dialog, fitted to its
// texts and centred on the screen when it is first shown, refreshed from the engine every time it
// is shown, and only hidden (never destroyed) when it closes. OK hides it after storing its value;
// Cancel, Escape and the window frame set Cancelled.

#include <QDialog>
#include <string_view>

#include "engine/engine.hpp"

class QComboBox;
class QLabel;
class QPushButton;

namespace qavo::ui {

class NumberBox;
class SpinButton;

class PromptDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows the dialog modally; returns once OK, Cancel or the frame closed it.
    void ShowModal();

  protected:
    PromptDialog(Engine& engine, const char* name, const char* caption, int widthTwips,
                 int heightTwips, QWidget* parent);

    // Fills the controls from the engine; runs on every showing.
    virtual void Activate() = 0;
    // Closing by the window frame; cancels unless a dialog says otherwise.
    virtual void FrameClosed();

    // The Cancel button: Cancelled = true and the dialog is hidden.
    void Cancel();
    // OK's success: the dialog is hidden.
    void Accept();
    // OK's failure: a stop message titled "Entry Error"; the dialog stays.
    void Refuse(std::string_view message);

    QLabel* AddLabel(const char* name, const char* text, int left, int top, int width, int height);
    NumberBox* AddNumberBox(const char* name, int left, int top, int width, int height);
    SpinButton* AddSpin(const char* name, int left, int top, int width, int height);
    QComboBox* AddList(const char* name, int left, int top, int width, int height);
    QPushButton* AddButton(const char* name, const char* caption, int left, int top, int width,
                           int height);

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    Engine& engine_;

  private:
    void StartInFirstBox();

    bool centred_ = false;
    bool startOnActivation_ = false;
};

}  // namespace qavo::ui
