#include "fltk_message_boxes.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "configutil/text_wrap.h"
#include "foundation/text.h"
#include "platform/fltk/fltk_text.h"

namespace platform::fltk {

namespace {

constexpr Fl_Font kFont = FL_HELVETICA;
constexpr int kFontSize = 14;
// Wide enough for a sentence, narrow enough that a long name or path never pushes the
// buttons off the screen: such a text wraps instead.
constexpr int kTextWidth = 420;
constexpr int kMargin = 12;
constexpr int kIconSize = 44;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;

struct ButtonSpec {
    const char* Label;
    MessageAnswer Answer;
};

std::vector<ButtonSpec> ButtonsFor(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return {{"OK", MessageAnswer::Ok}};
        case MessageButtons::YesNo: return {{"&Yes", MessageAnswer::Yes}, {"&No", MessageAnswer::No}};
        case MessageButtons::YesNoCancel:
            return {{"&Yes", MessageAnswer::Yes}, {"&No", MessageAnswer::No}, {"Cancel", MessageAnswer::Cancel}};
    }
    return {{"OK", MessageAnswer::Ok}};
}

// (X11's headers define None, so the enumerator is not named here.)
const char* SymbolFor(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return "i";
        case MessageIcon::Question: return "?";
        case MessageIcon::Warning:
        case MessageIcon::Error: return "!";
        default: return nullptr;
    }
}

// What the box answers; the window's own close (Escape, the title bar) leaves Closed,
// which the callers read as the safe answer (No, Cancel). Children are declared after the
// window and so leave it before it goes.
struct Outcome {
    Fl_Window* Window = nullptr;
    MessageAnswer Answer = MessageAnswer::Closed;
};

struct AnswerButton {
    Outcome* Box;
    MessageAnswer Answer;
};

}  // namespace

MessageAnswer FltkMessageBoxes::Show(const std::u16string& caption, const std::u16string& text,
                                     MessageButtons buttons, MessageIcon icon) {
    fl_open_display();
    fl_font(kFont, kFontSize);
    const std::string wrapped = configutil::WrapText(
        Utf16ToUtf8(text), kTextWidth,
        [](std::string_view piece) { return static_cast<int>(fl_width(piece.data(), static_cast<int>(piece.size()))); });
    const std::string label = BoxText(Utf8ToUtf16(wrapped));
    int textW = 0, textH = 0;
    fl_measure(label.c_str(), textW, textH, 1);
    textW = std::max(textW, 1);
    textH = std::max(textH, fl_height());

    const char* symbol = SymbolFor(icon);
    const int textX = kMargin + (symbol != nullptr ? kIconSize + kMargin : 0);
    const std::vector<ButtonSpec> specs = ButtonsFor(buttons);
    const int buttonsW = static_cast<int>(specs.size()) * (kButtonWidth + 8) - 8;
    const int width = std::max(textX + textW + kMargin, buttonsW + 2 * kMargin);
    const int bodyH = std::max(textH, symbol != nullptr ? kIconSize : 0);
    const int height = kMargin + bodyH + kMargin + kButtonHeight + kMargin;

    const std::string title = Utf16ToUtf8(caption);
    Outcome outcome;
    Fl_Window window(width, height, title.c_str());
    outcome.Window = &window;
    std::unique_ptr<Fl_Box> iconBox;
    if (symbol != nullptr) {
        iconBox = std::make_unique<Fl_Box>(kMargin, kMargin, kIconSize, kIconSize, symbol);
        iconBox->box(FL_THIN_UP_BOX);
        iconBox->labelfont(FL_TIMES_BOLD);
        iconBox->labelsize(32);
        iconBox->color(FL_WHITE);
        iconBox->labelcolor(FL_BLUE);
    }
    Fl_Box message(textX, kMargin, textW, textH);
    message.copy_label(label.c_str());
    message.labelfont(kFont);
    message.labelsize(kFontSize);
    message.align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE);

    // The first button is the default one: Enter answers it, and it has the focus.
    std::vector<std::unique_ptr<Fl_Button>> controls;
    std::vector<AnswerButton> answers;
    answers.reserve(specs.size());
    int x = width - kMargin - buttonsW;
    const int y = height - kMargin - kButtonHeight;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        std::unique_ptr<Fl_Button> button;
        if (i == 0)
            button = std::make_unique<Fl_Return_Button>(x, y, kButtonWidth, kButtonHeight, specs[i].Label);
        else
            button = std::make_unique<Fl_Button>(x, y, kButtonWidth, kButtonHeight, specs[i].Label);
        answers.push_back({&outcome, specs[i].Answer});
        button->callback(
            [](Fl_Widget*, void* data) {
                auto* answer = static_cast<AnswerButton*>(data);
                answer->Box->Answer = answer->Answer;
                answer->Box->Window->hide();
            },
            &answers.back());
        controls.push_back(std::move(button));
        x += kButtonWidth + 8;
    }
    window.end();
    window.set_modal();
    window.callback([](Fl_Widget* widget, void*) { widget->hide(); });
    // Centred on the window it answers, else on the screen.
    if (Fl_Window* owner = Fl::first_window(); owner != nullptr && owner->shown())
        window.position(owner->x() + (owner->w() - width) / 2, owner->y() + (owner->h() - height) / 2);
    else
        window.position((Fl::w() - width) / 2, (Fl::h() - height) / 2);
    window.show();
    controls.front()->take_focus();
    while (window.shown()) Fl::wait();
    return outcome.Answer;
}

}  // namespace platform::fltk
