#include "chromiumsession.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QStandardPaths>

#include <array>
#include <csignal>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int AnswerTimeoutMs = 20000;

// A descriptor above the ones the browser is handed, so that dup2 never lands on itself.
int lifted(int fd)
{
    const int high = fcntl(fd, F_DUPFD_CLOEXEC, 10);
    close(fd);
    return high;
}

} // namespace

ChromiumSession::~ChromiumSession()
{
    if (m_pid > 0) {
        call(QStringLiteral("Browser.close"), {});
        QElapsedTimer waited;
        waited.start();
        int status = 0;
        while (waitpid(m_pid, &status, WNOHANG) == 0) {
            if (waited.elapsed() > 3000) {
                kill(-m_pid, SIGKILL); // the browser's whole process group
                waitpid(m_pid, &status, 0);
                break;
            }
            usleep(20000);
        }
        // Helpers left in the group go too.
        kill(-m_pid, SIGKILL);
    }
    if (m_toBrowser >= 0) {
        close(m_toBrowser);
    }
    if (m_fromBrowser >= 0) {
        close(m_fromBrowser);
    }
}

bool ChromiumSession::start(QString &error)
{
    const QString browser = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (browser.isEmpty()) {
        error = QStringLiteral("chromium is not installed (scripts/setup installs it)");
        return false;
    }
    if (!m_profile.isValid()) {
        error = QStringLiteral("no temporary folder for the browser profile");
        return false;
    }
    std::array<int, 2> commands{};
    std::array<int, 2> answers{};
    if (pipe2(commands.data(), O_CLOEXEC) != 0 || pipe2(answers.data(), O_CLOEXEC) != 0) {
        error = QStringLiteral("cannot create pipes");
        return false;
    }
    const int browserReads = lifted(commands[0]);
    const int browserWrites = lifted(answers[1]);
    m_toBrowser = commands[1];
    m_fromBrowser = answers[0];

    const QByteArray program = QFile::encodeName(browser);
    const QByteArray profile = "--user-data-dir=" + QFile::encodeName(m_profile.path());
    const QByteArray logFile = QFile::encodeName(m_profile.filePath(QStringLiteral("stderr.log")));
    std::vector<QByteArray> arguments = {program, "--headless", "--no-sandbox", "--disable-gpu",
        "--disable-quic", "--no-first-run", "--disable-background-networking",
        "--disable-component-update", "--disable-sync", "--no-default-browser-check",
        "--window-size=1280,720", "--remote-debugging-pipe", profile, "about:blank"};
    std::vector<char *> argv;
    for (QByteArray &argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(
        &files, 2, logFile.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&files, browserReads, 3);
    posix_spawn_file_actions_adddup2(&files, browserWrites, 4);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t noSignals;
    sigemptyset(&noSignals);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
    const int spawned
        = posix_spawn(&m_pid, program.constData(), &files, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    close(browserReads);
    close(browserWrites);
    if (spawned != 0) {
        m_pid = -1;
        error = QStringLiteral("cannot start %1").arg(browser);
        return false;
    }
    if (call(QStringLiteral("Browser.getVersion"), {}).isEmpty()) {
        error = QStringLiteral("chromium did not answer on its pipe: ") + log();
        return false;
    }
    return true;
}

QString ChromiumSession::openTab(const QString &url)
{
    const QJsonObject created
        = call(QStringLiteral("Target.createTarget"), {{QStringLiteral("url"), url}});
    const QString target = created.value(QStringLiteral("targetId")).toString();
    if (target.isEmpty()) {
        return {};
    }
    const QJsonObject attached = call(QStringLiteral("Target.attachToTarget"),
        {{QStringLiteral("targetId"), target}, {QStringLiteral("flatten"), true}});
    return attached.value(QStringLiteral("sessionId")).toString();
}

QJsonValue ChromiumSession::evaluate(const QString &session, const QString &expression)
{
    const QJsonObject answer = call(QStringLiteral("Runtime.evaluate"),
        {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}},
        session);
    return answer.value(QStringLiteral("result")).toObject().value(QStringLiteral("value"));
}

void ChromiumSession::loadWithScript(
    const QString &session, const QString &script, const QString &url)
{
    call(QStringLiteral("Page.enable"), {}, session);
    call(QStringLiteral("Page.addScriptToEvaluateOnNewDocument"),
        {{QStringLiteral("source"), script}}, session);
    call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}}, session);
}

void ChromiumSession::emulatePhone(const QString &session, int width, int height)
{
    call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
        {{QStringLiteral("width"), width}, {QStringLiteral("height"), height},
            {QStringLiteral("deviceScaleFactor"), 2}, {QStringLiteral("mobile"), true}},
        session);
    call(QStringLiteral("Emulation.setTouchEmulationEnabled"), {{QStringLiteral("enabled"), true}},
        session);
}

void ChromiumSession::emulateScreen(const QString &session, int width, int height)
{
    call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
        {{QStringLiteral("width"), width}, {QStringLiteral("height"), height},
            {QStringLiteral("deviceScaleFactor"), 1}, {QStringLiteral("mobile"), false}},
        session);
}

QByteArray ChromiumSession::screenshot(const QString &session)
{
    const QJsonObject shot = call(QStringLiteral("Page.captureScreenshot"),
        {{QStringLiteral("format"), QStringLiteral("png")}}, session);
    return QByteArray::fromBase64(shot.value(QStringLiteral("data")).toString().toLatin1());
}

QString ChromiumSession::log() const
{
    QFile file(m_profile.filePath(QStringLiteral("stderr.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().right(2000))
                                          : QString();
}

QJsonObject ChromiumSession::call(
    const QString &method, const QJsonObject &params, const QString &session)
{
    if (m_toBrowser < 0) {
        return {};
    }
    const int id = m_nextId++;
    QJsonObject command{{QStringLiteral("id"), id}, {QStringLiteral("method"), method},
        {QStringLiteral("params"), params}};
    if (!session.isEmpty()) {
        command.insert(QStringLiteral("sessionId"), session);
    }
    const QByteArray bytes = QJsonDocument(command).toJson(QJsonDocument::Compact) + '\0';
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written = write(
            m_toBrowser, bytes.constData() + sent, static_cast<size_t>(bytes.size() - sent));
        if (written <= 0) {
            return {};
        }
        sent += written;
    }
    QElapsedTimer timer;
    timer.start();
    QJsonObject message;
    while (readMessage(message, static_cast<int>(AnswerTimeoutMs - timer.elapsed()))) {
        if (message.value(QStringLiteral("id")).toInt() == id) {
            return message.value(QStringLiteral("result")).toObject();
        }
    }
    return {};
}

bool ChromiumSession::readMessage(QJsonObject &message, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const qsizetype end = m_pending.indexOf('\0');
        if (end >= 0) {
            message = QJsonDocument::fromJson(m_pending.left(end)).object();
            m_pending.remove(0, end + 1);
            return true;
        }
        const int left = timeoutMs - static_cast<int>(timer.elapsed());
        pollfd readable{m_fromBrowser, POLLIN, 0};
        if (left <= 0 || poll(&readable, 1, left) <= 0) {
            return false;
        }
        char buffer[65536];
        const ssize_t got = read(m_fromBrowser, buffer, sizeof(buffer));
        if (got <= 0) {
            return false;
        }
        m_pending.append(buffer, got);
    }
}
