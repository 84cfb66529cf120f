#include "file_manager_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include <string>
#include <vector>

#include "configutil/file_manager_dialog.h"
#include "configutil/utility_texts.h"
#include "platform/fltk/fltk_text.h"
#include "platform/fltk/keyboard_widgets.h"
#include "platform/fltk/run_handler.h"

namespace platform::fltk {

namespace {

constexpr int kFontSize = 12;
constexpr int kButtonFontSize = 11;


struct FileManagerWindow {
    configutil::TFileManagerDialog& Logic;
    Fl_Window Window{391, 296, "Brindle's House - Configuration File Manager"};
    ShortcutLabel pmtConfigFileStems{8, 6, 150, 18, "&Configurations on file:"};
    Fl_Hold_Browser lbxConfigFileStems{8, 26, 150, 186};
    ShortcutLabel pmtConfigName{8, 218, 180, 18, "&New configuration name:"};
    Fl_Input txtStemName{8, 238, 150, 24};
    // Why the typed name is refused, under the field.
    Fl_Box lblNameProblem{8, 263, 292, 30};
    Fl_Button cmdOpenSelected{166, 26, 217, 25, "&Open selected configuration"};
    Fl_Button cmdSaveToSelected{166, 56, 217, 25, "&Save to selected configuration"};
    Fl_Button cmdDeleteSelected{166, 86, 217, 25, "&Delete selected configuration"};
    Fl_Button cmdRenameSelected{166, 116, 217, 25, "&Rename selected configuration"};
    Fl_Button cmdSaveAsNew{166, 146, 217, 25, "S&ave current configuration as new"};
    Fl_Box pmtCurrentName{166, 182, 136, 18, "Most recently loaded:"};
    Fl_Box lblCurrentName{302, 182, 81, 18};
    Fl_Box pmtChanged{166, 202, 136, 18, "Changed:"};
    Fl_Box lblChanged{302, 202, 81, 18};
    Fl_Button cmdClose{308, 264, 75, 25, "Close"};
    const configutil::TFileManagerHints& Hints = configutil::kFileManagerHints;
    std::string HintTexts[8];
    std::vector<std::u16string> ShownItems;

    explicit FileManagerWindow(configutil::TFileManagerDialog& logic) : Logic(logic) {
        Window.end();
        for (Fl_Widget* widget : {static_cast<Fl_Widget*>(&pmtConfigFileStems), static_cast<Fl_Widget*>(&pmtConfigName),
                                  static_cast<Fl_Widget*>(&pmtCurrentName), static_cast<Fl_Widget*>(&lblCurrentName),
                                  static_cast<Fl_Widget*>(&pmtChanged), static_cast<Fl_Widget*>(&lblChanged)}) {
            widget->labelsize(kFontSize);
            widget->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
        }
        for (Fl_Button* button : {&cmdOpenSelected, &cmdSaveToSelected, &cmdDeleteSelected, &cmdRenameSelected,
                                  &cmdSaveAsNew, &cmdClose})
            button->labelsize(kButtonFontSize);
        pmtConfigFileStems.Target(&lbxConfigFileStems);
        pmtConfigName.Target(&txtStemName);
        lblNameProblem.labelsize(kButtonFontSize);
        lblNameProblem.labelcolor(FL_DARK_RED);
        lblNameProblem.align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
        lbxConfigFileStems.textsize(kFontSize);
        lbxConfigFileStems.format_char(0);
        txtStemName.textsize(kFontSize);

        SetHint(0, cmdOpenSelected, Hints.OpenSelected);
        SetHint(1, cmdSaveToSelected, Hints.SaveToSelected);
        SetHint(2, cmdDeleteSelected, Hints.DeleteSelected);
        SetHint(3, cmdRenameSelected, Hints.RenameSelected);
        SetHint(4, cmdSaveAsNew, Hints.SaveAsNew);
        SetHint(5, cmdClose, Hints.Close);
        SetHint(6, lbxConfigFileStems, Hints.ConfigList);
        SetHint(7, txtStemName, Hints.NewName);

        On(lbxConfigFileStems, [](FileManagerWindow& w) { w.Logic.ListClick(w.lbxConfigFileStems.value() - 1); });
        txtStemName.when(FL_WHEN_CHANGED);
        On(txtStemName, [](FileManagerWindow& w) { w.Logic.NewNameChange(Utf8ToUtf16(w.txtStemName.value())); });
        On(cmdOpenSelected, [](FileManagerWindow& w) { w.Logic.OpenSelectedClick(); });
        On(cmdSaveToSelected, [](FileManagerWindow& w) { w.Logic.SaveToSelectedClick(); });
        On(cmdDeleteSelected, [](FileManagerWindow& w) { w.Logic.DeleteSelectedClick(); });
        On(cmdRenameSelected, [](FileManagerWindow& w) { w.Logic.RenameSelectedClick(); });
        On(cmdSaveAsNew, [](FileManagerWindow& w) { w.Logic.SaveAsNewClick(); });
        cmdClose.callback([](Fl_Widget*, void* self) { static_cast<FileManagerWindow*>(self)->Window.hide(); }, this);
        Refresh();
    }

    void SetHint(int index, Fl_Widget& widget, const std::u16string& hint) {
        HintTexts[index] = Utf16ToUtf8(hint);
        widget.tooltip(HintTexts[index].c_str());
    }

    // Every event goes to the logic, then the controls show its state again.
    template <typename Widget> void On(Widget& widget, void (*handler)(FileManagerWindow&)) {
        widget.callback(
            [](Fl_Widget* source, void* data) {
                auto* self = static_cast<FileManagerWindow*>(source->window()->user_data());
                RunHandler([&] { reinterpret_cast<void (*)(FileManagerWindow&)>(data)(*self); });
                self->Refresh();
            },
            reinterpret_cast<void*>(handler));
    }

    void Refresh() {
        const configutil::TFileManagerView& view = Logic.View();
        if (ShownItems != view.Items) {
            ShownItems = view.Items;
            lbxConfigFileStems.clear();
            for (const std::u16string& item : view.Items) lbxConfigFileStems.add(Utf16ToUtf8(item).c_str());
        }
        lbxConfigFileStems.value(view.Selection + 1);
        lblCurrentName.copy_label(BoxText(view.CurrentName).c_str());
        lblChanged.copy_label(BoxText(view.Changed).c_str());
        lblNameProblem.copy_label(BoxText(view.NewNameProblem).c_str());
        Enable(cmdOpenSelected, view.CanOpen);
        Enable(cmdSaveToSelected, view.CanSaveToSelected);
        Enable(cmdDeleteSelected, view.CanDelete);
        Enable(cmdRenameSelected, view.CanRename);
        Enable(cmdSaveAsNew, view.CanSaveAsNew);
    }

    static void Enable(Fl_Widget& widget, bool enabled) {
        if (enabled) widget.activate(); else widget.deactivate();
    }
};

}  // namespace

void ManageConfigFiles(TConfig& config, bool lockOpen) {
    configutil::TFileManagerDialog logic(config, lockOpen);
    FileManagerWindow window(logic);
    window.Window.user_data(&window);
    window.Window.callback([](Fl_Widget* widget, void*) { widget->hide(); });
    window.Window.set_modal();
    // Centred on the settings window.
    if (Fl_Window* owner = Fl::first_window())
        window.Window.position(owner->x() + (owner->w() - window.Window.w()) / 2,
                               owner->y() + (owner->h() - window.Window.h()) / 2);
    window.Window.show();
    while (window.Window.shown()) Fl::wait();
}

}  // namespace platform::fltk
