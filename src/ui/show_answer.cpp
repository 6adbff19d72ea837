#include "ui/show_answer.h"

#include "answer/answer.h"
#include "ui/user.h"

void ShowAnswer(User& user, const Answer& answer)
{
    for (const std::string& text : answer.messages)
        user.ShowMessage(text);
    if (!answer.warning.empty())
        user.ShowWarning(answer.warning);
    if (answer.Refused())
        user.ShowMessage(answer.refusal);
}
