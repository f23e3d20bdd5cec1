#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QSettings;
class UiServices;
struct LiveSettings;
struct WebState;

// How a splash screen starts: where its picture is kept (none: it is drawn only), what must be
// done before its first text is laid out, and what may use the wait for the click once the
// splash itself is on screen.
struct SplashStart
{
    QString pictureFile;
    std::function<void()> beforeText;
    std::function<void()> drawn;
};

// The borderless splash screen the program starts with. Loading it reads the settings into
// `settings` and switches web publishing off. A click anywhere but on its two buttons leaves it
// for good (GoScore) and runs `showBoard`; Help runs `showHelp`; Options runs `showOptions`,
// which opens the options dialog modally over the splash. With a picture kept from the last start
// it first shows that, and makes its labels and buttons once the picture is on screen.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    frmSplash(LiveSettings &settings, WebState &web, QSettings &store, UiServices &ui,
        const QString &defaultBuzzerFile, std::function<void()> showBoard,
        std::function<void()> showHelp, std::function<void(QWidget *owner)> showOptions,
        SplashStart start = {}, QWidget *parent = nullptr);

    // Closes the splash screen and shows the board; does nothing the second time.
    void GoScore();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Load();
    void BuildContent();
    QByteArray PictureKey() const;
    void AfterFirstFrame();

    LiveSettings &m_settings;
    WebState &m_web;
    QSettings &m_store;
    UiServices &m_ui;
    const QString m_defaultBuzzerFile;
    const std::function<void()> m_showBoard;
    const std::function<void()> m_showHelp;
    const std::function<void(QWidget *)> m_showOptions;
    QString m_pictureFile;
    std::function<void()> m_beforeText;
    std::function<void()> m_drawn;
    QByteArray m_pictureKey;
    QImage m_picture; // as read; shown until the labels and buttons are made
    bool m_showingPicture = false;
    bool m_contentQueued = false;
    bool m_firstFrameDrawn = false;
    QLabel *m_lblVersion = nullptr;
    bool m_pressed = false;
    bool m_gone = false;
};

// The name of the platform the program runs on, as the splash screen shows it ("Linux").
QString PlatformName();

// "Version " and the program's major, minor and patch numbers.
QString VersionText();
