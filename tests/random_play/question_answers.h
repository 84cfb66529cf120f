#pragma once
// The message boxes of random play. A question the game asks in the run of play (a Yes/No
// box with the question icon: "really quit?", the slate's "delete everything?") is answered
// the way a child might, except that the quit question is always declined so play goes on.
// Any other box (an error, a "Quit game?" after a caught error, a save problem) is a fault:
// it is recorded and answered so that play goes on too.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace random_play {

class TQuestionAnswers final : public platform::MessageBoxes {
public:
    // `coin` gives true for Yes to a question other than the quit question.
    explicit TQuestionAnswers(std::function<bool()> coin);
    ~TQuestionAnswers() override;
    TQuestionAnswers(const TQuestionAnswers&) = delete;
    TQuestionAnswers& operator=(const TQuestionAnswers&) = delete;

    platform::MessageAnswer Show(const std::u16string& caption, const std::u16string& text,
                                 platform::MessageButtons buttons, platform::MessageIcon icon) override;

    // The boxes that should not have shown, "caption: text" each.
    const std::vector<std::string>& Faults() const { return FFaults; }
    int QuestionsAsked() const { return FQuestions; }

private:
    std::function<bool()> FCoin;
    platform::MessageBoxes* FPrevious;
    std::vector<std::string> FFaults;
    int FQuestions = 0;
};

}  // namespace random_play
