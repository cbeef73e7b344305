#include "ui/main_window/page_accessibility.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <array>

#include "ui/main_window/page_view.hpp"

namespace qavo::ui {

namespace {

// One day: a button whose press does what a click on the cell does.
class DayItem : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    DayItem(PageView* view, int cell) : view_(view), cell_(cell) {}

    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return view_ && kind == QAccessible::Name ? view_->SpokenName(cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!view_) {
            return {};
        }
        const QRect cell = view_->CellRect(cell_);
        return {view_->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = view_ && view_->hasFocus() && view_->FocusedCell() == cell_;
        state.invisible = !view_ || !view_->IsShown(cell_);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType kind) override {
        return kind == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (view_ && name == pressAction() && view_->IsShown(cell_)) {
            emit view_->CellClicked(cell_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int Cell() const { return cell_; }

  private:
    QPointer<PageView> view_;
    int cell_;
};

// The page: a group of the shown days.
class PageItem : public QAccessibleWidget {
  public:
    explicit PageItem(PageView* view) : QAccessibleWidget(view, QAccessible::Grouping) {
        for (int n = 1; n <= kPageCells; ++n) {
            days_[n] = new DayItem(view, n);
            ids_[n] = QAccessible::registerAccessibleInterface(days_[n]);
        }
    }
    ~PageItem() override {
        for (int n = 1; n <= kPageCells; ++n) {
            QAccessible::deleteAccessibleInterface(ids_[n]);
        }
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? QStringLiteral("Month page")
                                         : QAccessibleWidget::text(kind);
    }
    int childCount() const override {
        const PageView* view = View();
        int shown = 0;
        for (int n = 1; n <= kPageCells; ++n) {
            shown += view->IsShown(n) ? 1 : 0;
        }
        return shown;
    }
    QAccessibleInterface* child(int index) const override {
        const int cell = FirstShown() + index;
        return index >= 0 && index < childCount() ? days_[cell] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* item) const override {
        for (int n = 1; n <= kPageCells; ++n) {
            if (days_[n] == item && View()->IsShown(n)) {
                return n - FirstShown();
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (child(index)->rect().contains(x, y)) {
                return child(index);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const PageView* view = View();
        return view->hasFocus() && view->IsShown(view->FocusedCell()) ? days_[view->FocusedCell()]
                                                                      : nullptr;
    }

  private:
    const PageView* View() const { return static_cast<const PageView*>(widget()); }
    int FirstShown() const {
        int n = 1;
        while (n < kPageCells && !View()->IsShown(n)) {
            ++n;
        }
        return n;
    }

    std::array<DayItem*, kPageCells + 1> days_{};
    std::array<QAccessible::Id, kPageCells + 1> ids_{};
};

QAccessibleInterface* PageFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(PageView::staticMetaObject.className())) {
        if (auto* view = qobject_cast<PageView*>(object)) {
            return new PageItem(view);
        }
    }
    return nullptr;
}

}  // namespace

void InstallPageAccessibility() {
    QAccessible::installFactory(PageFactory);  // a second install is ignored
}

void AnnounceFocusedDay(PageView* view) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(view);
    QAccessibleInterface* day = page != nullptr ? page->focusChild() : nullptr;
    if (day != nullptr) {
        QAccessibleEvent focused(day, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

}  // namespace qavo::ui
