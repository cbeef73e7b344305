#include "ui/windows/place_list_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "sunset/zone_places.hpp"
#include "ui/platform/guarded_application.hpp"

namespace qavo::ui {

PlaceListDialog::PlaceListDialog(const std::vector<ZonePlace>& places, QWidget* parent)
    : QDialog(parent), places_(places) {
    setObjectName("PlaceListDialog");
    setWindowTitle("Add City from List");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("&Search:", this);
    search_ = new QLineEdit(this);
    search_->setObjectName("PlaceSearch");
    label->setBuddy(search_);
    list_ = new QListWidget(this);
    list_->setObjectName("PlaceList");
    list_->setAccessibleName("Places");
    // Sorted by the name the city will get.
    std::vector<std::size_t> order(places_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return PlaceName(places_[a]) < PlaceName(places_[b]);
    });
    for (const std::size_t i : order) {
        const ZonePlace& place = places_[i];
        QString text = QString::fromStdString(PlaceName(place) + "  (" + place.zone);
        text += place.comment.empty() ? ")" : QString::fromStdString(": " + place.comment + ")");
        auto* item = new QListWidgetItem(text, list_);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
    list_->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Named by what it does, for the eye and for a screen reader.
    buttons->button(QDialogButtonBox::Ok)->setText("&Add");
    layout->addWidget(label);
    layout->addWidget(search_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    // Wide enough for the longest entry, as far as the screen allows.
    const int entries = list_->sizeHintForColumn(0) +
                        list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth();
    const QMargins margins = layout->contentsMargins();
    resize(std::min(std::max(480, entries + margins.left() + margins.right()),
                    screen()->availableGeometry().width()),
           420);
    connect(search_, &QLineEdit::textChanged, this,
            Guarded(this, &PlaceListDialog::Search_Changed));
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PlaceListDialog::Search_Changed(const QString& text) {
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const bool shown = item->text().contains(text.trimmed(), Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && first == nullptr) {
            first = item;
        }
    }
    list_->setCurrentItem(first);
}

std::optional<ZonePlace> PlaceListDialog::ChosenPlace() const {
    const QListWidgetItem* item = list_->currentItem();
    if (result() != QDialog::Accepted || item == nullptr || item->isHidden()) {
        return std::nullopt;
    }
    return places_[static_cast<std::size_t>(item->data(Qt::UserRole).toInt())];
}

}  // namespace qavo::ui
