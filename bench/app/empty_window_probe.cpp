// The floor under the game's memory: an empty SDL window with an OpenGL 3.3 core context
// and an OpenAL context, made as the game makes its own (full screen on the desktop, the
// same context attributes, alutInit), clearing and presenting for two seconds; then its
// peak and current resident memory from /proc. Whatever the game holds above this is its
// own. app_figures.sh runs it on the same screen and renderer as the game.
//   empty_window_probe [seconds, default 2]   prints "VmHWM <kB>" and "VmRSS <kB>"
#include <AL/alut.h>
#include <SDL.h>
#include <epoxy/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void printResidentMemory() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0 || std::strncmp(line, "VmRSS:", 6) == 0) {
            long kb = 0;
            std::sscanf(line + 6, "%ld", &kb);
            std::printf("%.5s %ld\n", line, kb);
        }
    std::fclose(status);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "empty_window_probe: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_Window* window = SDL_CreateWindow("Empty", 100, 100, 940, 700,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context) {
        std::fprintf(stderr, "empty_window_probe: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(0);
    if (!alutInit(nullptr, nullptr)) {
        std::fprintf(stderr, "empty_window_probe: no OpenAL context\n");
        return 1;
    }
    const Uint32 start = SDL_GetTicks();
    while (SDL_GetTicks() - start < static_cast<Uint32>(seconds * 1000.0)) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {}
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapWindow(window);
        SDL_Delay(5);
    }
    printResidentMemory();
    alutExit();
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
