// What a screen holds, control by control, for telling whether anything on it changed: the
// visibility, place, text or caption, picture and back colour of every control. Pictures are
// compared by their file, so two games' screens compare too. Fore colours are left out: the
// label pulse of the welcome and result screens changes them tick by tick, shown or hidden.
#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "shell/module1.h"
#include "ui/colour.h"
#include "ui/form.h"
#include "ui/geometry.h"

namespace support {

class ScreenState {
public:
    explicit ScreenState(const ui::Form& form);

    // The name of the first control that differs from the form as it stands now, or "" when
    // none does. Compares in place: cheap enough to run after every event of a long run.
    std::string changeIn(const ui::Form& form) const;
    // The name of the first control that differs between the two, or "" when none does.
    std::string differenceFrom(const ScreenState& other) const;

private:
    struct Entry {
        std::string name;
        bool visible = false;
        ui::Rect rect;
        std::string text;
        std::string picture;  // the file, "" for none
        std::optional<ui::Colour> back;
        bool operator==(const Entry&) const = default;
    };
    bool visible_ = false;
    std::vector<Entry> entries_;
};

// The shared record holds whole numbers only, with no padding between them, so its bytes are its
// value.
static_assert(std::has_unique_object_representations_v<game::Module1>);
bool sameRecord(const game::Module1& a, const game::Module1& b);

}  // namespace support
