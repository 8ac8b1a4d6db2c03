#pragma once
// The screen flow: every screen is created once at start-up and added here
// under its id; windows move between screens by id and never include each
// other; what a screen hands another is wired where the screens are made.
class QWidget;

enum class ScreenId { Login, StartMenu, ChangePassword, Fleet, YearMenu, Register, Statistics };

namespace Navigator {
void Add(ScreenId id, QWidget *screen);
// Forgets every screen (the screens are destroyed by their creator).
void Clear();
// The screen, or null when it is not part of the program.
QWidget *Screen(ScreenId id);
// Shows screen `to` (when present), then hides `from`. True when shown.
bool GoTo(QWidget *from, ScreenId to);

} // namespace Navigator

// Shows next first (maximised, unless it is a fixed-size window), then hides
// current.
void HandOver(QWidget *current, QWidget *next);

// Leaves the program: every window closes at once, without questions.
void EndApplication();
// True once EndApplication has run (for tests, which keep their own loop).
bool ApplicationEnded();
void ResetApplicationEnded();
