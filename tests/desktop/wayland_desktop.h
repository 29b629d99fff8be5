// The desktop of a Wayland compositor, as far as a client can see it. The compositor alone
// places windows and tells a client neither where they are nor that one was minimised (nor can
// a client undo that); what is left to see is whether the window is shown, exposed and in its
// normal state, and each moment it stops being exposed.
#pragma once

#include <QObject>
#include <string>

#include "desktop.h"

namespace desktop {

class WaylandDesktop final : public qtsupport::Desktop, public QObject {
public:
    bool placesWindows() const override { return false; }
    bool restoresMinimised() const override { return false; }
    void minimise(QWidget& window) override;
    void moveFrame(QWidget& window, QPoint p) override;
    QRect frame(QWidget& window) override;
    QRect freeArea() override;
    std::string offScreenFault(QWidget& window) override;
    void watch(QWidget& window) override;
    std::string gaps() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string faultNow(QWidget& window);
    std::string gaps_;
};

}  // namespace desktop
