#pragma once

// The one reaction to an internal inconsistency: show a short code, then end the process
// with exit code 1. Plain C++, so the game logic can use it without a window.

// Shows the text under the caption and returns when the user has seen it.
using FatalErrorPresenter = void (*)(const char* text, const char* caption);

// Replaces the presenter; nullptr restores the default, which writes to standard error.
void SetFatalErrorPresenter(FatalErrorPresenter presenter);

// "  G i m m e r j i g  " followed by the contact e-mail address.
const char* FatalErrorCaption();

// Presents the text, closes the standard streams and calls exit(1).
[[noreturn]] void FatalError(const char* text);
