#include "ui/qt/form_page.h"

#include <QPalette>
#include <algorithm>

#include "ui/control.h"
#include "ui/qt/control_widget.h"
#include "ui/qt/look.h"

namespace uiqt {

FormPage::FormPage(ui::Form& form, View& view, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName(QString::fromStdString(form.name()));
    setGeometry(QRect(0, 0, toPixels(form.clientWidth()), toPixels(form.clientHeight())));
    // Children stack in creation order, the last on top: create from the bottom up.
    const auto& topFirst = form.controls();
    for (auto it = topFirst.rbegin(); it != topFirst.rend(); ++it) {
        ui::Control* control = *it;
        QWidget* w = nullptr;
        if (control->kind() == ui::Kind::CommandButton) {
            w = new ButtonWidget(static_cast<ui::CommandButton&>(*control), view, this);
        } else {
            w = new ControlWidget(*control, view, this);
        }
        widgets_.insert(control, w);
    }
    chainFocus();
    syncBackground();
}

// A page lies over the window's background, which is the same colour; a colour of its own
// lets the page be painted alone as well.
void FormPage::syncBackground() {
    if (!form_.backColour()) return;
    const QColor back = toQColor(*form_.backColour());
    if (autoFillBackground() && palette().color(QPalette::Window) == back) return;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    setPalette(pal);
    setAutoFillBackground(true);
}

// Qt chains the focus in creation order, which is the stacking order here; the tab indices
// decide instead.
void FormPage::chainFocus() {
    std::vector<ui::Control*> byTab = form_.controls();
    std::stable_sort(byTab.begin(), byTab.end(), [](const ui::Control* a, const ui::Control* b) {
        return a->tabIndex() < b->tabIndex();
    });
    for (const ui::Control* control : byTab) {
        QWidget* w = widgets_.value(control);
        if (w->focusPolicy() != Qt::NoFocus) tabOrder_.push_back(w);
    }
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

void FormPage::focusFirst() {
    for (QWidget* w : tabOrder_) {
        if (w->isVisibleTo(this)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QWidget* FormPage::widgetFor(const ui::Control& control) const {
    return widgets_.value(&control, nullptr);
}

}  // namespace uiqt
