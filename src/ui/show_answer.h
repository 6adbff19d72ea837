#pragma once

struct Answer;
class User;

// Shows what a feature answered: its messages one box each, in order, then
// its warning, then its refusal.
void ShowAnswer(User& user, const Answer& answer);
