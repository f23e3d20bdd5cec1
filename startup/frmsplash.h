#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QSettings;
class UiServices;
struct LiveSettings;
struct WebState;

// The borderless splash screen the program starts with. Loading it reads the settings into
// `settings` and switches web publishing off. A click anywhere but on its two buttons leaves it
// for good (GoScore) and runs `showBoard`; Help runs `showHelp`; Options runs `showOptions`,
// which opens the options dialog modally over the splash.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    frmSplash(LiveSettings &settings, WebState &web, QSettings &store, UiServices &ui,
        const QString &defaultBuzzerFile, std::function<void()> showBoard,
        std::function<void()> showHelp, std::function<void(QWidget *owner)> showOptions,
        QWidget *parent = nullptr);

    // Closes the splash screen and shows the board; does nothing the second time.
    void GoScore();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Load();
    void BuildContent();

    LiveSettings &m_settings;
    WebState &m_web;
    QSettings &m_store;
    UiServices &m_ui;
    const QString m_defaultBuzzerFile;
    const std::function<void()> m_showBoard;
    const std::function<void()> m_showHelp;
    const std::function<void(QWidget *)> m_showOptions;
    bool m_pressed = false;
    bool m_gone = false;
};

// The name of the platform the program runs on, as the splash screen shows it ("Linux").
QString PlatformName();

// "Version " and the program's major, minor and patch numbers.
QString VersionText();
