// Times a program's windows from outside, as the X server sees them: from exec to the first
// window on screen with its first frame drawn, from a click on that window to the next window's
// first frame, and from a key on that one to the sound server opening a stream. No polling: it
// waits on the X connection and on `pactl subscribe` at once.
//
//   startwatch [--click X,Y] [--key KEYSYM] [--sound] [--think MS] [--key-think MS]
//              [--hold MS] [--timeout MS] -- PROGRAM [ARGS...]
//
// --click: after the first window's frame and --think ms (1000), clicks at X,Y inside it
// --key:   after the second window's frame and --key-think ms (1000), types KEYSYM
// --sound: then waits for the default sound server (PulseAudio) to report a new playback stream
// --hold:  at the end lets the program run MS more and reports its peak resident memory
// Prints "first-window-ms", "first-window-size", "click-to-window-ms", "key-to-sound-ms",
// "peak-rss-kb".
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "startwatch: %s\n", what);
    std::exit(2);
}

// Runs `pactl subscribe` and returns its output's read end.
int subscribeToSoundServer(pid_t &pid)
{
    int fds[2];
    if (pipe(fds) != 0) {
        fail("pipe");
    }
    pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execlp("pactl", "pactl", "subscribe", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    return fds[0];
}

long peakResidentKilobytes(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *status = std::fopen(path.c_str(), "r");
    if (!status) {
        return -1;
    }
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmHWM: %ld", &kilobytes) == 1) {
            break;
        }
    }
    std::fclose(status);
    return kilobytes;
}

} // namespace

int main(int argc, char *argv[])
{
    int clickX = -1;
    int clickY = -1;
    const char *keyName = nullptr;
    double thinkMs = 1000;
    double keyThinkMs = 1000;
    double timeoutMs = 20000;
    double holdMs = -1;
    bool sound = false;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        const std::string option = argv[first];
        if (option == "--sound") {
            sound = true;
            continue;
        }
        if (first + 1 >= argc) {
            fail("an option without its value");
        }
        const char *value = argv[++first];
        if (option == "--click") {
            if (std::sscanf(value, "%d,%d", &clickX, &clickY) != 2) {
                fail("--click takes X,Y");
            }
        } else if (option == "--key") {
            keyName = value;
        } else if (option == "--think") {
            thinkMs = std::atof(value);
        } else if (option == "--key-think") {
            keyThinkMs = std::atof(value);
        } else if (option == "--hold") {
            holdMs = std::atof(value);
        } else if (option == "--timeout") {
            timeoutMs = std::atof(value);
        } else {
            fail("unknown option");
        }
    }
    if (first + 1 >= argc) {
        fail("usage: startwatch [options] -- PROGRAM [ARGS...]");
    }

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        fail("no X display");
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fail("the X server has no DAMAGE extension");
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    pid_t soundPid = -1;
    const int soundFd = sound ? subscribeToSoundServer(soundPid) : -1;
    if (sound) {
        // pactl prints nothing until something happens: give it a moment to connect.
        poll(nullptr, 0, 200);
    }

    const double started = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first + 1], argv + first + 1);
        _exit(127);
    }

    enum class Stage { FirstWindow, Click, SecondWindow, Key, Sound, Done };
    Stage stage = Stage::FirstWindow;
    std::map<Window, Damage> damages;
    Window waitedFor = None; // the mapped window whose first frame is awaited
    Window firstWindow = None;
    Window secondWindow = None;
    double mark = started; // when the stage's clock started
    double actAt = 0; // when to click or type
    std::string soundLines;
    const double deadline = started + timeoutMs;

    while (stage != Stage::Done) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                const Window w = event.xcreatewindow.window;
                damages[w] = XDamageCreate(display, w, XDamageReportNonEmpty);
            } else if (event.type == DestroyNotify) {
                damages.erase(event.xdestroywindow.window);
            } else if (event.type == MapNotify && event.xmap.event == root
                && (stage == Stage::FirstWindow || stage == Stage::SecondWindow)
                && waitedFor == None) {
                waitedFor = event.xmap.window;
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                XDamageSubtract(display, damage.damage, None, None);
                if (damage.drawable != waitedFor) {
                    continue;
                }
                const double at = nowMs();
                XWindowAttributes attributes{};
                XGetWindowAttributes(display, waitedFor, &attributes);
                if (stage == Stage::FirstWindow) {
                    std::printf("first-window-ms %.2f\nfirst-window-size %dx%d\n", at - mark,
                        attributes.width, attributes.height);
                    firstWindow = waitedFor;
                    stage = clickX >= 0 ? Stage::Click : Stage::Done;
                } else {
                    std::printf("click-to-window-ms %.2f\n", at - mark);
                    secondWindow = waitedFor;
                    stage = keyName ? Stage::Key : Stage::Done;
                }
                std::fflush(stdout);
                actAt = at + (waitedFor == firstWindow ? thinkMs : keyThinkMs);
                waitedFor = None;
            }
        }
        if (stage == Stage::Done) {
            break;
        }

        const double now = nowMs();
        if (now >= deadline) {
            std::fprintf(stderr, "startwatch: timed out\n");
            break;
        }
        if ((stage == Stage::Click || stage == Stage::Key) && now >= actAt) {
            if (stage == Stage::Click) {
                int x = 0;
                int y = 0;
                Window unused = None;
                XTranslateCoordinates(display, firstWindow, root, clickX, clickY, &x, &y, &unused);
                XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
                XSync(display, False);
                mark = nowMs();
                XTestFakeButtonEvent(display, 1, True, CurrentTime);
                XTestFakeButtonEvent(display, 1, False, CurrentTime);
                stage = Stage::SecondWindow;
            } else {
                // Without a window manager the keyboard follows the pointer.
                XWindowAttributes attributes{};
                XGetWindowAttributes(display, secondWindow, &attributes);
                int x = 0;
                int y = 0;
                Window unused = None;
                XTranslateCoordinates(display, secondWindow, root, attributes.width / 2,
                    attributes.height / 2, &x, &y, &unused);
                XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
                XSync(display, False);
                const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keyName));
                mark = nowMs();
                XTestFakeKeyEvent(display, code, True, CurrentTime);
                XTestFakeKeyEvent(display, code, False, CurrentTime);
                stage = sound ? Stage::Sound : Stage::Done;
            }
            XFlush(display);
            continue;
        }

        pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {soundFd, POLLIN, 0}};
        double until = deadline;
        if (stage == Stage::Click || stage == Stage::Key) {
            until = actAt;
        }
        // Rounded up, so that the wait never ends early; events end it at once.
        const int waitMs = static_cast<int>(until - now) + 1;
        poll(fds, soundFd >= 0 ? 2 : 1, waitMs);
        if (soundFd >= 0 && (fds[1].revents & POLLIN)) {
            const double at = nowMs();
            char buffer[4096];
            const ssize_t got = read(soundFd, buffer, sizeof buffer);
            if (got > 0) {
                soundLines.append(buffer, static_cast<size_t>(got));
            }
            if (stage == Stage::Sound
                && soundLines.find("'new' on sink-input") != std::string::npos) {
                std::printf("key-to-sound-ms %.2f\n", at - mark);
                stage = Stage::Done;
            }
            // Only what comes after the key counts.
            if (stage != Stage::Sound) {
                soundLines.clear();
            }
        }
    }

    if (holdMs >= 0 && stage == Stage::Done) {
        poll(nullptr, 0, static_cast<int>(holdMs));
        std::printf("peak-rss-kb %ld\n", peakResidentKilobytes(child));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (soundPid > 0) {
        kill(soundPid, SIGTERM);
        waitpid(soundPid, nullptr, 0);
    }
    XCloseDisplay(display);
    return stage == Stage::Done ? 0 : 1;
}
