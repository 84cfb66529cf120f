#include "tests/random_play/question_answers.h"

#include "foundation/text.h"
#include "shell/strings/game_string.h"

namespace random_play {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

TQuestionAnswers::TQuestionAnswers(std::function<bool()> coin)
    : FCoin(std::move(coin)), FPrevious(platform::InstalledMessageBoxes()) {
    platform::InstallMessageBoxes(this);
}

TQuestionAnswers::~TQuestionAnswers() { platform::InstallMessageBoxes(FPrevious); }

MessageAnswer TQuestionAnswers::Show(const std::u16string& caption, const std::u16string& text,
                                     MessageButtons buttons, MessageIcon icon) {
    if (buttons == MessageButtons::YesNo && icon == MessageIcon::Question) {
        ++FQuestions;
        if (text == GameString(GameStringReallyQuit)) return MessageAnswer::No;
        return FCoin() ? MessageAnswer::Yes : MessageAnswer::No;
    }
    FFaults.push_back(Utf16ToUtf8(caption) + ": " + Utf16ToUtf8(text));
    // "No" to the question after an error keeps the game going, as a parent would choose.
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

}  // namespace random_play
