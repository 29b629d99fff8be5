// One top-level window per form: a fixed client area of the form's size, a widget for every
// control in the form's stacking order, shown and hidden as the model says. A window shown comes
// up where the screen it replaces stood, in its normal state, raised and active. The keyboard
// walks the buttons in their controls' tab order, and each showing gives the focus to the first.
// Its close box ends the program: the screens rely on every form living for the whole run, so a
// window must never just disappear without its screen's own steps.
#pragma once

#include <QHash>
#include <QWidget>
#include <vector>

#include "ui/form.h"

namespace uiqt {

class View;

class FormWindow final : public QWidget {
public:
    FormWindow(ui::Form& form, View& view);

    ui::Form& form() const { return form_; }
    QWidget* widgetFor(const ui::Control& control) const;
    void sync();  // caption, colours, visibility from the model

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void comeUp();
    void chainFocus();
    void focusFirst();

    ui::Form& form_;
    View& view_;
    QHash<const ui::Control*, QWidget*> widgets_;
    std::vector<QWidget*> tabOrder_;  // the widgets that take the keyboard, in tab order
};

}  // namespace uiqt
