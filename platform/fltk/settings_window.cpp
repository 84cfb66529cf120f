#include "settings_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Window.H>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "configutil/settings_wizard.h"
#include "configutil/utility_texts.h"
#include "platform/fltk/file_manager_window.h"
#include "platform/fltk/fltk_text.h"
#include "platform/fltk/keyboard_widgets.h"
#include "platform/fltk/run_handler.h"

namespace platform::fltk {

namespace {

using configutil::kHelpTexts;
constexpr int kFontSize = 12;
constexpr int kSmallFontSize = 11;

// A label of help text: wrapped, top-left, in a size that fits the page.
std::unique_ptr<Fl_Box> HelpLabel(int x, int y, int w, int h, int text, int size = kFontSize) {
    auto box = std::make_unique<Fl_Box>(x, y, w, h);
    box->copy_label(BoxText(kHelpTexts[static_cast<std::size_t>(text)]).c_str());
    box->labelsize(size);
    box->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
    return box;
}

template <typename Widget> std::unique_ptr<Widget> Make(int x, int y, int w, int h, const char* caption = nullptr) {
    auto widget = std::make_unique<Widget>(x, y, w, h, caption);
    widget->labelsize(kFontSize);
    return widget;
}

void Enable(Fl_Widget& widget, bool enabled) {
    if (enabled) widget.activate(); else widget.deactivate();
}

class SettingsWindow {
public:
    SettingsWindow(configutil::TSettingsWizard& wizard) : FWizard(wizard) { Build(); }

    Fl_Window& Window() { return *FWindow; }

    void Refresh() {
        const configutil::TSettingsView& view = FWizard.View();
        FCaption = Utf16ToUtf8(view.Caption);
        FWindow->label(FCaption.c_str());
        chkGiftScreen->value(view.GiftScreen);
        if (Utf8ToUtf16(txtGiftLabel->value()) != view.GiftLabel) txtGiftLabel->value(Utf16ToUtf8(view.GiftLabel).c_str());
        for (std::size_t i = 0; i < chkTags.size(); ++i) chkTags[i]->value(view.Tags[i]);

        // Rebuilt only when the names changed, so the list keeps its scroll position.
        if (FShownNames != view.Names) {
            FShownNames = view.Names;
            lbxNames->clear();
            for (const std::u16string& name : view.Names) lbxNames->add(Utf16ToUtf8(name).c_str());
        }
        lbxNames->value(view.NameSelection + 1);
        Enable(*cmdEditName, view.NameButtonsEnabled);
        Enable(*cmdDelName, view.NameButtonsEnabled);
        optDefaultList->value(view.DefaultList);
        optCustomList->value(!view.DefaultList);

        if (lbxPrinters->size() != static_cast<int>(view.Printers.size())) {
            lbxPrinters->clear();
            for (const std::u16string& printer : view.Printers) lbxPrinters->add(Utf16ToUtf8(printer).c_str());
        }
        lbxPrinters->value(view.PrinterSelection + 1);
        chkUsePrinter->value(view.UsePrinter);
        optDefaultPrinter->value(view.DefaultPrinter);
        optSelectedPrinter->value(!view.DefaultPrinter);
        for (Fl_Widget* widget : std::initializer_list<Fl_Widget*>{chkUsePrinter.get(), lbxPrinters.get(),
                                                                    optDefaultPrinter.get(), optSelectedPrinter.get()})
            Enable(*widget, view.PrinterControlsEnabled);
    }

private:
    using Handler = void (*)(SettingsWindow&, Fl_Widget&);

    // Every event goes to the wizard, then the controls show its state again.
    void On(Fl_Widget& widget, Handler handler) {
        FHandlers.push_back({this, handler});
        widget.callback(
            [](Fl_Widget* source, void* data) {
                auto* binding = static_cast<Binding*>(data);
                RunHandler([&] { binding->Run(*binding->Window, *source); });
                binding->Window->Refresh();
            },
            &FHandlers.back());
    }

    void Build() {
        FHandlers.reserve(40);
        FWindow = std::make_unique<Fl_Window>(568, 409, "Zorvik Configuration");
        pcWizard = std::make_unique<KeyboardTabs>(6, 6, 556, 362);
        constexpr int top = 30, height = 338;

        tsWelcome = std::make_unique<Fl_Group>(6, top, 556, height, "Welcome");
        FLabels.push_back(HelpLabel(16, 40, 536, 24, 0, 14));
        FLabels.back()->labelfont(FL_HELVETICA_BOLD);
        FLabels.push_back(HelpLabel(16, 70, 536, 290, 1, kSmallFontSize));
        tsWelcome->end();

        tsGift = std::make_unique<Fl_Group>(6, top, 556, height, "Gift");
        FLabels.push_back(HelpLabel(16, 40, 536, 50, 2));
        chkGiftScreen = Make<Fl_Check_Button>(16, 92, 300, 22, " Begin With Gift Screen");
        FLabels.push_back(HelpLabel(16, 122, 536, 64, 3));
        FLabels.push_back(HelpLabel(16, 190, 536, 64, 4));
        txtGiftLabel = Make<Fl_Input>(16, 258, 320, 24);
        txtGiftLabel->textsize(kFontSize);
        txtGiftLabel->when(FL_WHEN_CHANGED);
        tsGift->end();

        tsInternational = std::make_unique<Fl_Group>(6, top, 556, height, "International");
        FLabels.push_back(HelpLabel(16, 38, 536, 64, 5));
        for (std::size_t row = 0; row < configutil::kTagDisplayOrder.size(); ++row) {
            const auto tag = static_cast<std::size_t>(configutil::kTagDisplayOrder[row]);
            chkTags[tag] = Make<Fl_Check_Button>(16, 104 + static_cast<int>(row) * 19, 420, 19);
            chkTags[tag]->copy_label(LabelText(configutil::kTagCaptions[tag]).c_str());
        }
        cmdSelAllTags = Make<Fl_Button>(446, 110, 106, 25, "Select all");
        cmdSelNoTags = Make<Fl_Button>(446, 142, 106, 25, "Select none");
        tsInternational->end();

        tsPresents = std::make_unique<Fl_Group>(6, top, 556, height, "Presents");
        FLabels.push_back(HelpLabel(16, 38, 536, 64, 6));
        lbxNames = Make<Fl_Hold_Browser>(16, 106, 300, 250);
        lbxNames->format_char(0);
        lbxNames->textsize(kFontSize);
        cmdAddName = Make<Fl_Button>(330, 106, 190, 25, "Add name...");
        cmdEditName = Make<Fl_Button>(330, 138, 190, 25, "Edit selected name...");
        cmdDelName = Make<Fl_Button>(330, 170, 190, 25, "Delete selected name");
        grpNameListType = std::make_unique<Fl_Group>(330, 220, 190, 50);
        optDefaultList = Make<Fl_Round_Button>(330, 220, 190, 22, "Use Default List");
        optCustomList = Make<Fl_Round_Button>(330, 246, 190, 22, "Use Custom List");
        optDefaultList->type(FL_RADIO_BUTTON);
        optCustomList->type(FL_RADIO_BUTTON);
        grpNameListType->end();
        tsPresents->end();

        tsPrinter = std::make_unique<Fl_Group>(6, top, 556, height, "Printer");
        FLabels.push_back(HelpLabel(16, 38, 536, 50, 7));
        chkUsePrinter = Make<Fl_Check_Button>(16, 90, 300, 22, "Allow Printer Use");
        FLabels.push_back(HelpLabel(16, 118, 536, 50, 8));
        lbxPrinters = Make<Fl_Hold_Browser>(16, 172, 320, 180);
        lbxPrinters->format_char(0);
        lbxPrinters->textsize(kFontSize);
        grpPrinterChoice = std::make_unique<Fl_Group>(350, 172, 200, 50);
        optDefaultPrinter = Make<Fl_Round_Button>(350, 172, 200, 22, "Use Default Printer");
        optSelectedPrinter = Make<Fl_Round_Button>(350, 198, 200, 22, "Use Selected Printer");
        optDefaultPrinter->type(FL_RADIO_BUTTON);
        optSelectedPrinter->type(FL_RADIO_BUTTON);
        grpPrinterChoice->end();
        tsPrinter->end();

        tsMultiUser = std::make_unique<Fl_Group>(6, top, 556, height, "Multi-user");
        FLabels.push_back(HelpLabel(16, 36, 536, 262, 9, kSmallFontSize));
        rectSeeReadMe = std::make_unique<Fl_Box>(16, 304, 410, 48);
        rectSeeReadMe->box(FL_FLAT_BOX);
        rectSeeReadMe->color(FL_YELLOW);
        rectSeeReadMe->copy_label(BoxText(kHelpTexts[10]).c_str());
        rectSeeReadMe->labelsize(kFontSize);
        rectSeeReadMe->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
        cmdManage = Make<Fl_Button>(446, 316, 106, 25, "&Manage...");
        tsMultiUser->end();

        pcWizard->end();
        pcWizard->labelsize(kFontSize);
        for (Fl_Group* page : {tsWelcome.get(), tsGift.get(), tsInternational.get(), tsPresents.get(), tsPrinter.get(),
                               tsMultiUser.get()})
            page->labelsize(kFontSize);
        cmdClose = Make<Fl_Button>(482, 376, 80, 25, "Close");
        FWindow->end();

        On(*chkGiftScreen, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.GiftScreenClick(w.chkGiftScreen->value()); });
        On(*txtGiftLabel, [](SettingsWindow& w, Fl_Widget&) {
            w.FWizard.GiftLabelChange(Utf8ToUtf16(w.txtGiftLabel->value()));
        });
        for (auto& box : chkTags)
            On(*box, [](SettingsWindow& w, Fl_Widget& source) {
                for (std::size_t tag = 0; tag < w.chkTags.size(); ++tag)
                    if (w.chkTags[tag].get() == &source) w.FWizard.TagClick(static_cast<int>(tag), w.chkTags[tag]->value());
            });
        On(*cmdSelAllTags, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.SelectTagsClick(true); });
        On(*cmdSelNoTags, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.SelectTagsClick(false); });
        On(*optDefaultList, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.NameListTypeClick(true); });
        On(*optCustomList, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.NameListTypeClick(false); });
        On(*lbxNames, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.NamesClick(w.lbxNames->value() - 1); });
        On(*cmdAddName, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.AddNameClick(); });
        On(*cmdEditName, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.EditNameClick(); });
        On(*cmdDelName, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.DeleteNameClick(); });
        On(*chkUsePrinter, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.UsePrinterClick(w.chkUsePrinter->value()); });
        On(*optDefaultPrinter, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.PrinterChoiceClick(true); });
        On(*optSelectedPrinter, [](SettingsWindow& w, Fl_Widget&) { w.FWizard.PrinterChoiceClick(false); });
        On(*lbxPrinters, [](SettingsWindow& w, Fl_Widget&) {
            if (w.lbxPrinters->value() > 0) w.FWizard.PrinterListClick(w.lbxPrinters->value() - 1);
        });
        On(*cmdManage, [](SettingsWindow& w, Fl_Widget&) {
            ManageConfigFiles(w.FWizard.Config(), false);
            w.FWizard.ShowConfig();
        });
        On(*cmdClose, [](SettingsWindow& w, Fl_Widget&) { w.CloseRequested(); });
        FWindow->callback([](Fl_Widget*, void* self) { static_cast<SettingsWindow*>(self)->CloseRequested(); }, this);
    }

    void CloseRequested() {
        if (FWizard.CloseQuery()) FWindow->hide();
    }

    struct Binding {
        SettingsWindow* Window;
        Handler Run;
    };

    configutil::TSettingsWizard& FWizard;
    std::vector<Binding> FHandlers;
    std::string FCaption;
    std::vector<std::u16string> FShownNames;
    // Declared in creation order; the groups own nothing here, so destruction of these
    // members (children first, each leaving its group) is safe.
    std::unique_ptr<Fl_Window> FWindow;
    std::unique_ptr<KeyboardTabs> pcWizard;
    std::unique_ptr<Fl_Group> tsWelcome, tsGift, tsInternational, tsPresents, tsPrinter, tsMultiUser;
    std::vector<std::unique_ptr<Fl_Box>> FLabels;
    std::unique_ptr<Fl_Check_Button> chkGiftScreen;
    std::unique_ptr<Fl_Input> txtGiftLabel;
    std::array<std::unique_ptr<Fl_Check_Button>, 13> chkTags;
    std::unique_ptr<Fl_Button> cmdSelAllTags, cmdSelNoTags;
    std::unique_ptr<Fl_Hold_Browser> lbxNames;
    std::unique_ptr<Fl_Button> cmdAddName, cmdEditName, cmdDelName;
    std::unique_ptr<Fl_Group> grpNameListType;
    std::unique_ptr<Fl_Round_Button> optDefaultList, optCustomList;
    std::unique_ptr<Fl_Check_Button> chkUsePrinter;
    std::unique_ptr<Fl_Hold_Browser> lbxPrinters;
    std::unique_ptr<Fl_Group> grpPrinterChoice;
    std::unique_ptr<Fl_Round_Button> optDefaultPrinter, optSelectedPrinter;
    std::unique_ptr<Fl_Box> rectSeeReadMe;
    std::unique_ptr<Fl_Button> cmdManage, cmdClose;
};

}  // namespace

void RunSettingsWindow(configutil::TSettingsWizard& wizard, SingleInstance& instance) {
    UseUtilityWindowClass();
    SettingsWindow window(wizard);
    window.Refresh();
    instance.SetRaiseHandler([&window] { window.Window().show(); });
    const int watched = instance.WatchHandle();
    if (watched >= 0)
        Fl::add_fd(watched, FL_READ, [](FL_SOCKET, void* data) { static_cast<SingleInstance*>(data)->HandlePending(); },
                   &instance);
    window.Window().show();
    while (window.Window().shown()) Fl::wait();
    if (watched >= 0) Fl::remove_fd(watched);
    instance.SetRaiseHandler(nullptr);  // the window is about to go
}

}  // namespace platform::fltk
