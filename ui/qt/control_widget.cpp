#include "ui/qt/control_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/qt/look.h"
#include "ui/qt/painters.h"
#include "ui/qt/view.h"

namespace uiqt {

void syncGeometry(QWidget& widget, const ui::Control& control) {
    // Only what changed: a pulsing label changes its colour many times a second, and each
    // needless geometry or cursor call costs a round trip to the window system.
    const ui::Rect& r = control.rect();
    const QRect geometry(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
    if (widget.geometry() != geometry) widget.setGeometry(geometry);
    const Qt::CursorShape shape = toCursor(control.pointer());
    if (widget.cursor().shape() != shape) widget.setCursor(shape);
    if (widget.isVisibleTo(widget.parentWidget()) != control.visible()) {
        widget.setVisible(control.visible());
    }
}

ControlWidget::ControlWidget(ui::Control& control, View& view, QWidget* parent)
    : QWidget(parent), control_(control), view_(view) {
    setObjectName(QString::fromStdString(control.name()));
    // Nothing painted here takes the keyboard: text fields are shown read-only.
    setFocusPolicy(Qt::NoFocus);
    const bool opaque =
        control.kind() == ui::Kind::PictureBox || control.kind() == ui::Kind::TextBox ||
        control.kind() == ui::Kind::Frame ||
        (control.kind() == ui::Kind::Label && static_cast<ui::Label&>(control).opaque());
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    control_.setObserver(this);
    syncGeometry(*this, control_);
}

ControlWidget::~ControlWidget() {
    control_.setObserver(nullptr);
}

void ControlWidget::controlChanged() {
    syncGeometry(*this, control_);
    view_.invalidate(this);
}

void ControlWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    switch (control_.kind()) {
        case ui::Kind::Label:
            paintLabel(p, r, static_cast<const ui::Label&>(control_), labelText_);
            break;
        case ui::Kind::TextBox:
            paintTextBox(p, r, static_cast<const ui::TextBox&>(control_));
            break;
        case ui::Kind::Image:
            paintImage(p, r, static_cast<const ui::Image&>(control_), view_.pictures());
            break;
        case ui::Kind::PictureBox:
            paintPictureBox(p, r, static_cast<const ui::PictureBox&>(control_), view_.pictures());
            break;
        case ui::Kind::Frame:
            paintFrame(p, r, static_cast<const ui::Frame&>(control_));
            break;
        case ui::Kind::CommandButton:
            break;
    }
}

// A click is a left press and release on the same control, as on any desktop.
void ControlWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) view_.deliverClick(control_);
}

ButtonWidget::ButtonWidget(ui::CommandButton& button, View& view, QWidget* parent)
    : QPushButton(parent), button_(button) {
    setObjectName(QString::fromStdString(button.name()));
    setAutoDefault(false);
    button_.setObserver(this);
    controlChanged();
    QObject::connect(this, &QPushButton::clicked, this,
                     [this, &view] { view.deliverClick(button_); });
}

ButtonWidget::~ButtonWidget() {
    button_.setObserver(nullptr);
}

// Return and Enter press the focused button, as on the desktops the game's players come from
// and in its own question box; Space presses it as on any button. No button is the default: a
// key presses only the button that has the keyboard. A held key's repeats never come here: the
// input gate (input_gate.h) holds them back.
void ButtonWidget::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ButtonWidget::controlChanged() {
    setText(QString::fromStdString(button_.caption()));
    setFont(toQFont(button_.font()));
    syncGeometry(*this, button_);
}

}  // namespace uiqt

namespace uiqt {

// A caption too long for one line wraps at word boundaries, centred, as captions of this
// game's narrow buttons ("Отменить расстановку") need.
void ButtonWidget::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setFont(font());
    p.setPen(palette().color(QPalette::ButtonText));
    const int shift = isDown() ? 1 : 0;
    p.drawText(rect().adjusted(4 + shift, 2 + shift, -4 + shift, -2 + shift),
               static_cast<int>(Qt::AlignCenter | Qt::TextWordWrap), text());
}

}  // namespace uiqt
