#pragma once

#include "options/frmchoosekey.h"
#include "options/frmoptions.h"
#include "settings/livesettings.h"
#include "settings/settingsstore.h"
#include "tests/support/recordingui.h"
#include "ui/colors.h"
#include "web/httpclient.h"
#include "web/webstate.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Drives the options dialog as the operator would, over a store and settings of the test's own.

template<typename T>
T *find(QObject &parent, const char *name)
{
    T *child = parent.findChild<T *>(QLatin1String(name));
    if (child == nullptr) {
        qFatal("no control named %s", name);
    }
    return child;
}

inline void showTab(frmOptions &dialog, int index)
{
    find<QTabWidget>(dialog, "sstOptions")->setCurrentIndex(index);
}

// Clicks a button, on its tab.
inline void press(frmOptions &dialog, const char *name)
{
    auto *button = find<QPushButton>(dialog, name);
    auto *tabs = find<QTabWidget>(dialog, "sstOptions");
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(button)) {
            tabs->setCurrentIndex(i);
        }
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

inline QString labelText(frmOptions &dialog, const char *label)
{
    return find<QLabel>(dialog, label)->text();
}

// The colour a swatch shows.
inline qint32 swatch(frmOptions &dialog, const char *name)
{
    return FromQColor(find<QWidget>(dialog, name)->palette().color(QPalette::Window));
}

// Runs `interact` on the key capture dialog that the key button `button` opens, and closes that
// dialog afterwards if it is still open, so that a failing check cannot leave the test waiting.
inline void withKeyCapture(
    frmOptions &dialog, const char *button, const std::function<void(frmChooseKey &)> &interact)
{
    bool seen = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto *capture = qobject_cast<frmChooseKey *>(QApplication::activeModalWidget());
        if (capture == nullptr) {
            return;
        }
        seen = true;
        interact(*capture);
        if (capture->isVisible()) {
            capture->reject();
        }
    });
    press(dialog, button);
    QVERIFY2(seen, "the key capture dialog did not open");
}

// What one test works on: an empty store, the default settings, publishing off.
struct OptionsBench
{
    // The store at `storePath`; when empty, a new one in a folder of the bench's own.
    explicit OptionsBench(const QString &storePath = QString())
        : store(storePath.isEmpty() ? folder.filePath(QStringLiteral("Varnelo.conf")) : storePath,
            QSettings::IniFormat)
        , settings(DefaultSettings(QStringLiteral("/opt/varnelo/buzzer.wav")))
    {
    }

    std::unique_ptr<frmOptions> open()
    {
        auto dialog
            = std::make_unique<frmOptions>(settings, web, store, ui, nullptr, makeHttpClient);
        dialog->open();
        return dialog;
    }

    QTemporaryDir folder;
    QSettings store;
    LiveSettings settings;
    WebState web;
    RecordingUi ui;
    // The dialog's HTTP client for Start and Stop; a real one with the standard time-out when
    // empty.
    std::function<std::unique_ptr<HttpClient>()> makeHttpClient;
};
