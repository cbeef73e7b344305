#include "ui/windows/zone_picker.hpp"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "sunset/time_zones.hpp"

namespace qavo::ui {

ZonePicker::ZonePicker(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& zone : AllZoneNames()) {
        addItem(QString::fromStdString(zone));
    }
    // "york" offers America/New_York: any part of the name, any letter case.
    auto* typeAhead = new QCompleter(model(), this);
    typeAhead->setCaseSensitivity(Qt::CaseInsensitive);
    typeAhead->setFilterMode(Qt::MatchContains);
    typeAhead->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(typeAhead);
    connect(typeAhead, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& zone) {
                ShowZone(zone);
                emit ZoneChosen(zone);
            });
    connect(this, &QComboBox::activated, this,
            [this](int position) { emit ZoneChosen(itemText(position)); });
}

void ZonePicker::ShowZone(const QString& zone) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(findText(zone));
    setEditText(zone);
}

void ZonePicker::ChooseTyped() {
    // A whole name in any letter case, else the one name that holds the text.
    const QString typed = currentText().trimmed();
    int position = findText(typed, Qt::MatchFixedString);
    if (position < 0 && !typed.isEmpty()) {
        for (int i = 0; i < count(); ++i) {
            if (itemText(i).contains(typed, Qt::CaseInsensitive)) {
                if (position >= 0) {
                    return;  // more than one
                }
                position = i;
            }
        }
    }
    if (position >= 0) {
        ShowZone(itemText(position));
        emit ZoneChosen(itemText(position));
    }
}

void ZonePicker::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ChooseTyped();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace qavo::ui
