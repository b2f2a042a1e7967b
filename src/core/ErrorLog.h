#pragma once
// The game's one way of reporting problems: a line "error: <message>" appended to
// error.txt in the current directory. The file is opened and closed for every line, so a
// line is on disk before the call returns even if the process dies right after.
#include <cstdint>
#include <string>

// Appends "error: " + message + a line end to error.txt. A file that cannot be opened
// drops the message silently.
void logError(const std::string& message);

// Shows a blocking error box. The platform layer installs the real one at start-up; until
// then (and in tests) nothing is shown, so failure paths never block.
class ErrorBoxPresenter {
public:
    virtual ~ErrorBoxPresenter() = default;
    virtual void present(const std::string& title, const std::string& message) = 0;
};
void setErrorBoxPresenter(ErrorBoxPresenter* presenter);
ErrorBoxPresenter* errorBoxPresenter();

// logError(message), then the box titled "Error" (the line exists before the box shows).
// The box gets errorBoxText(message); the error file always has the whole message.
void showError(const std::string& message);

// The message as the box shows it: lines longer than 100 characters broken at a word end,
// and at most 30 lines and about 1,000 characters, cut at a line end with "..." and a
// pointer to the error file after it. A box on X11 draws every line as one row of a window
// and is not shown at all once a line is wider than a window may be (some 4,000
// characters), and a driver's log can be longer than a screen.
std::string errorBoxText(const std::string& message);

// Where error.txt lies: "error.txt" in the current directory unless a test points it
// elsewhere.
void setErrorLogPath(const std::string& path);
const std::string& errorLogPath();
