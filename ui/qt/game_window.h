// The program's one top-level window. The four screens are pages of it: the window shows the
// page of the screen that is up, with that screen's caption and background, and stays mapped
// from the first screen's showing to the end of the program, so that the desktop never sees the
// game's window go between screens. Where it first opens is the screens' design position, moved
// onto the screen where the frame would not wholly fit there; after that it stays where the
// player puts it.
#pragma once

#include <QWidget>

namespace uiqt {

class FormPage;
class View;

class GameWindow final : public QWidget {
public:
    GameWindow(View& view, QSize client);

    FormPage* page() const { return page_; }
    // Shows the page. `comeUp`: the screen was just shown, so the window comes up in its
    // normal state, in front and active, with the keyboard on the page's first button.
    void showPage(FormPage& page, bool comeUp);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open();
    void fitFrame();
    void comeUp();

    View& view_;
    FormPage* page_ = nullptr;
    bool fitted_ = false;
};

}  // namespace uiqt
