#include "name_dialog_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>

#include <functional>

#include "configutil/name_rule.h"
#include "foundation/text.h"

namespace platform::fltk {

namespace {
// The name field answers Enter itself: OK while the name is usable, nothing at all while it
// is empty, so the focus stays where the parent is typing.
class NameInput : public Fl_Input {
public:
    using Fl_Input::Fl_Input;
    std::function<void()> OnEnter;

    int handle(int event) override {
        if (event == FL_KEYBOARD && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
            if (OnEnter) OnEnter();
            return 1;
        }
        return Fl_Input::handle(event);
    }
};

struct NameDialog {
    Fl_Window Window{321, 124, "User"};
    Fl_Box Frame{8, 8, 305, 70};
    NameInput Name{60, 30, 240, 24, "Name"};
    Fl_Return_Button Ok{150, 88, 75, 25, "OK"};
    Fl_Button Cancel{238, 88, 75, 25, "Cancel"};
    bool Accepted = false;

    NameDialog() {
        Window.end();
        Frame.box(FL_ENGRAVED_BOX);
        Name.when(FL_WHEN_CHANGED);
        Name.callback([](Fl_Widget*, void* self) { static_cast<NameDialog*>(self)->UpdateOk(); }, this);
        Ok.callback([](Fl_Widget*, void* self) { static_cast<NameDialog*>(self)->Accept(); }, this);
        Name.OnEnter = [this] {
            if (Ok.active()) Accept();
        };
        Cancel.callback([](Fl_Widget*, void* self) { static_cast<NameDialog*>(self)->Window.hide(); }, this);
    }
    void Accept() {
        Accepted = true;
        Window.hide();
    }
    void UpdateOk() {
        if (configutil::NameDialogAccepts(Utf8ToUtf16(Name.value()))) Ok.activate(); else Ok.deactivate();
    }
};
}  // namespace

bool EditNameDialog(const std::u16string& caption, std::u16string& name) {
    NameDialog dialog;
    const std::string title = Utf16ToUtf8(caption);
    dialog.Window.label(title.c_str());
    dialog.Name.value(Utf16ToUtf8(name).c_str());
    dialog.UpdateOk();
    dialog.Window.set_modal();
    // Centred on the screen.
    dialog.Window.position((Fl::w() - dialog.Window.w()) / 2, (Fl::h() - dialog.Window.h()) / 2);
    dialog.Window.show();
    Fl::focus(&dialog.Name);
    while (dialog.Window.shown()) Fl::wait();
    if (!dialog.Accepted) return false;
    name = Utf8ToUtf16(dialog.Name.value());
    return true;
}

}  // namespace platform::fltk
