#include "ui/windows/about_box.hpp"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/platform/guarded_application.hpp"
#include "ui/widgets/fit_to_texts.hpp"
#include "ui/widgets/twips.hpp"

namespace qavo::ui {

namespace {
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}
}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About QAVO for Windows");
    setFixedSize(TwipsToPixelsX(4500), TwipsToPixelsY(2100));

    QLabel* icon = AddLabel(this, "Pic_ApplicationIcon", QString());
    icon->setPixmap(windowIcon().pixmap(TwipsToPixelsX(480), TwipsToPixelsY(480)));
    PlaceInTwips(icon, 240, 240, 480, 480);
    QLabel* name = AddLabel(this, "Lbl_IconWorks", "QAVO for Windows");
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    PlaceInTwips(name, 1050, 240, 3200, 360);
    PlaceInTwips(AddLabel(this, "Lbl_Version", "Version 2.2"), 1050, 660, 3200, 300);

    auto* rule = new QFrame(this);
    rule->setObjectName("lin_HorizontalLine1");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    PlaceInTwips(rule, 240, 1140, 4020, 30);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Cmd_OK");
    ok->setDefault(true);
    PlaceInTwips(ok, 3060, 1440, 1200, 420);
    connect(ok, &QPushButton::clicked, this, Guarded(this, &AboutBox::Cmd_OK_Click));
    FitToTexts(this);
}

void AboutBox::Cmd_OK_Click() {
    close();
}

}  // namespace qavo::ui
