// One widget per control of a form. Painted controls (labels, text fields, images, cells,
// frames) draw themselves from the model; command buttons are real push buttons. Both follow
// the model through its observer and hand real clicks back to it through the view.
#pragma once

#include <QPushButton>
#include <QWidget>

#include "ui/control.h"
#include "ui/qt/painters.h"

namespace uiqt {

class View;

class ControlWidget final : public QWidget, public ui::ControlObserver {
public:
    ControlWidget(ui::Control& control, View& view, QWidget* parent);
    ~ControlWidget() override;

    ui::Control& control() const { return control_; }
    void controlChanged() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ui::Control& control_;
    View& view_;
    bool pressed_ = false;
    LabelText labelText_;
};

class ButtonWidget final : public QPushButton, public ui::ControlObserver {
public:
    ButtonWidget(ui::CommandButton& button, View& view, QWidget* parent);
    ~ButtonWidget() override;

    void controlChanged() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ui::CommandButton& button_;
};

// Places a widget where its control says and shows it as the control says.
void syncGeometry(QWidget& widget, const ui::Control& control);

}  // namespace uiqt
