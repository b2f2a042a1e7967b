#include "core/ErrorLog.h"

#include <cstdio>

namespace {
std::string& logPath()
{
    static std::string path = "error.txt";
    return path;
}
ErrorBoxPresenter* gPresenter = nullptr;

constexpr std::size_t kBoxLineWidth = 100;
constexpr std::size_t kBoxLineLimit = 30;
constexpr std::size_t kBoxTextLimit = 1000;

// Steps back from `at` to the first byte of a UTF-8 character, so a cut never splits one.
std::size_t characterStart(const std::string& text, std::size_t at)
{
    while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        --at;
    return at;
}

// Where a piece of text[from, limit] ends best: at the last `mark` past the piece's first
// half, else at limit (moved back to a character start).
std::size_t cutBefore(const std::string& text, std::size_t from, std::size_t limit, char mark)
{
    const std::size_t found = text.rfind(mark, limit);
    if (found != std::string::npos && found > from + (limit - from) / 2)
        return found;
    const std::size_t start = characterStart(text, limit);
    return start > from ? start : limit;
}

std::string wrapLongLines(const std::string& message)
{
    std::string out;
    std::size_t lineStart = 0;
    for (;;) {
        std::size_t lineEnd = message.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = message.size();
        std::size_t pos = lineStart;
        while (lineEnd - pos > kBoxLineWidth) {
            const std::size_t cut = cutBefore(message, pos, pos + kBoxLineWidth, ' ');
            out.append(message, pos, cut - pos);
            out += '\n';
            pos = message[cut] == ' ' ? cut + 1 : cut;
        }
        out.append(message, pos, lineEnd - pos);
        if (lineEnd == message.size())
            return out;
        out += '\n';
        lineStart = lineEnd + 1;
    }
}
} // namespace

void setErrorLogPath(const std::string& path) { logPath() = path; }
const std::string& errorLogPath() { return logPath(); }

void logError(const std::string& message)
{
    std::FILE* file = std::fopen(logPath().c_str(), "a");
    if (!file)
        return;
    std::fputs("error: ", file);
    std::fwrite(message.data(), 1, message.size(), file);
    std::fputc('\n', file);
    std::fflush(file);
    std::fclose(file);
}

void setErrorBoxPresenter(ErrorBoxPresenter* presenter) { gPresenter = presenter; }
ErrorBoxPresenter* errorBoxPresenter() { return gPresenter; }

std::string errorBoxText(const std::string& message)
{
    const std::string text = wrapLongLines(message);
    std::size_t limit = kBoxTextLimit;
    // The last line the box may show ends at the kBoxLineLimit-th line end.
    std::size_t lineEnd = std::string::npos;
    for (std::size_t lines = 0, from = 0; lines < kBoxLineLimit; ++lines, from = lineEnd + 1)
        if ((lineEnd = text.find('\n', from)) == std::string::npos)
            break;
    if (lineEnd < limit)
        limit = lineEnd;
    if (text.size() <= limit)
        return text;
    const std::size_t cut = cutBefore(text, 0, limit, '\n');
    return text.substr(0, cut) + "...\n\n(The whole message is in " + errorLogPath() + ".)";
}

void showError(const std::string& message)
{
    logError(message);
    if (gPresenter)
        gPresenter->present("Error", errorBoxText(message));
}
