// One form's page of the game window: a widget for every control in the form's stacking order,
// and the keyboard walking the buttons in their controls' tab order. The game window shows one
// page at a time, over the background of its form (game_window.h).
#pragma once

#include <QHash>
#include <QWidget>
#include <vector>

#include "ui/form.h"

namespace uiqt {

class View;

class FormPage final : public QWidget {
public:
    FormPage(ui::Form& form, View& view, QWidget* parent);

    ui::Form& form() const { return form_; }
    QWidget* widgetFor(const ui::Control& control) const;
    void focusFirst();  // the keyboard to the first button shown, in tab order
    void syncBackground();

private:
    void chainFocus();

    ui::Form& form_;
    QHash<const ui::Control*, QWidget*> widgets_;
    std::vector<QWidget*> tabOrder_;  // the widgets that take the keyboard, in tab order
};

}  // namespace uiqt
