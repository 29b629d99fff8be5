#include "battle/form2.h"

#include <string>

#include "shell/game.h"

namespace game {

Form2::Form2(Game& game)
    : ui::Form(game.app(), "Form2"),
      Frame1(*this, "Frame1"),
      Frame2(*this, "Frame2"),
      ImagePir(*this, "ImagePir"),
      Image1(*this, "Image1"),
      LabelComp(*this, "LabelComp"),
      LabelL(*this, "LabelL"),
      CommandExit(*this, "CommandExit"),
      ImagePusto(*this, "ImagePusto"),
      ImageAng(*this, "ImageAng"),
      ImageFra(*this, "ImageFra"),
      ImageSpa(*this, "ImageSpa"),
      ImageGol(*this, "ImageGol"),
      ImagePromah(*this, "ImagePromah"),
      ImageGLin(*this, "ImageGLin"),
      ImageGFre(*this, "ImageGFre"),
      ImageGGal(*this, "ImageGGal"),
      ImageGLyg(*this, "ImageGLyg"),
      ImageDola(*this, "ImageDola"),
      ImageMimo(*this, "ImageMimo"),
      ImagePopal(*this, "ImagePopal"),
      Command1(*this, "Command1"),
      cmdObraz(*this, "cmdObraz"),
      CommandVse(*this, "CommandVse"),
      txtHodu(*this, "txtHodu"),
      txtJa(*this, "txtJa"),
      txtVr(*this, "txtVr"),
      Text1(*this, "Text1"),
      Text2(*this, "Text2"),
      txtPom(*this, "txtPom"),
      Timer2(*this, "Timer2", 100),
      Timer1(*this, "Timer1", 0),
      game_(game),
      m_(game.module1()) {
    cells_.resize(1);
    for (int n = 1; n <= 200; ++n) {
        cells_.push_back(std::make_unique<ui::PictureBox>(*this, "Picture" + std::to_string(n)));
    }
    layOut();

    setLoadHandler([this] { Form_Load(); });
    setActivateHandler([this] { Form_Activate(); });
    cmdObraz.setClickHandler([this] { cmdObraz_Click(); });
    CommandVse.setClickHandler([this] { CommandVse_Click(); });
    CommandExit.setClickHandler([this] { CommandExit_Click(); });
    Command1.setClickHandler([this] { Command1_Click(); });
    txtHodu.setChangeHandler([this] { txtHodu_Change(); });
    Timer2.setTickHandler([this] { Timer2_Timer(); });
    Timer1.setTickHandler([this] { Timer1_Timer(); });
    // Only the computer's grid takes clicks: PictureN_Click for N = 101..200 shoots at N - 100.
    for (int n = 1; n <= 100; ++n) {
        Picture(100 + n).setClickHandler([this, n] { PictureClick(n); });
    }
}

}  // namespace game
