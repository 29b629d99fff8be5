// The painting layer for a set of forms: builds a window for each form the first time the
// model shows it, delivers real clicks into the model, and drives the model's timers with real
// time. Clicks are delivered as handlers: no tick runs until the click's handler has returned.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/qt/picture_cache.h"

namespace uiqt {

class FormWindow;

class View final : public QObject {
public:
    View(ui::Application& app, std::vector<ui::Form*> forms);
    ~View() override;

    ui::Application& app() const { return app_; }
    PictureCache& pictures() { return pictures_; }

    // The window of a form, or nullptr before the form was first shown.
    FormWindow* windowFor(const ui::Form& form) const;
    QWidget* widgetFor(const ui::Control& control) const;

    void deliverClick(ui::Control& control);
    void endProgram();

    // Re-arms the wake-up for the model's next due tick.
    void rearm();

private:
    class FormLink;
    void formChanged(ui::Form& form);
    void wake();

    ui::Application& app_;
    PictureCache pictures_;
    std::vector<std::unique_ptr<FormLink>> links_;
    QTimer wakeUp_;
};

}  // namespace uiqt
