#pragma once
// Widgets that make the utility usable from the keyboard alone.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Tabs.H>

namespace platform::fltk {

// A caption with an "&" letter that, pressed with Alt, puts the focus into the control it
// names (a list, an edit), as the caption of a dialog's field does on other desktops.
class ShortcutLabel : public Fl_Box {
public:
    // Boxes neither underline nor answer their "&" letter unless told to.
    ShortcutLabel(int x, int y, int w, int h, const char* label) : Fl_Box(x, y, w, h, label) {
        set_flag(SHORTCUT_LABEL);
    }
    void Target(Fl_Widget* target) { FTarget = target; }

    int handle(int event) override {
        if (event == FL_SHORTCUT && FTarget != nullptr && (Fl::event_state() & FL_ALT) != 0 && test_shortcut() &&
            FTarget->visible_r() && FTarget->active_r()) {
            FTarget->take_focus();
            return 1;
        }
        return Fl_Box::handle(event);
    }

private:
    Fl_Widget* FTarget = nullptr;
};

// Page tabs that Tab leaves into the shown page: with the focus on the tab row, Left and
// Right change the page and Tab moves to the page's first control, which the toolkit's own
// tabs never do, so a page's controls could only be reached with the mouse.
class KeyboardTabs : public Fl_Tabs {
public:
    using Fl_Tabs::Fl_Tabs;

    int handle(int event) override {
        if (event == FL_KEYBOARD && Fl::focus() == this && Fl::event_key() == FL_Tab &&
            (Fl::event_state() & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META)) == 0) {
            if (Fl_Widget* page = value(); page != nullptr && page->take_focus()) return 1;
        }
        return Fl_Tabs::handle(event);
    }
};

// The window class desktops match launchers and windows by (StartupWMClass=qel), set once
// before the utility's first window is shown.
inline void UseUtilityWindowClass() { Fl_Window::default_xclass("qel"); }

}  // namespace platform::fltk
